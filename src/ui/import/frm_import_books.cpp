// The import dialog's work on the books: the trade lists, the rules, the
// past imports with their voiding, and recording the confirmed lines.
#include "app/desktop_calls.h"
#include "app/error_trap.h"
#include "app/hourglass.h"
#include "app/identity.h"
#include "app/message_box.h"
#include "app/run_log.h"
#include "app/sound_cue.h"
#include "store/import_store.h"
#include "store/store_common.h"
#include "store/trade_store.h"
#include "ui/common/controls.h"
#include "ui/import/frm_import.h"

#include <QDir>

#include <algorithm>

namespace {

QString CodeOf(const QListWidgetItem* item) { return item ? item->text().left(2) : QString(); }

void FillTable(QTableWidget* table, const std::vector<QStringList>& rows) {
    table->setRowCount(static_cast<int>(rows.size()));
    for (int row = 0; row < static_cast<int>(rows.size()); ++row)
        for (int column = 0; column < rows[static_cast<size_t>(row)].size(); ++column)
            table->setItem(row, column, new QTableWidgetItem(rows[static_cast<size_t>(row)][column]));
    table->resizeColumnsToContents();
}

int SelectedRow(const QTableWidget* table) {
    const QModelIndexList rows = table->selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.front().row();
}

}  // namespace

void FrmImport::FillTradeList() {
    QStringList items;
    for (const auto& [code, trade] : books_.trades) items << code + QLatin1Char(' ') + trade.name;
    ReplaceItems(lstLineTrade, items);
    FillDetailList(QString());
}

void FrmImport::FillDetailList(const QString& tradeCd) {
    QStringList items;
    for (auto it = books_.details.lower_bound({tradeCd, QString()});
         it != books_.details.end() && it->first.first == tradeCd; ++it)
        items << it->first.second + QLatin1Char(' ') + it->second.name;
    ReplaceItems(lstLineDetail, tradeCd.isEmpty() ? QStringList() : items);
}

void FrmImport::FillRules() {
    std::vector<QStringList> rows;
    for (const ImportRule& rule : books_.rules) {
        const auto trade = books_.trades.find(rule.tradeCd);
        const auto detail = books_.details.find({rule.tradeCd, rule.detailCd});
        rows.push_back(
            {DirectionName(rule.direction), rule.contains,
             rule.tradeCd + QLatin1Char(' ') + (trade == books_.trades.end() ? QString() : trade->second.name),
             rule.detailCd + QLatin1Char(' ') + (detail == books_.details.end() ? QString() : detail->second.name),
             rule.rate});
    }
    FillTable(tblRules, rows);
}

void FrmImport::FillImports() {
    const ResultTable imports = DBSelImports();
    std::vector<QStringList> rows;
    for (qsizetype row = 1; row <= RowCount(imports); ++row) {
        const QStringList f = RowFields(imports[row], 7, 1);
        rows.push_back(
            {f[2], f[3], f[4], f[5], f[6] == QStringLiteral("1") ? QStringLiteral("取り消し済み") : QString(), f[1]});
    }
    FillTable(tblImports, rows);
}

void FrmImport::cmdRuleChange_Click() {
    TrapRunTimeErrors([this] {
        LogEntry(QStringLiteral("cmdRuleChange_Click"));
        ChangeRule();
    });
}

// The rule takes a new text and, when one is chosen below, the trade and detail chosen there.
void FrmImport::ChangeRule() {
    const int row = SelectedRow(tblRules);
    if (row < 0) {
        ShowMessage(QStringLiteral("変更するルールを一つ選択してください。"));
        return;
    }
    const ImportRule rule = books_.rules[static_cast<size_t>(row)];
    const QString contains = AskText(QStringLiteral("このルールを使う行の内容に含まれる文字を入力してください。\r\n") +
                                         QStringLiteral("取引と取引詳細は、下の一覧で選んでいればそれに変わります。"),
                                     kAppTitle, rule.contains)
                                 .trimmed();
    if (contains.isEmpty()) return;
    const bool chosen = lstLineTrade->currentItem() && lstLineDetail->currentItem();
    const QString tradeCd = chosen ? CodeOf(lstLineTrade->currentItem()) : rule.tradeCd;
    const QString detailCd = chosen ? CodeOf(lstLineDetail->currentItem()) : rule.detailCd;
    DBUpdImportRule(rule.id, contains, tradeCd, detailCd,
                    TakesPercentage(books_, tradeCd) ? (chosen ? txtLinePercent->text() : rule.rate) : QString());
    books_.rules = LoadRules();
    FillRules();
    RefreshLines();
}

void FrmImport::cmdRuleDelete_Click() {
    TrapRunTimeErrors([this] {
        LogEntry(QStringLiteral("cmdRuleDelete_Click"));
        const int row = SelectedRow(tblRules);
        if (row < 0) {
            ShowMessage(QStringLiteral("削除するルールを一つ選択してください。"));
            return;
        }
        const ImportRule& rule = books_.rules[static_cast<size_t>(row)];
        if (!AskYesNo(QStringLiteral("「") + rule.contains + QStringLiteral("」を含む") +
                          DirectionName(rule.direction) +
                          QStringLiteral("のルールを削除します。\r\n\r\nよろしいですか？"),
                      platform::DefaultAnswer::No))
            return;
        DBDelImportRule(rule.id);
        books_.rules = LoadRules();
        FillRules();
        RefreshLines();
    });
}

void FrmImport::cmdVoidImport_Click() {
    TrapRunTimeErrors([this] {
        LogEntry(QStringLiteral("cmdVoidImport_Click"));
        VoidImport();
    });
}

void FrmImport::VoidImport() {
    const int row = SelectedRow(tblImports);
    if (row < 0) {
        ShowMessage(QStringLiteral("取り消す取り込みを一つ選択してください。"));
        return;
    }
    const QStringList f = RowFields(DBSelImports()[row + 1], 7, 1);
    if (f[6] == QStringLiteral("1")) {
        ShowMessage(QStringLiteral("この取り込みはすでに取り消されています。"));
        return;
    }
    if (!AskYesNo(QStringLiteral("次の取り込みで登録した取引") + f[4] +
                      QStringLiteral("件を論理削除(無効化)します。\r\n\r\n    ") + f[2] + QStringLiteral("  ") + f[1] +
                      QStringLiteral("\r\n\r\nよろしいですか？"),
                  platform::DefaultAnswer::No))
        return;
    DBVoidImport(IntegerOf(f[0]));
    changedBooks_ = true;
    books_ = LoadImportBooks(books_.fiscalYear);
    FillImports();
    RefreshLines();
}

void FrmImport::cmdImport_Click() {
    TrapRunTimeErrors([this] {
        LogEntry(QStringLiteral("cmdImport_Click"));
        RecordLines();
    });
}

// A saved layout used as it was saved comes first next time.
void FrmImport::TouchShownLayout() {
    const ColumnLayout shown = ShownLayout();
    if (std::find(layouts_.begin(), layouts_.end(), shown) == layouts_.end()) return;
    SaveLayout(shown);
    layouts_ = SavedLayouts();
    FillColumnChoices();
    cboLayout->setCurrentIndex(1);
}

void FrmImport::RecordLines() {
    UpdateStatuses(lines_, books_);
    FillPreview();
    const std::vector<ImportedTrade> trades = TradesToRecord(lines_);
    if (trades.empty()) {
        ShowMessage(QStringLiteral("登録する行がありません。"));
        return;
    }
    const QString name = QDir::toNativeSeparators(path_);
    if (!AskYesNo(QString::number(trades.size()) + QStringLiteral("件の取引を登録します。\r\n\r\n    ") + name +
                      QStringLiteral("\r\n    読んだ行 ") + QString::number(lines_.size()) +
                      QStringLiteral("　登録しない行 ") + QString::number(lines_.size() - trades.size()) +
                      QStringLiteral("\r\n\r\nよろしいですか？"),
                  platform::DefaultAnswer::No))
        return;
    {
        Hourglass hourglass;
        if (!RecordStatement(name, lines_)) {
            hourglass.restore();
            ShowMessage(QStringLiteral("1日に登録できる取引は") + QString::number(kLastAddressableSeq) +
                        QStringLiteral("件までです。これを超える日付があるため、何も登録しませんでした。"));
            return;
        }
        changedBooks_ = true;
        TouchShownLayout();
        books_ = LoadImportBooks(books_.fiscalYear);
        RefreshLines();
        FillImports();
    }
    PlaySoundCue(StartCuePath());
}
