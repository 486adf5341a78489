// Start-up and shutdown of the real program with its settings file: the
// defaults, the reading rules for stored values, the write-back at exit and
// at the end of the Windows session, the name and entity files (also one
// that cannot be written), and the registration.
#include "tests/mainwin/ProgramRun.h"
#include "tests/support/VersionInfo.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace {

using namespace MainWinTest;
using Pairs = std::vector<std::pair<std::wstring, std::wstring>>;

const wchar_t kMain[] = L"fwMain";
const wchar_t kPicture[] = L"fwMain_Picture";

// Runs the program once: start, close, exit code 0.
void RunOnce(ProgramRun& run)
{
    HWND wnd = run.Start();
    ASSERT_NE(wnd, nullptr) << "no main window";
    EXPECT_EQ(run.Close(wnd), 0);
}

TEST(Settings, NoFileStartsWithTheDefaultsAndWritesThemAtExit)
{
    ProgramRun run;
    RunOnce(run);
    const Pairs expected = {{L"cbCharSet", L"7"}, {L"chMode", L"1"},   {L"bHexView", L"1"}, {L"bHexGoto", L"1"},
                            {L"obFormat", L"0"},  {L"chRange", L"0"},  {L"chView", L"0"},   {L"chOnTop", L"0"},
                            {L"chPreview", L"0"}};
    for (const auto& [key, value] : expected) EXPECT_EQ(ReadIni(run.Settings(), kMain, key), value) << key;
    EXPECT_EQ(ReadIni(run.Settings(), kPicture, L"bbPicture0"), L"0");
    EXPECT_EQ(ReadIni(run.Settings(), kPicture, L"bbPicture1"), L"16777215");
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(ReadIni(run.Settings(), kPicture, L"chPicture" + std::to_wstring(i)), L"0") << i;
    // The first font of the list is chosen and saved.
    std::wstring font = ReadIni(run.Settings(), kMain, L"lvFont");
    EXPECT_NE(font, L"<missing>");
    EXPECT_FALSE(font.empty());
    EXPECT_NE(ReadIni(run.Settings(), L"fwMain_State", L"Left"), L"<missing>");
}

struct StoredCase {
    const wchar_t* name;
    Pairs stored;    // written into section fwMain before the start
    Pairs expected;  // what the exit writes back
};

// Each case is one run; its keys do not depend on each other, except that
// the "SGML:" form (11) lasts only while the selected character has an
// entity: the start-up page selects its first cell, so the cases that keep
// 11 start at U+2200 ("forall"), and a start at U+0000 falls back to 0.
const StoredCase kStoredCases[] = {
    {L"high values",
     {{L"cbCharSet", L"99"}, {L"obFormat", L"20"}, {L"chRange", L"-1"}, {L"bHexView", L"-1"},
      {L"bHexGoto", L"-3"}, {L"lvRange", L"-50"}, {L"chMode", L"7"}},
     {{L"cbCharSet", L"15"}, {L"obFormat", L"0"}, {L"chRange", L"0"}, {L"bHexView", L"0"},
      {L"bHexGoto", L"1"}, {L"lvRange", L"0"}, {L"chMode", L"1"}}},
    {L"low values",
     {{L"cbCharSet", L"-5"}, {L"obFormat", L"12"}, {L"bHexGoto", L"0"}, {L"chMode", L"0"}, {L"chOnTop", L"1"},
      {L"chRange", L"1"}, {L"lvRange", L"8704"}},
     {{L"cbCharSet", L"0"}, {L"obFormat", L"11"}, {L"bHexGoto", L"0"}, {L"chMode", L"0"}, {L"chOnTop", L"1"}}},
    {L"text and edge values",
     {{L"cbCharSet", L"abc"}, {L"obFormat", L"11"}, {L"chPreview", L"1"}, {L"chRange", L"1"}, {L"lvRange", L"8704"}},
     {{L"cbCharSet", L"0"}, {L"obFormat", L"11"}, {L"chPreview", L"1"}, {L"chRange", L"1"}}},
    // A number beyond the readers' range reads as the key's default.
    {L"absurd values",
     {{L"cbCharSet", L"1e300"}, {L"obFormat", L"-99999999999999"}, {L"lvRange", L"99999999999"},
      {L"chMode", L"--"}},
     {{L"cbCharSet", L"7"}, {L"obFormat", L"0"}, {L"chMode", L"0"}}},
    // A block in the gap 0860-089F moves to the next listed block, 08A0.
    {L"block in a gap", {{L"lvRange", L"2144"}, {L"chRange", L"1"}}, {{L"lvRange", L"2208"}}},
    {L"block inside a block", {{L"lvRange", L"1030"}, {L"chRange", L"1"}}, {{L"lvRange", L"1024"}}},
};

TEST(Settings, StoredValuesAreClampedOrReplacedAndWrittenBack)
{
    for (const StoredCase& c : kStoredCases) {
        SCOPED_TRACE(c.name);
        ProgramRun run;
        for (const auto& [key, value] : c.stored) WriteIni(run.Settings(), kMain, key, value);
        RunOnce(run);
        for (const auto& [key, value] : c.expected) EXPECT_EQ(ReadIni(run.Settings(), kMain, key), value) << key;
    }
}

TEST(Settings, PictureOptionsComeBackAsStored)
{
    ProgramRun run;
    WriteIni(run.Settings(), kPicture, L"bbPicture0", L"65280");
    WriteIni(run.Settings(), kPicture, L"bbPicture1", L"255");
    WriteIni(run.Settings(), kPicture, L"cbPicture", L"36");
    WriteIni(run.Settings(), kPicture, L"chPicture2", L"1");
    WriteIni(run.Settings(), kPicture, L"chPicture3", L"-1");
    RunOnce(run);
    const Pairs expected = {{L"bbPicture0", L"65280"}, {L"bbPicture1", L"255"}, {L"cbPicture", L"36"},
                            {L"chPicture0", L"0"},     {L"chPicture2", L"1"},   {L"chPicture3", L"0"}};
    for (const auto& [key, value] : expected) EXPECT_EQ(ReadIni(run.Settings(), kPicture, key), value) << key;
}

// A window's text as it answers for it (GetWindowText gives only the
// caption stored with a window of another process, not a combo box's text).
std::wstring TextOf(HWND wnd)
{
    wchar_t buffer[64] = {};
    SendMessageW(wnd, WM_GETTEXT, 64, reinterpret_cast<LPARAM>(buffer));
    return buffer;
}

// The first descendant of `parent` of this class whose text is `text`.
HWND ChildWithText(HWND parent, const wchar_t* className, const std::wstring& text)
{
    for (HWND child : FindChildren(parent, className))
        if (TextOf(child) == text) return child;
    return nullptr;
}

// The size box takes any run of digits; what is saved is the size the
// copy picture is drawn at (the limit, 500 points, for one above it; the
// view shows its own largest size as a hint), and the next start shows
// that size again.
TEST(Settings, APictureSizeTypedBeyondAnyFontIsSavedAsTheSizeTheWindowUses)
{
    ProgramRun run;
    WriteIni(run.Settings(), kPicture, L"cbPicture", L"36");
    HWND wnd = run.Start();
    ASSERT_NE(wnd, nullptr) << "no main window";
    HWND box = ChildWithText(wnd, L"ComboBox", L"36");
    ASSERT_NE(box, nullptr) << "no size box showing the stored size";
    HWND edit = FindWindowExW(box, nullptr, L"Edit", nullptr);
    ASSERT_NE(edit, nullptr);
    const std::wstring typed = L"99999999999999999999";
    SendMessageW(edit, EM_SETSEL, 0, -1);
    for (wchar_t c : typed) SendMessageW(edit, WM_CHAR, c, 1);
    ASSERT_EQ(TextOf(box), typed);
    std::wstring hint;
    for (HWND label : FindChildren(wnd, L"Static")) {
        const std::wstring c = TextOf(label);
        if (c.size() > 2 && c.front() == L'(' && c.back() == L')') hint = c.substr(1, c.size() - 2);
    }
    ASSERT_FALSE(hint.empty()) << "no hint of the view's size";
    EXPECT_EQ(run.Close(wnd), 0);
    EXPECT_EQ(ReadIni(run.Settings(), kPicture, L"cbPicture"), L"500");

    wnd = run.Start();
    ASSERT_NE(wnd, nullptr) << "no main window at the second start";
    EXPECT_NE(ChildWithText(wnd, L"ComboBox", L"500"), nullptr) << "the size box does not show 500";
    EXPECT_EQ(run.Close(wnd), 0);
    EXPECT_EQ(ReadIni(run.Settings(), kPicture, L"cbPicture"), L"500");
}

TEST(Settings, SecondRunLeavesTheFileByteIdentical)
{
    ProgramRun run;
    WriteIni(run.Settings(), L"cbSearch_Search", L"0", L"arrow");
    WriteIni(run.Settings(), L"cbSearch_Search", L"1", L"latin");
    RunOnce(run);
    const std::string first = TestSupport::ReadBytes(run.Settings());
    ASSERT_FALSE(first.empty());
    RunOnce(run);
    EXPECT_EQ(TestSupport::ReadBytes(run.Settings()), first);
    EXPECT_EQ(ReadIni(run.Settings(), L"cbSearch_Search", L"1"), L"latin");
}

TEST(Settings, NameFilesAreWrittenWhenMissingAndNeverRewritten)
{
    ProgramRun run;
    ASSERT_TRUE(TestSupport::WriteBytes(run.File(L"Orlenta.csv"), "edited by hand\r\n"));
    RunOnce(run);
    EXPECT_EQ(TestSupport::ReadBytes(run.File(L"Orlenta.csv")), "edited by hand\r\n");
    const std::string entities = TestSupport::ReadBytes(run.File(L"Orlenta.ent"));
    EXPECT_GT(entities.size(), 1000u) << "entity file not written from the resource";

    DeleteFileW(run.File(L"Orlenta.csv").c_str());
    RunOnce(run);
    EXPECT_GT(TestSupport::ReadBytes(run.File(L"Orlenta.csv")).size(), 1000u) << "name file not written again";
    EXPECT_EQ(TestSupport::ReadBytes(run.File(L"Orlenta.ent")), entities);
}

std::wstring RegValue(const std::wstring& key, const wchar_t* name)
{
    wchar_t data[1024] = {};
    DWORD size = sizeof data;
    if (RegGetValueW(HKEY_LOCAL_MACHINE, key.c_str(), name, RRF_RT_REG_SZ, nullptr, data, &size) != ERROR_SUCCESS)
        return L"<missing>";
    return data;
}

TEST(Settings, StartRegistersTheProgramUnderLocalMachine)
{
    ProgramRun run;
    RunOnce(run);
    const std::wstring exe = TestSupport::BuildPath("mainwin/Orlenta.exe");
    const std::wstring own = L"SOFTWARE\\" + TestSupport::ReadVersionString(exe, L"CompanyName") + L"\\" +
                             TestSupport::ReadVersionString(exe, L"ProductName");
    // Tests run side by side: the folder is that of whichever run came last.
    EXPECT_NE(RegValue(own, nullptr), L"<missing>");
    EXPECT_NE(RegValue(own, L"CurrentVersion"), L"<missing>");
    const std::wstring appPath = L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths\\Orlenta.exe";
    std::wstring path = RegValue(appPath, L"Path");
    EXPECT_NE(path, L"<missing>");
    EXPECT_EQ(RegValue(appPath, nullptr), path + L"\\Orlenta.exe");
}

// Ends the Windows session as the system does with the window open: it
// asks, tells the end, then ends the process without another message.
void EndSession(ProgramRun& run, HWND wnd)
{
    EXPECT_EQ(SendMessageW(wnd, WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF), TRUE);
    SendMessageW(wnd, WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF);
    run.Process().Terminate();
}

// The user's changes of a run: all blocks listed, the picture form chosen.
void ChangeOptions(HWND wnd)
{
    for (const wchar_t* caption : {L"&All", L"Picture (BMP)"}) {
        HWND box = FindChild(wnd, caption, L"Button");
        ASSERT_NE(box, nullptr) << "no " << caption;
        SendMessageW(box, BM_CLICK, 0, 0);
    }
}

TEST(Settings, TheSessionsEndWritesWhatClosingWrites)
{
    // Two runs from the same file and with the same changes: one closed,
    // one ended with the session. The hook control's server is beside the
    // program, as installed: the session's messages pass its hook.
    ProgramRun closed, ended;
    for (ProgramRun* run : {&closed, &ended}) {
        ASSERT_TRUE(run->CopyBeside("latchet/Latchet.dll"));
        WriteIni(run->Settings(), L"fwMain_State", L"Left", L"40");
        WriteIni(run->Settings(), L"fwMain_State", L"Top", L"30");
        WriteIni(run->Settings(), L"cbSearch_Search", L"0", L"arrow");
    }
    HWND wnd = closed.Start();
    ASSERT_NE(wnd, nullptr) << "no main window";
    ChangeOptions(wnd);
    EXPECT_EQ(closed.Close(wnd), 0);
    wnd = ended.Start();
    ASSERT_NE(wnd, nullptr) << "no main window";
    ChangeOptions(wnd);
    EndSession(ended, wnd);

    EXPECT_EQ(ReadIni(ended.Settings(), kMain, L"chRange"), L"1");
    EXPECT_EQ(ReadIni(ended.Settings(), kMain, L"obFormat"), L"10");
    EXPECT_EQ(ReadIni(ended.Settings(), L"cbSearch_Search", L"0"), L"arrow");
    EXPECT_EQ(TestSupport::ReadBytes(ended.Settings()), TestSupport::ReadBytes(closed.Settings()));
}

TEST(Settings, ANameFileThatCannotBeWrittenIsNamedAndTheStartRunsToItsEnd)
{
    // A folder has the name file's name: it cannot be written. The start
    // says which file and why, reads the program's own names, and runs to
    // its end: the stored options come back and are written back as read.
    ProgramRun run;
    ASSERT_TRUE(CreateDirectoryW(run.File(L"Orlenta.csv").c_str(), nullptr));
    const Pairs stored = {{L"chRange", L"1"}, {L"obFormat", L"5"}, {L"lvRange", L"8704"}, {L"chPreview", L"1"}};
    for (const auto& [key, value] : stored) WriteIni(run.Settings(), kMain, key, value);
    WriteIni(run.Settings(), L"cbSearch_Search", L"0", L"arrow");

    ASSERT_TRUE(run.Process().Start(run.Exe()));
    HWND box = run.Process().WaitForWindow(L"#32770");
    ASSERT_NE(box, nullptr) << "no message shown";
    std::wstring message;
    for (HWND label : FindChildren(box, L"Static")) {
        wchar_t text[1024] = {};
        GetWindowTextW(label, text, 1024);
        if (wcslen(text) > message.size()) message = text;
    }
    const std::wstring expected = L"Run-time error '75':\r\n\r\nPath/File access error: " + run.File(L"Orlenta.csv");
    EXPECT_EQ(message.rfind(expected, 0), 0u) << "the message does not name the file";
    PostMessageW(box, WM_COMMAND, IDOK, 0);
    HWND wnd = run.Process().WaitForWindow(L"OrlentaForm");
    ASSERT_NE(wnd, nullptr) << "no main window";
    EXPECT_EQ(run.Close(wnd), 0);
    for (const auto& [key, value] : stored) EXPECT_EQ(ReadIni(run.Settings(), kMain, key), value) << key;
    EXPECT_EQ(ReadIni(run.Settings(), L"cbSearch_Search", L"0"), L"arrow");
    EXPECT_GT(TestSupport::ReadBytes(run.File(L"Orlenta.ent")).size(), 1000u) << "entity file not written";
}

// The refused systems: Windows 9x (platform 1) and NT 4.0.
const wchar_t* const kRefusedVersions[] = {L"1.4.10", L"2.4.0"};

TEST(Settings, RefusedSystemShowsTheMessageAndWritesNothing)
{
    const std::wstring exe = TestSupport::BuildPath("mainwin/Orlenta.exe");
    const std::wstring title = TestSupport::ReadVersionString(exe, L"FileDescription");
    for (const wchar_t* version : kRefusedVersions) {
        SCOPED_TRACE(version);
        ProgramRun run;
        WriteIni(run.Settings(), kMain, L"chPreview", L"5");
        const std::string before = TestSupport::ReadBytes(run.Settings());
        ScopedEnvironment os(L"ORLENTA_OSVERSION", version);
        ASSERT_TRUE(run.Process().Start(run.Exe()));
        HWND box = run.Process().WaitForWindow(L"#32770");
        ASSERT_NE(box, nullptr) << "no message box";
        wchar_t text[256] = {};
        GetWindowTextW(box, text, 256);
        EXPECT_EQ(std::wstring(text), title);
        EXPECT_NE(FindChild(box, L"This program cannot be run in your system."), nullptr);
        PostMessageW(box, WM_COMMAND, IDOK, 0);
        EXPECT_EQ(run.Process().WaitForExit(), 0);
        EXPECT_EQ(TestSupport::ReadBytes(run.Settings()), before);
        EXPECT_EQ(GetFileAttributesW(run.File(L"Orlenta.csv").c_str()), INVALID_FILE_ATTRIBUTES);
    }
}

} // namespace
