// Context help: a right click on a control offers "What's This?" for the
// control's help topic (its WhatsThisHelpID); choosing it shows the topic
// through the hidden carrier pbAux. The topic texts are the program's own
// (resource "TOPICS", the source the help file is built from too).
#include "mainwin/fwMain.h"

#include <cmath>

#include "common/Val.h"
#include "mainwin/HelpTopics.h"
#include "runtime/HelpPopup.h"

namespace {

// The topics carried in the program's resources, read once.
const std::map<long, HelpTopic>& BuiltInTopics()
{
    static const std::map<long, HelpTopic> topics = [] {
        HMODULE module = GetModuleHandleW(nullptr);
        HRSRC found = FindResourceW(module, L"TOPICS", MAKEINTRESOURCEW(10)); // RT_RCDATA
        HGLOBAL loaded = found ? LoadResource(module, found) : nullptr;
        const char* bytes = loaded ? static_cast<const char*>(LockResource(loaded)) : nullptr;
        if (!bytes) return std::map<long, HelpTopic>();
        return ParseHelpTopics(std::string_view(bytes, SizeofResource(module, found)));
    }();
    return topics;
}

// A help id written as text, rounded; 0 for text that is no number in the
// id's range.
long HelpIdOf(const std::wstring& text)
{
    const double value = std::round(Common::Val(text));
    if (!(value >= -2147483648.0 && value <= 2147483647.0)) return 0;
    return static_cast<long>(value);
}

} // namespace

std::wstring fwMain::BuiltInHelpText(long helpId)
{
    const auto& topics = BuiltInTopics();
    const auto found = topics.find(helpId);
    if (found == topics.end()) return {};
    return found->second.Title + L"\r\n\r\n" + found->second.Text;
}

void fwMain::ShowHelpPopup(Runtime::Control& control)
{
    mHelpWhatsThis.Tag = std::to_wstring(control.WhatsThisHelpID);
    Runtime::PopupMenu(*this, mHelp);
}

void fwMain::mHelpWhatsThis_Click()
{
    if (!mHelpWhatsThis.Enabled()) return;
    pbAux.WhatsThisHelpID = HelpIdOf(mHelpWhatsThis.Tag);
    Runtime::ShowWhatsThis(pbAux);
}
