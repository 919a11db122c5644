#include "common/submission_name.hpp"

#include <gtest/gtest.h>

namespace lumtaris {
namespace {

TEST(SubmissionFileNameTest, EightDigitIcoInfixAndTwoDigitUnit)
{
    EXPECT_EQ(SubmissionFileName("1234", "5", kHozNameInfix), "00001234.05");
    EXPECT_EQ(SubmissionFileName("1234", "5", kPppzNameInfix), "00001234.H05");
    EXPECT_EQ(SubmissionFileName("12345678", "0", kHozNameInfix), "12345678.00");
    EXPECT_EQ(SubmissionFileName("12345678", "", kPppzNameInfix), "12345678.H00");
    EXPECT_EQ(SubmissionFileName("", "", kHozNameInfix), "00000000.00");
    EXPECT_EQ(SubmissionFileName("00001234", "05", kPppzNameInfix), "00001234.H05");
}

} // namespace
} // namespace lumtaris
