// The real message boxes, offscreen: Enter, pressed on whatever has the focus
// when the box opens, gives the answer the question was asked with.
#include "platform/widgets/desktop_seams.h"

#include <QApplication>
#include <QTest>
#include <QTimer>

class DesktopSeamsTest : public QObject {
    Q_OBJECT

private slots:
    void enterGivesTheDefaultAnswer() {
        platform::MessageBoxDialogs dialogs;
        for (const auto& [answer, yes] :
             {std::pair{platform::DefaultAnswer::Yes, true}, std::pair{platform::DefaultAnswer::No, false}}) {
            QTimer::singleShot(0, [] {
                QVERIFY(QTest::qWaitForWindowActive(QApplication::activeModalWidget()));
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            });
            QCOMPARE(dialogs.yesNoBox(QStringLiteral("既存のデータを初期化します。よろしいですか？"),
                                      QStringLiteral("VelmoAccount"), answer),
                     yes);
        }
    }
};

QTEST_MAIN(DesktopSeamsTest)
#include "desktop_seams_test.moc"
