#include "app/sjis_text.h"

#include "platform/cp932.h"

int ByteLength(const QString& text) { return static_cast<int>(platform::toCp932(text).size()); }

QString PadByteWidth(const QString& text, int width, bool rightAlign) {
    QString result = text;
    int bytes = ByteLength(result);
    while (bytes > width && !result.isEmpty()) {
        // A surrogate pair is one character: drop both halves together.
        const bool pair =
            result.size() >= 2 && result.back().isLowSurrogate() && result[result.size() - 2].isHighSurrogate();
        result.chop(pair ? 2 : 1);
        bytes = ByteLength(result);
    }
    const QString blanks(std::max(width - bytes, 0), QLatin1Char(' '));
    return rightAlign ? blanks + result : result + blanks;
}

namespace {

QString LastChars(const QString& text, int width) { return text.right(std::max(width, 0)); }

}  // namespace

QString RightAlign(qint64 n, int width) {
    return LastChars(QString(std::max(width - 1, 0), QLatin1Char(' ')) + QString::number(n), width);
}

QString RightAlignYen(qint64 n, int width) {
    return LastChars(QString(std::max(width - 2, 0), QLatin1Char(' ')) + QLatin1Char('\\') + QString::number(n), width);
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
