// What the user is told when the desktop cannot open what a button asked
// for: every button that opens something names the full path in a message,
// and a written report's path goes into the run log either way.
#include "golden_log.h"
#include "screen_fixture.h"
#include "ui/opening_balance/frm_begining.h"
#include "ui/trade/frm_trade.h"

#include <QDir>
#include <QFile>
#include <QTest>

#include <iterator>

namespace {

void Click(QWidget* screen, const char* name) { QTest::mouseClick(Find<QWidget>(screen, name), Qt::LeftButton); }

void InTrade(MenuFixture& f, const std::function<void(FrmTrade&)>& steps) {
    Find<QLineEdit>(f.menu.get(), "txtYear")->setText(QStringLiteral("2020"));
    QApplication::setActiveWindow(f.menu.get());
    WhileModal(
        f.menu->frmTrade(), [&] { PressAccessKey(f.menu.get(), Qt::Key_T); }, [&] { steps(*f.menu->frmTrade()); });
}

void InOpening(MenuFixture& f, const std::function<void(FrmBegining&)>& steps) {
    Find<QLineEdit>(f.menu.get(), "txtYear")->setText(QStringLiteral("2020"));
    QApplication::setActiveWindow(f.menu.get());
    WhileModal(
        f.menu->frmBegining(), [&] { PressAccessKey(f.menu.get(), Qt::Key_B); },
        [&] { steps(*f.menu->frmBegining()); });
}

QString CannotOpen(const char* what, const QString& path) {
    return QStringLiteral("次の") + QString::fromUtf8(what) + QStringLiteral("を開けませんでした。\r\n  ") +
           QDir::toNativeSeparators(path) + QStringLiteral("\r\nお手数ですが，この場所から直接開いてください。");
}

// The texts of the message boxes shown since the last call, without the report's name question.
QStringList Shown(MenuFixture& f) {
    QStringList texts;
    for (const ShownBox& box : f.install.desktop.dialogs.shown)
        if (box.kind != QStringLiteral("input")) texts << box.text;
    f.install.desktop.dialogs.shown.clear();
    return texts;
}

}  // namespace

class DeadEndTest : public QObject {
    Q_OBJECT

private slots:
    // Each button that opens something, with a desktop that cannot open and with one that can: the
    // boxes shown, what the desktop was asked to open, and the sounds (a warning, not completion).
    void eachOpeningButtonSaysWhatItCouldNotOpen() {
        for (const bool fails : {true, false}) {
            MenuFixture f;
            f.install.exec(DataText(QStringLiteral("fixture_year.sql")));
            f.install.writeBytes(QStringLiteral("bin/List14-01.txt"), Sjis(QStringLiteral("電車代\r\n")));
            RecordingServices& services = f.install.desktop.services;
            services.openFails = fails;
            services.played.clear();
            const QString folder = f.install.path(QStringLiteral("data_for_rupa_kaikei/2020(令和2)"));
            const QString report = f.install.path(QStringLiteral("txt/2020_all仕訳.txt"));
            const QString phrases = f.install.path(QStringLiteral("bin/List14-01.txt"));
            const QString guide = f.install.path(QStringLiteral("htm/00_index.htm"));
            const auto unless = [fails](const QString& text) { return fails ? QStringList{text} : QStringList(); };
            const struct {
                const char* step;
                QStringList boxes;
                QString opened;
            } expected[] = {
                {"cmdHlp", unless(CannotOpen("ファイル", guide)), guide},
                {"cmdWriteFileJournal", unless(CannotOpen("ファイル", report)), report},
                {"cmdRupaFiles", {QStringLiteral("出力しました。")}, QString()},
                {"cmdOpenFolder", unless(CannotOpen("フォルダ", folder)), folder},
                {"cmdEditList", unless(CannotOpen("ファイル", phrases)), phrases},
                {"frmBegining.cmdOpenFolder", unless(CannotOpen("フォルダ", folder)), folder},
            };
            QStringList shown, opened;
            Click(f.menu.get(), "cmdHlp");
            shown << Shown(f).join('|'), opened << services.opened.join('|');
            InTrade(f, [&](FrmTrade& s) {
                QTest::mouseClick(Find<QWidget>(&s, "optRange_0"), Qt::LeftButton);
                for (const char* step : {"cmdWriteFileJournal", "cmdRupaFiles", "cmdOpenFolder", "cmdEditList"}) {
                    services.opened.clear();
                    if (QByteArray(step) == "cmdWriteFileJournal")
                        f.install.desktop.dialogs.inputAnswers = {QStringLiteral("2020_all仕訳.txt")};
                    if (QByteArray(step) == "cmdEditList") {
                        ClickListItem(Find<QListWidget>(&s, "lstTrade"), QStringLiteral("14 "));
                        ClickListItem(Find<QListWidget>(&s, "lstTradeDetail"), QStringLiteral("01 "));
                    }
                    Click(&s, step);
                    shown << Shown(f).join('|'), opened << services.opened.join('|');
                }
            });
            InOpening(f, [&](FrmBegining& s) {
                services.opened.clear();
                Click(&s, "cmdOpenFolder");
                shown << Shown(f).join('|'), opened << services.opened.join('|');
            });
            for (size_t i = 0; i < std::size(expected); ++i) {
                QCOMPARE(shown[i], expected[i].boxes.join('|'));
                QCOMPARE(opened[i], expected[i].opened);
            }
            QVERIFY(QFile::exists(report));
            const QString logged = QStringLiteral("出力ファイル:") + QDir::toNativeSeparators(report);
            QCOMPARE(f.install.runLog().count(logged), 1);
            const QString start = f.install.path(QStringLiteral("wav/start.wav"));
            const QString notify = f.install.path(QStringLiteral("wav/notify.wav"));
            // A report opened plays the completion cue; every failure to open the warning cue instead.
            // The export plays its own completion cue in both runs.
            QCOMPARE(services.played.count(start), fails ? 1 : 2);
            QCOMPARE(services.played.count(notify), fails ? 5 : 0);
        }
    }
};

QTEST_MAIN(DeadEndTest)
#include "dead_end_test.moc"
