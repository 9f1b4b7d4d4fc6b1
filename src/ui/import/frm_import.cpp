// The import dialog: choosing the file, naming its columns and previewing
// its lines.
#include "ui/import/frm_import.h"

#include "app/context.h"
#include "app/desktop_calls.h"
#include "app/error_trap.h"
#include "app/message_box.h"
#include "app/paths.h"
#include "app/run_log.h"
#include "app/settings.h"
#include "ui/common/controls.h"

#include <QDir>

namespace {

const QString kSettingsSection = QStringLiteral("import");
const QString kFolderKey = QStringLiteral("folder");

QTableWidgetItem* Cell(const QString& text, Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter) {
    auto* item = new QTableWidgetItem(text);
    item->setTextAlignment(alignment);
    return item;
}

}  // namespace

FrmImport::FrmImport(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmImport"));
    setWindowTitle(QStringLiteral("CSV入力　銀行・カードの明細から取引を登録"));
    PlaceControls();
    WireHandlers();
}

void FrmImport::WireHandlers() {
    connect(cmdChooseFile, &QPushButton::clicked, this, &FrmImport::cmdChooseFile_Click);
    connect(cboLayout, &QComboBox::activated, this, &FrmImport::cboLayout_Click);
    connect(cmdSaveLayout, &QPushButton::clicked, this, &FrmImport::cmdSaveLayout_Click);
    connect(spnHeaderLines, &QSpinBox::valueChanged, this, &FrmImport::Columns_Change);
    for (QComboBox* box : {cboDateColumn, cboTextColumn, cboAmountColumn, cboOutColumn, cboInColumn})
        connect(box, &QComboBox::activated, this, &FrmImport::Columns_Change);
    connect(amountGroup, &QButtonGroup::idToggled, this, [this](int, bool checked) {
        if (checked) Columns_Change();
    });
    connect(chkPositiveOut, &QCheckBox::clicked, this, &FrmImport::Columns_Change);
    connect(tblPreview, &QTableWidget::itemSelectionChanged, this, &FrmImport::tblPreview_SelChange);
    connect(lstLineTrade, &ListBox::Click, this, &FrmImport::lstTrade_Click);
    connect(lstLineDetail, &ListBox::Click, this, &FrmImport::lstTradeDetail_Click);
    connect(txtLineSummary, &QLineEdit::editingFinished, this, &FrmImport::txtSummary_Change);
    connect(txtLinePercent, &QLineEdit::editingFinished, this, &FrmImport::txtPercent_Change);
    connect(chkLineLeftOut, &QCheckBox::clicked, this, &FrmImport::chkLeaveOut_Click);
    connect(cmdRuleChange, &QPushButton::clicked, this, &FrmImport::cmdRuleChange_Click);
    connect(cmdRuleDelete, &QPushButton::clicked, this, &FrmImport::cmdRuleDelete_Click);
    connect(cmdVoidImport, &QPushButton::clicked, this, &FrmImport::cmdVoidImport_Click);
    connect(cmdImport, &QPushButton::clicked, this, &FrmImport::cmdImport_Click);
    connect(cmdClose, &QPushButton::clicked, this, &QDialog::reject);
}

void FrmImport::LogEntry(const QString& procedure) const { WriteLog(QStringLiteral("■frmImport.") + procedure); }

bool FrmImport::Run(int fiscalYear) {
    TrapRunTimeErrors([&] {
        LogEntry(QStringLiteral("Form_Load"));
        changedBooks_ = false;
        path_.clear();
        records_.clear();
        lines_.clear();
        books_ = LoadImportBooks(fiscalYear);
        layouts_ = SavedLayouts();
        lblFileName->clear();
        FillColumnChoices();
        ShowLayout({});
        FillTradeList();
        FillPreview();
        FillRules();
        FillImports();
        tabs->setCurrentIndex(0);
    });
    exec();
    return changedBooks_;
}

void FrmImport::cmdChooseFile_Click() {
    TrapRunTimeErrors([this] {
        LogEntry(QStringLiteral("cmdChooseFile_Click"));
        QString folder = ReadSetting(kSettingsSection, kFolderKey, ctx().appFolder);
        if (!QDir(folder).exists()) folder = ctx().appFolder;
        const QString path = AskOpenFileName(QStringLiteral("取り込む明細のCSVファイル"), folder,
                                             QStringLiteral("CSVファイル (*.csv *.CSV);;すべてのファイル (*)"));
        if (path.isEmpty()) return;
        WriteSetting(kSettingsSection, kFolderKey, QDir::toNativeSeparators(FolderOf(path)));
        LoadStatement(path);
    });
}

void FrmImport::LoadStatement(const QString& path) {
    WriteLog(QStringLiteral("CSV入力ファイル:") + QDir::toNativeSeparators(path));
    StatementRecords read = ReadStatementRecords(path);
    if (!read.problem.isEmpty()) {
        ShowMessage(read.problem);
        return;
    }
    path_ = path;
    records_ = std::move(read.records);
    lblFileName->setText(QDir::toNativeSeparators(path));
    FillColumnChoices();
    // The layout used last fits a statement from the same bank best.
    if (!layouts_.empty()) {
        cboLayout->setCurrentIndex(1);
        ShowLayout(layouts_.front());
    } else {
        cboLayout->setCurrentIndex(0);
        ShowLayout(GuessLayout(records_));
    }
    Repreview();
}

void FrmImport::FillColumnChoices() {
    const bool was = std::exchange(showing_, true);
    cboLayout->clear();
    cboLayout->addItem(QStringLiteral("（見出しから推測）"));
    for (const ColumnLayout& layout : layouts_) cboLayout->addItem(layout.name);
    const QStringList header = HeaderOf(records_, spnHeaderLines->value());
    qsizetype columns = header.size();
    for (const CsvRecord& record : records_) columns = std::max(columns, record.fields.size());
    for (QComboBox* box : {cboDateColumn, cboTextColumn, cboAmountColumn, cboOutColumn, cboInColumn}) {
        const int current = box->currentIndex();
        box->clear();
        box->addItem(QStringLiteral("（なし）"));
        for (qsizetype i = 0; i < columns; ++i)
            box->addItem(QString::number(i + 1) + QStringLiteral(": ") + header.value(i).simplified());
        box->setCurrentIndex(std::max(current, 0) < box->count() ? std::max(current, 0) : 0);
    }
    showing_ = was;
}

void FrmImport::ShowLayout(const ColumnLayout& layout) {
    const bool was = std::exchange(showing_, true);
    spnHeaderLines->setValue(layout.headerLines);
    FillColumnChoices();
    const auto show = [](QComboBox* box, int column) { box->setCurrentIndex(column < box->count() ? column : 0); };
    show(cboDateColumn, layout.dateColumn);
    show(cboTextColumn, layout.textColumn);
    show(cboAmountColumn, layout.amountColumn);
    show(cboOutColumn, layout.outColumn);
    show(cboInColumn, layout.inColumn);
    chkPositiveOut->setChecked(layout.positiveIsOut);
    (UsesPair(layout) && layout.outColumn + layout.inColumn > 0 ? optPair : optSigned)->setChecked(true);
    showing_ = was;
}

ColumnLayout FrmImport::ShownLayout() const {
    ColumnLayout layout;
    layout.name = cboLayout->currentIndex() > 0 ? cboLayout->currentText() : QString();
    layout.headerLines = spnHeaderLines->value();
    layout.dateColumn = cboDateColumn->currentIndex();
    layout.textColumn = cboTextColumn->currentIndex();
    if (optPair->isChecked()) {
        layout.outColumn = cboOutColumn->currentIndex();
        layout.inColumn = cboInColumn->currentIndex();
    } else {
        layout.amountColumn = cboAmountColumn->currentIndex();
        layout.positiveIsOut = chkPositiveOut->isChecked();
    }
    return layout;
}

void FrmImport::cboLayout_Click(int index) {
    TrapRunTimeErrors([&] {
        LogEntry(QStringLiteral("cboLayout_Click"));
        ShowLayout(index > 0 ? layouts_[static_cast<size_t>(index - 1)] : GuessLayout(records_));
        Repreview();
    });
}

void FrmImport::Columns_Change() {
    if (showing_) return;
    TrapRunTimeErrors([this] {
        // The header's names follow the number of header lines.
        FillColumnChoices();
        Repreview();
    });
}

void FrmImport::cmdSaveLayout_Click() {
    TrapRunTimeErrors([this] {
        LogEntry(QStringLiteral("cmdSaveLayout_Click"));
        ColumnLayout layout = ShownLayout();
        if (layout.dateColumn == 0 || layout.textColumn == 0 || ColumnsNeeded(layout) == 0) {
            ShowMessage(QStringLiteral("日付・内容・金額の列を指定してから保存してください。"));
            return;
        }
        layout.name = AskText(QStringLiteral("この列の指定に名前を付けて保存します（銀行名やカード名など）。"),
                              kAppTitle, layout.name)
                          .trimmed();
        if (layout.name.isEmpty()) return;
        SaveLayout(layout);
        layouts_ = SavedLayouts();
        FillColumnChoices();
        cboLayout->setCurrentIndex(1);
    });
}

// The lines read again through the columns shown, the user's earlier choices forgotten.
void FrmImport::Repreview() {
    const ColumnLayout layout = ShownLayout();
    const bool complete = layout.dateColumn > 0 && layout.textColumn > 0 &&
                          (UsesPair(layout) ? layout.outColumn > 0 || layout.inColumn > 0 : layout.amountColumn > 0);
    lines_ = complete ? Preview(records_, layout, books_) : std::vector<PreviewLine>{};
    FillPreview();
}

// The statuses again after a change of a line, a rule or the books.
void FrmImport::RefreshLines() {
    ApplyRules(lines_, books_);
    UpdateStatuses(lines_, books_);
    FillPreview();
}

void FrmImport::FillPreview() {
    const bool was = std::exchange(showing_, true);
    QList<int> selected;
    for (const QModelIndex& index : tblPreview->selectionModel()->selectedRows()) selected << index.row();
    tblPreview->setRowCount(static_cast<int>(lines_.size()));
    const Qt::Alignment right = Qt::AlignRight | Qt::AlignVCenter;
    int toRecord = 0;
    for (int row = 0; row < static_cast<int>(lines_.size()); ++row) {
        const PreviewLine& l = lines_[static_cast<size_t>(row)];
        const bool readable = l.status != LineStatus::Unreadable;
        const auto trade = books_.trades.find(l.tradeCd);
        const auto detail = books_.details.find({l.tradeCd, l.detailCd});
        const QString cells[] = {
            QString::number(l.line),
            readable ? l.date.toString(QStringLiteral("yyyy/MM/dd")) : l.dateText,
            QString(l.text).replace(QLatin1Char('\n'), QLatin1Char(' ')).remove(QLatin1Char('\r')),
            readable ? QString::number(l.amount) : QString(),
            readable ? DirectionName(l.direction) : QString(),
            trade == books_.trades.end() ? QString() : l.tradeCd + QLatin1Char(' ') + trade->second.name,
            detail == books_.details.end() ? QString() : l.detailCd + QLatin1Char(' ') + detail->second.name,
            l.summary,
            TakesPercentage(books_, l.tradeCd) ? l.rate : QString(),
            StatusText(l),
        };
        for (int column = 0; column < static_cast<int>(std::size(cells)); ++column)
            tblPreview->setItem(
                row, column,
                Cell(cells[column],
                     column == 0 || column == 3 || column == 8 ? right : Qt::AlignLeft | Qt::AlignVCenter));
        if (l.status == LineStatus::ToRecord) ++toRecord;
    }
    tblPreview->resizeColumnsToContents();
    QItemSelection restored;
    for (const int row : selected)
        if (row < tblPreview->rowCount())
            restored.select(tblPreview->model()->index(row, 0), tblPreview->model()->index(row, 0));
    tblPreview->selectionModel()->select(restored, QItemSelectionModel::Select | QItemSelectionModel::Rows);
    lblCounts->setText(QStringLiteral("登録する行 ") + QString::number(toRecord) + QStringLiteral("／全 ") +
                       QString::number(lines_.size()) + QStringLiteral(" 行"));
    cmdImport->setEnabled(toRecord > 0);
    showing_ = was;
}
