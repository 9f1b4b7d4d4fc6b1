#include "floor_text.h"

#include "platform/cp932.h"

#include <QFile>

#include <array>
#include <charconv>
#include <stdexcept>

#include <unistd.h>

namespace {

struct Unit {
    std::array<char, 2> bytes{};
    std::uint8_t length = 0;
};

const std::array<Unit, 65536>& Table() {
    static const std::array<Unit, 65536> table = [] {
        std::array<Unit, 65536> units{};
        for (std::size_t u = 0; u < units.size(); ++u) {
            const QByteArray b = platform::toCp932(QString(QChar(static_cast<char16_t>(u))));
            units[u].length = static_cast<std::uint8_t>(b.size());
            for (qsizetype i = 0; i < b.size() && i < 2; ++i) units[u].bytes[static_cast<std::size_t>(i)] = b[i];
        }
        return units;
    }();
    return table;
}

// The next character of the UTF-8 text as its Shift_JIS bytes; a character
// beyond the 16-bit range is one "?".
Unit NextCharacter(std::string_view text, std::size_t& at) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(at);
    if (lead < 0x80) return Table()[static_cast<unsigned char>(text[at++])];
    if (lead >= 0xF0) {
        at += 4;
        return {{'?', 0}, 1};
    }
    const std::size_t length = lead >= 0xE0 ? 3 : 2;
    char32_t c = lead & (length == 3 ? 0x0F : 0x1F);
    for (std::size_t i = 1; i < length; ++i) c = (c << 6) | (byte(at + i) & 0x3F);
    at += length;
    return Table()[c];
}

}  // namespace

FloorText::FloorText() { Table(); }

int FloorText::utf8(std::string_view text) {
    int written = 0;
    for (std::size_t at = 0; at < text.size();) {
        const Unit u = NextCharacter(text, at);
        bytes_.append(u.bytes.data(), u.length);
        written += u.length;
    }
    return written;
}

void FloorText::padded(std::string_view text, int width, bool right) {
    char fitted[256];
    int used = 0;
    for (std::size_t at = 0; at < text.size();) {
        const Unit u = NextCharacter(text, at);
        if (used + u.length > width) break;
        for (std::uint8_t k = 0; k < u.length; ++k) fitted[used++] = u.bytes[k];
    }
    if (right) blanks(width - used);
    bytes_.append(fitted, static_cast<size_t>(used));
    if (!right) blanks(width - used);
}

void FloorText::number(std::int64_t n, int width, bool yen) {
    char digits[24];
    char* start = digits + 1;
    digits[0] = '\\';
    const char* end = std::to_chars(start, std::end(digits), n).ptr;
    if (yen) start = digits;
    const int length = static_cast<int>(end - start);
    if (width <= 0) width = length;
    if (length < width) blanks(width - length);
    bytes_.append(end - std::min(length, width), end);
}

void FloorText::date(int year, int month, int day) {
    char text[11] = {static_cast<char>('0' + year / 1000),
                     static_cast<char>('0' + year / 100 % 10),
                     static_cast<char>('0' + year / 10 % 10),
                     static_cast<char>('0' + year % 10),
                     '/',
                     static_cast<char>('0' + month / 10),
                     static_cast<char>('0' + month % 10),
                     '/',
                     static_cast<char>('0' + day / 10),
                     static_cast<char>('0' + day % 10),
                     0};
    bytes_.append(text, 10);
}

int FloorText::unitBytes(char16_t unit) { return Table()[unit].length; }

FloorFile::FloorFile(const QString& path)
    : path_(QFile::encodeName(path).toStdString()),
      temporary_(path_ + ".floor-tmp"),
      file_(std::fopen(temporary_.c_str(), "wb")) {
    if (!file_) throw std::runtime_error("the floor's file cannot be made");
    text_.bytes().reserve(80 * 1024);
}

FloorFile::~FloorFile() {
    if (file_) std::fclose(file_);
}

void FloorFile::finish() {
    flush();
    const bool synced = std::fflush(file_) == 0 && ::fsync(fileno(file_)) == 0;
    const bool closed = std::fclose(file_) == 0;
    file_ = nullptr;
    if (!synced || !closed || std::rename(temporary_.c_str(), path_.c_str()) != 0)
        throw std::runtime_error("the floor's file cannot be completed");
}

void FloorFile::lineDone() {
    if (text_.bytes().size() >= 64 * 1024) flush();
}

void FloorFile::flush() {
    std::string& b = text_.bytes();
    if (!b.empty() && std::fwrite(b.data(), 1, b.size(), file_) != b.size())
        throw std::runtime_error("the floor's file cannot be written");
    b.clear();
}
