// The import dialog's controls with their captions and places.
#include "ui/common/controls.h"
#include "ui/import/frm_import.h"

#include <QHeaderView>

namespace {

constexpr int kTwipsPerPixel = 15;

// This dialog has no places measured in twips; it is laid out in pixels.
QRect At(int left, int top, int width, int height) {
    return TwipsRect(left * kTwipsPerPixel, top * kTwipsPerPixel, width * kTwipsPerPixel, height * kTwipsPerPixel);
}

// A caption whose access key gives the focus to the control beside it.
void Caption(QWidget* parent, const QString& name, const QString& caption, QWidget* buddy, const QRect& place) {
    auto* label = MakeLabel(parent, name, caption, 0, 0);
    label->setGeometry(place);
    label->setBuddy(buddy);
}

QComboBox* MakeComboBox(QWidget* parent, const QString& name, const QRect& place) {
    auto* box = new QComboBox(parent);
    box->setObjectName(name);
    box->setGeometry(place);
    return box;
}

QCheckBox* MakeCheckBox(QWidget* parent, const QString& name, const QString& caption, const QRect& place) {
    auto* box = new QCheckBox(caption, parent);
    box->setObjectName(name);
    box->setGeometry(place);
    return box;
}

// A table of whole rows, read only, in the fixed-width font.
QTableWidget* MakeTable(QWidget* parent, const QString& name, const QStringList& headings, const QRect& place) {
    auto* table = new QTableWidget(0, static_cast<int>(headings.size()), parent);
    table->setObjectName(name);
    table->setGeometry(place);
    table->setFont(FixedWidthFont());
    table->setHorizontalHeaderLabels(headings);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->verticalHeader()->hide();
    table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 4);
    table->horizontalHeader()->setStretchLastSection(true);
    return table;
}

}  // namespace

void FrmImport::PlaceControls() {
    setFixedSize(1200, 780);
    cmdChooseFile =
        MakeButton(this, QStringLiteral("cmdChooseFile"), QStringLiteral("ファイル選択(&F)..."), At(8, 8, 150, 30));
    lblFileName = MakeValueLabel(this, QStringLiteral("lblFileName"), QString(), At(166, 10, 1026, 26));
    PlaceColumnFrame();
    PlaceTabs();
    PlaceLineFrame();
}

void FrmImport::PlaceColumnFrame() {
    FrameColumns = MakeFrame(this, QStringLiteral("FrameColumns"), QStringLiteral("列の指定"), At(8, 44, 1184, 124));
    cboLayout = MakeComboBox(FrameColumns, QStringLiteral("cboLayout"), At(130, 22, 220, 26));
    Caption(FrameColumns, QStringLiteral("lblLayout"), QStringLiteral("保存した指定(&L)"), cboLayout,
            At(10, 24, 118, 22));
    cmdSaveLayout = MakeButton(FrameColumns, QStringLiteral("cmdSaveLayout"), QStringLiteral("この指定を保存(&S)"),
                               At(360, 20, 160, 30));
    spnHeaderLines = new QSpinBox(FrameColumns);
    spnHeaderLines->setObjectName(QStringLiteral("spnHeaderLines"));
    spnHeaderLines->setGeometry(At(640, 22, 60, 26));
    spnHeaderLines->setRange(0, 20);
    Caption(FrameColumns, QStringLiteral("lblHeaderLines"), QStringLiteral("見出し行数(&H)"), spnHeaderLines,
            At(540, 24, 98, 22));

    cboDateColumn = MakeComboBox(FrameColumns, QStringLiteral("cboDateColumn"), At(130, 56, 220, 26));
    Caption(FrameColumns, QStringLiteral("lblDateColumn"), QStringLiteral("日付の列(&D)"), cboDateColumn,
            At(10, 58, 118, 22));
    cboTextColumn = MakeComboBox(FrameColumns, QStringLiteral("cboTextColumn"), At(480, 56, 220, 26));
    Caption(FrameColumns, QStringLiteral("lblTextColumn"), QStringLiteral("内容の列(&T)"), cboTextColumn,
            At(370, 58, 108, 22));

    optSigned =
        MakeOption(FrameColumns, QStringLiteral("optSigned"), QStringLiteral("金額が1列(&Y)"), At(10, 90, 118, 24));
    cboAmountColumn = MakeComboBox(FrameColumns, QStringLiteral("cboAmountColumn"), At(130, 90, 220, 26));
    chkPositiveOut = MakeCheckBox(FrameColumns, QStringLiteral("chkPositiveOut"), QStringLiteral("正の金額は支払(&P)"),
                                  At(360, 90, 170, 24));
    optPair = MakeOption(FrameColumns, QStringLiteral("optPair"), QStringLiteral("出金・入金の2列(&Z)"),
                         At(540, 90, 150, 24));
    cboOutColumn = MakeComboBox(FrameColumns, QStringLiteral("cboOutColumn"), At(760, 90, 180, 26));
    Caption(FrameColumns, QStringLiteral("lblOutColumn"), QStringLiteral("出金(&O)"), cboOutColumn,
            At(700, 92, 58, 22));
    cboInColumn = MakeComboBox(FrameColumns, QStringLiteral("cboInColumn"), At(1000, 90, 174, 26));
    Caption(FrameColumns, QStringLiteral("lblInColumn"), QStringLiteral("入金(&N)"), cboInColumn, At(946, 92, 52, 22));
    amountGroup = new QButtonGroup(this);
    amountGroup->addButton(optSigned, 0);
    amountGroup->addButton(optPair, 1);
}

void FrmImport::PlaceTabs() {
    tabs = new QTabWidget(this);
    tabs->setObjectName(QStringLiteral("tabs"));
    tabs->setGeometry(At(8, 176, 1184, 404));
    tblPreview =
        MakeTable(nullptr, QStringLiteral("tblPreview"),
                  {QStringLiteral("行"), QStringLiteral("日付"), QStringLiteral("内容"), QStringLiteral("金額"),
                   QStringLiteral("入出"), QStringLiteral("取引"), QStringLiteral("詳細"), QStringLiteral("摘要"),
                   QStringLiteral("割合"), QStringLiteral("状態")},
                  At(0, 0, 1176, 372));
    tabs->addTab(tblPreview, QStringLiteral("明細(&M)"));

    auto* rulePage = new QWidget;
    tblRules = MakeTable(rulePage, QStringLiteral("tblRules"),
                         {QStringLiteral("入出"), QStringLiteral("含む文字"), QStringLiteral("取引"),
                          QStringLiteral("詳細"), QStringLiteral("割合")},
                         At(4, 4, 1000, 360));
    cmdRuleChange =
        MakeButton(rulePage, QStringLiteral("cmdRuleChange"), QStringLiteral("変更(&G)"), At(1016, 4, 150, 34));
    cmdRuleDelete =
        MakeButton(rulePage, QStringLiteral("cmdRuleDelete"), QStringLiteral("削除(&R)"), At(1016, 46, 150, 34));
    tabs->addTab(rulePage, QStringLiteral("ルール(&U)"));

    auto* importPage = new QWidget;
    tblImports = MakeTable(importPage, QStringLiteral("tblImports"),
                           {QStringLiteral("日時"), QStringLiteral("読んだ行"), QStringLiteral("登録"),
                            QStringLiteral("除外"), QStringLiteral("状態"), QStringLiteral("ファイル")},
                           At(4, 4, 1000, 360));
    cmdVoidImport =
        MakeButton(importPage, QStringLiteral("cmdVoidImport"), QStringLiteral("取り消し(&V)"), At(1016, 4, 150, 34));
    tabs->addTab(importPage, QStringLiteral("取り込み履歴(&K)"));
}

void FrmImport::PlaceLineFrame() {
    FrameLine = MakeFrame(this, QStringLiteral("FrameLine"), QStringLiteral("選んだ行の取引"), At(8, 588, 900, 184));
    lstLineTrade = MakeListBox(FrameLine, QStringLiteral("lstLineTrade"), At(10, 44, 300, 130));
    Caption(FrameLine, QStringLiteral("lblLineTrade"), QStringLiteral("取引(&J)"), lstLineTrade, At(10, 22, 200, 20));
    lstLineDetail = MakeListBox(FrameLine, QStringLiteral("lstLineDetail"), At(320, 44, 260, 130));
    Caption(FrameLine, QStringLiteral("lblLineDetail"), QStringLiteral("取引詳細(&B)"), lstLineDetail,
            At(320, 22, 200, 20));
    txtLineSummary = MakeTextBox(FrameLine, QStringLiteral("txtLineSummary"), At(590, 44, 300, 28));
    Caption(FrameLine, QStringLiteral("lblLineSummary"), QStringLiteral("摘要(&E)"), txtLineSummary,
            At(590, 22, 200, 20));
    txtLinePercent = MakeTextBox(FrameLine, QStringLiteral("txtLinePercent"), At(590, 100, 60, 28));
    txtLinePercent->setAttribute(Qt::WA_InputMethodEnabled, false);
    Caption(FrameLine, QStringLiteral("lblLinePercent"), QStringLiteral("割合(分類D)(&W)"), txtLinePercent,
            At(590, 78, 200, 20));
    chkLineLeftOut = MakeCheckBox(FrameLine, QStringLiteral("chkLineLeftOut"), QStringLiteral("この行を除外(&X)"),
                                  At(590, 140, 200, 24));

    lblCounts = MakeValueLabel(this, QStringLiteral("lblCounts"), QString(), At(920, 596, 272, 26));
    cmdImport = MakeButton(this, QStringLiteral("cmdImport"), QStringLiteral("取り込み(&I)"), At(920, 632, 272, 60));
    cmdClose = MakeButton(this, QStringLiteral("cmdClose"), QStringLiteral("閉じる(&C)"), At(920, 704, 272, 60));
}
