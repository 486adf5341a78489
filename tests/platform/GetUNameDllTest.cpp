// GetUName.dll as the program finds it: loaded by name from the system
// folder, where the test harness installs the stand-in.
#include "NameTable.h"
#include "TestFiles.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <memory>
#include <string>
#include <thread>
#include <vector>

namespace {

using GetUNameProc = int16_t(WINAPI*)(uint32_t code, wchar_t* buffer);

struct LibraryFree {
    void operator()(HMODULE module) const { FreeLibrary(module); }
};
using Library = std::unique_ptr<std::remove_pointer_t<HMODULE>, LibraryFree>;

std::wstring ModulePath(HMODULE module)
{
    std::wstring path(MAX_PATH, L'\0');
    path.resize(GetModuleFileNameW(module, path.data(), static_cast<DWORD>(path.size())));
    return path;
}

std::wstring SystemFolder()
{
    std::wstring path(MAX_PATH, L'\0');
    path.resize(GetSystemDirectoryW(path.data(), static_cast<UINT>(path.size())));
    return path;
}

std::string Narrow(const std::wstring& text)
{
    std::string result;
    for (wchar_t c : text) result += c < 0x80 ? static_cast<char>(c) : '?';
    return result;
}

class GetUNameDll : public ::testing::Test {
protected:
    void SetUp() override
    {
        library_.reset(LoadLibraryW(L"GetUName.dll"));
        ASSERT_TRUE(library_) << "GetUName.dll is not installed, error " << GetLastError();
        proc_ = reinterpret_cast<GetUNameProc>(
            reinterpret_cast<void*>(GetProcAddress(library_.get(), "GetUName")));
        ASSERT_NE(proc_, nullptr) << "no export GetUName";
    }

    // Calls GetUName with a 255-byte buffer that lies inside a larger one
    // filled with a guard pattern, checks that nothing beyond the 127
    // characters a name may take was written, and returns the name.
    std::wstring Call(uint32_t code)
    {
        constexpr size_t kGuard = 64, kBytes = 255;
        constexpr unsigned char kFill = 0xA5;
        alignas(wchar_t) std::array<unsigned char, kGuard + kBytes + kGuard> memory;
        memory.fill(kFill);
        auto* buffer = reinterpret_cast<wchar_t*>(memory.data() + kGuard);
        const int length = proc_(code, buffer);

        EXPECT_GE(length, 0) << "code " << std::hex << code;
        EXPECT_LE(length, 127) << "code " << std::hex << code;
        for (size_t i = 0; i < memory.size(); ++i) {
            const bool written = i >= kGuard && i < kGuard + 2 * 127;
            if (!written && memory[i] != kFill) {
                ADD_FAILURE() << "code " << std::hex << code << ": byte " << std::dec << i - kGuard
                              << " of the buffer was written";
                break;
            }
        }
        std::wstring name(buffer, buffer + std::max(length, 0));
        if (length >= 0 && length < 127) {
            EXPECT_EQ(buffer[length], L'\0') << "code " << std::hex << code << ": no terminating NUL";
        }
        return name;
    }

    Library library_;
    GetUNameProc proc_ = nullptr;
};

TEST_F(GetUNameDll, LoadsFromTheSystemFolder)
{
    const std::wstring path = ModulePath(library_.get());
    const std::wstring folder = SystemFolder() + L"\\";
    EXPECT_EQ(CompareStringOrdinal(path.c_str(), static_cast<int>(folder.size()), folder.c_str(),
                                   static_cast<int>(folder.size()), TRUE),
              CSTR_EQUAL)
        << Narrow(path);
}

struct NameCase {
    uint32_t code;
    const wchar_t* expected;
};

const NameCase kNameCases[] = {
    {0x0041, L"Latin Capital Letter A"},
    {0x0000, L"<Control>"},
    {0x0080, L"<Control>"},
    {0x0085, L"<Control>"},
    {0x009F, L"<Control>"},
    {0x00A0, L"No-Break Space"},
    {0x0378, L"Undefined"},                            // never assigned
    {0x0220, L"Undefined"},                            // added in 3.2
    {0x0237, L"Undefined"},                            // added in 4.1
    {0x4DB5, L"CJK Unified Ideograph-4DB5"},
    {0x4DB6, L"Undefined"},                            // added in 13.0
    {0x9FA5, L"CJK Unified Ideograph-9FA5"},
    {0x9FA6, L"Undefined"},                            // added in 4.1
    {0xAC00, L"Hangul Syllable Ga"},
    {0xD55C, L"Hangul Syllable Han"},
    {0xD7A3, L"Hangul Syllable Hih"},
    {0xD7A4, L"Undefined"},
    {0xD800, L"Non Private Use High Surrogate"},
    {0xDB80, L"Private Use High Surrogate"},
    {0xDFFF, L"Low Surrogate"},
    {0xE000, L"Private Use"},
    {0xF900, L"CJK Compatibility Ideograph-F900"},
    {0xFA2D, L"CJK Compatibility Ideograph-FA2D"},
    {0xFA2E, L"Undefined"},                            // added in 6.1
    {0xFBF9, L"Arabic Ligature Uighur Kirghiz Yeh With Hamza Above With Alef Maksura Isolated Form"},
    {0xFDD0, L"Undefined"},                            // noncharacter
    {0xFFFD, L"Replacement Character"},
    {0xFFFE, L"Undefined"},
    {0xFFFF, L"Undefined"},
    {0x10000, L"Undefined"},                           // not the BMP: never U+0000's name
    {0x10041, L"Undefined"},
    {0x2AC00, L"Undefined"},
};

TEST_F(GetUNameDll, NamesAsTable)
{
    for (const auto& c : kNameCases) {
        EXPECT_EQ(Call(c.code), c.expected) << "code " << std::hex << c.code;
    }
}

// Every BMP code point gets the name of the committed list, within the
// buffer (this covers the longest name as well).
TEST_F(GetUNameDll, EveryCodePointMatchesTheList)
{
    const std::string list = TestFiles::ReadSource("platform/getuname/Names.txt");
    ASSERT_FALSE(list.empty());
    const UName::NameTable table(list);
    int mismatches = 0;
    for (uint32_t code = 0; code <= 0xFFFF && mismatches < 10; ++code) {
        const std::string expected = table.Name(code);
        const std::wstring name = Call(code);
        if (Narrow(name) != expected) {
            ++mismatches;
            ADD_FAILURE() << "code " << std::hex << code << ": \"" << Narrow(name) << "\", expected \""
                          << expected << "\"";
        }
    }
}

// The first calls may come from several threads at once: each gets the same
// names.
TEST_F(GetUNameDll, FirstCallsFromSeveralThreads)
{
    constexpr int kThreads = 4;
    std::vector<std::wstring> results(kThreads);
    std::vector<std::thread> threads;
    for (int t = 0; t < kThreads; ++t) {
        threads.emplace_back([this, t, &results] {
            wchar_t buffer[128];
            for (uint32_t code = 0; code <= 0xFFFF; code += 97) {
                const int length = proc_(code, buffer);
                results[t].append(buffer, buffer + (length > 0 ? length : 0)).push_back(L'|');
            }
        });
    }
    for (auto& thread : threads) thread.join();
    for (int t = 1; t < kThreads; ++t) EXPECT_EQ(results[t], results[0]) << "thread " << t;
    EXPECT_NE(results[0].find(L"Latin"), std::wstring::npos);
}

TEST_F(GetUNameDll, NullBufferWritesNothing)
{
    EXPECT_EQ(proc_(0x41, nullptr), 0);
}

TEST_F(GetUNameDll, VersionResource)
{
    const std::wstring path = ModulePath(library_.get());
    DWORD handle = 0;
    const DWORD size = GetFileVersionInfoSizeW(path.c_str(), &handle);
    ASSERT_GT(size, 0u);
    std::vector<unsigned char> data(size);
    ASSERT_TRUE(GetFileVersionInfoW(path.c_str(), 0, size, data.data()));
    void* value = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueW(data.data(), L"\\StringFileInfo\\040904B0\\FileDescription", &value, &length));
    EXPECT_STREQ(static_cast<const wchar_t*>(value), L"Unicode Character Name Library");
}

} // namespace
