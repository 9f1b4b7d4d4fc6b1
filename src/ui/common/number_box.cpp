#include "ui/common/number_box.h"

#include "app/number_text.h"

#include <QFocusEvent>
#include <QTimer>

NumberBox::NumberBox(QWidget* parent) : TextBox(parent) {}

QString NumberBox::numberText() const { return NormalizedNumberText(text()); }

void NumberBox::showNumberText() {
    if (const QString number = numberText(); number != text()) setText(number);
}

void NumberBox::focusInEvent(QFocusEvent* event) {
    TextBox::focusInEvent(event);
    // Back from a message box or a menu, the caret stays where the user left it.
    if (event->reason() == Qt::ActiveWindowFocusReason || event->reason() == Qt::PopupFocusReason) return;
    // A mouse press places the caret after the focus has arrived: select once
    // the press is done.
    QTimer::singleShot(0, this, [this] {
        if (hasFocus()) selectAll();
    });
}
