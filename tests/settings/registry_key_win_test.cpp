#include "settings/registry_key_win.hpp"

#include "settings/settings_store.hpp"

#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <random>

namespace lumtaris {
namespace {

// Every test works below a key of its own in the real registry and deletes it afterwards.
class RegistryKeyTest : public testing::Test
{
protected:
    void SetUp() override
    {
        std::random_device random;
        root_ = std::string(kTestParent) + "\\" + std::to_string(GetCurrentProcessId()) + "-" +
                std::to_string(random());
        mainPath_ = root_ + "\\Lumtaris";
        subjectPath_ = mainPath_ + "\\Subjekt";
    }

    void TearDown() override
    {
        RegDeleteTreeW(HKEY_CURRENT_USER, Wide(root_).c_str());
        // The shared parents go only when nothing else is left in them.
        DeleteIfEmpty(kTestParent);
        DeleteIfEmpty("SOFTWARE\\Brennic");
    }

    static std::wstring Wide(std::string_view ascii) { return {ascii.begin(), ascii.end()}; }

    static bool KeyExists(const std::string& path)
    {
        HKEY key = nullptr;
        if (RegOpenKeyExW(HKEY_CURRENT_USER, Wide(path).c_str(), 0, KEY_READ, &key) !=
            ERROR_SUCCESS)
            return false;
        RegCloseKey(key);
        return true;
    }

    static void DeleteIfEmpty(std::string_view path)
    {
        HKEY key = nullptr;
        if (RegOpenKeyExW(HKEY_CURRENT_USER, Wide(path).c_str(), 0, KEY_READ, &key) !=
            ERROR_SUCCESS)
            return;
        DWORD subkeys = 1;
        DWORD values = 1;
        RegQueryInfoKeyW(key, nullptr, nullptr, nullptr, &subkeys, nullptr, nullptr, &values,
                         nullptr, nullptr, nullptr, nullptr);
        RegCloseKey(key);
        if (subkeys == 0 && values == 0)
            RegDeleteKeyW(HKEY_CURRENT_USER, Wide(path).c_str());
    }

    // Writes a value as another program could, bypassing the backend.
    void WriteRaw(const std::string& path, const std::wstring& name, DWORD type, const void* data,
                  DWORD size)
    {
        ASSERT_EQ(
            RegSetKeyValueW(HKEY_CURRENT_USER, Wide(path).c_str(), name.c_str(), type, data, size),
            ERROR_SUCCESS);
    }

    void WriteRawText(const std::string& path, const std::wstring& name, DWORD type,
                      const std::wstring& text, bool terminated = true)
    {
        WriteRaw(path, name, type, text.c_str(),
                 static_cast<DWORD>((text.size() + (terminated ? 1 : 0)) * sizeof(wchar_t)));
    }

    // The stored type and bytes of a value, as the registry holds them.
    static std::pair<DWORD, std::string> ReadRaw(const std::string& path, const std::wstring& name)
    {
        DWORD type = REG_NONE;
        char data[256] = {};
        DWORD size = sizeof data;
        if (RegGetValueW(HKEY_CURRENT_USER, Wide(path).c_str(), name.c_str(),
                         RRF_RT_ANY | RRF_NOEXPAND, &type, data, &size) != ERROR_SUCCESS)
            return {REG_NONE, {}};
        return {type, std::string(data, size)};
    }

    static std::string Bytes(const std::wstring& text)
    {
        return std::string(reinterpret_cast<const char*>(text.c_str()),
                           (text.size() + 1) * sizeof(wchar_t));
    }

    static constexpr std::string_view kTestParent = "SOFTWARE\\Brennic\\LumtarisTest";

    RegistrySettingsBackend backend_;
    std::string root_;
    std::string mainPath_;
    std::string subjectPath_;
};

TEST_F(RegistryKeyTest, CreatesTheKeyAndItsParentsOnFirstUseAndReopensIt)
{
    ASSERT_FALSE(KeyExists(root_));
    const auto subject = backend_.OpenOrCreate(subjectPath_);
    ASSERT_TRUE(subject->IsOpen());
    EXPECT_TRUE(KeyExists(subjectPath_));
    EXPECT_TRUE(subject->ValueNames().empty());

    // Another handle on the same key sees a write at once, as a second copy of the program.
    const auto main = backend_.OpenOrCreate(mainPath_);
    ASSERT_TRUE(main->IsOpen());
    RegWriteInteger(*main, kLastZPSelected, 3);
    EXPECT_EQ(RegReadInteger(*backend_.OpenOrCreate(mainPath_), kLastZPSelected, -1), 3);
}

TEST_F(RegistryKeyTest, WritesDwordsAndUtf16StringsReplacingAnyOldType)
{
    const auto key = backend_.OpenOrCreate(mainPath_);
    ASSERT_TRUE(key->WriteInteger("LastActionSelected", -2));
    ASSERT_TRUE(key->WriteString("LastWDirectory", "C:\\Účty\\Žluťoučký kůň"));
    ASSERT_TRUE(key->WriteString("LastBill", ""));

    const std::int32_t minusTwo = -2;
    EXPECT_EQ(ReadRaw(mainPath_, L"LastActionSelected"),
              std::make_pair(DWORD{REG_DWORD}, std::string(reinterpret_cast<const char*>(&minusTwo),
                                                           sizeof minusTwo)));
    EXPECT_EQ(ReadRaw(mainPath_, L"LastWDirectory"),
              std::make_pair(DWORD{REG_SZ}, Bytes(L"C:\\\u00DA\u010Dty\\\u017Dlu\u0165ou\u010Dk"
                                                  L"\u00FD k\u016F\u0148")));
    EXPECT_EQ(ReadRaw(mainPath_, L"LastBill"), std::make_pair(DWORD{REG_SZ}, Bytes(L"")));
    EXPECT_EQ(key->ReadString("LastWDirectory"), "C:\\Účty\\Žluťoučký kůň");
    EXPECT_EQ(key->ReadInteger("LastActionSelected"), -2);

    ASSERT_TRUE(key->WriteString("LastActionSelected", "1"));
    EXPECT_EQ(key->TypeOf("LastActionSelected"), SettingsValueType::String);
    ASSERT_TRUE(key->WriteInteger("LastWDirectory", 7));
    EXPECT_EQ(key->TypeOf("LastWDirectory"), SettingsValueType::Integer);
}

TEST_F(RegistryKeyTest, KeepsDwordStringExpandableStringAndOtherTypesApart)
{
    const auto key = backend_.OpenOrCreate(mainPath_);
    ASSERT_TRUE(key->WriteInteger("dword", 42));
    ASSERT_TRUE(key->WriteString("sz", "42"));
    WriteRawText(mainPath_, L"expand", REG_EXPAND_SZ, L"%USERPROFILE%\\Dokumenty");
    const DWORD four = 42;
    WriteRaw(mainPath_, L"binary", REG_BINARY, &four, sizeof four);
    const ULONGLONG wide = 42;
    WriteRaw(mainPath_, L"qword", REG_QWORD, &wide, sizeof wide);

    EXPECT_EQ(key->TypeOf("dword"), SettingsValueType::Integer);
    EXPECT_EQ(key->TypeOf("sz"), SettingsValueType::String);
    EXPECT_EQ(key->TypeOf("expand"), SettingsValueType::ExpandString);
    EXPECT_EQ(key->TypeOf("binary"), SettingsValueType::Other);
    EXPECT_EQ(key->TypeOf("qword"), SettingsValueType::Other);
    EXPECT_EQ(key->TypeOf("missing"), SettingsValueType::None);
    EXPECT_TRUE(key->ValueExists("binary"));
    EXPECT_FALSE(key->ValueExists("missing"));

    EXPECT_EQ(key->ReadInteger("dword"), 42);
    EXPECT_EQ(key->ReadString("sz"), "42");
    // An expandable string reads as stored, not expanded.
    EXPECT_EQ(key->ReadString("expand"), "%USERPROFILE%\\Dokumenty");
    for (const char* notAnInteger : {"sz", "expand", "binary", "qword", "missing"})
        EXPECT_EQ(key->ReadInteger(notAnInteger), std::nullopt) << notAnInteger;
    for (const char* notAString : {"dword", "binary", "qword", "missing"})
        EXPECT_EQ(key->ReadString(notAString), std::nullopt) << notAString;
}

TEST_F(RegistryKeyTest, LastZPSelectedStoredAsTextReadsAsTheDefault)
{
    WriteRawText(mainPath_, L"LastZPSelected", REG_SZ, L"2");
    const DWORD two = 2;
    WriteRaw(mainPath_, L"LastWDirectory", REG_DWORD, &two, sizeof two);
    const auto key = backend_.OpenOrCreate(mainPath_);
    EXPECT_EQ(RegReadInteger(*key, kLastZPSelected, -1), -1);
    EXPECT_EQ(RegReadString(*key, kLastWDirectory, "C:\\Program"), "C:\\Program");
    EXPECT_EQ(RegReadInteger(*key, kLastActionSelected, -1), -1);
}

TEST_F(RegistryKeyTest, ReadsStringsAsOtherProgramsMayHaveStoredThem)
{
    WriteRawText(subjectPath_, L"unterminated", REG_SZ, L"12345678 01", false);
    WriteRawText(subjectPath_, L"zeroInside", REG_SZ, std::wstring(L"ab\0cd", 5));
    WriteRaw(subjectPath_, L"noData", REG_SZ, nullptr, 0);
    WriteRaw(subjectPath_, L"oddSize", REG_SZ, L"xy", 3);
    WriteRawText(subjectPath_, L"Lone surrogate", REG_SZ, L"a\xD800");
    WriteRawText(subjectPath_, L"\u0158\xD800", REG_SZ, L"unreachable name");
    const auto key = backend_.OpenOrCreate(subjectPath_);
    EXPECT_EQ(key->ReadString("unterminated"), "12345678 01");
    EXPECT_EQ(key->ReadString("zeroInside"), "ab");
    EXPECT_EQ(key->ReadString("noData"), "");
    EXPECT_EQ(key->ReadString("oddSize"), "x");
    // A text UTF-8 cannot hold is not handed on in a damaged form.
    EXPECT_EQ(key->ReadString("Lone surrogate"), std::nullopt);
    EXPECT_EQ(key->ValueNames().size(), 5u);
}

TEST_F(RegistryKeyTest, ListsDeletesAndReplacesTheValuesOfTheSubjectKey)
{
    const auto key = backend_.OpenOrCreate(subjectPath_);
    ASSERT_TRUE(key->WriteString("ICO0000", "12345678 - 01"));
    ASSERT_TRUE(key->WriteString("ICO0001", "87654321 - 02"));
    ASSERT_TRUE(key->WriteString("icz0000", "11111111 - 22222222 - 01"));
    ASSERT_TRUE(key->WriteInteger("ICO0002", 5));
    WriteRawText(subjectPath_, L"\u0158\xD800", REG_SZ, L"a name UTF-8 cannot hold");

    auto names = key->ValueNames();
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"ICO0000", "ICO0001", "ICO0002", "icz0000"}));
    // Registry names ignore case.
    EXPECT_EQ(key->ReadString("ICZ0000"), "11111111 - 22222222 - 01");

    EXPECT_TRUE(key->DeleteValue("ICO0001"));
    EXPECT_FALSE(key->DeleteValue("ICO0001"));
    EXPECT_FALSE(key->ValueExists("ICO0001"));

    ASSERT_TRUE(key->ReplaceAllWithStrings({{"ICO0000", "99999999 - 00"}, {"ICZ0000", "x"}}));
    names = key->ValueNames();
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"ICO0000", "ICZ0000"}));
    EXPECT_EQ(key->TypeOf("ICZ0000"), SettingsValueType::String);
    EXPECT_EQ(key->ReadString("ICO0000"), "99999999 - 00");

    ASSERT_TRUE(key->ReplaceAllWithStrings({}));
    EXPECT_TRUE(key->ValueNames().empty());
    // The main key beside it is untouched.
    EXPECT_TRUE(KeyExists(subjectPath_));
}

TEST_F(RegistryKeyTest, RefusesNamesAndTextsTheRegistryCannotKeep)
{
    const auto key = backend_.OpenOrCreate(mainPath_);
    EXPECT_FALSE(key->WriteString("bad\xC5", "x"));
    EXPECT_FALSE(key->WriteString("LastBill", "bad\xC5"));
    EXPECT_FALSE(key->WriteString("LastBill", std::string("a\0b", 3)));
    EXPECT_FALSE(key->WriteInteger("bad\xC5", 1));
    EXPECT_EQ(key->ReadString("bad\xC5"), std::nullopt);
    EXPECT_TRUE(key->ValueNames().empty());
}

// A key below a volatile one cannot be created to last, on Windows as under Wine.
TEST_F(RegistryKeyTest, AnUnopenableKeyGivesSilentDefaults)
{
    const std::string volatilePath = root_ + "\\Volatile";
    HKEY volatileKey = nullptr;
    ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, Wide(volatilePath).c_str(), 0, nullptr,
                              REG_OPTION_VOLATILE, KEY_ALL_ACCESS, nullptr, &volatileKey, nullptr),
              ERROR_SUCCESS);
    RegCloseKey(volatileKey);

    for (const std::string& path :
         {volatilePath + "\\Lumtaris", std::string("SOFTWARE\\Bad\xC5")}) {
        SCOPED_TRACE(path);
        const auto key = backend_.OpenOrCreate(path);
        EXPECT_FALSE(key->IsOpen());
        EXPECT_FALSE(key->ValueExists(kLastZPSelected));
        EXPECT_EQ(key->TypeOf(kLastZPSelected), SettingsValueType::None);
        EXPECT_TRUE(key->ValueNames().empty());
        EXPECT_EQ(RegReadInteger(*key, kLastZPSelected, -1), -1);
        EXPECT_EQ(RegReadString(*key, kLastWDirectory, "C:\\Program"), "C:\\Program");
        RegWriteInteger(*key, kLastZPSelected, 2);
        RegWriteString(*key, kLastBill, "123/0800");
        EXPECT_FALSE(key->WriteInteger(kLastZPSelected, 2));
        EXPECT_FALSE(key->DeleteValue(kLastZPSelected));
        EXPECT_FALSE(key->ReplaceAllWithStrings({{"ICO0000", "x"}}));
        EXPECT_EQ(RegReadInteger(*key, kLastZPSelected, -1), -1);
    }
    EXPECT_FALSE(KeyExists(volatilePath + "\\Lumtaris"));
}

} // namespace
} // namespace lumtaris
