#include "chardata/FormDisplay.h"

#include "chardata/CodePanel.h"
#include "common/CodePage.h"

#include <vector>

namespace CharData {

namespace {

// The lines of a text whose every line ends in CR LF.
std::vector<std::wstring> Lines(const std::wstring& text)
{
    std::vector<std::wstring> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find(L"\r\n", start);
        if (end == std::wstring::npos) end = text.size();
        lines.push_back(text.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

// The most characters the preview's one-line box is given; a longer form
// shows its first ones and "\u2026". Wine's edit control lays out its whole
// line at each change in a time that grows with the square of the line's
// runs (a run ends wherever digits and other characters meet): the decimal
// NCRs of 30,000 characters, 158,000 characters in 60,000 runs, took 15 s
// to show and 5 s to clear. The box shows a few dozen characters; Copy
// writes the whole form.
constexpr std::size_t kPreviewLength = 2048;

std::wstring PreviewText(std::wstring text)
{
    if (text.size() <= kPreviewLength) return text;
    text.resize(kPreviewLength);
    text += L'\u2026';
    return text;
}

} // namespace

void ShowCodePanel(Runtime::StatusBar& bar, int code, bool statusHex)
{
    if (Runtime::Panel* panel = bar.Panels().Find(L"Hex")) panel->SetText(CodePanelText(code, statusHex));
}

void UpdatePreview(Runtime::ComboBox& cbPreview, Runtime::CheckBox& chPreview, std::wstring_view copyText,
                   const FormContext& context)
{
    OutputFormat format = context.Format;
    cbPreview.SetEnabled(format >= OutputFormat::RTF && format <= OutputFormat::CharName);
    chPreview.SetEnabled(format == OutputFormat::CodePage);
    // Emptied before its list, which would otherwise write the old text back.
    cbPreview.SetText(L"");
    cbPreview.Clear();
    if (cbPreview.Enabled()) {
        std::wstring text = Common::BytesToString(FormatCopyText(copyText, context));
        if (format == OutputFormat::CharName) {
            const std::vector<std::wstring> rows = Lines(text);
            // The button first: showing or hiding it makes the window anew,
            // which would hand it every row again.
            cbPreview.SetShowDropButton(rows.size() >= 2);
            cbPreview.AddItems(rows);
            if (cbPreview.ListCount() > 0) cbPreview.SetListIndex(0);
        } else {
            cbPreview.SetText(PreviewText(std::move(text)));
        }
    }
    cbPreview.SetShowDropButton(cbPreview.ListCount() >= 2);
}

} // namespace CharData
