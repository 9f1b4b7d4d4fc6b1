#include "platform/widgets/desktop_seams.h"

#include <QApplication>
#include <QDesktopServices>
#include <QInputDialog>
#include <QMessageBox>
#include <QUrl>

namespace platform {

void MessageBoxDialogs::messageBox(const QString& text, const QString& title) {
    QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::Ok);
    box.exec();
}

bool MessageBoxDialogs::yesNoBox(const QString& text, const QString& title) {
    QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::Yes | QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

QString MessageBoxDialogs::inputBox(const QString& prompt, const QString& title, const QString& preset) {
    bool ok = false;
    const QString text = QInputDialog::getText(nullptr, title, prompt, QLineEdit::Normal, preset, &ok);
    return ok ? text : QString();
}

void DesktopShell::open(const QString& path) { QDesktopServices::openUrl(QUrl::fromLocalFile(path)); }

void WaitCursor::begin() { QApplication::setOverrideCursor(Qt::WaitCursor); }

void WaitCursor::end() { QApplication::restoreOverrideCursor(); }

}  // namespace platform
