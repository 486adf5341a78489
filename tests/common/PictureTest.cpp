#include "common/BitmapIcon.h"
#include "common/IconPicture.h"

#include <windows.h>
#include <olectl.h>

#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "runtime/ScopedWin.h"

namespace {

using Runtime::ScopedBitmap;
using Runtime::ScopedIcon;
using Runtime::ScopedMemDC;
using Runtime::ScopedSelect;

const COLORREF kMagenta = RGB(255, 0, 255);
const COLORREF kRed = RGB(255, 0, 0);
const COLORREF kWhite = RGB(255, 255, 255);
const COLORREF kBlack = RGB(0, 0, 0);

using Points = std::vector<std::pair<int, int>>;

// A screen-compatible bitmap of `fill` with `spots` in `spot` colour.
ScopedBitmap MakeBitmap(int width, int height, COLORREF fill, const Points& spots, COLORREF spot)
{
    Runtime::ScopedGetDC screen(nullptr);
    ScopedBitmap bitmap(CreateCompatibleBitmap(screen.Get(), width, height));
    ScopedMemDC dc(screen.Get());
    ScopedSelect select(dc.Get(), bitmap.Get());
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) SetPixel(dc.Get(), x, y, fill);
    for (auto [x, y] : spots) SetPixel(dc.Get(), x, y, spot);
    return bitmap;
}

COLORREF PixelOf(HBITMAP bitmap, int x, int y)
{
    ScopedMemDC dc(nullptr);
    ScopedSelect select(dc.Get(), bitmap);
    return GetPixel(dc.Get(), x, y) & 0xFFFFFF;
}

SIZE SizeOf(HBITMAP bitmap)
{
    BITMAP info{};
    GetObjectW(bitmap, sizeof info, &info);
    return SIZE{info.bmWidth, info.bmHeight};
}

// The parts of an icon, which the caller owns.
struct IconParts {
    ICONINFO info{};
    ScopedBitmap mask, color;
    explicit IconParts(HICON icon)
    {
        if (GetIconInfo(icon, &info)) {
            mask.Reset(info.hbmMask);
            color.Reset(info.hbmColor);
        }
    }
};

bool Contains(const Points& points, int x, int y)
{
    for (auto [px, py] : points)
        if (px == x && py == y) return true;
    return false;
}

// Every pixel of `transparent` is 1 in the mask and black in the image; the
// others are 0 in the mask and keep their colour.
void ExpectTransparentAt(HICON icon, int width, int height, const Points& transparent, COLORREF opaque,
                         const char* name)
{
    IconParts parts(icon);
    ASSERT_TRUE(parts.mask) << name;
    ASSERT_TRUE(parts.color) << name;
    EXPECT_EQ(SizeOf(parts.mask.Get()).cx, width) << name;
    EXPECT_EQ(SizeOf(parts.mask.Get()).cy, height) << name;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            bool clear = Contains(transparent, x, y);
            EXPECT_EQ(PixelOf(parts.mask.Get(), x, y), clear ? kWhite : kBlack)
                << name << " mask at " << x << "," << y;
            EXPECT_EQ(PixelOf(parts.color.Get(), x, y), clear ? kBlack : opaque)
                << name << " image at " << x << "," << y;
        }
    }
}

TEST(BitmapToIcon, TopLeftPixelColourIsTransparent)
{
    const Points magenta = {{0, 0}, {3, 4}, {7, 7}};
    ScopedBitmap bitmap = MakeBitmap(8, 8, kRed, magenta, kMagenta);
    ScopedIcon icon(Common::BitmapToIcon(bitmap.Get(), Common::kTopLeftPixel));
    ASSERT_TRUE(icon.Get());
    ExpectTransparentAt(icon.Get(), 8, 8, magenta, kRed, "top-left magenta");
    EXPECT_TRUE(IconParts(icon.Get()).info.fIcon);
    EXPECT_EQ(PixelOf(bitmap.Get(), 3, 4), kMagenta) << "the caller's bitmap is left alone";
}

TEST(BitmapToIcon, GivenColourIsTransparent)
{
    // Red is transparent now; the magenta spots stay.
    const Points magenta = {{0, 0}, {2, 1}};
    ScopedBitmap bitmap = MakeBitmap(4, 2, kRed, magenta, kMagenta);
    ScopedIcon icon(Common::BitmapToIcon(bitmap.Get(), kRed));
    ASSERT_TRUE(icon.Get());
    IconParts parts(icon.Get());
    for (int y = 0; y < 2; ++y) {
        for (int x = 0; x < 4; ++x) {
            bool spot = Contains(magenta, x, y);
            EXPECT_EQ(PixelOf(parts.mask.Get(), x, y), spot ? kBlack : kWhite) << x << "," << y;
            EXPECT_EQ(PixelOf(parts.color.Get(), x, y), spot ? kMagenta : kBlack) << x << "," << y;
        }
    }
}

TEST(BitmapToIcon, StretchesToTheGivenSize)
{
    ScopedBitmap bitmap = MakeBitmap(4, 4, kRed, {{0, 0}, {2, 3}}, kMagenta);
    ScopedIcon icon(Common::BitmapToIcon(bitmap.Get(), Common::kTopLeftPixel, 8, 8));
    ASSERT_TRUE(icon.Get());
    Points clear;
    for (int dy = 0; dy < 2; ++dy)
        for (int dx = 0; dx < 2; ++dx) {
            clear.push_back({dx, dy});
            clear.push_back({4 + dx, 6 + dy});
        }
    ExpectTransparentAt(icon.Get(), 8, 8, clear, kRed, "stretched twice");
}

TEST(BitmapToIcon, CursorHasTheSystemSizeAndItsHotSpot)
{
    const int cx = GetSystemMetrics(SM_CXCURSOR), cy = GetSystemMetrics(SM_CYCURSOR);
    ScopedBitmap bitmap = MakeBitmap(8, 8, kRed, {{0, 0}}, kMagenta);
    struct {
        long hotX, hotY;
        DWORD expectedX, expectedY;
    } cases[] = {
        {-1, -1, static_cast<DWORD>(cx / 2 - 1), static_cast<DWORD>(cy / 2 - 1)},
        {3, 5, 3, 5},
        {2, -1, 2, static_cast<DWORD>(cy / 2 - 1)},
    };
    for (const auto& c : cases) {
        ScopedIcon cursor(Common::BitmapToIcon(bitmap.Get(), Common::kTopLeftPixel, 0, 0, c.hotX, c.hotY, true));
        ASSERT_TRUE(cursor.Get());
        IconParts parts(cursor.Get());
        EXPECT_FALSE(parts.info.fIcon);
        EXPECT_EQ(parts.info.xHotspot, c.expectedX) << "hot spot " << c.hotX << "," << c.hotY;
        EXPECT_EQ(parts.info.yHotspot, c.expectedY) << "hot spot " << c.hotX << "," << c.hotY;
        EXPECT_EQ(SizeOf(parts.color.Get()).cx, cx);
        EXPECT_EQ(SizeOf(parts.color.Get()).cy, cy);
    }
}

TEST(BitmapToIcon, UnusableBitmapGivesNoIcon)
{
    Runtime::ScopedBrush brush(CreateSolidBrush(kRed));
    EXPECT_EQ(Common::BitmapToIcon(nullptr), nullptr);
    EXPECT_EQ(Common::BitmapToIcon(reinterpret_cast<HBITMAP>(brush.Get())), nullptr);
}

// A memory DC holding an image the way a picture box holds its own.
struct ImageDC {
    Runtime::ScopedGetDC screen{nullptr};
    ScopedMemDC dc{screen.Get()};
    ScopedBitmap image;
    HGDIOBJ original = nullptr;
    ImageDC(int width, int height) : image(MakeBitmap(width, height, kRed, {{0, 0}}, kMagenta))
    {
        original = SelectObject(dc.Get(), image.Get());
    }
    ~ImageDC() { SelectObject(dc.Get(), original); }
};

TEST(BitmapToPicture, IconPictureOfTheImage)
{
    ImageDC box(32, 24);
    Runtime::ComPtr<IPicture> picture = Common::BitmapToPicture(box.dc.Get(), 32, 24, Common::kTopLeftPixel);
    ASSERT_TRUE(picture);
    EXPECT_EQ(GetCurrentObject(box.dc.Get(), OBJ_BITMAP), box.image.Get()) << "the image is selected back";

    SHORT type = PICTYPE_UNINITIALIZED;
    ASSERT_EQ(picture->get_Type(&type), S_OK);
    EXPECT_EQ(type, PICTYPE_ICON);

    OLE_HANDLE handle = 0;
    ASSERT_EQ(picture->get_Handle(&handle), S_OK);
    HICON icon = reinterpret_cast<HICON>(static_cast<UINT_PTR>(handle));
    ASSERT_TRUE(icon);
    {
        IconParts parts(icon);
        EXPECT_EQ(SizeOf(parts.color.Get()).cx, 32);
        EXPECT_EQ(SizeOf(parts.color.Get()).cy, 24);
        EXPECT_EQ(PixelOf(parts.mask.Get(), 0, 0), kWhite) << "top-left colour transparent";
        EXPECT_EQ(PixelOf(parts.mask.Get(), 1, 0), kBlack);
    }

    Runtime::ScopedGetDC screen(nullptr);
    OLE_XSIZE_HIMETRIC width = 0;
    OLE_YSIZE_HIMETRIC height = 0;
    ASSERT_EQ(picture->get_Width(&width), S_OK);
    ASSERT_EQ(picture->get_Height(&height), S_OK);
    EXPECT_NEAR(width, MulDiv(32, 2540, GetDeviceCaps(screen.Get(), LOGPIXELSX)), 1);
    EXPECT_NEAR(height, MulDiv(24, 2540, GetDeviceCaps(screen.Get(), LOGPIXELSY)), 1);
}

// The number of live GDI objects of the process. Where the system does not
// report it (Wine's GetGuiResources gives 0), they are counted by asking for
// the type of every handle index, which that system accepts without the
// handle's upper bits.
DWORD GdiObjectCount()
{
    DWORD count = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
    if (count != 0) return count;
    for (UINT_PTR index = 1; index <= 0xFFFF; ++index) {
        if (GetObjectType(reinterpret_cast<HGDIOBJ>(index)) != 0) ++count;
    }
    return count;
}

TEST(PictureHelpers, GdiObjectCountSeesOneMoreBitmap)
{
    DWORD before = GdiObjectCount();
    ScopedBitmap bitmap(CreateBitmap(4, 4, 1, 1, nullptr));
    ASSERT_TRUE(bitmap);
    EXPECT_EQ(GdiObjectCount(), before + 1);
    bitmap.Reset();
    EXPECT_EQ(GdiObjectCount(), before);
}

TEST(PictureHelpers, LeaveNoGdiObjectsBehind)
{
    ScopedBitmap bitmap = MakeBitmap(16, 16, kRed, {{0, 0}, {5, 5}}, kMagenta);
    ImageDC box(16, 16);
    auto once = [&] {
        ScopedIcon icon(Common::BitmapToIcon(bitmap.Get(), Common::kTopLeftPixel));
        ScopedIcon cursor(Common::BitmapToIcon(bitmap.Get(), kRed, 0, 0, -1, -1, true));
        Runtime::ComPtr<IPicture> picture = Common::BitmapToPicture(box.dc.Get(), 16, 16, Common::kTopLeftPixel);
        return icon.Get() && cursor.Get() && picture;
    };
    ASSERT_TRUE(once());  // anything made once per process is made now
    DWORD before = GdiObjectCount();
    for (int i = 0; i < 200; ++i) ASSERT_TRUE(once()) << "round " << i;
    EXPECT_EQ(GdiObjectCount(), before);
}

} // namespace
