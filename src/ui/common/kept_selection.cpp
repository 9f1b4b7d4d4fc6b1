#include "ui/common/kept_selection.h"

#include <QEvent>

KeptSelection::KeptSelection(QLineEdit* box) : QObject(box), box_(box) {
    box->installEventFilter(this);
    connect(box, &QLineEdit::textChanged, this, [this] { start_ = length_ = 0; });
}

int KeptSelection::start() const { return box_->hasFocus() ? box_->selectionStart() : start_; }

int KeptSelection::length() const { return box_->hasFocus() ? box_->selectionLength() : length_; }

// Before the box itself handles the focus leaving it, which removes its selection.
bool KeptSelection::eventFilter(QObject* /*watched*/, QEvent* event) {
    if (event->type() == QEvent::FocusOut) {
        start_ = box_->hasSelectedText() ? box_->selectionStart() : 0;
        length_ = box_->selectionLength();
    }
    return false;
}
