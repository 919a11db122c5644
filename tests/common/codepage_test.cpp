#include "common/byte_recoder.hpp"
#include "common/codepage.hpp"

#include "support/test_data.hpp"

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace lumtaris {
namespace {

struct TableRow
{
    unsigned char cp1250;
    char32_t unicode;
    std::string cp852;
};

// The Windows conversion of every 1250 byte to 852, best-fit replacements included.
std::vector<TableRow> ReferenceTable()
{
    std::istringstream in(test::ReadBytes(test::DataPath("cp1250-to-cp852.tsv")));
    std::string line;
    std::getline(in, line); // column names
    std::vector<TableRow> rows;
    while (std::getline(in, line)) {
        std::istringstream fields(line);
        std::string byte, unicode, bytes;
        fields >> byte >> unicode >> bytes;
        TableRow row;
        row.cp1250 = static_cast<unsigned char>(std::stoul(byte, nullptr, 16));
        row.unicode = static_cast<char32_t>(std::stoul(unicode.substr(2), nullptr, 16));
        for (std::size_t i = 0; i < bytes.size(); i += 2)
            row.cp852 += static_cast<char>(std::stoul(bytes.substr(i, 2), nullptr, 16));
        rows.push_back(row);
    }
    return rows;
}

TEST(RecodeText, EqualsTheWindowsConversionForAll256Bytes)
{
    const auto rows = ReferenceTable();
    ASSERT_EQ(rows.size(), 256u);
    std::string all;
    std::string expected;
    for (const TableRow& row : rows) {
        const std::string in(1, static_cast<char>(row.cp1250));
        EXPECT_EQ(RecodeText(in, 1250, 852), row.cp852) << "byte 0x" << std::hex << int{row.cp1250};
        all += in;
        expected += row.cp852;
    }
    EXPECT_EQ(RecodeText(all, 1250, 852), expected);
}

TEST(RecodeText, RecodesALetterAtEveryPlaceOfAPlainText)
{
    // Plain text is passed over several bytes at a time; a letter anywhere among it, near
    // either end or at an odd length, must still be recoded.
    const std::string plain = "Novak Jan 0101202512345";
    for (std::size_t length = 1; length <= plain.size(); ++length) {
        for (std::size_t at = 0; at < length; ++at) {
            std::string text = plain.substr(0, length);
            text[at] = '\xE8'; // č
            std::string expected = text;
            expected[at] = '\x9F';
            EXPECT_EQ(RecodeText(text, 1250, 852), expected) << "length " << length << " at " << at;
        }
    }
}

TEST(ByteRecoder, CopiesAsRecodeTextRecodesIntoAnotherBufferOrInPlace)
{
    const std::optional<ByteRecoder> recoder = ByteRecoder::For(1250, 852);
    ASSERT_TRUE(recoder);
    const std::string text =
        *Cp1250FromUtf8("Řeháčková-Novotná Žofie  Údolní 12 Ústí nad Labem 40001");
    const std::string expected = RecodeText(text, 1250, 852);
    std::string copy(text.size(), '\0');
    recoder->Copy(text.data(), text.size(), copy.data());
    EXPECT_EQ(copy, expected);
    std::string inPlace = text;
    recoder->Copy(inPlace.data(), inPlace.size(), inPlace.data());
    EXPECT_EQ(inPlace, expected);
}

// Lines of every length up to three 64-byte strides and a tail, holding every byte value, through
// each way Copy has, into another buffer and in place, for a table that keeps ASCII and one that
// does not.
TEST(ByteRecoder, RecodesEveryByteAtEveryPlaceWhicheverWayItCopies)
{
    ByteRecoder::Table reversed;
    for (std::size_t b = 0; b < reversed.size(); ++b)
        reversed[b] = static_cast<unsigned char>(255 - b);
    const auto reverse = [](std::string text) {
        for (char& c : text)
            c = static_cast<char>(255 - static_cast<unsigned char>(c));
        return text;
    };
    const auto to852 = [](const std::string& text) { return RecodeText(text, 1250, 852); };

    for (ByteRecoder::Method method :
         {ByteRecoder::Method::Fastest, ByteRecoder::Method::Portable}) {
        const std::optional<ByteRecoder> recoder852 = ByteRecoder::For(1250, 852, method);
        ASSERT_TRUE(recoder852.has_value());
        const std::pair<ByteRecoder, std::function<std::string(std::string)>> cases[] = {
            {*recoder852, to852},
            {ByteRecoder(reversed, method), reverse},
        };
        for (const auto& [recoder, recode] : cases) {
            for (std::size_t size = 0; size <= 200; ++size) {
                std::string in(size, 'a');
                for (std::size_t k = 0; k < size; ++k)
                    in[k] = static_cast<char>((k * 37 + size) % 256);
                const std::string expected = recode(in);
                // One byte past the end shows a write beyond it.
                std::string out(size + 1, '#');
                recoder.Copy(in.data(), size, out.data());
                EXPECT_EQ(out, expected + '#') << "size " << size;
                std::string inPlace = in;
                recoder.Copy(inPlace.data(), size, inPlace.data());
                EXPECT_EQ(inPlace, expected) << "size " << size;
            }
        }
    }
}

TEST(RecodeText, BestFitsTypographicQuotesAndDashes)
{
    // ’ „ “ – in 1250
    EXPECT_EQ(RecodeText("O\x92Neil \x84x\x93 a\x96"
                         "b",
                         1250, 852),
              "O'Neil \"x\" a-b");
}

TEST(RecodeText, CzechLettersRoundTripAndSitAtTheir852Places)
{
    const std::string letters = *Cp1250FromUtf8("áčďéěíňóřšťúůýžÁČĎÉĚÍŇÓŘŠŤÚŮÝŽ");
    const std::string in852 = RecodeText(letters, 1250, 852);
    EXPECT_EQ(in852.size(), letters.size());
    EXPECT_EQ(in852[1], '\x9F'); // č
    EXPECT_EQ(RecodeText(in852, 852, 1250), letters);
}

TEST(RecodeText, AsciiEmptyAndUnsupportedCodePagesPassUnchanged)
{
    const std::string ascii = "P1234567890Novak     Jan  01012025";
    EXPECT_EQ(RecodeText(ascii, 1250, 852), ascii);
    EXPECT_EQ(RecodeText("", 1250, 852), "");
    const std::string czech = "\xE8\xF8";
    for (CodePage unsupported : {CodePage{0}, CodePage{1}, CodePage{12345}, CodePage{65535}}) {
        EXPECT_EQ(RecodeText(czech, unsupported, 852), czech);
        EXPECT_EQ(RecodeText(czech, 1250, unsupported), czech);
    }
}

TEST(AppendRecodedText, AppendsWhatRecodeTextGivesAndKeepsWhatIsThere)
{
    const std::string czech = "\xE8\xF8 P\x9A";
    std::string out = "head\r\n";
    AppendRecodedText(out, czech, 1250, 852);
    EXPECT_EQ(out, "head\r\n" + RecodeText(czech, 1250, 852));
    AppendRecodedText(out, "", 1250, 852);
    AppendRecodedText(out, czech, 1250, 12345); // unsupported: appended unchanged
    EXPECT_EQ(out, "head\r\n" + RecodeText(czech, 1250, 852) + czech);
}

TEST(SystemAnsiCodePage, Is1250Everywhere)
{
    EXPECT_EQ(SystemAnsiCodePage(), 1250);
}

TEST(Cp1250, ByteTableMatchesTheWindowsReading)
{
    for (const TableRow& row : ReferenceTable())
        EXPECT_EQ(UnicodeOfCp1250(row.cp1250), row.unicode) << int{row.cp1250};
}

TEST(Cp1250, Utf8RoundTripOfEveryByte)
{
    std::string all;
    for (int b = 0; b < 256; ++b)
        all += static_cast<char>(b);
    const auto back = Cp1250FromUtf8(Utf8FromCp1250(all));
    ASSERT_TRUE(back);
    EXPECT_EQ(*back, all);
}

TEST(Cp1250, RefusesWhatItCannotHoldAndMalformedUtf8)
{
    EXPECT_EQ(Cp1250FromUtf8("Řeřicha €"), std::string("\xD8"
                                                       "e\xF8icha \x80"));
    EXPECT_FALSE(Cp1250FromUtf8("ñ"));
    EXPECT_FALSE(Cp1250FromUtf8("中"));
    EXPECT_FALSE(Cp1250FromUtf8("\xF0\x9F\x98\x80"));
    EXPECT_FALSE(Cp1250FromUtf8("\xC5"));
    EXPECT_FALSE(Cp1250FromUtf8("\x80"));
    EXPECT_EQ(Cp1250FromUtf8(""), std::string());
}

} // namespace
} // namespace lumtaris
