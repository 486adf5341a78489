// The message-name table against sources of its own: the toolchain's
// headers for every name they define (rows made from the table at build
// time, each compiled under #ifdef), and a short table of the published
// values of the names that none of these headers defines.

// Names that stand for an ANSI and a Unicode form carry the ANSI form's value
// in the table, as the headers give it without UNICODE.
#undef UNICODE
#undef _UNICODE
#include <windows.h>
#include <windowsx.h>
#include <commctrl.h>
#include <commdlg.h>
#include <cpl.h>
#include <dbt.h>
#include <dde.h>
#include <dispdib.h>
#include <ftsiface.h>
#include <ime.h>
#include <mapiwz.h>
#include <olectl.h>
#include <penwin.h>
#include <prsht.h>
#include <ras.h>
#include <richedit.h>
#include <shellapi.h>
#include <shlobj.h>
#include <smx.h>
#include <tapi.h>
#include <umx.h>
#include <vfw.h>
#include <wfext.h>
#include <winwlx.h>
#include <zmouse.h>

#include <map>
#include <string>

#include <gtest/gtest.h>

#include "common/MessageList.h"
#include "latchet/Messages.h"

namespace {

struct NamedValue {
    const wchar_t* name;
    long value;
};

// What the headers above define, for the table's names.
const NamedValue kHeaderValues[] = {
#include "HeaderRows.inc"
};

// Names that none of the headers above defines (the 3D-controls library,
// the class library's private messages and a few older ones), with their
// published values.
const NamedValue kPublishedElsewhere[] = {
    {L"CTL3D_CTLCOLOR", 4593},           {L"CTL3D_CTLCOLORMSGBOX", 4593},  {L"CTL3D_CTLCOLOREDIT", 4594},
    {L"CTL3D_CTLCOLORLISTBOX", 4595},    {L"CTL3D_CTLCOLORBTN", 4596},     {L"CTL3D_CTLCOLORSCROLLBAR", 4597},
    {L"CTL3D_CTLCOLORSTATIC", 4598},     {L"CTL3D_CTLCOLORDLG", 4599},     {L"WM_DLGBORDER", 4591},
    {L"WM_DLGSUBCLASS", 4592},           {L"EM_SETFONT", 1043},            {L"EM_SETWORDBREAK", 202},
    {L"OCM_CTLCOLOR", 8217},             {L"WM_SYSTEMERROR", 23},          {L"WM_OTHERWINDOWCREATED", 66},
    {L"WM_OTHERWINDOWDESTROYED", 67},    {L"WM_COPYGLOBALDATA", 73},       {L"WM_CONVERTREQUESTEX", 264},
    {L"WM_SYSTIMER", 280},               {L"WM_QUERYAFXWNDPROC", 864},     {L"WM_SIZEPARENT", 865},
    {L"WM_SETMESSAGESTRING", 866},       {L"WM_IDLEUPDATECMDUI", 867},     {L"WM_INITIALUPDATE", 868},
    {L"WM_COMMANDHELP", 869},            {L"WM_HELPHITTEST", 870},         {L"WM_EXITHELPMODE", 871},
    {L"WM_RECALCPARENT", 872},           {L"WM_SIZECHILD", 873},           {L"WM_KICKIDLE", 874},
    {L"WM_QUERYCENTERWND", 875},         {L"WM_DISABLEMODAL", 876},        {L"WM_FLOATSTATUS", 877},
    {L"WM_ACTIVATETOPLEVEL", 878},       {L"WM_QUERY3DCONTROLS", 879},     {L"WM_SOCKET_NOTIFY", 883},
    {L"WM_SOCKET_DEAD", 884},            {L"WM_POPMESSAGESTRING", 885},    {L"WM_HELPPROMPTADDR", 886},
    {L"WM_OCC_LOADFROMSTREAM", 886},     {L"WM_OCC_LOADFROMSTORAGE", 887}, {L"WM_OCC_INITNEW", 888},
    {L"WM_QUEUE_SENTINEL", 889},         {L"WM_OCC_LOADFROMSTREAM_EX", 890}, {L"WM_OCC_LOADFROMSTORAGE_EX", 891},
    {L"WM_FORWARDMSG", 895},
    {L"WM_RCRESULT", 897},               {L"WM_HOOKRCRESULT", 898},        {L"WM_SKB", 900}, // their header leaves them out
};

// Names whose row holds the value of an earlier generation of the headers,
// which these headers give another value: both are published.
const NamedValue kEarlierHeaders[] = {
    {L"RB_GETBANDINFO", WM_USER + 5}, // before the ANSI and Unicode forms
    {L"WM_KEYLAST", 0x0108},          // before WM_UNICHAR
};

std::string Narrow(const std::wstring& text) { return std::string(text.begin(), text.end()); }

std::map<std::wstring, long> Lookup(const NamedValue* begin, const NamedValue* end)
{
    std::map<std::wstring, long> values;
    for (const NamedValue* v = begin; v != end; ++v) values.emplace(v->name, v->value);
    return values;
}

TEST(MessageHeaders, EveryRowHasThePublishedValueOfItsName)
{
    Messages::Init();
    const auto headers = Lookup(std::begin(kHeaderValues), std::end(kHeaderValues));
    const auto elsewhere = Lookup(std::begin(kPublishedElsewhere), std::end(kPublishedElsewhere));
    const auto earlier = Lookup(std::begin(kEarlierHeaders), std::end(kEarlierHeaders));
    const Common::MessageList& table = Common::SharedMessageList();
    ASSERT_EQ(table.Count(), 1198);
    int fromHeaders = 0;
    for (int i = 0; i < table.Count(); ++i) {
        const std::wstring& name = table.Row(i).Name;
        const long value = table.Row(i).Value;
        SCOPED_TRACE(Narrow(name));
        if (auto found = earlier.find(name); found != earlier.end()) {
            EXPECT_EQ(value, found->second);
            ASSERT_TRUE(headers.count(name));
            EXPECT_NE(headers.at(name), value) << "the headers now agree: move the name out of kEarlierHeaders";
        } else if (auto header = headers.find(name); header != headers.end()) {
            EXPECT_EQ(value, header->second) << "row " << i;
            EXPECT_FALSE(elsewhere.count(name)) << "a header defines it now";
            ++fromHeaders;
        } else {
            auto published = elsewhere.find(name);
            if (published == elsewhere.end()) ADD_FAILURE() << "no source for the name";
            else EXPECT_EQ(value, published->second) << "row " << i;
        }
    }
    EXPECT_EQ(fromHeaders + std::size(kPublishedElsewhere) + std::size(kEarlierHeaders), 1198u);
}

} // namespace
