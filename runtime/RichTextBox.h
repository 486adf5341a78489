#pragma once
// A rich text box over the system's RichEdit control (Msftedit's
// RICHEDIT50W, or riched20's RichEdit20W where that is missing). The box's
// Font is the default character format of the whole text, set before any
// rich text is streamed in (Wine's RichEdit would otherwise start in bold
// "System"). Rich text is RTF: bytes, in std::string.
//
// Change is raised once for every change of the content, by the user or by
// the program (Text, TextRTF, SelRTF, SelText); formatting the selection is
// no change.
#include <windows.h>
#include <richedit.h>

#include "runtime/Capabilities.h"
#include "runtime/Control.h"

namespace Runtime {

class RichTextBox : public Control, public IText {
public:
    RichTextBox(Form* form, Control* container, std::wstring name, int index = -1);
    std::wstring TypeName() const override { return L"RichTextBox"; }
    void Create(int left, int top, int width, int height, bool multiLine = true);

    // The plain text; line breaks read as CR LF.
    std::wstring Text() const override;
    void SetText(const std::wstring& text) override;
    // The whole content as RTF. Text that is not RTF is taken as plain text.
    std::string TextRTF() const;
    void SetTextRTF(const std::string& rtf);
    // The box's font becomes `font` and then its content `rtf`: one pass
    // over the text, where SetFont after SetTextRTF would format it twice.
    void SetTextRTF(const std::string& rtf, const FontSpec& font);
    // The selection as RTF; setting it replaces the selection.
    std::string SelRTF() const;
    void SetSelRTF(const std::string& rtf);

    // Caret and selection, 0-based character positions.
    int SelStart() const override;
    void SetSelStart(int start) override;
    int SelLength() const override;
    void SetSelLength(int length) override;
    std::wstring SelText() const;
    void SetSelText(const std::wstring& text);

    // Character format of the selection. An attribute reads true only when
    // all of the selection has it.
    bool SelBold() const { return SelEffect(CFE_BOLD); }
    bool SelItalic() const { return SelEffect(CFE_ITALIC); }
    bool SelUnderline() const { return SelEffect(CFE_UNDERLINE); }
    bool SelStrikethru() const { return SelEffect(CFE_STRIKEOUT); }
    void SetSelBold(bool on) { SetSelEffect(CFE_BOLD, on); }
    void SetSelItalic(bool on) { SetSelEffect(CFE_ITALIC, on); }
    void SetSelUnderline(bool on) { SetSelEffect(CFE_UNDERLINE, on); }
    void SetSelStrikethru(bool on) { SetSelEffect(CFE_STRIKEOUT, on); }
    std::wstring SelFontName() const;
    void SetSelFontName(const std::wstring& name);
    // Points; at most 1638 (the control's limit). Out of range is the invalid-property error.
    double SelFontSize() const;
    void SetSelFontSize(double points);
    OleColor SelColor() const;
    void SetSelColor(OleColor color);

    bool Locked() const noexcept { return locked_; }
    void SetLocked(bool locked);

    // The font of the whole text (and the default for new text).
    void SetFont(const FontSpec& font) override;
    // The colour of the whole text; no Change, as for formatting the selection.
    void SetTextColor(OleColor color);
    // Whether lines wrap at the box's width (they do at first). A box that
    // only carries rich text is faster without: Wine's control lays out
    // every line of a long word again at each change.
    void SetWordWrap(bool wrap);
    void SetBackColor(OleColor color) override;

    std::function<void()> Change;

protected:
    bool OnReflect(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    // The selection's character format (dwMask: what all of it shares).
    CHARFORMAT2W SelFormat() const;
    // Formats the selection (SCF_SELECTION) or all text (SCF_ALL): no
    // Change, the content stays what it was.
    void ApplyFormat(WPARAM scope, CHARFORMAT2W& cf);
    // An effect bit: its CFE_ value, which is also its CFM_ mask bit.
    bool SelEffect(unsigned long effect) const;
    void SetSelEffect(unsigned long effect, bool on);
    void ApplyFont();
    std::string StreamOut(unsigned long format) const;
    void StreamIn(const std::string& data, unsigned long format);
    // The content replaced by `rtf` in the box's font, which becomes `font`
    // first when given (no Change of its own).
    void ReplaceContent(const std::string& rtf, const FontSpec* font);
    // Runs a change made by the program: the control's own notifications
    // are held back, and Change is raised once when the content differs.
    template <typename F>
    void ProgramChange(F change);

    bool locked_ = false;
    int quiet_ = 0;
};

} // namespace Runtime
