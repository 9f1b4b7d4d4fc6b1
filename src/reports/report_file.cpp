#include "reports/report_file.h"

#include "app/context.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>

namespace {

// Characters that Windows file systems refuse as well: the txt folder may
// lie on such a drive, or be copied to one.
const QString kRefusedCharacters = QStringLiteral(":*?\"<>|");

bool HasRefusedCharacter(const QString& name) {
    for (const QChar c : name)
        if (c.unicode() < 0x20 || c.unicode() == 0x7F || kRefusedCharacters.contains(c)) return true;
    return false;
}

// Names Windows keeps for its devices, whatever follows the first ".": a
// report so named could never be opened or copied there.
bool IsDeviceName(const QString& name) {
    static const QRegularExpression device(QStringLiteral("^(con|prn|aux|nul|com[1-9]|lpt[1-9])(\\..*)?$"),
                                           QRegularExpression::CaseInsensitiveOption);
    return device.match(name).hasMatch();
}

// Windows drops a "." or a blank at the end of a file name: the report
// would arrive there under another name, or none at all.
bool EndsInDotOrBlank(const QString& name) {
    return name.endsWith(QLatin1Char('.')) || name.endsWith(QLatin1Char(' '));
}

// The name as a message echoes it: a pasted page of text would push the
// message past the screen, so a long one is cut, never inside a character.
QString EchoedName(const QString& name) {
    constexpr qsizetype kEchoedLength = 30;
    if (name.size() <= kEchoedLength + 1) return name;
    qsizetype cut = kEchoedLength;
    if (name[cut - 1].isHighSurrogate()) --cut;
    return name.left(cut) + QStringLiteral("…");
}

// The reason for a name that cannot be used, or the empty text.
QString ProblemOf(const QString& name) {
    if (name.contains(QLatin1Char('\\')) || name.contains(QLatin1Char('/')))
        return QStringLiteral("フォルダの区切り(\\ や /)を含まない，ファイル名だけを指定してください。");
    if (name == QStringLiteral(".") || name == QStringLiteral(".."))
        return QStringLiteral("「.」と「..」はフォルダを表す名前です。");
    if (EndsInDotOrBlank(name))
        return QStringLiteral("ファイル名の最後に「.」や空白は使えません（Windowsでは取り除かれてしまいます）。");
    if (HasRefusedCharacter(name))
        return QStringLiteral("ファイル名には次の文字と制御文字は使えません。\r\n: * ? \" < > |");
    if (IsDeviceName(name))
        return QStringLiteral("Windowsで装置を表す名前(CON，PRN，AUX，NUL，COM1～COM9，LPT1～LPT9)は使えません。");
    if (QFile::encodeName(name).size() > kMaxFileNameBytes) return QStringLiteral("ファイル名が長すぎます。");
    return {};
}

}  // namespace

std::optional<QString> ReportFileNameProblem(const QString& name) {
    if (name.isEmpty()) return QStringLiteral("出力ファイル名を指定してください。");
    const QString problem = ProblemOf(name);
    if (problem.isEmpty()) return std::nullopt;
    return QStringLiteral("出力ファイル名「") + EchoedName(name) + QStringLiteral("」は使えません。\r\n") + problem;
}

QString ReportPath(const QString& name) { return AppPath(QStringLiteral("txt") + QDir::separator() + name); }

std::optional<QString> WriteReport(const QStringList& lines, const QString& name) {
    return WriteReport(SourceOf(lines), name);
}

std::optional<QString> WriteReport(const LineSource& lines, const QString& name) {
    if (std::optional<QString> problem = ReportFileNameProblem(name)) return problem;
    return WriteFilesForUser({{ReportPath(name), lines}});
}
