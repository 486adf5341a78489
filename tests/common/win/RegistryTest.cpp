// Registry values under a test-only key of HKEY_CURRENT_USER.
#include "common/Registry.h"
#include "runtime/RuntimeError.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

// Each test has a key of its own: the tests run side by side in separate processes.
class RegistryTest : public testing::Test {
protected:
    void SetUp() override
    {
        const char* name = testing::UnitTest::GetInstance()->current_test_info()->name();
        key_ = L"Software\\Orlenta Tests\\Registry\\" + std::wstring(name, name + strlen(name));
        keyPath_ = key_.c_str();
        RegDeleteTreeW(HKEY_CURRENT_USER, keyPath_);
    }
    void TearDown() override { RegDeleteTreeW(HKEY_CURRENT_USER, keyPath_); }

    std::wstring key_;
    const wchar_t* keyPath_ = nullptr; // key_ as the calls take it

    void SetRaw(const wchar_t* name, DWORD type, const void* data, DWORD size)
    {
        HKEY key = nullptr;
        ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, keyPath_, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr), 0);
        RegSetValueExW(key, name, 0, type, static_cast<const BYTE*>(data), size);
        RegCloseKey(key);
    }
};

TEST_F(RegistryTest, ReadsEachTypeAsText)
{
    DWORD all = 0xFFFFFFFF;
    SetRaw(L"dword", REG_DWORD, &all, 4);
    unsigned char big[4] = {0, 0, 1, 2};
    SetRaw(L"big", REG_DWORD_BIG_ENDIAN, big, 4);
    SetRaw(L"sz", REG_SZ, L"abc", 8);
    SetRaw(L"unterminated", REG_SZ, L"abc", 6); // stored without its zero
    SetRaw(L"multi", REG_MULTI_SZ, L"a\0b\0", 10);
    unsigned char bytes[3] = {0x41, 0x00, 0xFF};
    SetRaw(L"binary", REG_BINARY, bytes, 3);

    const struct {
        const wchar_t* name;
        std::wstring expected;
    } cases[] = {
        {L"dword", L"4294967295"}, {L"big", L"258"}, {L"sz", L"abc"}, {L"unterminated", L"abc"},
        {L"multi", std::wstring(L"a\0b\0", 4)}, {L"binary", std::wstring(L"A\0\xFF", 3)},
    };
    for (const auto& c : cases) EXPECT_EQ(Common::RegRead(HKEY_CURRENT_USER, keyPath_, c.name), c.expected) << c.name;

    EXPECT_EQ(Common::RegRead(HKEY_CURRENT_USER, keyPath_, L"missing", nullptr, 0, L"dflt"), L"dflt");
    EXPECT_EQ(Common::RegRead(HKEY_CURRENT_USER, L"Software\\Orlenta Tests\\None", L"x", nullptr, 0, L"d"), L"d");
    std::vector<unsigned char> data;
    Common::RegRead(HKEY_CURRENT_USER, keyPath_, L"binary", &data);
    EXPECT_EQ(data, (std::vector<unsigned char>{0x41, 0x00, 0xFF, 0x00}));
}

TEST_F(RegistryTest, WritesOnlyChangesAndRefusesUnknownTypes)
{
    EXPECT_EQ(Common::RegWrite(HKEY_CURRENT_USER, keyPath_, L"", L"C:\\Program"), 0);
    EXPECT_EQ(Common::RegRead(HKEY_CURRENT_USER, keyPath_, L""), L"C:\\Program");
    EXPECT_EQ(Common::RegWrite(HKEY_CURRENT_USER, keyPath_, L"v", L"\x0416text"), 0);
    EXPECT_EQ(Common::RegRead(HKEY_CURRENT_USER, keyPath_, L"v"), L"\x0416text");

    // The same text again writes nothing and succeeds.
    EXPECT_EQ(Common::RegWrite(HKEY_CURRENT_USER, keyPath_, L"v", L"\x0416text"), 0);

    EXPECT_EQ(Common::RegWrite(HKEY_CURRENT_USER, keyPath_, L"d", L"-1", REG_DWORD), 0);
    EXPECT_EQ(Common::RegRead(HKEY_CURRENT_USER, keyPath_, L"d"), L"4294967295");
    EXPECT_EQ(Common::RegWrite(HKEY_CURRENT_USER, keyPath_, L"n", L"not a number", REG_DWORD), 0);
    EXPECT_EQ(Common::RegRead(HKEY_CURRENT_USER, keyPath_, L"n"), L"0");
    EXPECT_THROW(Common::RegWrite(HKEY_CURRENT_USER, keyPath_, L"o", L"4294967296", REG_DWORD), Runtime::Error);

    EXPECT_EQ(Common::RegWrite(HKEY_CURRENT_USER, keyPath_, L"b", L"AB", REG_BINARY), 0);
    EXPECT_EQ(Common::RegRead(HKEY_CURRENT_USER, keyPath_, L"b"), L"AB");

    // A type the writer cannot write is an error, and nothing is written.
    EXPECT_NE(Common::RegWrite(HKEY_CURRENT_USER, keyPath_, L"x", L"a", REG_MULTI_SZ), 0);
    EXPECT_EQ(Common::RegRead(HKEY_CURRENT_USER, keyPath_, L"x", nullptr, 0, L"none"), L"none");
}

TEST_F(RegistryTest, UsesTheNativeViewInA64BitBuild)
{
    // A 64-bit process is never redirected: no view flag is forced.
    EXPECT_EQ(Common::RegistryViewFlag(), 0u);
}

} // namespace
