// The window's help topics: each control's What's This help id, as the
// window was designed, and the right-click handlers that offer a control's
// topic (labels and panels offer the topic of the control they stand for;
// every table cell and header offers the first cell's).
#include "mainwin/fwMain.h"

#include <string_view>

#include "chardata/OutputForms.h"
#include "runtime/HelpPopup.h"

namespace {

struct FormatHelp {
    std::wstring_view caption;
    long id;
};

const FormatHelp kFormatHelp[] = {
    {L"Code Page:", 120}, {L"Unicode", 121},   {L"UTF-8", 122},         {L"% Escape", 123},
    {L"UCN (\\u)", 124},  {L"NCR (Hex)", 125}, {L"NCR (Dec)", 126},     {L"Char. Name", 127},
    {L"Picture (BMP)", 128}, {L"SGML:", 129},  {L"UTF-7", 130},         {L"RTF", 131},
};

long FormatHelpId(int format)
{
    const std::wstring_view caption = CharData::OutputFormatCaption(format);
    for (const FormatHelp& help : kFormatHelp)
        if (help.caption == caption) return help.id;
    return 0;
}

// A right press on `source` runs `action`, after what the control already
// does with a press.
void OnRightPress(Runtime::Control& source, std::function<void()> action)
{
    auto previous = source.MouseDown;
    source.MouseDown = [previous, action](const Runtime::MouseArgs& args) {
        if (previous) previous(args);
        if (args.Button == Runtime::ButtonRight) action();
    };
}

// Each member of a control array offers its own topic.
template <typename T>
void OfferOwnTopics(fwMain& form, const std::vector<std::unique_ptr<T>>& array)
{
    for (const auto& member : array)
        OnRightPress(*member, [&form, m = member.get()] { form.ShowHelpPopup(*m); });
}

} // namespace

void fwMain::CreateHelpControls()
{
    struct Design {
        Runtime::Control* control;
        long id;
    };
    const Design design[] = {
        {&lvFont, 101},   {&bbFont, 102},    {&lvRange, 103},   {&chRange, 104},  {&bbRange, 106},
        {&cbRange, 106},  {&tbGoTo, 111},    {&tbSearch, 112},  {&cbSearch, 115}, {&bbSearch, 116},
        {&cbEntity, 118}, {&tlEntity, 118},  {&cbCharSet, 119}, {&cbPicture, 141}, {&tlPicture2, 142},
        {&tbCopy, 151},   {&tlView, 152},    {&chView, 153},    {&cbPreview, 154}, {&chPreview, 155},
        {&bbCopy, 162},   {&bbAbout, 164},   {&bbReset, 166},   {&bbCharMap, 167}, {&pbType, 173},
        {&chOnTop, 175},  {&chMode, 177},
    };
    for (const Design& d : design) d.control->WhatsThisHelpID = d.id;
    const long searchIds[] = {111, 112, 115};
    for (std::size_t i = 0; i < obSearch.size() && i < std::size(searchIds); ++i)
        obSearch[i]->WhatsThisHelpID = searchIds[i];
    for (std::size_t i = 0; i < obFormat.size(); ++i)
        obFormat[i]->WhatsThisHelpID = FormatHelpId(static_cast<int>(i));
    for (std::size_t i = 0; i < chPicture.size(); ++i) chPicture[i]->WhatsThisHelpID = 143 + static_cast<long>(i);
    for (std::size_t i = 0; i < bbPicture.size(); ++i) bbPicture[i]->WhatsThisHelpID = 147 + static_cast<long>(i);

    pbAux.SetVisible(false);
    pbAux.Create(-100, -100, 8, 8);
    mHelpWhatsThis.Click = [this] { mHelpWhatsThis_Click(); };
    Runtime::SetHelpTextSource(&fwMain::BuiltInHelpText);

    // The controls that offer their own topic (chOnTop and the buttons of
    // the status row offer theirs where they are made).
    for (Runtime::Control* own : std::initializer_list<Runtime::Control*>{
             &bbCopy, &bbSearch, &bbReset, &chMode, &chRange, &chView, &chPreview})
        OnRightPress(*own, [this, own] { ShowHelpPopup(*own); });
    OfferOwnTopics(*this, bbPicture);
    OfferOwnTopics(*this, chPicture);
    OfferOwnTopics(*this, obFormat);
    OfferOwnTopics(*this, obSearch);

    // Controls that stand for another one offer that one's topic.
    const std::pair<Runtime::Control*, Runtime::Control*> standsFor[] = {
        {&pbTable, &pbTable}, {&pbFont, &lvFont},    {&tlFont, &lvFont},       {&pbRange, &lvRange},
        {&tlRange, &lvRange}, {&pbView, &tlView},    {&tlView, &tlView},       {&tlEntity, &cbEntity},
        {&tlPreview, &cbPreview}, {&tlCopy, &tbCopy}, {&tlPicture, &cbPicture}, {&tlPicture2, &tlPicture2},
    };
    for (const auto& [source, target] : standsFor)
        OnRightPress(*source, [this, target = target] { ShowHelpPopup(*target); });
    for (auto* headers : {&bbFixHor, &bbFixVer})
        for (auto& header : *headers) OnRightPress(*header, [this] { ShowHelpPopup(pbTable); });
}
