#include "ui/common/text_box.h"

#include <QKeyEvent>

namespace {

const char* const kPassedOver = "velmoPassedOverByEnter";

bool TakesFocusFromEnter(const QWidget* control, const QWidget* window) {
    return control->window() == window && control->isVisible() && control->isEnabled() && !control->focusProxy() &&
           (control->focusPolicy() & Qt::TabFocus) == Qt::TabFocus && !control->property(kPassedOver).toBool();
}

}  // namespace

TextBox::TextBox(QWidget* parent) : QLineEdit(parent) {}

void TextBox::keyPressEvent(QKeyEvent* event) {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (!enter || (event->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    // Walked here rather than by focusing each control in turn: a list that
    // gets the focus picks its first item, which would fill a box.
    for (QWidget* next = nextInFocusChain(); next != this; next = next->nextInFocusChain()) {
        if (TakesFocusFromEnter(next, window())) {
            next->setFocus(Qt::TabFocusReason);
            break;
        }
    }
    event->accept();
}

void PassedOverByEnter(QWidget* control) { control->setProperty(kPassedOver, true); }
