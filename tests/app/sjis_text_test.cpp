#include "app/sjis_text.h"
#include "temp_install.h"

#include <gtest/gtest.h>

namespace {

TEST(ByteLength, CountsShiftJisBytes) {
    const struct {
        QString text;
        int bytes;
    } cases[] = {
        {"会計2020", 8}, {"", 0},   {"ｱｲｳ", 3}, {"～", 2}, {"\\", 1},
        {"😀", 1},       {"𠮷a", 2}, {"한", 1},   {"ＡＢ", 4},
    };
    for (const auto& c : cases) EXPECT_EQ(ByteLength(c.text), c.bytes) << c.text.toStdString();
}

TEST(PadByteWidth, CutsWholeCharactersThenFills) {
    const struct {
        QString text;
        int width;
        bool right;
        QString expected;
    } cases[] = {
        {"あいう", 5, false, "あい "},
        {"あいう", 5, true, " あい"},
        {"ab", 5, true, "   ab"},
        {"ab", 5, false, "ab   "},
        {"会計2020", 8, false, "会計2020"},
        {"会計2020", 3, false, "会 "},
        {"会計2020", 1, true, " "},
        {"ｱｲｳｴ", 2, false, "ｱｲ"},
        {"a😀b", 3, false, "a😀b"},
        {"a😀b", 2, false, "a😀"},
        {"a😀", 1, true, "a"},
        {"", 3, true, "   "},
        {"abc", 0, false, ""},
    };
    for (const auto& c : cases) {
        const QString result = PadByteWidth(c.text, c.width, c.right);
        EXPECT_EQ(result, c.expected) << c.text.toStdString() << " " << c.width;
        EXPECT_EQ(ByteLength(result), c.width) << c.text.toStdString() << " " << c.width;
    }
}

TEST(RightAlign, LastWCharactersOfTheNumber) {
    const struct {
        qint64 n;
        int width;
        QString plain, yen;
    } cases[] = {
        {1234, 6, "  1234", " \\1234"},
        {-50, 4, " -50", "\\-50"},
        {1234567, 5, "34567", "34567"},
        {1500, 8, "    1500", "   \\1500"},
        {0, 2, " 0", "\\0"},
        {-2147483647 - 1, 12, " -2147483648", "\\-2147483648"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(RightAlign(c.n, c.width), c.plain) << c.n;
        EXPECT_EQ(RightAlignYen(c.n, c.width), c.yen) << c.n;
    }
    // The yen mark is the backslash byte, which Japanese fonts draw as ¥.
    EXPECT_EQ(Sjis(RightAlignYen(1500, 8)), QByteArray("   \x5C" "1500"));
}

}  // namespace
