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
    cbPreview.Clear();
    cbPreview.SetText(L"");
    if (cbPreview.Enabled()) {
        std::wstring text = Common::BytesToString(FormatCopyText(copyText, context));
        if (format == OutputFormat::CharName) {
            for (const std::wstring& line : Lines(text)) cbPreview.AddItem(line);
            if (cbPreview.ListCount() > 0) cbPreview.SetListIndex(0);
        } else {
            cbPreview.SetText(text);
        }
    }
    cbPreview.SetShowDropButton(cbPreview.ListCount() >= 2);
}

} // namespace CharData
