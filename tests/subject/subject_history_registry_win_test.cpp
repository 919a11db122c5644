// The subject history stored in the real registry.

#include "subject/subject_history.hpp"

#include "settings/registry_key_win.hpp"

#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <random>

namespace lumtaris {
namespace {

class SubjectHistoryRegistryTest : public testing::Test
{
protected:
    void SetUp() override
    {
        std::random_device random;
        root_ = L"SOFTWARE\\Brennic\\LumtarisTest\\" + std::to_wstring(GetCurrentProcessId()) +
                L"-" + std::to_wstring(random());
        subjectPath_ = root_ + L"\\Lumtaris\\Subjekt";
    }

    void TearDown() override
    {
        RegDeleteTreeW(HKEY_CURRENT_USER, root_.c_str());
        // Left behind only when a parallel run still uses it.
        RegDeleteKeyW(HKEY_CURRENT_USER, L"SOFTWARE\\Brennic\\LumtarisTest");
    }

    std::unique_ptr<SettingsKey> OpenSubjectKey()
    {
        return backend_.OpenOrCreate(std::string(subjectPath_.begin(), subjectPath_.end()));
    }

    void WriteRaw(const wchar_t* name, DWORD type, const std::wstring& text)
    {
        ASSERT_EQ(RegSetKeyValueW(HKEY_CURRENT_USER, subjectPath_.c_str(), name, type, text.c_str(),
                                  static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t))),
                  ERROR_SUCCESS);
    }

    // Every value of the key as name = text, sorted, with a mark for anything but REG_SZ.
    std::vector<std::string> RawValues()
    {
        std::vector<std::string> values;
        HKEY key = nullptr;
        if (RegOpenKeyExW(HKEY_CURRENT_USER, subjectPath_.c_str(), 0, KEY_READ, &key) !=
            ERROR_SUCCESS)
            return values;
        for (DWORD index = 0;; ++index) {
            wchar_t name[64];
            DWORD nameLength = 64;
            DWORD type = REG_NONE;
            wchar_t data[64] = {};
            DWORD size = sizeof data - sizeof(wchar_t);
            if (RegEnumValueW(key, index, name, &nameLength, nullptr, &type,
                              reinterpret_cast<BYTE*>(data), &size) != ERROR_SUCCESS)
                break;
            std::string text(name, name + nameLength);
            text += type == REG_SZ ? " = " : " (other type) = ";
            text += std::string(data, data + wcslen(data));
            values.push_back(text);
        }
        RegCloseKey(key);
        std::sort(values.begin(), values.end());
        return values;
    }

    RegistrySettingsBackend backend_;
    std::wstring root_;
    std::wstring subjectPath_;
};

TEST_F(SubjectHistoryRegistryTest, LoadsOnlyWellFormedPlainStringsAndStoresThemRenumbered)
{
    WriteRaw(L"ICO0001", REG_SZ, L"87654321 - 02");
    WriteRaw(L"ICO0000", REG_SZ, L"  12345678 - 01 ");
    WriteRaw(L"ico0002", REG_SZ, L"11111111 - 11");
    WriteRaw(L"ICO0003", REG_EXPAND_SZ, L"22222222 - 22");
    const DWORD number = 33333333;
    ASSERT_EQ(RegSetKeyValueW(HKEY_CURRENT_USER, subjectPath_.c_str(), L"ICO0004", REG_DWORD,
                              &number, sizeof number),
              ERROR_SUCCESS);
    WriteRaw(L"ICO0005", REG_SZ, L"1234567 - 01");
    WriteRaw(L"ICZ0000", REG_SZ, L"44444444 - 12345678 - 01");

    SubjectHistory history;
    history.LoadSubjektFromReg(*OpenSubjectKey());
    EXPECT_EQ(history.HistoryIC_OJ(), (std::vector<std::string>{"12345678 - 01", "87654321 - 02"}));
    EXPECT_EQ(history.HistoryICZ(), std::vector<std::string>{"44444444 - 12345678 - 01"});

    history.AppendIC_OJ("12345678 - 01");
    history.SaveSubjektToReg(*OpenSubjectKey());
    EXPECT_EQ(RawValues(),
              (std::vector<std::string>{"ICO0000 = 87654321 - 02", "ICO0001 = 12345678 - 01",
                                        "ICZ0000 = 44444444 - 12345678 - 01"}));

    SubjectHistory reloaded;
    reloaded.LoadSubjektFromReg(*OpenSubjectKey());
    EXPECT_EQ(reloaded.HistoryIC_OJ(), history.HistoryIC_OJ());
    EXPECT_EQ(reloaded.HistoryICZ(), history.HistoryICZ());
}

TEST_F(SubjectHistoryRegistryTest, AnEmptyHistoryEmptiesTheKey)
{
    WriteRaw(L"ICO0000", REG_SZ, L"12345678 - 01");
    SubjectHistory().SaveSubjektToReg(*OpenSubjectKey());
    EXPECT_TRUE(RawValues().empty());
}

} // namespace
} // namespace lumtaris
