#include "app/sjis_text.h"

#include "platform/cp932.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdint>
#include <iterator>
#include <stdexcept>
#include <string_view>

namespace {

// One UTF-16 unit in Shift_JIS: one or two bytes.
struct Encoded {
    std::array<char, 2> bytes{};
    std::uint8_t length = 0;
};

// Every UTF-16 unit in Shift_JIS, asked of the converter itself once, so that
// every count agrees with what is written and a report's lines are encoded
// without calling the converter for each: reports count widths for every
// field of every line, and a busy year's reports run to a million lines.
using UnitArray = std::array<Encoded, 65536>;

bool IsPrintableAscii(char16_t unit) { return unit >= 0x20 && unit < 0x7F; }

const UnitArray& UnitTable() {
    static const UnitArray table = [] {
        UnitArray units{};
        for (std::size_t unit = 0; unit < units.size(); ++unit) {
            const QByteArray bytes = platform::toCp932(QString(QChar(static_cast<char16_t>(unit))));
            units[unit].length = static_cast<std::uint8_t>(bytes.size());
            for (qsizetype i = 0; i < bytes.size() && i < 2; ++i)
                units[unit].bytes[static_cast<std::size_t>(i)] = bytes[i];
            // The writer copies printable ASCII through as it is; the table
            // keeps it so (0x5C stays the backslash), though not every control
            // character (the converter swaps 0x1A, 0x1C and 0x7F).
            if (IsPrintableAscii(static_cast<char16_t>(unit)) &&
                (units[unit].length != 1 || units[unit].bytes[0] != static_cast<char>(unit)))
                throw std::runtime_error("The Shift_JIS table changes printable ASCII");
        }
        return units;
    }();
    return table;
}

bool IsSurrogatePair(QStringView text, qsizetype i) {
    return text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate();
}

// The character starting at position i: its bytes and its UTF-16 units. A
// surrogate pair is one character outside Shift_JIS, written as one "?". The
// table is fetched once per text by the caller: this runs for every character
// of every report line.
struct Character {
    int bytes;
    qsizetype units;
};

Character CharacterAt(const UnitArray& table, QStringView text, qsizetype i) {
    if (IsSurrogatePair(text, i)) return {1, 2};
    return {table[text[i].unicode()].length, 1};
}

}  // namespace

void AppendShiftJis(QByteArray& bytes, QStringView text) {
    const UnitArray& table = UnitTable();
    const qsizetype start = bytes.size();
    bytes.resize(start + 2 * text.size());
    char* out = bytes.data() + start;
    const char16_t* units = text.utf16();
    for (qsizetype i = 0; i < text.size(); ++i) {
        // Most of a report line is printable ASCII: blanks, digits, codes.
        if (IsPrintableAscii(units[i])) {
            *out++ = static_cast<char>(units[i]);
            continue;
        }
        if (IsSurrogatePair(text, i)) {
            *out++ = '?';
            ++i;
            continue;
        }
        // Both bytes copied whatever the length: the room for two per unit is there.
        const Encoded& e = table[text[i].unicode()];
        out[0] = e.bytes[0];
        out[1] = e.bytes[1];
        out += e.length;
    }
    bytes.resize(out - bytes.constData());
}

int ByteLength(const QString& text) {
    const UnitArray& table = UnitTable();
    int bytes = 0;
    for (qsizetype i = 0; i < text.size();) {
        const Character c = CharacterAt(table, text, i);
        bytes += c.bytes;
        i += c.units;
    }
    return bytes;
}

void AppendBlanks(QString& line, qsizetype count) {
    if (count > 0) line.resize(line.size() + count, QLatin1Char(' '));
}

void AppendByteWidth(QString& line, const QString& text, int width, bool rightAlign) {
    // The longest run of whole characters from the start that fits.
    const UnitArray& table = UnitTable();
    int bytes = 0;
    qsizetype end = 0;
    while (end < text.size()) {
        const Character c = CharacterAt(table, text, end);
        if (bytes + c.bytes > width) break;
        bytes += c.bytes;
        end += c.units;
    }
    const qsizetype blanks = std::max(width - bytes, 0);
    if (rightAlign) AppendBlanks(line, blanks);
    line.append(QStringView(text).left(end));
    if (!rightAlign) AppendBlanks(line, blanks);
}

QString PadByteWidth(const QString& text, int width, bool rightAlign) {
    QString line;
    line.reserve(std::max(width, 0));
    AppendByteWidth(line, text, width, rightAlign);
    return line;
}

namespace {

// The last `width` characters of the number after `mark`, blanks in front,
// made in one buffer and appended at once: every report line has amounts.
void AppendLastChars(QString& line, std::string_view mark, qint64 n, int width) {
    if (width <= 0) return;
    char field[48];
    const std::size_t markSize = std::min(mark.size(), std::size_t{8});
    std::copy_n(mark.data(), markSize, field);
    char* const end = std::to_chars(field + markSize, std::end(field), n).ptr;
    const qsizetype length = end - field;
    if (length < width) AppendBlanks(line, width - length);
    const qsizetype skip = std::max<qsizetype>(length - width, 0);
    line += QLatin1StringView(field + skip, length - skip);
}

}  // namespace

void AppendRightAlign(QString& line, qint64 n, int width) { AppendLastChars(line, {}, n, width); }

void AppendRightAlignYen(QString& line, qint64 n, int width) { AppendLastChars(line, "\\", n, width); }

QString RightAlign(qint64 n, int width) {
    QString line;
    AppendRightAlign(line, n, width);
    return line;
}

QString RightAlignYen(qint64 n, int width) {
    QString line;
    AppendRightAlignYen(line, n, width);
    return line;
}

QString CharactersOutsideShiftJis(const QString& text) {
    QString lost;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const qsizetype width = text[i].isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        const QString character = text.mid(i, width);
        i += width - 1;
        if (platform::fromCp932(platform::toCp932(character)) != character && !lost.contains(character))
            lost += character;
    }
    return lost;
}

namespace {

// Drawn as nothing or as a blank, whatever the font: format characters, blanks
// other than the plain one, unassigned and private code points, a lone half of
// a surrogate pair, variation selectors and the Hangul fillers.
bool IsInvisible(char32_t c) {
    switch (QChar::category(c)) {
        case QChar::Other_Control:
        case QChar::Other_Format:
        case QChar::Other_Surrogate:
        case QChar::Other_PrivateUse:
        case QChar::Other_NotAssigned:
        case QChar::Separator_Space:
        case QChar::Separator_Line:
        case QChar::Separator_Paragraph:
            return c != U' ';
        default:
            break;
    }
    return (c >= 0xFE00 && c <= 0xFE0F) || (c >= 0xE0100 && c <= 0xE01EF) || c == 0x034F || c == 0x115F ||
           c == 0x1160 || c == 0x3164 || c == 0xFFA0;
}

}  // namespace

QString ShownCharacters(const QString& characters) {
    QString shown;
    bool afterName = false;
    for (qsizetype i = 0; i < characters.size(); ++i) {
        char32_t c = characters[i].unicode();
        qsizetype width = 1;
        if (QChar::isHighSurrogate(c) && i + 1 < characters.size() && characters[i + 1].isLowSurrogate())
            c = QChar::surrogateToUcs4(characters[i], characters[i + 1]), width = 2;
        const bool invisible = IsInvisible(c);
        if (!shown.isEmpty() && (invisible || afterName)) shown += QLatin1Char(' ');
        if (invisible)
            shown += QStringLiteral("U+") + QString::number(c, 16).toUpper().rightJustified(4, QLatin1Char('0'));
        else
            shown += characters.mid(i, width);
        afterName = invisible;
        i += width - 1;
    }
    return shown;
}
