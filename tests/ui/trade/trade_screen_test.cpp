// The transaction screen and the import dialog it opens, driven offscreen from
// the menu as a user would, what the user saw and what was stored written into
// transcripts kept as files.
#include "golden_log.h"
#include "platform/cp932.h"
#include "screen_fixture.h"
#include "ui/common/controls.h"
#include "ui/import/frm_import.h"
#include "ui/opening_balance/frm_begining.h"
#include "ui/trade/frm_trade.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QMenu>
#include <QRegularExpression>
#include <QSpinBox>
#include <QTableView>
#include <QTableWidget>
#include <QTest>
#include <QToolButton>

#include <cstdlib>
#include <map>

namespace {

void OnTradeScreen(MenuFixture& f, const QString& year, const std::function<void(FrmTrade&)>& steps) {
    OpenScreen(f, f.menu->frmTrade(), Qt::Key_T, year, [&] { steps(*f.menu->frmTrade()); });
}
QListWidget* List(QWidget& s, const QString& name) { return Find<QListWidget>(&s, name); }
QLineEdit* Box(QWidget& s, const char* name) { return Find<QLineEdit>(&s, name); }
QWidget* Control(QWidget& s, const QString& name) { return Find<QWidget>(&s, name); }
QCalendarWidget* Calendar(QWidget& s) { return Find<QCalendarWidget>(&s, "Calendar"); }
void Click(QWidget& s, const QString& name) { QTest::mouseClick(Control(s, name), Qt::LeftButton); }
// Clicks the trade, then its detail.
void Pick(QWidget& s, const QString& trade, const QString& detail) {
    ClickListItem(List(s, "lstTrade"), trade);
    ClickListItem(List(s, "lstTradeDetail"), detail);
}

QTableView* Days(QCalendarWidget* calendar) { return calendar->findChild<QTableView*>("qt_calendar_calendarview"); }

// The date of a cell of the shown page: the shown month lies between the
// first and the second day 1, the grey days around it belong to its neighbours.
QDate DateOfCell(QCalendarWidget* calendar, const QModelIndex& cell) {
    int firsts = 0;
    for (int row = 1; row < cell.model()->rowCount(); ++row)  // row 0: the weekdays
        for (int column = 0; column < cell.model()->columnCount(); ++column) {
            const int day = cell.model()->index(row, column).data().toInt();
            firsts += day == 1;
            if (row == cell.row() && column == cell.column())
                return QDate(calendar->yearShown(), calendar->monthShown(), 1).addMonths(firsts - 1).addDays(day - 1);
        }
    return {};
}

// The day the calendar shows highlighted; none when it highlights none, or several.
QDate ShownSelected(QCalendarWidget* calendar) {
    const QModelIndexList cells = Days(calendar)->selectionModel()->selectedIndexes();
    return cells.size() == 1 ? DateOfCell(calendar, cells.first()) : QDate();
}

// The cell of the date on the shown page; none when the page does not show it.
QModelIndex CellOf(QCalendarWidget* calendar, const QDate& date) {
    const QAbstractItemModel* model = Days(calendar)->model();
    for (int row = 1; row < model->rowCount(); ++row)
        for (int column = 0; column < model->columnCount(); ++column)
            if (DateOfCell(calendar, model->index(row, column)) == date) return model->index(row, column);
    return {};
}

void ClickCell(QCalendarWidget* calendar, const QDate& date) {
    const QModelIndex cell = CellOf(calendar, date);
    QVERIFY2(cell.isValid(), "day not shown");
    QTest::mouseClick(Days(calendar)->viewport(), Qt::LeftButton, {}, Days(calendar)->visualRect(cell).center());
}

// Turns the calendar to the date's month with its arrows and clicks the day.
void ClickDay(QCalendarWidget* calendar, const QDate& date) {
    const int months = (date.year() - calendar->yearShown()) * 12 + date.month() - calendar->monthShown();
    auto* arrow = calendar->findChild<QToolButton*>(months < 0 ? "qt_calendar_prevmonth" : "qt_calendar_nextmonth");
    for (int page = 0; page < std::abs(months); ++page) QTest::mouseClick(arrow, Qt::LeftButton);
    ClickCell(calendar, date);
}

// A step of the user on the calendar: "prev" or "next" (its arrows), a key
// on its days, "month N" from its month menu, "year N" typed into its year
// selector, or "day N" clicked on the shown month.
void Page(QCalendarWidget* calendar, const QString& step) {
    const QString arg = step.section(' ', 1);
    if (step == "prev" || step == "next")
        return QTest::mouseClick(calendar->findChild<QToolButton*>("qt_calendar_" + step + "month"), Qt::LeftButton);
    if (step.startsWith("day "))
        return ClickCell(calendar, {calendar->yearShown(), calendar->monthShown(), arg.toInt()});
    if (step.startsWith("month ")) {
        for (QAction* month : calendar->findChild<QToolButton*>("qt_calendar_monthbutton")->menu()->actions())
            if (month->data().toInt() == arg.toInt()) return month->trigger();
        QFAIL("no such month");
    }
    if (step.startsWith("year ")) {
        QTest::mouseClick(calendar->findChild<QToolButton*>("qt_calendar_yearbutton"), Qt::LeftButton);
        auto* year = calendar->findChild<QSpinBox*>("qt_calendar_yearedit");
        QTest::keyClick(year, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(year, arg);
        return QTest::keyClick(year, Qt::Key_Return);
    }
    const std::map<QString, Qt::Key> keys{{"PageUp", Qt::Key_PageUp}, {"PageDown", Qt::Key_PageDown},
                                          {"Left", Qt::Key_Left},     {"Right", Qt::Key_Right},
                                          {"Up", Qt::Key_Up},         {"Down", Qt::Key_Down}};
    Days(calendar)->setFocus();
    QTest::keyClick(Days(calendar), keys.at(step));
}

// How often the calendar's handler ran: its entries in the run log.
qsizetype CalendarRuns() { return RunLogBytes().count(Sjis("■frmTrade.Calendar_NewMonth")); }

// Opened and played since the last call, the busy pointer's count, the files in txt.
QStringList Outside(TempInstall& install) {
    RecordingServices& s = install.desktop.services;
    const QString txt = QDir(install.path("txt")).entryList(QDir::Files).join(' ');
    const QStringList lines{"opened " + s.opened.join(' '), "played " + s.played.join(' '),
                            QString("busy %1/%2 txt: %3").arg(s.busyBegun).arg(s.busyEnded).arg(txt)};
    s.opened.clear(), s.played.clear();
    return lines;
}

// The day shown selected, the selections, the boxes, the controls shown, the record list.
QStringList Shown(FrmTrade& s) {
    QString line = ShownSelected(Calendar(s)).toString(Qt::ISODate);
    for (const char* list : {"lstMonth", "lstTrade", "lstTradeDetail"})
        line += " [" + (List(s, list)->currentItem() ? List(s, list)->currentItem()->text() : QString()) + ']';
    for (const char* box : {"txtTradeDetail", "txtMoney", "txtPercent"}) line += " [" + Box(s, box)->text() + ']';
    for (const char* name : {"cmdSetToday", "txtPercent", "cmdEditList", "lblTerm", "lblSum", "lblDesc", "lstAbst"}) {
        QWidget* control = Control(s, name);
        if (control->isHidden()) continue;
        line += QString(" ") + name + (control->isEnabled() ? "" : "(off)");
        if (auto* label = qobject_cast<QLabel*>(control)) line += '=' + label->text();
        if (auto* list = qobject_cast<QListWidget*>(control)) line += '(' + ItemTexts(list).join('/') + ')';
    }
    QStringList lines{line};
    const QListWidget* records = List(s, "lstTradeRecord");
    for (int row = 0; row < records->count(); ++row)
        lines << (row == records->currentRow() ? "> " : "  ") + records->item(row)->text();
    return lines;
}

// The handlers' entry lines that the run log gained since the last call.
QStringList NewEntries(const TempInstall& install, qsizetype& seen) {
    const QString log = install.runLog();
    QStringList entries;
    for (const QString& line : log.mid(seen).split("\r\n"))
        if (line.contains(QChar(0x25A0))) entries << line.mid(9);
    seen = log.size();
    return entries;
}

// A click on the empty part of the list, below its last row.
void ClickBelowRows(QListWidget* list) {
    const QRect last = list->visualItemRect(list->item(list->count() - 1));
    QVERIFY(last.bottom() + 4 < list->viewport()->height());
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, QPoint(last.center().x(), last.bottom() + 4));
}

void ClickTableRow(QTableWidget* table, int row) {
    QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, table->visualItemRect(table->item(row, 2)).center());
}

// The shown month and its days drawn in the colour of Sundays.
QString RedDays(QCalendarWidget* calendar) {
    const QColor red = calendar->weekdayTextFormat(Qt::Sunday).foreground().color();
    const QDate first(calendar->yearShown(), calendar->monthShown(), 1);
    QString line = first.toString("yyyy-M") + " red:";
    for (QDate day = first; day.month() == first.month(); day = day.addDays(1))
        if (CellOf(calendar, day).data(Qt::ForegroundRole).value<QColor>() == red)
            line += ' ' + QString::number(day.day());
    return line;
}

// The &-letters of the screen's own captions (its dialogs have keys of their own), a letter that
// several use followed by how many.
QString AccessKeys(QWidget* screen) {
    static const QRegularExpression key("&([A-Z])");
    std::map<QChar, int> uses;
    for (QWidget* control : screen->findChildren<QWidget*>()) {
        const auto* button = qobject_cast<QAbstractButton*>(control);
        const auto* label = qobject_cast<QLabel*>(control);
        const QRegularExpressionMatch match = key.match(button ? button->text() : label ? label->text() : QString());
        if (control->window() == screen && match.hasMatch()) ++uses[match.captured(1).at(0)];
    }
    QString line = "access keys";
    for (const auto& [letter, count] : uses)
        line += ' ' + (count > 1 ? QString("%1x%2").arg(letter).arg(count) : letter);
    return line;
}

// One step of the user, a word and what it acts on: "click LIST ROW" ("ctrl" with Ctrl held; ROW may be
// "current"), "item LIST START" (the first row that starts so), "pick TRADE DETAIL", "row TABLE N", "press
// CONTROL" (a mouse click), "key K" (its access key), "type BOX TEXT" (committed over the box's text), "send BOX
// TEXT" (key by key), "focus CONTROL"; where the focus is, "Enter" or "keypad" (its Enter, then settled), "chars
// TEXT" and "keys K ..." (QKeySequence names); "beside LIST" (below its rows), "day YYYY-MM-DD" (paged to by the
// calendar's arrows), "time HH:MM:SS" on 2026-12-05, "sql STATEMENTS" as a database tool runs them, and "yes",
// "no", "answer TEXT" or "file PATH" (in the installation; none cancels) for the next box.
void Act(MenuFixture& f, QWidget& s, const QString& step) {
    const QString word = step.section(' ', 0, 0), on = step.section(' ', 1, 1), rest = step.section(' ', 2);
    FakeDialogs& dialogs = f.install.desktop.dialogs;
    if (word == "click" || word == "ctrl")
        return ClickListRow(List(s, on), rest == "current" ? List(s, on)->currentRow() : rest.toInt(),
                            word == "ctrl" ? Qt::ControlModifier : Qt::NoModifier);
    if (word == "item") return ClickListItem(List(s, on), rest);
    if (word == "pick") return Pick(s, on + ' ', rest + ' ');
    if (word == "press") return Click(s, on);
    if (word == "key") return PressAccessKey(&s, QKeySequence(on)[0].key());
    if (word == "type") return Type(Find<QLineEdit>(&s, on), rest);
    if (word == "focus") return Control(s, on)->setFocus();
    if (word == "send") return TypeKeys(Control(s, on), rest);
    if (word == "Enter" || word == "keypad") return PressEnter(word == "keypad");
    if (word == "chars") return QTest::keyClicks(QApplication::focusWidget(), step.section(' ', 1));
    if (word == "beside") return ClickBelowRows(List(s, on));
    if (word == "row") return ClickTableRow(Find<QTableWidget>(&s, on), rest.toInt());
    if (word == "day") return ClickDay(Calendar(s), QDate::fromString(on, Qt::ISODate));
    if (word == "time") return f.install.setTime("2026-12-05T" + on);
    if (word == "sql") return f.install.exec(step.section(' ', 1));
    if (word == "yes" || word == "no") return dialogs.yesNoAnswers.push_back(word == "yes");
    if (word == "answer") return dialogs.inputAnswers.push_back(step.section(' ', 1));
    if (word == "file") return dialogs.fileAnswers.push_back(on.isEmpty() ? on : f.install.path(on));
    if (word != "keys") throw MissingControl{"step " + step};
    for (const QString& name : step.section(' ', 1).split(' ')) {
        const QKeyCombination key = QKeySequence(name)[0];
        QTest::keyClick(QApplication::focusWidget(), key.key(), key.keyboardModifiers());
    }
}

// The steps in order; "see WHAT" tells `see` WHAT instead.
void Steps(MenuFixture& f, QWidget& s, const QStringList& steps, const std::function<void(const QString&)>& see) {
    for (const QString& step : steps) step.startsWith("see") ? see(step.mid(4)) : Act(f, s, step);
}

// The boxes shown so far, then the control's name and each of its rows: a table's cells joined by
// |, a choice list's items with the chosen one marked.
void LogControl(MenuFixture& f, QWidget* dialog, const QString& name) {
    LogDialogs(f.install.desktop.dialogs.shown);
    QWidget* control = Find<QWidget>(dialog, name);
    QStringList rows{name};
    if (const auto* table = qobject_cast<QTableWidget*>(control))
        for (int row = 0; row < table->rowCount(); ++row) {
            QStringList cells;
            for (int column = 0; column < table->columnCount(); ++column)
                cells << (table->item(row, column) ? table->item(row, column)->text() : QString());
            rows << cells.join('|');
        }
    if (const auto* choices = qobject_cast<QComboBox*>(control))
        for (int i = 0; i < choices->count(); ++i)
            rows << (i == choices->currentIndex() ? "> " : "  ") + choices->itemText(i);
    LogResult(rows);
}

// The transcript against its file.
void CompareWithGolden(MenuFixture& f, const QStringList& transcript, const char* name) {
    QCOMPARE(TranscriptDiff(QString("ui/trade/") + name, f.install, transcript), std::string());
}

}  // namespace

class TradeScreenTest : public QObject {
    Q_OBJECT

private slots:
    // In the current year: the today button, a trade kept across the return
    // from the menu with its fixed percentage, seqs 1 to 3 on a date and 4
    // after voiding 3, corrections with their questions and history, a
    // declined one, 登録 while a record is loaded (asked first), unselecting,
    // voiding, and the history report of it all. Questions that change stored
    // data answer No to Enter, and show the yen mark of an amount as ¥.
    void recordingCorrectingVoidingAndTheirHistory() {
        MenuFixture f;
        QStringList out;
        for (const QStringList& steps : StepFile("ui/trade/recording.steps"))
            OnTradeScreen(f, "2026", [&](FrmTrade& s) {
                Steps(f, s, steps, [&](const QString& what) {
                    out << TakeBoxes(f.install.desktop.dialogs);
                    out << (what.isEmpty() ? Shown(s) : Outside(f.install));
                });
            });
        QCOMPARE(GoldenDiff("ui/trade/history.txt", f.install.readBytes("txt/履歴.txt")), std::string());
        out << f.install.rows("select * from t_trade") << f.install.rows("select * from t_trade_history");
        CompareWithGolden(f, out, "recording.txt");
    }

    // Outside the current year the calendar opens on 1 January, its month
    // highlighted also after a showing on December of the current year; an
    // arrow, a key and a click on the day already selected each run the
    // calendar's handler once, and the same day with the same options does
    // not refresh the list again (the run log). Then each period and filter,
    // another class's total without the explanation, a day without
    // transactions; a shared trade's details with their rates, the presets,
    // and the empty line between the groups (a fixed 100). Last, the calendar
    // paged from end to end of the year by its arrows, keys and selectors,
    // with an entry recorded after each step: nothing leaves the year, a page
    // selects the same day of its month (the last when shorter), and every
    // entry is stored on the day the calendar showed selected.
    void theCalendarPeriodsAndFiltersChooseTheRecordsListed() {
        MenuFixture f;
        f.install.exec(DataText("ui/trade/records.sql"));
        const QList<QStringList> steps = StepFile("ui/trade/records.steps");
        QStringList out, recorded;
        const auto step = [&](FrmTrade& s, const QString& user) {
            const qsizetype runs = CalendarRuns();
            Page(Calendar(s), user);
            out << QString("%1: runs %2, %3").arg(user).arg(CalendarRuns() - runs).arg(Shown(s).first());
        };
        OnTradeScreen(f, "2026", [](FrmTrade&) {});
        OnTradeScreen(f, "2020", [&](FrmTrade& s) {
            out << ItemTexts(List(s, "lstTrade")).join('/') << Shown(s).first();  // the groups apart
            ClickListRow(List(s, "lstMonth"), 4);
            for (const char* user : {"prev", "PageDown", "day 1"}) step(s, user);
            Click(s, "optRange_0");
            step(s, "day 1");
            QCOMPARE(LogDiff("ui/trade/opening.log", f.install, "frmTrade"), std::string());
            // The records shown after a step, "boxes" the boxes instead, "details" the details first.
            Steps(f, s, steps[0], [&](const QString& what) {
                if (what == "boxes") return void(out << TakeBoxes(f.install.desktop.dialogs));
                if (!what.isEmpty()) out << (what == "details" ? ItemTexts(List(s, "lstTradeDetail")).join('/') : what);
                out << Shown(s);
            });
            int money = 0;
            for (const QString& user : steps[1]) {
                step(s, user);
                Type(Box(s, "txtTradeDetail"), QString("頁%1").arg(++money));
                Type(Box(s, "txtMoney"), QString::number(money));
                recorded << ShownSelected(Calendar(s)).toString("yyyy\tM\td\t") + QString::number(money);
                PressAccessKey(&s, Qt::Key_I);
            }
        });
        QCOMPARE(
            f.install.rows("select year, month, day, money from t_trade where detail_name like '頁%' order by money"),
            recorded);
        CompareWithGolden(f, out, "records.txt");
    }

    // Each check of an entry with its message and the control it sends the
    // user to; the clear buttons; what must not be stored: the 1000th of a
    // date, a record whose trade or detail left the lists; the presets with every
    // digit of the master. Then the phrase lists: the general one (ASCII), a
    // detail's (Shift_JIS), one in UTF-8 (the user may open it or go without)
    // and a missing one; the edit button opens the selection's file.
    void entryChecksRefusalsAndPhraseLists() {
        MenuFixture f;
        f.install.exec("insert into m_money values (1500)");
        f.install.exec(
            "insert into t_trade values (2020,4,5,1,'50','01','電気代',4000,30,1,''),"
            " (2020,4,5,2,'99','01','旧取引',100,100,1,''), (2020,4,5,3,'14','09','旧詳細',200,100,1,''),"
            " (2020,12,31,999,'14','01','電車代',100,100,1,'')");
        f.install.writeBytes("bin/List-.txt", "Fares\r\n\r\nTaxi\r\n");
        f.install.writeBytes("bin/List14-01.txt", Sjis("電車代(打合せ)\r\nバス代\r\n"));
        f.install.writeBytes("bin/List14-02.txt", QString("バス代\r\n").toUtf8());
        FakeDialogs& dialogs = f.install.desktop.dialogs;
        const QList<QStringList> steps = StepFile("ui/trade/checks.steps");
        QStringList out;
        OnTradeScreen(f, "2020", [&](FrmTrade& s) {
            // A clear button named is seen with the focus after it, "focus" only the boxes and the focus, "line"
            // the first line, "all" every line.
            const auto see = [&](const QString& what) {
                out << TakeBoxes(dialogs);
                if (what.startsWith("cmdClear")) out << what;
                if (what != "focus") out << (what == "all" ? Shown(s) : Shown(s).mid(0, 1));
                if (what != "line" && what != "all") out << "focus " + QApplication::focusWidget()->objectName();
            };
            Steps(f, s, steps[0], see);
            Box(s, "txtMoney")->setSelection(1, 2);
            Steps(f, s, steps[1], see);
            out << ItemTexts(List(s, "lstMoney")).join('|');
            Steps(f, s, steps[2], see);
        });
        out << Outside(f.install) << f.install.rows("select * from t_trade")
            << f.install.rows("select * from t_trade_history");
        CompareWithGolden(f, out, "checks.txt");
    }

    // Each report from its key: none for a cancelled name; else the report of
    // the calendar's period (trial balances: the whole year), opened, also
    // after paging the calendar past either end of the year. No
    // ledger or trial balance without the opening sheet, no folder before an
    // export; names that leave txt or that the file system refuses asked
    // again; an unwritable file explained; the export's pair; last, a history
    // copy dated 31 February (only a database tool stores one) ends in the
    // fatal-error report, with no file and the pointer restored.
    void eachReportAndExportWritesItsFileOrSaysWhyNot() {
        const QList<QStringList> table = StepFile("ui/trade/reports.steps");
        MenuFixture f("山田　太郎");
        f.install.exec(DataText("fixture_year.sql"));
        FakeDialogs& dialogs = f.install.desktop.dialogs;
        OnTradeScreen(f, "2021", [&](FrmTrade& s) {
            for (const Qt::Key key : {Qt::Key_G, Qt::Key_S, Qt::Key_B, Qt::Key_O}) PressAccessKey(&s, key);
        });
        QStringList out = TakeBoxes(dialogs);
        f.install.makeFolder("txt/取引");
        try {
            OnTradeScreen(f, "2020", [&](FrmTrade& s) {
                for (const QString& line : table[0]) {
                    const QStringList c = line.split(' ');  // the key, month, option, golden, name typed
                    ClickListRow(List(s, "lstMonth"), c[1].toInt() - 1);
                    Click(s, "optRange_" + c[2]);
                    dialogs.inputAnswers = {""};
                    PressAccessKey(&s, QKeySequence(c[0])[0].key());
                    const QString name = c.value(4, dialogs.shown.back().preset);
                    out << TakeBoxes(dialogs) << Outside(f.install);
                    dialogs.inputAnswers = {name};
                    PressAccessKey(&s, QKeySequence(c[0])[0].key());
                    out << TakeBoxes(dialogs) << Outside(f.install);
                    QCOMPARE(GoldenDiff("reports/" + c[3], f.install.readBytes("txt/" + name)), std::string());
                }
                for (const QString& line : table[1]) {
                    Page(Calendar(s), line.mid(2));
                    dialogs.inputAnswers = {""};
                    PressAccessKey(&s, QKeySequence(line.left(1))[0].key());
                    dialogs.inputAnswers = {dialogs.shown.back().preset};
                    PressAccessKey(&s, QKeySequence(line.left(1))[0].key());
                    out << line.mid(2) << TakeBoxes(dialogs) << Outside(f.install);
                }
                Steps(f, s, table[2], [&](const QString&) { out << TakeBoxes(dialogs) << Outside(f.install); });
                s.cmdWriteFileHistory_Click();  // directly: the ended process must not cross the event loop
            });
        } catch (const ProcessEnded&) {
            out << "ended" << TakeBoxes(dialogs) << Outside(f.install);
        }
        CompareWithGolden(f, out, "reports.txt");
        for (const QString file : {"data03ca.txt", "data03no.txt"})
            QCOMPARE(GoldenDiff("export/" + file, f.install.readBytes("data_for_rupa_kaikei/2020(令和2)/" + file)),
                     std::string());
    }

    // A click on the row already chosen runs its handler again, once: the
    // phrase and the amount preset fill their boxes again after recording,
    // the record reloads, the month goes to its 1st. A highlight removed by
    // Ctrl+click or a click beside the rows is no choice: voiding, correcting
    // and recording then ask for one and store nothing; the month list keeps
    // its month. What is typed in a preset or phrase list picks nothing. A clear
    // button reached by Tab removes the part selected before, then nothing
    // more once the box's text has changed.
    void listsActOnWhatTheyHighlightAndClearButtonsOnTheSelection() {
        MenuFixture f;
        f.install.writeBytes("bin/List14-01.txt", Sjis("Taxi(打合せ)\r\nバス代\r\n"));
        FakeDialogs& dialogs = f.install.desktop.dialogs;
        QStringList out;
        qsizetype seen = 0;
        const auto see = [&](FrmTrade& s, const QString& step) {
            out << "-- " + step << NewEntries(f.install, seen) << TakeBoxes(dialogs) << Shown(s)
                << "focus " + QApplication::focusWidget()->objectName();
            for (QListWidget* list : s.findChildren<QListWidget*>()) {  // never apart
                QList<QListWidgetItem*> current;
                if (list->currentItem()) current << list->currentItem();
                if (list->selectedItems() != current) out << list->objectName() + " highlights another row";
            }
        };
        OnTradeScreen(f, "2020", [&](FrmTrade& s) {
            Steps(f, s, {"day 2020-04-05", "pick 14 01"}, {});
            NewEntries(f.install, seen);
            Steps(f, s, StepFile("ui/trade/lists.steps").first(), [&](const QString& step) { see(s, step); });
            Box(s, "txtTradeDetail")->setFocus();
            for (const char* presets : {"lstMoney", "lstPercent"}) {
                for (int tab = 0; tab < 3 && QApplication::focusWidget() != List(s, presets); ++tab)
                    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
                out << "focus " + QApplication::focusWidget()->objectName();
                QTest::keyClicks(QApplication::focusWidget(), "55000");
            }
            see(s, "55000 typed in both preset lists");
        });
        out << f.install.rows("select * from t_trade");
        CompareWithGolden(f, out, "lists.txt");
    }

    // The search frame over the fixture year: refusals with the focus on the box, results in the
    // record list's own layout with their count and total, a result loaded and corrected (t_trade and
    // its history), a voided line listed but not for choosing, the report through the file-name
    // question, and 解除 back to the period. Every access key of the screen is its own.
    void searchesLoadsAResultAndCorrectsIt() {
        MenuFixture f;
        f.install.exec(DataText("fixture_year.sql"));
        QStringList out;
        OnTradeScreen(f, "2020", [&](FrmTrade& s) {
            const auto see = [&](const QString&) {
                out << TakeBoxes(f.install.desktop.dialogs) << Shown(s)
                    << "focus " + QApplication::focusWidget()->objectName();
                if (List(s, "lstTradeRecord")->count() == 2)
                    out << QString("choosable %1").arg(List(s, "lstTradeRecord")->item(1)->flags() != Qt::NoItemFlags);
            };
            Steps(f, s, StepFile("ui/trade/search.steps").first(), see);
            out << AccessKeys(&s);
            QVERIFY(s.height() < 768);
        });
        out << f.install.rows("select * from t_trade where month = 6 and day = 15")
            << f.install.rows("select * from t_trade_history");
        QCOMPARE(GoldenDiff("reports/search_2020.txt", f.install.readBytes("txt/検索.txt")), std::string());
        CompareWithGolden(f, out, "search.txt");
    }

    // Each button that opens something, with a desktop that cannot open and with one that can: the
    // boxes (the full path after the warning cue, instead of the completion's), what the desktop was
    // asked to open, the cues, and a written report's path in the run log either way.
    void eachOpeningButtonNamesWhatItCouldNotOpen() {
        for (const bool fails : {true, false}) {
            MenuFixture f;
            f.install.exec(DataText("fixture_year.sql"));
            f.install.writeBytes("bin/List14-01.txt", Sjis("電車代\r\n"));
            f.install.desktop.services.openFails = fails;
            QStringList out;
            const auto see = [&](const QString&) { out << TakeBoxes(f.install.desktop.dialogs) << Outside(f.install); };
            QTest::mouseClick(Find<QWidget>(f.menu.get(), "cmdHlp"), Qt::LeftButton);
            see({});
            OnTradeScreen(f, "2020",
                          [&](FrmTrade& s) { Steps(f, s, StepFile("ui/trade/opening.steps").first(), see); });
            OpenScreen(f, f.menu->frmBegining(), Qt::Key_B, "2020", [&] {
                QTest::mouseClick(Find<QWidget>(f.menu->frmBegining(), "cmdOpenFolder"), Qt::LeftButton);
            });
            see({});
            for (const QString& line : f.install.runLog().split("\r\n"))
                if (line.contains("出力ファイル:")) out << line.mid(9);
            CompareWithGolden(f, out, fails ? "cannot_open.txt" : "opened.txt");
        }
    }

    // The screen opened on each year and paged by its arrows, keys and month menu: the days in red are
    // the holidays and Sundays (Saturdays are not).
    void holidaysAreRedLikeSundays() {
        MenuFixture f;
        QStringList out;
        for (const QStringList& steps : StepFile("ui/trade/holidays.steps"))  // the year first, then its pages
            OnTradeScreen(f, steps.first(), [&](FrmTrade& s) {
                out << RedDays(Calendar(s));
                for (const QString& step : steps.mid(1)) Page(Calendar(s), step), out << RedDays(Calendar(s));
            });
        CompareWithGolden(f, out, "holidays.txt");
    }

    // The import dialog opened by its access key, its own on the screen: the file chosen through the
    // desktop's file dialog, the columns named by their access keys and arrow keys, trades picked in the
    // lists with a rule remembered, a line left out and the import confirmed; then the rule deleted
    // and the import voided. What the user saw, the statements and what was stored, against the file.
    void statementRecordedFromTheTransactionScreen() {
        MenuFixture f;
        f.install.makeFolder("明細");
        f.install.writeBytes("明細/bank.csv", Sjis(DataText("ui/trade/bank.csv")));
        f.install.writeBytes("明細/photo.csv", QByteArray("\x89PNG\r\n\x1A\n\x00\x00", 10));
        OnTradeScreen(f, "2026", [&](FrmTrade& s) {
            Click(s, "optRange_1");  // the month's records, after each use of the dialog
            auto* dialog = Find<FrmImport>(&s, "frmImport");
            const auto see = [&](const QString& what) {
                what.isEmpty() ? LogDialogs(f.install.desktop.dialogs.shown) : LogControl(f, dialog, what);
            };
            for (const QStringList& steps : StepFile("ui/trade/import.steps")) {
                s.activateWindow();  // back from the dialog, the user clicks into the screen again
                QVERIFY(QTest::qWaitForWindowActive(&s));
                WhileModal(
                    dialog, [&] { PressAccessKey(&s, Qt::Key_C); }, [&] { Steps(f, *dialog, steps, see); });
                LogResult(QStringList("lstTradeRecord") + ItemTexts(List(s, "lstTradeRecord")));
            }
        });
        for (const char* table : {"t_trade", "t_import_rule", "t_import"})
            LogResult(f.install.rows(QString("select * from ") + table));
        // The folder of the file is offered next time.
        LogResult(platform::fromCp932(f.install.readBytes("bin/VelmoAccount.ini")).split("\r\n"));
        QCOMPARE(LogDiff("ui/trade/import.log", f.install, "frmTrade.cmdInputCSV_Click"), std::string());
    }

private slots:
    // Two recordings by the keyboard from the summary on, phrase lists showing
    // beside the boxes: Enter and the keypad's Enter lead summary → amount
    // (→ percentage for a shared trade) → 登録, nothing is stored until Enter
    // on 登録, and the amount and percentage typed full-width, with commas
    // and a yen mark, are recorded as plain numbers with the specified log
    // lines. On the way the summary's bytes, set by a click or typed, red
    // only past 30, in free space that no other control of its frame covers.
    void recordingByEnterFromTheSummaryOn() {
        MenuFixture f;
        for (const char* list : {"bin/List-.txt", "bin/List14-01.txt", "bin/List50-01.txt"})
            f.install.writeBytes(list, Sjis("電車代\r\n電気代\r\n"));
        OnTradeScreen(f, "2026", [&](FrmTrade& s) {
            QLineEdit* summary = Box(s, "txtTradeDetail");
            auto* counter = Find<QLabel>(&s, "lblTradeDetailBytes");
            const auto state = [&](const QString& step) {
                LogResult({step, Focus(), summary->text(), Box(s, "txtMoney")->text(), Box(s, "txtPercent")->text(),
                           counter->text(), f.install.rows("select count(*) from t_trade").join(' '),
                           Control(s, "lstAbst")->isVisible() ? "phrases shown" : "no phrases"});
            };
            Pick(s, "14 ", "01 ");
            QCoreApplication::processEvents();
            QStringList counted;
            const QString wide15(15, QChar(0x96FB));
            for (const QString& typed : {wide15 + "a", wide15 + "電", wide15, QString("ﾊﾞｽ"), QString("電車代")}) {
                const bool red = counter->palette().color(QPalette::WindowText) == QColor(Qt::red);
                counted << counter->text() + (red ? " red" : "");
                summary->selectAll();
                Commit(summary, typed);
            }
            QCOMPARE(counted.join(", "), QString("6/30, 31/30 red, 32/30 red, 30/30, 3/30"));
            for (QWidget* other : counter->parentWidget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
                QVERIFY2(other == counter || other->isHidden() || !other->geometry().intersects(counter->geometry()),
                         qPrintable(other->objectName()));
            Commit(summary, "（往復）");
            Steps(f, s, StepFile("ui/trade/recording_by_enter.steps").first(), state);
        });
        LogResult(f.install.rows("select * from t_trade order by seq"));
        QCOMPARE(LogDiff("ui/trade/recording_by_enter.log", f.install, "frmTrade.lstTrade_Click"), std::string());
    }
};

QTEST_MAIN(TradeScreenTest)
#include "trade_screen_test.moc"
