// The two trial balance buttons of the transaction screen, pressed by their
// access keys on the fixture books: the input box, the file under txt that
// the shell opens, the cue, and what a cancel, a refused name and a year
// without an opening balance sheet leave behind.
#include "fixture_books.h"
#include "golden_log.h"
#include "screen_fixture.h"
#include "ui/trade/frm_trade.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QRegularExpression>
#include <QTest>

#include <functional>

namespace {

void OnTradeScreen(MenuFixture& f, const QString& year, const std::function<void(FrmTrade&)>& steps) {
    Find<QLineEdit>(f.menu.get(), QStringLiteral("txtYear"))->setText(year);
    f.menu->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(f.menu.get()));
    WhileModal(
        f.menu->frmTrade(), [&] { PressAccessKey(f.menu.get(), Qt::Key_T); }, [&] { steps(*f.menu->frmTrade()); });
}

// The file's bytes from its second line on: the title names the user.
QByteArray AfterTitle(const QByteArray& file) { return file.mid(file.indexOf("\r\n")); }

QByteArray Golden(const char* name) {
    QFile file(SourcePath(QStringLiteral("tests/data/reports/") + QString::fromLatin1(name)));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace

class TrialBalanceScreenTest : public QObject {
    Q_OBJECT

private slots:
    void eachButtonWritesItsLayoutAndOpensIt() {
        const struct {
            Qt::Key key;
            const char* title;
            const char* golden;
        } cases[] = {
            {Qt::Key_S, "試算表", "trial_balance_2020.txt"},
            {Qt::Key_B, "月別試算表", "monthly_trial_balance_2020.txt"},
        };
        for (const auto& c : cases) {
            MenuFixture f;
            f.install.exec(DataText(QStringLiteral("fixture_year.sql")));
            const QString title = QString::fromUtf8(c.title);
            const QString name = QStringLiteral("2020_") + title + QStringLiteral(".txt");
            f.install.desktop.dialogs.inputAnswers = {name};
            OnTradeScreen(f, QStringLiteral("2020"), [&](FrmTrade& s) { PressAccessKey(&s, c.key); });

            const std::vector<ShownBox>& shown = f.install.desktop.dialogs.shown;
            QCOMPARE(shown.size(), size_t{1});
            QCOMPARE(shown[0].kind, QStringLiteral("input"));
            QCOMPARE(shown[0].title, QStringLiteral("出力ファイル名を指定"));
            QCOMPARE(shown[0].text, QStringLiteral("2020年の") + title +
                                        QStringLiteral("をテキストファイルに出力します。\r\n\r\n"
                                                       "出力ファイル名を指定してください。"));
            const QByteArray file = f.install.readBytes(QStringLiteral("txt/") + name);
            QCOMPARE(file.left(file.indexOf("\r\n")),
                     Sjis(title + QStringLiteral(" 2020年度 ユーザー名＝[青色 太郎] DBファイル名＝[velmo.sqlite3]")));
            QCOMPARE(AfterTitle(file), AfterTitle(Golden(c.golden)));
            const RecordingServices& services = f.install.desktop.services;
            QCOMPARE(services.opened, QStringList{f.install.path(QStringLiteral("txt/") + name)});
            QCOMPARE(services.played, QStringList{f.install.path(QStringLiteral("wav/start.wav"))});
            QCOMPARE(services.busyBegun, services.busyEnded);
        }
    }

    // Nothing is written, opened or played; only the boxes of the case are shown.
    void refusalsWriteNothing() {
        const QString prompt =
            QStringLiteral("2020年の試算表をテキストファイルに出力します。\r\n\r\n出力ファイル名を指定してください。");
        const struct {
            const char* year;
            QStringList answers;  // none: no input box is expected
            QStringList boxes;
        } cases[] = {
            {"2020", {QString()}, {prompt}},
            // A name that would leave txt is explained and asked again; then cancelled.
            {"2020",
             {QStringLiteral("../2020.txt"), QString()},
             {prompt,
              QStringLiteral("出力ファイル名「../2020.txt」は使えません。\r\n"
                             "フォルダの区切り(\\ や /)を含まない，ファイル名だけを指定してください。"),
              prompt}},
            {"2021",
             {},
             {QStringLiteral("試算表を出力するには，貸借対照表期首データが必要です。\r\n"
                             "貸借対照表期首データを作成(初期データ作成)してください。")}},
        };
        for (const auto& c : cases) {
            MenuFixture f;
            f.install.exec(DataText(QStringLiteral("fixture_year.sql")));
            f.install.desktop.dialogs.inputAnswers = {c.answers.begin(), c.answers.end()};
            OnTradeScreen(f, QString::fromLatin1(c.year), [&](FrmTrade& s) { PressAccessKey(&s, Qt::Key_S); });
            QStringList boxes;
            for (const ShownBox& box : f.install.desktop.dialogs.shown) boxes << box.text;
            QCOMPARE(boxes, c.boxes);
            QVERIFY(QDir(f.install.path(QStringLiteral("txt"))).isEmpty());
            QVERIFY(f.install.desktop.services.opened.isEmpty());
            QVERIFY(f.install.desktop.services.played.isEmpty());
        }
    }

    // The two buttons' keys belong to no other control of the screen.
    void theAccessKeysAreTheirOwn() {
        MenuFixture f;
        OnTradeScreen(f, QStringLiteral("2026"), [&](FrmTrade& s) {
            QStringList keys;
            const QRegularExpression accessKey(QStringLiteral("&(\\w)"));
            for (const QWidget* control : s.findChildren<QWidget*>()) {
                const QVariant caption = control->property(control->inherits("QGroupBox") ? "title" : "text");
                for (const QRegularExpressionMatch& match : accessKey.globalMatch(caption.toString()))
                    keys << match.captured(1).toUpper();
            }
            QCOMPARE(keys.count(QStringLiteral("S")), 1);
            QCOMPARE(keys.count(QStringLiteral("B")), 1);
        });
    }
};

QTEST_MAIN(TrialBalanceScreenTest)
#include "trial_balance_screen_test.moc"
