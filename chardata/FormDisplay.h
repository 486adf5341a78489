#pragma once
// Where the window shows the forms: the status bar's "Hex" panel and the
// clipboard preview.
#include <string_view>

#include "chardata/OutputForms.h"
#include "runtime/Buttons.h"
#include "runtime/ComboBox.h"
#include "runtime/StatusBar.h"

namespace CharData {

// Writes the code (CodePanelText) into the panel "Hex" of the bar; a bar
// without that panel is left alone.
void ShowCodePanel(Runtime::StatusBar& bar, int code, bool statusHex);

// Refreshes the preview of the copy text in the context's form: cbPreview
// is enabled for the forms RTF to "Char. Name" and chPreview for "Code
// Page:"; the preview is emptied, then shows the form's text (bytes as the
// system ANSI code page shows them; of a text longer than 2,048 characters
// the first 2,048 and "\u2026"), or for the names one row per character with
// the first row chosen. The drop button shows exactly when
// there are two rows or more.
void UpdatePreview(Runtime::ComboBox& cbPreview, Runtime::CheckBox& chPreview, std::wstring_view copyText,
                   const FormContext& context);

} // namespace CharData
