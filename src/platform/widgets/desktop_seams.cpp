#include "platform/widgets/desktop_seams.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QUrl>

namespace platform {

void MessageBoxDialogs::messageBox(const QString& text, const QString& title) {
    QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::Ok);
    box.exec();
}

// Qt's own captions for these buttons are English; these are the ones a
// Japanese desktop shows. The default button has the focus, so that Enter
// and Space both give the default answer.
bool MessageBoxDialogs::yesNoBox(const QString& text, const QString& title, DefaultAnswer defaultAnswer) {
    QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::Yes | QMessageBox::No);
    box.button(QMessageBox::Yes)->setText(QStringLiteral("はい(&Y)"));
    box.button(QMessageBox::No)->setText(QStringLiteral("いいえ(&N)"));
    box.setDefaultButton(defaultAnswer == DefaultAnswer::Yes ? QMessageBox::Yes : QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

QString MessageBoxDialogs::inputBox(const QString& prompt, const QString& title, const QString& preset) {
    QInputDialog box;
    box.setWindowTitle(title);
    box.setLabelText(prompt);
    box.setTextValue(preset);
    box.setCancelButtonText(QStringLiteral("キャンセル"));
    return box.exec() == QDialog::Accepted ? box.textValue() : QString();
}

QString MessageBoxDialogs::openFileName(const QString& title, const QString& folder, const QString& filter) {
    return QFileDialog::getOpenFileName(QApplication::activeWindow(), title, folder, filter);
}

bool DesktopShell::open(const QString& path) { return QDesktopServices::openUrl(QUrl::fromLocalFile(path)); }

void WaitCursor::begin() { QApplication::setOverrideCursor(Qt::WaitCursor); }

void WaitCursor::end() { QApplication::restoreOverrideCursor(); }

}  // namespace platform
