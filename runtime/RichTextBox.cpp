#include "runtime/RichTextBox.h"

#include <richedit.h>

#include <cmath>

namespace Runtime {

namespace {

// The RichEdit window class; the library stays loaded for the process.
const wchar_t* RichEditClass()
{
    static const wchar_t* cls = [] () -> const wchar_t* {
        if (LoadLibraryW(L"Msftedit.dll")) return MSFTEDIT_CLASS;
        if (LoadLibraryW(L"riched20.dll")) return RICHEDIT_CLASSW;
        return nullptr;
    }();
    return cls;
}

struct InStream {
    const std::string* data;
    size_t pos;
};

DWORD CALLBACK ReadIn(DWORD_PTR cookie, LPBYTE buffer, LONG size, LONG* done)
{
    auto* in = reinterpret_cast<InStream*>(cookie);
    size_t left = in->data->size() - in->pos;
    size_t n = left < static_cast<size_t>(size) ? left : static_cast<size_t>(size);
    memcpy(buffer, in->data->data() + in->pos, n);
    in->pos += n;
    *done = static_cast<LONG>(n);
    return 0;
}

DWORD CALLBACK WriteOut(DWORD_PTR cookie, LPBYTE buffer, LONG size, LONG* done)
{
    reinterpret_cast<std::string*>(cookie)->append(reinterpret_cast<const char*>(buffer), size);
    *done = size;
    return 0;
}

bool LooksLikeRtf(const std::string& data)
{
    return data.compare(0, 5, "{\\rtf") == 0;
}

CHARFORMAT2W EmptyFormat()
{
    CHARFORMAT2W cf{};
    cf.cbSize = sizeof cf;
    return cf;
}

// The format that sets the text colour alone.
CHARFORMAT2W ColorFormat(OleColor color)
{
    CHARFORMAT2W cf = EmptyFormat();
    cf.dwMask = CFM_COLOR;
    cf.crTextColor = ResolveColor(color);
    return cf;
}

} // namespace

RichTextBox::RichTextBox(Form* form, Control* container, std::wstring name, int index)
    : Control(form, container, std::move(name), index)
{
    Control::SetBackColor(ColorWindow);
    Control::SetForeColor(ColorWindowText);
}

void RichTextBox::Create(int left, int top, int width, int height, bool multiLine)
{
    const wchar_t* cls = RichEditClass();
    if (!cls) throw Error(ErrInvalidCall, "The rich text control is not available");
    DWORD style = WS_TABSTOP | ES_AUTOHSCROLL;
    if (multiLine) style |= ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN | WS_VSCROLL;
    ++quiet_;
    CreateControlWindow(cls, style, WS_EX_CLIENTEDGE, L"", left, top, width, height);
    SendMessageW(hWnd(), EM_SETEVENTMASK, 0, ENM_CHANGE);
    SendMessageW(hWnd(), EM_SETBKGNDCOLOR, 0, static_cast<LPARAM>(ResolveColor(BackColor())));
    if (locked_) SendMessageW(hWnd(), EM_SETREADONLY, TRUE, 0);
    ApplyFont();
    --quiet_;
}

void RichTextBox::ApplyFont()
{
    if (!hWnd()) return;
    const FontSpec& f = Font();
    CHARFORMAT2W cf = EmptyFormat();
    cf.dwMask = CFM_FACE | CFM_SIZE | CFM_BOLD | CFM_ITALIC | CFM_UNDERLINE | CFM_STRIKEOUT | CFM_CHARSET |
                CFM_WEIGHT;
    lstrcpynW(cf.szFaceName, f.Name.c_str(), LF_FACESIZE);
    cf.yHeight = static_cast<LONG>(std::lround(f.Size * 20)); // twips
    cf.wWeight = static_cast<WORD>(f.Bold ? FW_BOLD : f.Weight);
    if (f.Bold || f.Weight >= FW_BOLD) cf.dwEffects |= CFE_BOLD;
    if (f.Italic) cf.dwEffects |= CFE_ITALIC;
    if (f.Underline) cf.dwEffects |= CFE_UNDERLINE;
    if (f.Strikethrough) cf.dwEffects |= CFE_STRIKEOUT;
    cf.bCharSet = static_cast<BYTE>(f.Charset);
    SendMessageW(hWnd(), EM_SETCHARFORMAT, SCF_DEFAULT, reinterpret_cast<LPARAM>(&cf));
    SendMessageW(hWnd(), EM_SETCHARFORMAT, SCF_ALL, reinterpret_cast<LPARAM>(&cf));
}

template <typename F>
void RichTextBox::ProgramChange(F change)
{
    if (!hWnd()) return;
    std::string before = TextRTF();
    ++quiet_;
    try {
        change();
    } catch (...) {
        --quiet_;
        throw;
    }
    --quiet_;
    if (TextRTF() != before) Fire(Change);
}

std::wstring RichTextBox::Text() const
{
    if (!hWnd()) return {};
    GETTEXTLENGTHEX len{GTL_USECRLF | GTL_NUMCHARS | GTL_PRECISE, 1200};
    LRESULT n = SendMessageW(hWnd(), EM_GETTEXTLENGTHEX, reinterpret_cast<WPARAM>(&len), 0);
    if (n <= 0) return {};
    std::wstring text(static_cast<size_t>(n) + 1, L'\0');
    GETTEXTEX get{};
    get.cb = static_cast<DWORD>(text.size() * sizeof(wchar_t));
    get.flags = GT_USECRLF;
    get.codepage = 1200; // UTF-16
    LRESULT got = SendMessageW(hWnd(), EM_GETTEXTEX, reinterpret_cast<WPARAM>(&get),
                               reinterpret_cast<LPARAM>(text.data()));
    text.resize(got > 0 ? static_cast<size_t>(got) : 0);
    return text;
}

void RichTextBox::SetText(const std::wstring& text)
{
    if (!hWnd() || text == Text()) return;
    ProgramChange([&] { SetWindowTextW(hWnd(), text.c_str()); });
}

std::string RichTextBox::StreamOut(unsigned long format) const
{
    std::string out;
    if (!hWnd()) return out;
    EDITSTREAM es{};
    es.dwCookie = reinterpret_cast<DWORD_PTR>(&out);
    es.pfnCallback = WriteOut;
    SendMessageW(hWnd(), EM_STREAMOUT, format, reinterpret_cast<LPARAM>(&es));
    return out;
}

void RichTextBox::StreamIn(const std::string& data, unsigned long format)
{
    // Text that is not RTF goes in as plain text, unchanged.
    if ((format & SF_RTF) && !LooksLikeRtf(data)) format = (format & ~static_cast<unsigned long>(SF_RTF)) | SF_TEXT;
    InStream in{&data, 0};
    EDITSTREAM es{};
    es.dwCookie = reinterpret_cast<DWORD_PTR>(&in);
    es.pfnCallback = ReadIn;
    SendMessageW(hWnd(), EM_STREAMIN, format, reinterpret_cast<LPARAM>(&es));
}

std::string RichTextBox::TextRTF() const
{
    return StreamOut(SF_RTF);
}

void RichTextBox::SetTextRTF(const std::string& rtf)
{
    ProgramChange([&] { ReplaceContent(rtf, nullptr); });
}

void RichTextBox::SetTextRTF(const std::string& rtf, const FontSpec& font)
{
    if (!hWnd()) return SetFont(font);
    ProgramChange([&] { ReplaceContent(rtf, &font); });
}

void RichTextBox::ReplaceContent(const std::string& rtf, const FontSpec* font)
{
    // The old text goes first, so that only the empty box takes the font
    // (the window's font message formats all of the text); the format of
    // its last paragraph mark stays, as a stream would keep it.
    SetWindowTextW(hWnd(), L"");
    if (font) Control::SetFont(*font);
    // The default format next: text the RTF does not format takes the box's font.
    ApplyFont();
    StreamIn(rtf, SF_RTF);
}

std::string RichTextBox::SelRTF() const
{
    return StreamOut(SF_RTF | SFF_SELECTION);
}

void RichTextBox::SetSelRTF(const std::string& rtf)
{
    ProgramChange([&] { StreamIn(rtf, SF_RTF | SFF_SELECTION); });
}

int RichTextBox::SelStart() const
{
    CHARRANGE r{0, 0};
    if (hWnd()) SendMessageW(hWnd(), EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&r));
    return r.cpMin;
}

void RichTextBox::SetSelStart(int start)
{
    if (start < 0) Raise(ErrInvalidProperty);
    CHARRANGE r{start, start};
    if (hWnd()) SendMessageW(hWnd(), EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&r));
}

int RichTextBox::SelLength() const
{
    CHARRANGE r{0, 0};
    if (hWnd()) SendMessageW(hWnd(), EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&r));
    return r.cpMax - r.cpMin;
}

void RichTextBox::SetSelLength(int length)
{
    if (length < 0) Raise(ErrInvalidProperty);
    int start = SelStart();
    CHARRANGE r{start, start + length};
    if (hWnd()) SendMessageW(hWnd(), EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&r));
}

std::wstring RichTextBox::SelText() const
{
    int length = SelLength();
    if (!hWnd() || length <= 0) return {};
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    LRESULT n = SendMessageW(hWnd(), EM_GETSELTEXT, 0, reinterpret_cast<LPARAM>(text.data()));
    text.resize(n > 0 ? static_cast<size_t>(n) : 0);
    return text;
}

void RichTextBox::SetSelText(const std::wstring& text)
{
    ProgramChange([&] { SendMessageW(hWnd(), EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(text.c_str())); });
}

CHARFORMAT2W RichTextBox::SelFormat() const
{
    CHARFORMAT2W cf = EmptyFormat();
    SendMessageW(hWnd(), EM_GETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&cf));
    return cf;
}

void RichTextBox::ApplyFormat(WPARAM scope, CHARFORMAT2W& cf)
{
    ++quiet_;
    SendMessageW(hWnd(), EM_SETCHARFORMAT, scope, reinterpret_cast<LPARAM>(&cf));
    --quiet_;
}

bool RichTextBox::SelEffect(unsigned long effect) const
{
    if (!hWnd()) return false;
    CHARFORMAT2W cf = SelFormat();
    return (cf.dwMask & effect) && (cf.dwEffects & effect);
}

void RichTextBox::SetSelEffect(unsigned long effect, bool on)
{
    if (!hWnd()) return;
    CHARFORMAT2W cf = EmptyFormat();
    cf.dwMask = effect;
    cf.dwEffects = on ? effect : 0;
    ApplyFormat(SCF_SELECTION, cf);
}

std::wstring RichTextBox::SelFontName() const
{
    if (!hWnd()) return {};
    CHARFORMAT2W cf = SelFormat();
    return (cf.dwMask & CFM_FACE) ? std::wstring(cf.szFaceName) : std::wstring();
}

void RichTextBox::SetSelFontName(const std::wstring& name)
{
    if (name.empty() || name.size() >= LF_FACESIZE) Raise(ErrInvalidProperty);
    if (!hWnd()) return;
    CHARFORMAT2W cf = EmptyFormat();
    cf.dwMask = CFM_FACE;
    lstrcpynW(cf.szFaceName, name.c_str(), LF_FACESIZE);
    ApplyFormat(SCF_SELECTION, cf);
}

double RichTextBox::SelFontSize() const
{
    if (!hWnd()) return 0;
    CHARFORMAT2W cf = SelFormat();
    return (cf.dwMask & CFM_SIZE) ? cf.yHeight / 20.0 : 0;
}

void RichTextBox::SetSelFontSize(double points)
{
    if (!(points > 0 && points <= 1638)) Raise(ErrInvalidProperty);
    if (!hWnd()) return;
    CHARFORMAT2W cf = EmptyFormat();
    cf.dwMask = CFM_SIZE;
    cf.yHeight = static_cast<LONG>(std::lround(points * 20));
    ApplyFormat(SCF_SELECTION, cf);
}

OleColor RichTextBox::SelColor() const
{
    if (!hWnd()) return 0;
    CHARFORMAT2W cf = SelFormat();
    if (cf.dwEffects & CFE_AUTOCOLOR) return GetSysColor(COLOR_WINDOWTEXT);
    return cf.crTextColor;
}

void RichTextBox::SetSelColor(OleColor color)
{
    if (!hWnd()) return;
    CHARFORMAT2W cf = ColorFormat(color);
    ApplyFormat(SCF_SELECTION, cf);
}

void RichTextBox::SetLocked(bool locked)
{
    locked_ = locked;
    if (hWnd()) SendMessageW(hWnd(), EM_SETREADONLY, locked, 0);
}

void RichTextBox::SetFont(const FontSpec& font)
{
    ++quiet_;
    Control::SetFont(font);
    ApplyFont();
    --quiet_;
}

void RichTextBox::SetTextColor(OleColor color)
{
    if (!hWnd()) return;
    CHARFORMAT2W cf = ColorFormat(color);
    ApplyFormat(SCF_ALL, cf);
}

void RichTextBox::SetWordWrap(bool wrap)
{
    // A line width of 1 is the control's "no wrapping"; 0 wraps at the window's width.
    if (hWnd()) SendMessageW(hWnd(), EM_SETTARGETDEVICE, 0, wrap ? 0 : 1);
}

void RichTextBox::SetBackColor(OleColor color)
{
    Control::SetBackColor(color);
    if (hWnd()) SendMessageW(hWnd(), EM_SETBKGNDCOLOR, 0, static_cast<LPARAM>(ResolveColor(color)));
}

bool RichTextBox::OnReflect(UINT msg, WPARAM wParam, LPARAM, LRESULT&)
{
    if (msg == WM_COMMAND && HIWORD(wParam) == EN_CHANGE && quiet_ == 0) Fire(Change);
    return false;
}

} // namespace Runtime
