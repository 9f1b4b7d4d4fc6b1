#include "reports/report_file.h"

#include "app/context.h"
#include "app/safe_write.h"

#include <QDir>
#include <QFile>

namespace {

// Characters that Windows file systems refuse as well: the txt folder may
// lie on such a drive, or be copied to one.
const QString kRefusedCharacters = QStringLiteral(":*?\"<>|");

bool HasRefusedCharacter(const QString& name) {
    for (const QChar c : name)
        if (c.unicode() < 0x20 || c.unicode() == 0x7F || kRefusedCharacters.contains(c)) return true;
    return false;
}

// The reason for a name that cannot be used, or the empty text.
QString ProblemOf(const QString& name) {
    if (name.contains(QLatin1Char('\\')) || name.contains(QLatin1Char('/')))
        return QStringLiteral("フォルダの区切り(\\ や /)を含まない，ファイル名だけを指定してください。");
    if (name == QStringLiteral(".") || name == QStringLiteral(".."))
        return QStringLiteral("「.」と「..」はフォルダを表す名前です。");
    if (HasRefusedCharacter(name))
        return QStringLiteral("ファイル名には次の文字と制御文字は使えません。\r\n: * ? \" < > |");
    if (QFile::encodeName(name).size() > kMaxFileNameBytes) return QStringLiteral("ファイル名が長すぎます。");
    return {};
}

}  // namespace

std::optional<QString> ReportFileNameProblem(const QString& name) {
    if (name.isEmpty()) return QStringLiteral("出力ファイル名を指定してください。");
    const QString problem = ProblemOf(name);
    if (problem.isEmpty()) return std::nullopt;
    return QStringLiteral("出力ファイル名「") + name + QStringLiteral("」は使えません。\r\n") + problem;
}

QString ReportPath(const QString& name) { return AppPath(QStringLiteral("txt") + QDir::separator() + name); }

std::optional<QString> WriteReport(const QStringList& lines, const QString& name) {
    if (std::optional<QString> problem = ReportFileNameProblem(name)) return problem;
    return WriteFilesForUser({{ReportPath(name), lines, 0}});
}
