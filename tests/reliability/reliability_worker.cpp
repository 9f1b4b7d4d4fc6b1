// The child the reliability tests start on an installation: "start" starts the menu, each
// box shown going to standard error; "run" starts as the program does, locks included, tells
// "up" when the menu is up and then waits, quits by 終了 of the menu ("quit") or of a working
// screen ("quit-begining", "quit-trade"), or closes the menu ("close"); "record", "correct" and
// "recreate" work through the store for ever, telling on standard output each piece of work
// done before the next begins; a third argument pauses that many milliseconds after each, as a
// user between two entries.
#include "app/context.h"
#include "fake_desktop.h"
#include "platform/system_seams.h"
#include "sqlite/result_table.h"
#include "startup/start_up.h"
#include "store/db_file.h"
#include "store/opening_balance_store.h"
#include "store/trade_store.h"
#include "ui/menu/frm_menu.h"
#include "ui/opening_balance/frm_begining.h"
#include "ui/trade/frm_trade.h"

#include <QApplication>
#include <QTimer>

#include <unistd.h>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>

static void Tell(const QString& line) {
    const QByteArray bytes = (line + u'\n').toUtf8();
    if (::write(STDOUT_FILENO, bytes.constData(), bytes.size()) != bytes.size()) std::_Exit(3);
}

struct StderrDialogs final : platform::Dialogs {
    void messageBox(const QString& text, const QString& title) override {
        std::fputs(("box " + title + ": " + text + u'\n').toUtf8().constData(), stderr);  // unbuffered
    }
    bool yesNoBox(const QString& text, const QString& title, platform::DefaultAnswer) override {
        return messageBox(text, title), true;
    }
    QString inputBox(const QString& text, const QString& title, const QString&) override {
        return messageBox(text, title), QString();
    }
    QString openFileName(const QString& title, const QString& folder, const QString&) override {
        return messageBox(folder, title), QString();
    }
};

// The worker ends by exit() from inside its work, as the program does, or by
// a kill: what is still allocated then is no leak.
extern "C" const char* __lsan_default_options() { return "detect_leaks=0"; }

int main(int argc, char* argv[]) {
    if (argc < 3) return 64;
    const std::string mode = argv[1];
    static StderrDialogs dialogs;
    static RecordingServices services;
    static platform::ExitProcess processEnd;
    static platform::SystemClock clock;
    ctx().desktop = {&dialogs, &services, &services, &services, &processEnd, &clock};
    SetExeFolder(QString::fromLocal8Bit(argv[2]) + "/bin");
    ctx().runLogPath = QString::fromLocal8Bit(argv[2]) + "/log/log_worker.txt";
    if (mode == "start" || mode == "run") {
        // Qt's own notes are no box of the program: they go to standard output.
        qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString& text) { Tell(text); });
        QApplication application(argc, argv);
        if (mode == "start") return FrmMenu().start(), 0;
        RunStartUp(InstalledLibraries());
        FrmMenu menu;
        menu.start();
        Tell("up");
        const std::string then = argc > 3 ? argv[3] : "wait";
        if (then == "quit") menu.cmdEnd_Click();
        if (then == "quit-begining") menu.frmBegining()->cmdEnd_Click();
        if (then == "quit-trade") menu.frmTrade()->cmdEnd_Click();
        if (then == "close") QTimer::singleShot(0, &menu, &QWidget::close);
        return QApplication::exec();
    }
    if (QString error; !DBFileOpen(AppPath("db/velmo.sqlite3"), error)) return 2;
    for (int i = 0; mode == "record" || mode == "correct" || mode == "recreate"; ++i) {
        if (mode == "record") {  // transactions of 2030, each with the next seq of its day
            const int month = 1 + (i / 28) % 12, day = 1 + i % 28;
            const std::optional<int> seq = DBRecordT_Trade(2030, month, day, "14", "01", QStringLiteral("k%1").arg(i),
                                                           QString::number(i + 1), "100");
            if (!seq) return 65;
            Tell(QStringLiteral("R %1 %2 %3 k%4 %5").arg(month).arg(day).arg(*seq).arg(i).arg(i + 1));
            if (argc > 3) std::this_thread::sleep_for(std::chrono::milliseconds(std::atoi(argv[3])));
        } else if (mode == "correct") {  // corrections of the 20 transactions of 2031/01/01, one yen more each
            const int seq = 1 + i % 20, money = FindColumn(DBSelTradeRecord("2031/01/01", seq), 1, "money").toInt();
            DBUpdT_TradeWithHistory("2031/01/01", seq, "14", "01", "c", QString::number(money + 1), "100");
            Tell(QStringLiteral("C %1 %2").arg(seq).arg(money + 1));
        } else {  // re-creations of 2032, account 100 holding the history version to come
            const int version = DBSelBSHistoryMaxNum("2032", "100") + 1;
            DBUpdBS_Begining("2032", "100", QString::number(version));
            DBRecreateBS_Begining("2032", true);
            Tell(QStringLiteral("B %1").arg(version));
        }
    }
    return 64;
}
