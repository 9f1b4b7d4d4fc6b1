#include "ui/common/command_button.h"

#include <QKeyEvent>

CommandButton::CommandButton(const QString& caption, QWidget* parent) : QPushButton(caption, parent) {
    // Not a default button: Enter in a text box of the screen would press it.
    setAutoDefault(false);
}

void CommandButton::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        click();
        return;
    }
    QPushButton::keyPressEvent(event);
}
