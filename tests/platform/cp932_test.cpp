#include "platform/cp932.h"

#include <gtest/gtest.h>

namespace {

struct Cp932Case {
    QString text;
    QByteArray bytes;
};

// Microsoft's table differs from JIS X 0208 on exactly the characters Japanese
// text uses most for layout: the backslash (shown as the yen sign) and "～".
TEST(Cp932, EncodesAsWindowsWrites) {
    const Cp932Case cases[] = {
        {"\\", "\x5C"},
        {"~", "\x7E"},
        {"～", "\x81\x60"},
        {"－", "\x81\x7C"},
        {"ｱｶﾞ", "\xB1\xB6\xDE"},
        {"会計", "\x89\xEF\x8C\x76"},
        {"①", "\x87\x40"},
        {"a😀b", "a?b"},
        {"𠮷", "?"},
        {"한국", "??"},
        {"", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(platform::toCp932(c.text), c.bytes) << c.text.toStdString();
}

TEST(Cp932, DecodesBackToTheSameText) {
    const Cp932Case cases[] = {
        {"\\", "\x5C"},
        {"～", "\x81\x60"},
        {"ｱｶﾞ", "\xB1\xB6\xDE"},
        {"会計2020\r\n", "\x89\xEF\x8C\x76" "2020\r\n"},
        {"①", "\x87\x40"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(platform::fromCp932(c.bytes), c.text) << c.text.toStdString();
        EXPECT_EQ(platform::fromCp932(platform::toCp932(c.text)), c.text) << c.text.toStdString();
    }
    const QString mixed = QString::fromUtf8("帳簿 ｶﾅ ～\\ 半角abc 全角ＡＢＣ");
    EXPECT_EQ(platform::fromCp932(platform::toCp932(mixed)), mixed);
}

}  // namespace
