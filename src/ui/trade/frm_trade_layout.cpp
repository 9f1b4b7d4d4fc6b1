// The transaction screen's controls with their captions and places.
#include "ui/common/byte_counter.h"
#include "ui/common/controls.h"
#include "ui/trade/frm_trade.h"
#include "ui/trade/record_heading.h"

#include <QLocale>

#include <algorithm>
#include <initializer_list>

namespace {

constexpr int kMonthFontPixelSize = 12;

const QString kRecordHeading = QStringLiteral(
    "　　　日付　　　　　　連番　取　詳   摘要　　　　　　　　　　　　　　　　　　　　　　　　　　　　 　金額　 割合");

// A caption in the screen's own font, which its place was measured for.
QLabel* MakeCaption(QWidget* parent, const QString& name, const QString& caption, const QRect& twips) {
    auto* label = MakeLabel(parent, name, caption, 0, 0);
    label->setFont(parent->font());
    label->setGeometry(twips);
    // The font here may be wider than the one the place was measured for.
    label->resize(std::max(label->width(), label->sizeHint().width()), label->height());
    return label;
}

}  // namespace

void FrmTrade::PlaceControls() {
    // Taller than first laid out by the search frame's strip along the bottom.
    setFixedSize(TwipsRect(0, 0, 16515, 11415).size());
    cmdToMenu->setGeometry(TwipsRect(14160, 0, 1395, 435));
    cmdEnd->setGeometry(TwipsRect(15600, 0, 915, 435));
    // Tab follows the order the controls are made in.
    PlaceEntryFrame();
    PlaceRecordFrame();
    PlaceOutputFrames();
    PlaceSearchFrame();
}

void FrmTrade::PlaceEntryFrame() {
    lblYear = MakeValueLabel(this, QStringLiteral("lblYear"), QStringLiteral("2020"), TwipsRect(120, 120, 795, 315));
    lblGengou =
        MakeValueLabel(this, QStringLiteral("lblGengou"), QStringLiteral("令和2"), TwipsRect(960, 120, 975, 315));
    MakeCaption(this, QStringLiteral("Label2_1"), QStringLiteral("年度"), TwipsRect(2040, 180, 495, 195));
    // Its first place lies inside the widened file-output frame; it stands
    // in the free space beside the frame of the receiving program's data.
    cmdInputCSV = MakeButton(this, QStringLiteral("cmdInputCSV"), QStringLiteral("CSV入力(&C)"),
                             TwipsRect(13560, 8040, 1635, 375));
    frmImport = new FrmImport(this);

    Frame6 = MakeFrame(this, QStringLiteral("Frame6"), QStringLiteral("登録・更新"), TwipsRect(240, 540, 16155, 4455));
    lstMonth = MakeListBox(Frame6, QStringLiteral("lstMonth"), TwipsRect(120, 780, 495, 2595));
    // The twelve months fit the list's place in a slightly smaller size of the font.
    QFont monthFont = FixedWidthFont();
    monthFont.setPixelSize(kMonthFontPixelSize);
    lstMonth->setFont(monthFont);
    lstMonth->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    lstMonth->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // The month of the calendar, which always has one.
    lstMonth->KeepRow();
    Calendar = new MonthCalendar(Frame6);
    Calendar->setObjectName(QStringLiteral("Calendar"));
    Calendar->setGeometry(TwipsRect(600, 180, 3735, 3555));
    Calendar->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    Calendar->setFirstDayOfWeek(Qt::Sunday);
    Calendar->setLocale(QLocale(QLocale::Japanese, QLocale::Japan));
    cmdSetToday = MakeButton(Frame6, QStringLiteral("cmdSetToday"), QStringLiteral("今日を選択"),
                             TwipsRect(1860, 3660, 1095, 375));

    MakeCaption(Frame6, QStringLiteral("Label1_1"), QStringLiteral("取引一覧"), TwipsRect(4380, 300, 915, 195));
    lstTrade = MakeListBox(Frame6, QStringLiteral("lstTrade"), TwipsRect(4380, 540, 3555, 3570));
    MakeCaption(Frame6, QStringLiteral("Label1_2"), QStringLiteral("取引詳細一覧"), TwipsRect(8040, 300, 1275, 195));
    lstTradeDetail = MakeListBox(Frame6, QStringLiteral("lstTradeDetail"), TwipsRect(7980, 540, 3315, 2790));
    MakeCaption(Frame6, QStringLiteral("Label1_4"), QStringLiteral("摘要 (ひらがな入力モード) 30バイトまで"),
                TwipsRect(8040, 3360, 3255, 195));
    txtTradeDetail = MakeTextBox(Frame6, QStringLiteral("txtTradeDetail"), TwipsRect(7980, 3600, 3315, 375));
    cmdClear[1] =
        MakeButton(Frame6, QStringLiteral("cmdClear_1"), QStringLiteral("クリア"), TwipsRect(10560, 3960, 735, 315));
    // In the free space below the summary, left of its clear button.
    MakeByteCounter(Frame6, QStringLiteral("lblTradeDetailBytes"), txtTradeDetail, kSummaryMaxBytes,
                    TwipsRect(7980, 3990, 2520, 255));

    MakeCaption(Frame6, QStringLiteral("Label1_0"), QStringLiteral("金額一覧"), TwipsRect(11520, 1140, 795, 195));
    lstMoney = MakeListBox(Frame6, QStringLiteral("lstMoney"), TwipsRect(11640, 1380, 495, 1860));
    MakeCaption(Frame6, QStringLiteral("Label1_3"), QStringLiteral("金額"), TwipsRect(11400, 3360, 435, 195));
    txtMoney = MakeNumberBox(Frame6, QStringLiteral("txtMoney"), TwipsRect(11340, 3600, 1635, 375));
    txtMoney->setToolTip(QStringLiteral("支払/請求/注文/入金の金額"));
    txtMoney->setText(QStringLiteral("0"));
    cmdClear[0] = MakeButton(Frame6, QStringLiteral("cmdClear_0"), QStringLiteral("金額クリア"),
                             TwipsRect(11940, 3960, 1035, 315));

    lblPercentList = MakeCaption(Frame6, QStringLiteral("lblPercentList"), QStringLiteral("割合一覧"),
                                 TwipsRect(12960, 1140, 795, 195));
    lstPercent = MakeListBox(Frame6, QStringLiteral("lstPercent"), TwipsRect(13020, 1380, 495, 1860));
    lblPercent =
        MakeCaption(Frame6, QStringLiteral("lblPercent"), QStringLiteral("割合"), TwipsRect(13140, 3360, 495, 255));
    txtPercent = MakeNumberBox(Frame6, QStringLiteral("txtPercent"), TwipsRect(13020, 3600, 735, 375));
    txtPercent->setToolTip(QStringLiteral("事業で使用した割合"));
    txtPercent->setText(QStringLiteral("0"));
    lblPercentOnly =
        MakeCaption(Frame6, QStringLiteral("lblPercentOnly"), QStringLiteral("％"), TwipsRect(13800, 3720, 255, 195));
    cmdClear[2] =
        MakeButton(Frame6, QStringLiteral("cmdClear_2"), QStringLiteral("クリア"), TwipsRect(13080, 3960, 675, 315));
    // Amounts and percentages are digits: no input method in between.
    for (QLineEdit* box : {txtMoney, txtPercent}) box->setAttribute(Qt::WA_InputMethodEnabled, false);

    lblAbst =
        MakeCaption(Frame6, QStringLiteral("lblAbst"), QStringLiteral("摘要一覧"), TwipsRect(13980, 1080, 915, 195));
    cmdEditList =
        MakeButton(Frame6, QStringLiteral("cmdEditList"), QStringLiteral("編集"), TwipsRect(15060, 1020, 675, 315));
    lstAbst = MakeListBox(Frame6, QStringLiteral("lstAbst"), TwipsRect(13980, 1320, 1755, 1425));
    // What is typed where a list of presets or phrases has the focus chooses
    // nothing: it would replace the box's text without a word.
    for (ListBox* presets : {lstMoney, lstPercent, lstAbst}) presets->NoTypeToSearch();
    // Enter leads from the summary to the amount, the percentage and 登録;
    // the presets, phrases and clear buttons beside them are for the mouse and Tab.
    for (QWidget* helper : std::initializer_list<QWidget*>{lstMoney, lstPercent, lstAbst, cmdEditList, cmdClear[0],
                                                           cmdClear[1], cmdClear[2]})
        PassedOverByEnter(helper);
    ShowPhraseList(false);

    cmdInsert =
        MakeButton(Frame6, QStringLiteral("cmdInsert"), QStringLiteral("登録(&I)"), TwipsRect(14100, 2820, 1035, 1395));
    cmdUpdate =
        MakeButton(Frame6, QStringLiteral("cmdUpdate"), QStringLiteral("更新(&U)"), TwipsRect(15180, 2820, 855, 1395));
}

void FrmTrade::PlaceRecordFrame() {
    Frame3 =
        MakeFrame(this, QStringLiteral("Frame3"), QStringLiteral("取引記録一覧"), TwipsRect(240, 5160, 9735, 5055));
    auto* frame4 = MakeFrame(Frame3, QStringLiteral("Frame4"), QStringLiteral("期間"), TwipsRect(240, 240, 2775, 555));
    auto* frame5 =
        MakeFrame(Frame3, QStringLiteral("Frame5"), QStringLiteral("取引・取引詳細"), TwipsRect(3120, 240, 5115, 555));
    rangeGroup = new QButtonGroup(this);
    tradeGroup = new QButtonGroup(this);
    const QString ranges[] = {QStringLiteral("年間"), QStringLiteral("指定月"), QStringLiteral("指定日")};
    const QString filters[] = {QStringLiteral("すべての取引"), QStringLiteral("指定の取引CD"),
                               QStringLiteral("指定の取引詳細CD")};
    const int rangeLefts[] = {120, 960, 1860};
    const int filterLefts[] = {120, 1560, 3120};
    for (int i = 0; i < 3; ++i) {
        optRange[i] = MakeOption(frame4, QStringLiteral("optRange_%1").arg(i), ranges[i],
                                 TwipsRect(rangeLefts[i], 240, 855, 255));
        optTrade[i] = MakeOption(frame5, QStringLiteral("optTrade_%1").arg(i), filters[i],
                                 TwipsRect(filterLefts[i], 240, 1935, 255));
        rangeGroup->addButton(optRange[i], i);
        tradeGroup->addButton(optTrade[i], i);
    }

    auto* heading = new RecordHeading(kRecordHeading, Frame3);
    heading->setObjectName(QStringLiteral("Label3_0"));
    heading->setFont(FixedWidthFont());
    heading->setGeometry(TwipsRect(240, 840, 7515, 255));
    lstTradeRecord = MakeListBox(Frame3, QStringLiteral("lstTradeRecord"), TwipsRect(240, 1080, 7935, 3570));
    MakeCaption(Frame3, QStringLiteral("Label1_8"), QStringLiteral("選択した行を"), TwipsRect(8280, 1200, 1095, 195));
    cmdDelRecord = MakeButton(Frame3, QStringLiteral("cmdDelRecord"), QStringLiteral("論理削除(&D)"),
                              TwipsRect(8280, 1440, 1275, 495));
    cmdUnselect = MakeButton(Frame3, QStringLiteral("cmdUnselect"), QStringLiteral("選択解除(&U)"),
                             TwipsRect(8280, 2040, 1275, 495));

    lblDesc =
        MakeCaption(Frame3, QStringLiteral("lblDesc"), QStringLiteral("(取引CDが分類Dのときは「金額×割合」の合計)"),
                    TwipsRect(240, 4740, 4815, 195));
    lblSumTitle =
        MakeCaption(Frame3, QStringLiteral("lblSumTitle"), QStringLiteral("合計"), TwipsRect(5400, 4740, 495, 195));
    lblSum =
        MakeValueLabel(Frame3, QStringLiteral("lblSum"), QStringLiteral("\\1000"), TwipsRect(5940, 4680, 2235, 315));
    lblSum->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
}

void FrmTrade::PlaceOutputFrames() {
    auto* frame2 =
        MakeFrame(this, QStringLiteral("Frame2"), QStringLiteral("ファイル出力"), TwipsRect(10080, 5400, 6255, 2415));
    lblTerm = MakeCaption(frame2, QStringLiteral("lblTerm"), QStringLiteral("当月の"), TwipsRect(120, 300, 1095, 195));
    // Two columns: the period's reports, then the year-end reports in the
    // frame widened into the free space at the screen's right edge.
    MakeCaption(frame2, QStringLiteral("Label7_0"), QStringLiteral("当年度の"), TwipsRect(3360, 300, 1095, 195));
    const struct {
        const char* labelName;
        QString label;
        const char* buttonName;
        QPushButton* FrmTrade::*button;
        QString caption;
        int column;
        int top;
    } reports[] = {
        {"Label5_0", QStringLiteral("仕訳帳を"), "cmdWriteFileJournal", &FrmTrade::cmdWriteFileJournal,
         QStringLiteral("出力(&J)"), 0, 540},
        {"Label5_1", QStringLiteral("取引記録を"), "cmdWriteFileTrade", &FrmTrade::cmdWriteFileTrade,
         QStringLiteral("出力(&T)"), 0, 990},
        {"Label5_2", QStringLiteral("当年度の総勘定元帳を"), "cmdWriteFileGeneralLedger",
         &FrmTrade::cmdWriteFileGeneralLedger, QStringLiteral("出力(&G)"), 0, 1440},
        {"Label5_3", QStringLiteral("当年度の保険料を"), "cmdWriteFileInsurance", &FrmTrade::cmdWriteFileInsurance,
         QStringLiteral("出力(&H)"), 0, 1890},
        {"Label7_1", QStringLiteral("試算表を"), "cmdWriteFileTrialBalance", &FrmTrade::cmdWriteFileTrialBalance,
         QStringLiteral("出力(&S)"), 1, 540},
        {"Label7_2", QStringLiteral("月別試算表を"), "cmdWriteFileMonthlyTrialBalance",
         &FrmTrade::cmdWriteFileMonthlyTrialBalance, QStringLiteral("出力(&B)"), 1, 990},
        {"lblWriteFileHistory", QStringLiteral("訂正削除履歴を"), "cmdWriteFileHistory", &FrmTrade::cmdWriteFileHistory,
         QStringLiteral("出力(&R)"), 1, 1440},
    };
    const int labelLeft[] = {120, 3360};
    const int labelWidth[] = {2115, 1800};
    const int buttonLeft[] = {2280, 5220};
    for (const auto& report : reports) {
        MakeCaption(frame2, QString::fromLatin1(report.labelName), report.label,
                    TwipsRect(labelLeft[report.column], report.top + 60, labelWidth[report.column], 195));
        this->*report.button = MakeButton(frame2, QString::fromLatin1(report.buttonName), report.caption,
                                          TwipsRect(buttonLeft[report.column], report.top, 915, 375));
    }

    auto* frame1 = MakeFrame(this, QStringLiteral("Frame1"), QStringLiteral("ルパかんたん会計のデータを作成"),
                             TwipsRect(10080, 7980, 3315, 1575));
    MakeCaption(frame1, QStringLiteral("Label6_0"), QStringLiteral("取引記録から"), TwipsRect(120, 300, 1095, 195));
    MakeCaption(frame1, QStringLiteral("Label6_1"), QStringLiteral("data03ca.txtとdata03no.txtを"),
                TwipsRect(120, 780, 3075, 195));
    cmdRupaFiles =
        MakeButton(frame1, QStringLiteral("cmdRupaFiles"), QStringLiteral("作成(&M)"), TwipsRect(2280, 240, 915, 375));
    MakeCaption(frame1, QStringLiteral("Label6_2"), QStringLiteral("出力先フォルダを"),
                TwipsRect(120, 1080, 1455, 195));
    cmdOpenFolder = MakeButton(frame1, QStringLiteral("cmdOpenFolder"), QStringLiteral("開く(&O)"),
                               TwipsRect(2280, 1020, 915, 375));
}
