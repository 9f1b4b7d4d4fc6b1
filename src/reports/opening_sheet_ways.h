#pragma once
// The line added to every refusal for want of a year's opening balance
// sheet: both ways the opening balance screen has to make one.
#include <QString>

inline const QString kOpeningSheetWays = QStringLiteral(
    "貸借対照表 期首情報登録の画面で，「初期データ作成」を押すか，"
    "前年度の期首データがあれば「前年度から繰越」を押すと作成できます。");
