// What the user is told when the desktop cannot open what a button asked
// for: the full path, in a message after the warning cue; and a written
// report's path in the run log either way.
#include "golden_log.h"
#include "screen_fixture.h"
#include "ui/opening_balance/frm_begining.h"
#include "ui/trade/frm_trade.h"

#include <QDir>
#include <QFile>
#include <QTest>

#include <utility>

namespace {

void Click(QWidget* screen, const char* name) { QTest::mouseClick(Find<QWidget>(screen, name), Qt::LeftButton); }

// Opens the screen for 2020 by the menu's access key and acts inside.
void In2020(MenuFixture& f, QDialog* screen, Qt::Key key, const std::function<void()>& steps) {
    Find<QLineEdit>(f.menu.get(), "txtYear")->setText(QStringLiteral("2020"));
    QApplication::setActiveWindow(f.menu.get());
    WhileModal(
        screen, [&] { PressAccessKey(f.menu.get(), key); }, steps);
}

}  // namespace

class DeadEndTest : public QObject {
    Q_OBJECT

private slots:
    // Each button that opens something, with a desktop that cannot open and with one that can: the
    // message boxes, what the desktop was asked to open, and the cues (a warning instead of completion).
    void eachOpeningButtonNamesWhatItCouldNotOpen() {
        for (const bool fails : {true, false}) {
            MenuFixture f;
            f.install.exec(DataText(QStringLiteral("fixture_year.sql")));
            f.install.writeBytes(QStringLiteral("bin/List14-01.txt"), Sjis(QStringLiteral("電車代\r\n")));
            RecordingServices& services = f.install.desktop.services;
            services.openFails = fails;
            services.played.clear();
            QStringList shown;
            const auto step = [&](QWidget* screen, const char* button) {
                services.opened.clear();
                Click(screen, button);
                QStringList boxes;
                for (const ShownBox& box : std::exchange(f.install.desktop.dialogs.shown, {}))
                    if (box.kind == QStringLiteral("ok")) boxes << box.text;
                shown << boxes.join('|') + " @" + services.opened.join('|');
            };
            step(f.menu.get(), "cmdHlp");
            FrmTrade* trade = f.menu->frmTrade();
            In2020(f, trade, Qt::Key_T, [&] {
                Click(trade, "optRange_0");
                f.install.desktop.dialogs.inputAnswers = {QStringLiteral("2020_all仕訳.txt")};
                for (const char* button : {"cmdWriteFileJournal", "cmdRupaFiles", "cmdOpenFolder"}) step(trade, button);
                ClickListItem(Find<QListWidget>(trade, "lstTrade"), QStringLiteral("14 "));
                ClickListItem(Find<QListWidget>(trade, "lstTradeDetail"), QStringLiteral("01 "));
                step(trade, "cmdEditList");
            });
            In2020(f, f.menu->frmBegining(), Qt::Key_B, [&] { step(f.menu->frmBegining(), "cmdOpenFolder"); });

            const auto told = [&](const char* what, const char* path) {
                const QString full = f.install.path(QString::fromUtf8(path));
                const QString message = QStringLiteral("次の") + QString::fromUtf8(what) +
                                        QStringLiteral("を開けませんでした。\r\n  ") + QDir::toNativeSeparators(full) +
                                        QStringLiteral("\r\nお手数ですが，この場所から直接開いてください。");
                return (fails ? message : QString()) + " @" + full;
            };
            QCOMPARE(shown,
                     (QStringList{
                         told("ファイル", "htm/00_index.htm"), told("ファイル", "txt/2020_all仕訳.txt"),
                         QStringLiteral("出力しました。 @"), told("フォルダ", "data_for_rupa_kaikei/2020(令和2)"),
                         told("ファイル", "bin/List14-01.txt"), told("フォルダ", "data_for_rupa_kaikei/2020(令和2)")}));
            const QString report = f.install.path(QStringLiteral("txt/2020_all仕訳.txt"));
            QVERIFY(QFile::exists(report));
            QCOMPARE(f.install.runLog().count(QStringLiteral("出力ファイル:") + QDir::toNativeSeparators(report)), 1);
            // The export's completion cue in both runs, the report's only when it opened.
            QCOMPARE(services.played.count(f.install.path(QStringLiteral("wav/start.wav"))), fails ? 1 : 2);
            QCOMPARE(services.played.count(f.install.path(QStringLiteral("wav/notify.wav"))), fails ? 5 : 0);
        }
    }
};

QTEST_MAIN(DeadEndTest)
#include "dead_end_test.moc"
