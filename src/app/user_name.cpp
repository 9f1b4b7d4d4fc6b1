#include "app/user_name.h"

#include "app/settings.h"
#include "app/sjis_text.h"

QString UserNameProblem(const QString& name) {
    for (const QChar c : name) {
        if (c.category() == QChar::Other_Control)
            return QStringLiteral("氏名にタブや改行などの制御文字は使えません。\r\n入力し直してください。");
    }
    const QString lost = CharactersOutsideShiftJis(name);
    if (!lost.isEmpty())
        return QStringLiteral("氏名に次の文字は使えません（Shift_JISで保存できません）。\r\n\r\n　") +
               ShownCharacters(lost) + QStringLiteral("\r\n\r\n別の文字に置き換えてください。");
    if (ByteLength(name) > kSettingMaxBytes)
        return QStringLiteral("氏名が長すぎます。半角") + QString::number(kSettingMaxBytes) +
               QStringLiteral("文字（全角はその半分）までにしてください。");
    return {};
}
