#include "chardata/FontGlyphSet.h"

#include <algorithm>

namespace CharData {

namespace {

std::uint32_t ReadUInt32(std::span<const std::uint8_t> bytes, std::size_t at)
{
    return static_cast<std::uint32_t>(bytes[at]) | static_cast<std::uint32_t>(bytes[at + 1]) << 8 |
           static_cast<std::uint32_t>(bytes[at + 2]) << 16 | static_cast<std::uint32_t>(bytes[at + 3]) << 24;
}

std::uint16_t ReadUInt16(std::span<const std::uint8_t> bytes, std::size_t at)
{
    return static_cast<std::uint16_t>(bytes[at] | bytes[at + 1] << 8);
}

constexpr std::size_t kRangeCountOffset = 12;
constexpr std::size_t kRangeBytes = 4;

} // namespace

FontGlyphSet FontGlyphSet::FromBytes(std::span<const std::uint8_t> bytes)
{
    FontGlyphSet set;
    if (bytes.size() < kHeaderBytes) return set;
    const auto count = static_cast<std::int32_t>(ReadUInt32(bytes, kRangeCountOffset));
    if (count < 0) return set;
    const std::size_t present = (bytes.size() - kHeaderBytes) / kRangeBytes;
    const std::size_t n = std::min({static_cast<std::size_t>(count), present, kMaxRanges});
    set.read_ = true;
    set.ranges_.reserve(n);
    for (std::size_t i = 0; i < n; ++i) {
        const std::size_t at = kHeaderBytes + i * kRangeBytes;
        set.ranges_.push_back({ReadUInt16(bytes, at), ReadUInt16(bytes, at + 2)});
    }
    return set;
}

FontGlyphSet FontGlyphSet::FromRanges(std::span<const GlyphRange> ranges)
{
    FontGlyphSet set;
    set.read_ = true;
    set.ranges_.assign(ranges.begin(), ranges.begin() + static_cast<std::ptrdiff_t>(std::min(ranges.size(), kMaxRanges)));
    return set;
}

bool FontGlyphSet::HasChar(std::int32_t code) const
{
    if (!read_) return true;
    for (const GlyphRange& range : ranges_) {
        const std::int32_t low = range.Low;
        if (code < low) return false;
        if (code <= low + static_cast<std::int32_t>(range.Count) - 1) return true;
    }
    return false;
}

} // namespace CharData
