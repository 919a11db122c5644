#include "common/codepage.hpp"

#include <gtest/gtest.h>

#include <windows.h>

namespace lumtaris {
namespace {

std::string AllBytes()
{
    std::string all;
    for (int b = 0; b < 256; ++b)
        all += static_cast<char>(b);
    return all;
}

// Through UTF-8 the output is longer than the input, so both length queries have to be right.
TEST(RecodeTextOnWindows, SizesMultiByteResultsFromTheLengthQueries)
{
    const std::string all = AllBytes();
    const std::string utf8 = RecodeText(all, 1250, CP_UTF8);
    EXPECT_EQ(utf8, Utf8FromCp1250(all));
    EXPECT_EQ(RecodeText(utf8, CP_UTF8, 1250), all);
    EXPECT_EQ(RecodeText("", CP_UTF8, 1250), "");
}

TEST(RecodeTextOnWindows, CodePagesTheSystemRejectsLeaveTheTextAlone)
{
    const std::string czech = *Cp1250FromUtf8("Příliš žluťoučký kůň");
    for (CodePage rejected : {CodePage{CP_ACP}, CodePage{CP_OEMCP}, CodePage{CP_MACCP},
                              CodePage{CP_THREAD_ACP}, CodePage{12345}}) {
        ASSERT_FALSE(IsValidCodePage(rejected)) << rejected;
        EXPECT_EQ(RecodeText(czech, rejected, 852), czech) << rejected;
        EXPECT_EQ(RecodeText(czech, 1250, rejected), czech) << rejected;
    }
}

} // namespace
} // namespace lumtaris
