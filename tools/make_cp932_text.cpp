// make_cp932_text INPUT OUTPUT
//
// Writes a UTF-8 source text as the program's files are written: Shift_JIS
// (code page 932), every line ended by CR LF. A character the code page
// cannot hold would silently become "?", so it stops the build instead.
#include "platform/cp932.h"

#include <QByteArray>
#include <QFile>
#include <QSaveFile>
#include <QString>
#include <QStringDecoder>
#include <QStringList>

#include <cstdio>

namespace {

int fail(const QString& message) {
    std::fprintf(stderr, "make_cp932_text: error: %s\n", message.toLocal8Bit().constData());
    return 1;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: make_cp932_text INPUT OUTPUT\n");
        return 2;
    }
    const QString input = QString::fromLocal8Bit(argv[1]);
    const QString output = QString::fromLocal8Bit(argv[2]);

    QFile source(input);
    if (!source.open(QIODevice::ReadOnly)) return fail(QStringLiteral("cannot read ") + input);
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString text = utf8.decode(source.readAll());
    if (utf8.hasError()) return fail(input + QStringLiteral(": not valid UTF-8"));
    if (text.startsWith(QChar(0xFEFF))) text.remove(0, 1);

    QStringList lines = text.split(QLatin1Char('\n'));
    if (text.endsWith(QLatin1Char('\n'))) lines.removeLast();

    QByteArray bytes;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        QString line = lines[i];
        if (line.endsWith(QLatin1Char('\r'))) line.chop(1);
        const QByteArray encoded = platform::toCp932(line);
        if (platform::fromCp932(encoded) != line)
            return fail(QStringLiteral("%1:%2: a character has no Shift_JIS code: %3").arg(input).arg(i + 1).arg(line));
        bytes += encoded;
        bytes += "\r\n";
    }

    QSaveFile target(output);
    if (!target.open(QIODevice::WriteOnly) || target.write(bytes) != bytes.size() || !target.commit())
        return fail(QStringLiteral("cannot write ") + output);
    return 0;
}
