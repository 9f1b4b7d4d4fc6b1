#include "reports/report_text.h"

#include "app/sjis_text.h"

bool IsWholeYear(const ReportValues& values) { return values.rangeIndex == 0; }

int QueryMonth(const ReportValues& values) { return IsWholeYear(values) ? 0 : values.month; }

QString PeriodSubject(const ReportValues& values, const QString& subject) {
    QString period = QString::number(values.year) + QStringLiteral("年");
    if (!IsWholeYear(values)) period += QString::number(values.month) + QStringLiteral("月");
    return period + QStringLiteral("の") + subject;
}

QString PeriodFileName(const ReportValues& values, const QString& suffix) {
    const QString period =
        IsWholeYear(values) ? QStringLiteral("all") : QStringLiteral("%1").arg(values.month, 2, 10, QLatin1Char('0'));
    return QString::number(values.year) + QStringLiteral("_") + period + suffix;
}

ReportQuestion QuestionFor(const QString& subjectWithPeriod, const QString& defaultName) {
    return {subjectWithPeriod + QStringLiteral("をテキストファイルに出力します。") + kCrLf + kCrLf +
                QStringLiteral("出力ファイル名を指定してください。"),
            QStringLiteral("出力ファイル名を指定"), defaultName};
}

QString TitleMonth(const ReportValues& values) {
    return IsWholeYear(values) ? QString() : RightAlign(values.month, 2) + QStringLiteral("月");
}

QString TitleUserAndDbFile(const ReportValues& values) {
    return QStringLiteral(" ユーザー名＝[") + values.userName + QStringLiteral("]") +
           QStringLiteral(" DBファイル名＝[") + values.dbFileName + QStringLiteral("]");
}
