#include "common/FormPlacement.h"

#include <cmath>
#include <limits>

#include "common/Ini.h"
#include "runtime/Form.h"

namespace Common {

namespace {

std::wstring SectionOf(const Runtime::Form& form, const std::wstring& section)
{
    return section.empty() ? form.Name() + L"_State" : section;
}

// A stored pixel count in twips, or `fallback` (twips) when it does not fit.
int PixelsToTwips(double pixels, int twipsPerPixel, int fallback)
{
    double twips = std::round(pixels * twipsPerPixel);
    if (!(twips >= std::numeric_limits<int>::min() && twips <= std::numeric_limits<int>::max())) return fallback;
    return static_cast<int>(twips);
}

} // namespace

void LoadFormPos(Runtime::Form& form, FormPlacement& placement, const std::wstring& file, const std::wstring& section)
{
    const std::wstring name = SectionOf(form, section);
    const int tx = Runtime::TwipsPerPixelX(), ty = Runtime::TwipsPerPixelY();
    placement.Left = PixelsToTwips(IniReadNumber(file, name, L"Left", 0), tx, 0);
    placement.Top = PixelsToTwips(IniReadNumber(file, name, L"Top", 0), ty, 0);
    const int width = form.Width() * tx, height = form.Height() * ty;
    placement.Width = PixelsToTwips(IniReadNumber(file, name, L"Width", width / tx), tx, width);
    placement.Height = PixelsToTwips(IniReadNumber(file, name, L"Height", height / ty), ty, height);

    const int current = form.WindowState();
    double state = IniReadNumber(file, name, L"State", current);
    placement.State = (state == 0 || state == 1 || state == 2) ? static_cast<int>(state) : current;
    form.SetWindowState(placement.State);
}

void SaveFormPos(Runtime::Form& form, FormPlacement& placement, const std::wstring& file, const std::wstring& section)
{
    const int tx = Runtime::TwipsPerPixelX(), ty = Runtime::TwipsPerPixelY();
    if (form.WindowState() == Runtime::StateNormal) {
        placement.Left = form.Left() * tx;
        placement.Top = form.Top() * ty;
        placement.Width = form.Width() * tx;
        placement.Height = form.Height() * ty;
    }
    const std::wstring name = SectionOf(form, section);
    IniWriteNumber(file, name, L"State", placement.State);
    IniWriteNumber(file, name, L"Left", placement.Left / tx);
    IniWriteNumber(file, name, L"Top", placement.Top / ty);
    IniWriteNumber(file, name, L"Width", placement.Width / tx);
    IniWriteNumber(file, name, L"Height", placement.Height / ty);
}

} // namespace Common
