#include "platform/cp932.h"

#include <gtest/gtest.h>

namespace {

// Microsoft's table differs from JIS X 0208 on exactly the characters Japanese
// text uses most for layout: the backslash (shown as the yen sign) and "～".
// An unmappable character, even a surrogate pair, becomes one "?".
TEST(Cp932, EncodesAsWindowsWritesAndDecodesBack) {
    const std::pair<QString, QByteArray> cases[] = {
        {"\\", "\x5C"},    {"～", "\x81\x60"}, {"－", "\x81\x7C"}, {"ｱｶﾞ", "\xB1\xB6\xDE"},
        {"①", "\x87\x40"}, {"a😀b", "a?b"},     {"𠮷", "?"},        {"한국", "??"},
        {"", ""}};
    for (const auto& [text, bytes] : cases) {
        EXPECT_EQ(platform::toCp932(text), bytes) << text.toStdString();
        EXPECT_EQ(platform::fromCp932(bytes), bytes.contains('?') ? QString::fromLatin1(bytes) : text)
            << text.toStdString();
    }
}

}  // namespace
