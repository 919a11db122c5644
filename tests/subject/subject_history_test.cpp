#include "subject/subject_history.hpp"

#include "settings/memory_key.hpp"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <ostream>

namespace lumtaris {
namespace {

using testing::ElementsAre;
using testing::IsEmpty;
using Strings = std::vector<std::string>;

constexpr auto kString = SettingsValueType::String;

struct StoredValue
{
    std::string name;
    SettingsValueType type;
    std::variant<std::int32_t, std::string> data;
};

void Store(MemorySettingsBackend& backend, const std::vector<StoredValue>& values)
{
    for (const StoredValue& value : values)
        backend.ValuesOf(kSubjectKeyPath)[value.name] = MemoryValue{value.type, value.data};
}

struct LoadCase
{
    const char* what;
    std::vector<StoredValue> stored;
    Strings icOj;
    Strings icz;
};

void PrintTo(const LoadCase& c, std::ostream* os)
{
    *os << c.what;
}

class LoadSubjektTest : public testing::TestWithParam<LoadCase>
{
};

TEST_P(LoadSubjektTest, TakesOnlyWellFormedPlainStringsInTheirStoredOrder)
{
    const LoadCase& c = GetParam();
    MemorySettingsBackend backend;
    Store(backend, c.stored);
    SubjectHistory history;
    history.LoadSubjektFromReg(*backend.OpenOrCreate(kSubjectKeyPath));
    EXPECT_EQ(history.HistoryIC_OJ(), c.icOj);
    EXPECT_EQ(history.HistoryICZ(), c.icz);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LoadSubjektTest,
    testing::Values(
        LoadCase{"the later position is the newer entry",
                 {{"ICO0001", kString, "22222222 - 02"}, {"ICO0000", kString, "11111111 - 01"}},
                 {"11111111 - 01", "22222222 - 02"},
                 {}},
        LoadCase{"the two lists are independent",
                 {{"ICZ0000", kString, "87654321 - 11111111 - 01"},
                  {"ICO0000", kString, "11111111 - 01"},
                  {"ICZ0001", kString, "87654321 - 22222222 - 02"}},
                 {"11111111 - 01"},
                 {"87654321 - 11111111 - 01", "87654321 - 22222222 - 02"}},
        LoadCase{"blanks around an entry are trimmed",
                 {{"ICO0000", kString, "  11111111 - 01 "},
                  {"ICZ0000", kString, "\t87654321 - 11111111 - 01  "}},
                 {"11111111 - 01"},
                 {"87654321 - 11111111 - 01"}},
        LoadCase{"a 7-digit IČO or 1-digit OJ is skipped",
                 {{"ICO0005", kString, "1234567 - 01"},
                  {"ICO0006", kString, "12345678 - 1"},
                  {"ICZ0000", kString, "87654321 - 1234567 - 01"},
                  {"ICZ0001", kString, "8765432 - 12345678 - 01"}},
                 {},
                 {}},
        LoadCase{"non-digits and wrong separators are skipped",
                 {{"ICO0000", kString, "1234567a - 01"},
                  {"ICO0001", kString, "12345678 - 0x"},
                  {"ICO0002", kString, "12345678 _ 01"},
                  {"ICO0003", kString, "12345678  -01"},
                  {"ICO0004", kString, "+1234567 - 01"},
                  {"ICZ0000", kString, "87654321 - 12345678 / 01"},
                  {"ICZ0001", kString, "8765432x - 12345678 - 01"}},
                 {},
                 {}},
        LoadCase{"an entry of one list under the other prefix is skipped",
                 {{"ICO0000", kString, "87654321 - 11111111 - 01"},
                  {"ICZ0000", kString, "11111111 - 01"}},
                 {},
                 {}},
        LoadCase{"the prefix is upper case exactly",
                 {{"ico0000", kString, "11111111 - 01"},
                  {"Icz0000", kString, "87654321 - 11111111 - 01"},
                  {"IC0000", kString, "22222222 - 02"},
                  {"XICO0000", kString, "33333333 - 03"}},
                 {},
                 {}},
        LoadCase{"only plain strings count",
                 {{"ICO0000", SettingsValueType::ExpandString, "11111111 - 01"},
                  {"ICO0001", SettingsValueType::Integer, 1111111101},
                  {"ICO0002", SettingsValueType::Other, "22222222 - 02"},
                  {"ICZ0000", SettingsValueType::ExpandString, "87654321 - 11111111 - 01"},
                  {"ICO0003", kString, "33333333 - 03"}},
                 {"33333333 - 03"},
                 {}},
        LoadCase{"a repeated value moves to its later place",
                 {{"ICO0000", kString, "11111111 - 01"},
                  {"ICO0001", kString, "22222222 - 02"},
                  {"ICO0002", kString, " 11111111 - 01"}},
                 {"22222222 - 02", "11111111 - 01"},
                 {}},
        LoadCase{"positions beyond 9999 follow 9999",
                 {{"ICO9999", kString, "11111111 - 01"},
                  {"ICO10000", kString, "22222222 - 02"},
                  {"ICO1001", kString, "33333333 - 03"},
                  {"ICZ10000", kString, "87654321 - 22222222 - 02"},
                  {"ICZ9998", kString, "87654321 - 11111111 - 01"}},
                 {"33333333 - 03", "11111111 - 01", "22222222 - 02"},
                 {"87654321 - 11111111 - 01", "87654321 - 22222222 - 02"}},
        LoadCase{
            "names that are no plain number keep their text order",
            {{"ICOx", kString, "44444444 - 04"},
             {"ICO0001a", kString, "33333333 - 03"},
             {"ICO0001", kString, "22222222 - 02"},
             {"ICO-1", kString, "11111111 - 01"},
             {"ICO", kString, "00000000 - 00"}},
            {"00000000 - 00", "11111111 - 01", "22222222 - 02", "33333333 - 03", "44444444 - 04"},
            {}}));

TEST(SubjectHistory, AppendMakesTheEntryTheNewestWithoutRepeatingIt)
{
    SubjectHistory history;
    history.AppendIC_OJ("11111111 - 01");
    history.AppendIC_OJ("22222222 - 02");
    history.AppendIC_OJ("33333333 - 03");
    history.AppendIC_OJ("22222222 - 02");
    EXPECT_THAT(history.HistoryIC_OJ(),
                ElementsAre("11111111 - 01", "33333333 - 03", "22222222 - 02"));
    history.AppendICZ("87654321 - 11111111 - 01");
    history.AppendICZ("87654321 - 11111111 - 01");
    EXPECT_THAT(history.HistoryICZ(), ElementsAre("87654321 - 11111111 - 01"));
    EXPECT_EQ(history.HistoryIC_OJ().size(), 3u);
}

TEST(SubjectHistory, LoadStartsFromEmptyListsAndAClosedKeyLeavesThemEmpty)
{
    MemorySettingsBackend backend;
    Store(backend, {{"ICO0000", kString, "11111111 - 01"}});
    SubjectHistory history;
    history.AppendIC_OJ("99999999 - 99");
    history.AppendICZ("87654321 - 99999999 - 99");
    history.LoadSubjektFromReg(*backend.OpenOrCreate(kSubjectKeyPath));
    EXPECT_THAT(history.HistoryIC_OJ(), ElementsAre("11111111 - 01"));
    EXPECT_THAT(history.HistoryICZ(), IsEmpty());

    backend.FailToOpen(kSubjectKeyPath);
    history.LoadSubjektFromReg(*backend.OpenOrCreate(kSubjectKeyPath));
    EXPECT_THAT(history.HistoryIC_OJ(), IsEmpty());
}

TEST(SubjectHistory, StoringRenumbersFromZeroAndDropsEverythingElse)
{
    MemorySettingsBackend backend;
    Store(backend, {{"ICO0000", kString, "11111111 - 01"},
                    {"ICO0001", kString, " 22222222 - 02 "},
                    {"ICO0005", kString, "1234567 - 01"},
                    {"ico0009", kString, "33333333 - 03"},
                    {"ICZ0003", SettingsValueType::ExpandString, "87654321 - 11111111 - 01"},
                    {"ICZ0007", kString, "87654321 - 22222222 - 02"},
                    {"Other", SettingsValueType::Integer, 5}});
    const auto key = backend.OpenOrCreate(kSubjectKeyPath);
    SubjectHistory history;
    history.LoadSubjektFromReg(*key);
    history.AppendIC_OJ("11111111 - 01"); // confirmed again from the middle of the list
    history.SaveSubjektToReg(*key);

    EXPECT_THAT(key->ValueNames(), ElementsAre("ICO0000", "ICO0001", "ICZ0000"));
    EXPECT_EQ(key->TypeOf("ICO0000"), kString);
    EXPECT_EQ(key->ReadString("ICO0000"), "22222222 - 02");
    EXPECT_EQ(key->ReadString("ICO0001"), "11111111 - 01");
    EXPECT_EQ(key->ReadString("ICZ0000"), "87654321 - 22222222 - 02");
}

TEST(SubjectHistory, StoringToAClosedOrFailingKeyIsSilent)
{
    MemorySettingsBackend backend;
    Store(backend, {{"ICO0000", kString, "11111111 - 01"}});
    SubjectHistory history;
    history.AppendIC_OJ("22222222 - 02");

    backend.FailWrites(kSubjectKeyPath);
    history.SaveSubjektToReg(*backend.OpenOrCreate(kSubjectKeyPath));
    backend.FailToOpen(kSubjectKeyPath);
    history.SaveSubjektToReg(*backend.OpenOrCreate(kSubjectKeyPath));

    EXPECT_EQ(std::get<std::string>(backend.ValuesOf(kSubjectKeyPath).at("ICO0000").data),
              "11111111 - 01");
}

TEST(SubjectHistory, AListOfMoreThanTenThousandEntriesKeepsItsOrder)
{
    SubjectHistory history;
    constexpr int kCount = 10'002;
    for (int i = 0; i < kCount; ++i) {
        // Newest entries carry the smallest numbers, so no order of the entries helps.
        char entry[16];
        std::snprintf(entry, sizeof entry, "%08d - %02d", kCount - i, i % 100);
        history.AppendIC_OJ(entry);
    }
    history.AppendICZ("87654321 - 11111111 - 01");
    MemorySettingsBackend backend;
    history.SaveSubjektToReg(*backend.OpenOrCreate(kSubjectKeyPath));

    const auto& stored = backend.ValuesOf(kSubjectKeyPath);
    EXPECT_TRUE(stored.contains("ICO9999"));
    EXPECT_TRUE(stored.contains("ICO10000"));
    EXPECT_TRUE(stored.contains("ICO10001"));
    EXPECT_FALSE(stored.contains("ICO10002"));

    SubjectHistory loaded;
    loaded.LoadSubjektFromReg(*backend.OpenOrCreate(kSubjectKeyPath));
    EXPECT_EQ(loaded.HistoryIC_OJ(), history.HistoryIC_OJ());
    EXPECT_EQ(loaded.HistoryICZ(), history.HistoryICZ());
}

} // namespace
} // namespace lumtaris
