#include "encoding/text_code.h"

#include <gtest/gtest.h>

#include <string_view>

using namespace std::string_view_literals;

namespace {

struct Case {
    const char* what;
    std::string_view bytes;
    TextCode want;
};

// Adjacent literals keep a hex escape from swallowing the next character.
const Case kCases[] = {
    {"empty file", ""sv, kTextAscii},
    {"7-bit text", "plain text\r\n"sv, kTextAscii},
    {"UTF-16 without a mark is never recognised", "a\0b\0"sv, kTextAscii},
    {"lone lead byte: all die at once, no score", "\x81"sv, kTextNone},
    {"lone FF is too short for a mark", "\xFF"sv, kTextNone},

    {"FF FE", "\xFF\xFE" "a\0"sv, kTextUtf16Le},
    {"FE FF", "\xFE\xFF\0a"sv, kTextUtf16Be},
    {"FE FE", "\xFE\xFE"sv, kTextUtf16Le},
    {"FF FF", "\xFF\xFF"sv, kTextUtf16Le},
    {"EF BB BF", "\xEF\xBB\xBF" "abc"sv, kTextUtf8Bom},
    {"EF BB BF alone", "\xEF\xBB\xBF"sv, kTextUtf8Bom},
    {"EF BB is no mark", "\xEF\xBB"sv, kTextSjis},

    {"ESC $ B", "ab\x1B$Bxyz"sv, kTextJis},
    {"ESC ( J", "\x1B(J"sv, kTextJis},
    {"ESC ( I", "\x1B(I"sv, kTextJis},
    {"ESC $ @", "\x1B$@"sv, kTextJis},
    {"ESC $ (", "\x1B$(D"sv, kTextJis},
    {"unknown escape", "\x1B$A"sv, kTextAscii},
    {"ESC among the last two bytes", "abc\x1B$"sv, kTextAscii},
    {"escape after an 8-bit byte", "\xC3\xA9\x1B$B"sv, kTextUtf8},

    {"+- once decides at the end", "a+-b"sv, kTextUtf7},
    {"+- twice decides at the second", "+-+-\x1B$B"sv, kTextUtf7},
    {"+- once loses to a later escape", "+-x\x1B$B"sv, kTextJis},
    {"+AGE- has residue 2", "+AGE-"sv, kTextUtf7},
    {"slash is a base64 character", "+/v8-"sv, kTextUtf7},
    {"+AG- has residue 12", "+AG-"sv, kTextAscii},
    {"a ruled-out search stays out", "+AG-+-+-"sv, kTextAscii},
    {"sequence ended by another character", "+A?+-"sv, kTextAscii},
    {"a later invalid sequence rules UTF-7 out", "+-+AG-"sv, kTextAscii},
    {"data ends inside the first sequence", "+AGE"sv, kTextAscii},
    {"data ends inside the second sequence", "+-+AGE"sv, kTextUtf7},
    {"unexamined escapes hold the search back", "\x1B\x1B+-"sv, kTextAscii},
    {"UTF-7 needs 7-bit data to the end", "+-\x83\x5C"sv, kTextSjis},

    {"4-byte UTF-8", "\xF0\x9F\x98\x80"sv, kTextUtf8},
    {"E0 needs A0 or above", "\xE0\x9F\xBF"sv, kTextSjis},
    {"F0 needs 90 or above", "\xF0\x8F\xBF\xBF"sv, kTextSjis},
    {"F4 needs 8F or below", "\xF4\x90\x80\x80"sv, kTextSjis},
    {"C1 is no UTF-8 lead", "\xC1\xBF"sv, kTextEuc},

    {"7F is no SJIS trail byte", "\x83\x7F"sv, kTextNone},
    {"8E takes only A1-DF", "\x8E\xFD"sv, kTextNone},
    {"A0 is no EUC lead", "\xA0\xA1"sv, kTextSjis},

    {"kanji with second byte 5C", "\x83\x5C"sv, kTextSjis},
    {"early decision ignores later bytes", "\x83\x5C\xFF\xFF"sv, kTextSjis},
    {"early decision despite a larger EUC score", "\xA4\xA2\xA4\xA2\x83\x5C\xFF"sv, kTextSjis},
    {"early UTF-8 over a longer UTF-7 credit", "+AGE-\xE3\x81\x82"sv, kTextUtf8},
    {"early EUC over an equal UTF-7 credit", "+-\xFE\xA1"sv, kTextEuc},
    {"UTF-8 wins once EUC and SJIS die", "\xE3\x81\x82\xFF"sv, kTextUtf8},
    {"UTF-8 ties EUC to the end", "\xC3\xA9\xC3\xA9"sv, kTextUtf8},
    {"SJIS ties EUC to the end", "\xE4\xA2\xE4\xA2"sv, kTextSjis},
    {"SJIS half-width kana score nothing", "\xA4\xA2"sv, kTextEuc},
    {"SJIS wins the end over a larger EUC score", "\x8F\xA1\xA1"sv, kTextSjis},
    {"SJIS must beat the score of a dead UTF-8", "\xC3\xB1\xE0\xE3"sv, kTextEuc},
    {"FD rules SJIS out", "\xE4\xA2\xFD\xA1"sv, kTextEuc},
    {"FF rules SJIS out", "\xE4\xA2\xFF\xA1"sv, kTextEuc},

    {"all die: UTF-8 ties EUC", "\xC3\xA9\xFF"sv, kTextUtf8},
    {"all die: SJIS ties EUC", "\xE4\xA2\xFF"sv, kTextSjis},
    {"all die: EUC alone scored", "\xA4\xA2\xFF"sv, kTextEuc},
    {"all die: credited UTF-7 length", "+-\xFF"sv, kTextUtf7},
    {"all die: UTF-8 ties UTF-7 length", "+-\xC3\xA9\xFF"sv, kTextUtf7},
    {"all die: UTF-8 beats UTF-7 length", "+-\xC3\xA9\xC3\xA9\xFF"sv, kTextUtf8},
};

TEST(DetectTextCode, ClassifiesBytes) {
    for (const Case& c : kCases) {
        const QByteArray bytes(c.bytes.data(), static_cast<qsizetype>(c.bytes.size()));
        EXPECT_EQ(DetectTextCode(bytes), c.want) << c.what;
    }
}

}  // namespace
