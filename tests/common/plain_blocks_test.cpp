#include "common/plain_blocks.hpp"

#include <gtest/gtest.h>

#include <cstddef>
#include <string>
#include <vector>

namespace lumtaris {
namespace {

struct Value
{
    int number = -1;
    char filling[36] = {};
};

std::vector<int> Numbers(const PlainBlocks<Value>& values)
{
    std::vector<int> numbers;
    for (const Value& value : values)
        numbers.push_back(value.number);
    return numbers;
}

// Filled to well past two blocks, so that shifting crosses block edges.
constexpr int kFilled = 1300;

struct Edit
{
    const char* name;
    bool insert;
    std::size_t index;
};

class PlainBlocksEdit : public ::testing::TestWithParam<Edit>
{
};

TEST_P(PlainBlocksEdit, ShiftsEveryValueAcrossBlockEdgesAsAVectorWould)
{
    PlainBlocks<Value> values;
    std::vector<int> expected;
    for (int i = 0; i < kFilled; ++i) {
        values.insert(values.size(), Value{i, {}});
        expected.push_back(i);
    }
    const Edit& edit = GetParam();
    if (edit.insert) {
        values.insert(edit.index, Value{-7, {}});
        expected.insert(expected.begin() + static_cast<std::ptrdiff_t>(edit.index), -7);
    } else {
        values.erase(edit.index);
        expected.erase(expected.begin() + static_cast<std::ptrdiff_t>(edit.index));
    }
    EXPECT_EQ(values.size(), expected.size());
    EXPECT_EQ(Numbers(values), expected);
}

INSTANTIATE_TEST_SUITE_P(
    Edits, PlainBlocksEdit,
    ::testing::Values(Edit{"InsertFirst", true, 0}, Edit{"InsertLastOfABlock", true, 511},
                      Edit{"InsertFirstOfABlock", true, 512}, Edit{"InsertMiddle", true, 700},
                      Edit{"InsertAtTheEnd", true, kFilled}, Edit{"EraseFirst", false, 0},
                      Edit{"EraseLastOfABlock", false, 511}, Edit{"EraseFirstOfABlock", false, 512},
                      Edit{"EraseLast", false, kFilled - 1}),
    [](const ::testing::TestParamInfo<Edit>& info) { return std::string(info.param.name); });

TEST(PlainBlocks, InsertsACopyOfOneOfItsOwnValuesBeforeItself)
{
    // One short of three full blocks of 512.
    constexpr int kAlmostFull = 3 * 512 - 1;
    PlainBlocks<Value> values;
    for (int i = 0; i < kAlmostFull; ++i)
        values.insert(values.size(), Value{i, {}});
    values.insert(3, values[600]);           // shifted by the insert before it is read
    values.insert(values.size(), values[0]); // the blocks are full: this one opens a fourth
    ASSERT_EQ(values.size(), std::size_t{kAlmostFull + 2});
    EXPECT_EQ(values[3].number, 600);
    EXPECT_EQ(values[601].number, 600);
    EXPECT_EQ(values[values.size() - 2].number, kAlmostFull - 1);
    EXPECT_EQ(values[values.size() - 1].number, 0);
}

TEST(PlainBlocks, CopiesMovesAndRefillsAfterClear)
{
    PlainBlocks<Value> values;
    for (int i = 0; i < kFilled; ++i)
        values.insert(values.size(), Value{i, {}});

    PlainBlocks<Value> copy(values);
    copy.erase(0);
    EXPECT_EQ(values.size(), std::size_t{kFilled});
    EXPECT_EQ(values[0].number, 0);
    EXPECT_EQ(copy[0].number, 1);

    PlainBlocks<Value> moved(std::move(copy));
    EXPECT_EQ(moved.size(), std::size_t{kFilled - 1});
    copy = values; // a moved-from one can be assigned again
    EXPECT_EQ(Numbers(copy), Numbers(values));

    values.clear();
    EXPECT_TRUE(values.empty());
    EXPECT_EQ(values.begin(), values.end());
    values.insert(0, Value{42, {}});
    EXPECT_EQ(Numbers(values), std::vector<int>{42});
}

} // namespace
} // namespace lumtaris
