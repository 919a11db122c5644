#include "settings/memory_key.hpp"
#include "settings/settings_store.hpp"

#include <gtest/gtest.h>

namespace lumtaris {
namespace {

class SettingsStoreTest : public testing::Test
{
protected:
    void Store(std::string_view name, SettingsValueType type,
               std::variant<std::int32_t, std::string> data)
    {
        backend.ValuesOf(kMainKeyPath)[std::string(name)] = MemoryValue{type, std::move(data)};
    }

    MemorySettingsBackend backend;
};

TEST_F(SettingsStoreTest, MissingValuesGiveTheCallersDefaults)
{
    const auto key = backend.OpenOrCreate(kMainKeyPath);
    EXPECT_EQ(RegReadInteger(*key, kLastZPSelected, -1), -1);
    EXPECT_EQ(RegReadInteger(*key, kLastActionSelected, -1), -1);
    EXPECT_EQ(RegReadString(*key, kLastWDirectory, "/opt/lumtaris"), "/opt/lumtaris");
    EXPECT_EQ(RegReadString(*key, kLastBill, ""), "");
}

TEST_F(SettingsStoreTest, AValueOfAnotherTypeGivesTheDefault)
{
    Store(kLastZPSelected, SettingsValueType::String, std::string("2"));
    Store(kLastWDirectory, SettingsValueType::Integer, 7);
    Store(kLastBill, SettingsValueType::Other, std::string("19-2000145399/0800"));
    const auto key = backend.OpenOrCreate(kMainKeyPath);
    EXPECT_EQ(RegReadInteger(*key, kLastZPSelected, -1), -1);
    EXPECT_EQ(RegReadString(*key, kLastWDirectory, "C:\\Lumtaris"), "C:\\Lumtaris");
    EXPECT_EQ(RegReadString(*key, kLastBill, ""), "");
}

TEST_F(SettingsStoreTest, StringReadsTakeExpandableStringsAsTheRegistryDoes)
{
    Store(kLastWDirectory, SettingsValueType::ExpandString, std::string("%USERPROFILE%\\HOZ"));
    const auto key = backend.OpenOrCreate(kMainKeyPath);
    EXPECT_EQ(RegReadString(*key, kLastWDirectory, ""), "%USERPROFILE%\\HOZ");
}

TEST_F(SettingsStoreTest, WritesReplaceAValueOfAnyTypeAndReadBack)
{
    Store(kLastZPSelected, SettingsValueType::String, std::string("2"));
    Store(kLastWDirectory, SettingsValueType::Integer, 7);
    const auto key = backend.OpenOrCreate(kMainKeyPath);
    RegWriteInteger(*key, kLastZPSelected, 2);
    RegWriteString(*key, kLastWDirectory, "/home/ucetni/podání");
    EXPECT_EQ(RegReadInteger(*key, kLastZPSelected, -1), 2);
    EXPECT_EQ(key->TypeOf(kLastZPSelected), SettingsValueType::Integer);
    EXPECT_EQ(RegReadString(*key, kLastWDirectory, ""), "/home/ucetni/podání");
    EXPECT_EQ(key->TypeOf(kLastWDirectory), SettingsValueType::String);
}

TEST_F(SettingsStoreTest, AKeyThatCannotBeOpenedGivesDefaultsAndSkipsWritesSilently)
{
    Store(kLastZPSelected, SettingsValueType::Integer, 3);
    backend.FailToOpen(kMainKeyPath);
    const auto key = backend.OpenOrCreate(kMainKeyPath);
    ASSERT_FALSE(key->IsOpen());
    EXPECT_EQ(RegReadInteger(*key, kLastZPSelected, -1), -1);
    RegWriteInteger(*key, kLastActionSelected, 1);
    RegWriteString(*key, kLastBill, "123/0100");
    EXPECT_FALSE(backend.ValuesOf(kMainKeyPath).contains(kLastActionSelected));
    EXPECT_FALSE(backend.ValuesOf(kMainKeyPath).contains(kLastBill));
}

TEST_F(SettingsStoreTest, AFailedWriteIsSilentAndKeepsTheOldValue)
{
    Store(kLastActionSelected, SettingsValueType::Integer, 1);
    const auto key = backend.OpenOrCreate(kMainKeyPath);
    backend.FailWrites(kMainKeyPath);
    RegWriteInteger(*key, kLastActionSelected, 3);
    EXPECT_EQ(RegReadInteger(*key, kLastActionSelected, -1), 1);
}

} // namespace
} // namespace lumtaris
