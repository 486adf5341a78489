// The LinkBox's persisted properties: ten keys in the host's property bag.
#include "about/LinkBox.h"

#include <ocidl.h>
#include <olectl.h>

#include "runtime/PropertyBag.h"

namespace {

using Runtime::ComPtr;

// A font object of the font description, as a bag stores fonts.
ComPtr<IFontDisp> FontObject(const Runtime::FontSpec& described)
{
    Runtime::Bstr name(described.Name);
    FONTDESC desc{};
    desc.cbSizeofstruct = sizeof desc;
    desc.lpstrName = name.Get();
    desc.cySize.int64 = static_cast<LONGLONG>(described.Size * 10000.0 + 0.5);
    desc.sWeight = static_cast<SHORT>(described.Bold ? FW_BOLD : described.Weight);
    desc.sCharset = static_cast<SHORT>(described.Charset);
    desc.fItalic = described.Italic;
    desc.fUnderline = described.Underline;
    desc.fStrikethrough = described.Strikethrough;
    ComPtr<IFontDisp> font;
    OleCreateFontIndirect(&desc, IID_IFontDisp, reinterpret_cast<void**>(font.Put()));
    return font;
}

// The font description of a stored font object; nothing when the value is none.
std::optional<Runtime::FontSpec> FontOf(const VARIANT& value)
{
    if (V_VT(&value) != VT_DISPATCH && V_VT(&value) != VT_UNKNOWN) return std::nullopt;
    if (!V_UNKNOWN(&value)) return std::nullopt;
    ComPtr<IFont> font;
    if (FAILED(V_UNKNOWN(&value)->QueryInterface(IID_IFont, reinterpret_cast<void**>(font.Put())))) return std::nullopt;
    Runtime::FontSpec described;
    Runtime::Bstr name;
    CY size{};
    BOOL bold = FALSE, italic = FALSE, underline = FALSE, strike = FALSE;
    SHORT weight = FW_NORMAL, charset = DEFAULT_CHARSET;
    if (FAILED(font->get_Name(name.Put())) || FAILED(font->get_Size(&size))) return std::nullopt;
    font->get_Bold(&bold);
    font->get_Italic(&italic);
    font->get_Underline(&underline);
    font->get_Strikethrough(&strike);
    font->get_Weight(&weight);
    font->get_Charset(&charset);
    described.Name = name.Text();
    described.Size = static_cast<double>(size.int64) / 10000.0;
    described.Bold = bold != FALSE;
    described.Weight = weight;
    described.Charset = charset;
    described.Italic = italic != FALSE;
    described.Underline = underline != FALSE;
    described.Strikethrough = strike != FALSE;
    return described;
}

// A stored value converted to `type`; nothing when the key is missing or
// holds something that does not convert.
bool Stored(IPropertyBag* bag, const wchar_t* name, VARTYPE type, Runtime::Variant& value)
{
    Runtime::ReadBagValue(bag, name, value);
    return value.Type() != VT_EMPTY && value.ChangeType(type);
}

std::optional<long> StoredLong(IPropertyBag* bag, const wchar_t* name)
{
    Runtime::Variant value;
    if (!Stored(bag, name, VT_I4, value)) return std::nullopt;
    return V_I4(value.Get());
}

std::optional<bool> StoredFlag(IPropertyBag* bag, const wchar_t* name)
{
    Runtime::Variant value;
    if (!Stored(bag, name, VT_BOOL, value)) return std::nullopt;
    return V_BOOL(value.Get()) != VARIANT_FALSE;
}

std::optional<std::wstring> StoredText(IPropertyBag* bag, const wchar_t* name)
{
    Runtime::Variant value;
    if (!Stored(bag, name, VT_BSTR, value)) return std::nullopt;
    return Runtime::BstrText(V_BSTR(value.Get()));
}

} // namespace

void LinkBox::ReadProperties(IPropertyBag* bag)
{
    using namespace Runtime;
    long alignment = StoredLong(bag, L"Alignment").value_or(0);
    SetAlignment(alignment >= 0 && alignment <= 2 ? static_cast<int>(alignment) : 0);
    SetAutoSize(StoredFlag(bag, L"AutoSize").value_or(false));
    if (auto color = StoredLong(bag, L"BackColor")) SetBackColor(static_cast<OleColor>(*color));
    if (auto caption = StoredText(bag, L"Caption")) SetCaption(*caption);
    SetCaptionIsPath(StoredFlag(bag, L"CaptionIsPath").value_or(true));
    SetEnabled(StoredFlag(bag, L"Enabled").value_or(true));
    Variant font;
    ReadBagValue(bag, L"Font", font);
    if (auto described = FontOf(*font.Get())) SetFont(*described);
    if (auto color = StoredLong(bag, L"ForeColor")) SetForeColor(static_cast<OleColor>(*color));
    SetHotTracking(StoredFlag(bag, L"HotTracking").value_or(true));
    if (auto path = StoredText(bag, L"Path")) SetPath(*path);
}

void LinkBox::WriteProperties(IPropertyBag* bag) const
{
    // Every key the bag takes is saved; a refused one is reported after.
    Runtime::BagWriter out(bag);
    out.Long(L"Alignment", alignment_);
    out.Bool(L"AutoSize", autoSize_);
    out.Long(L"BackColor", static_cast<long>(BackColor()));
    out.Text(L"Caption", Caption());
    out.Bool(L"CaptionIsPath", captionIsPath_);
    out.Bool(L"Enabled", Enabled());
    Runtime::Variant font;
    V_VT(font.Get()) = VT_DISPATCH;
    V_DISPATCH(font.Get()) = FontObject(Font()).Detach();
    out.Value(L"Font", font.Get());
    out.Long(L"ForeColor", static_cast<long>(ForeColor()));
    out.Bool(L"HotTracking", HotTracking());
    out.Text(L"Path", Path());
    out.RaiseIfRefused();
}
