#include "ui/common/list_box.h"

#include <QMouseEvent>
#include <QSignalBlocker>

ListBox::ListBox(QWidget* parent) : QListWidget(parent) {
    connect(this, &QListWidget::currentRowChanged, this, &ListBox::Click);
}

void ListBox::KeepRow() { keepsRow_ = true; }

void ListBox::NoTypeToSearch() { typeToSearch_ = false; }

void ListBox::keyboardSearch(const QString& search) {
    if (typeToSearch_) QListWidget::keyboardSearch(search);
}

void ListBox::focusInEvent(QFocusEvent* event) {
    if (currentRow() >= 0) {
        QListWidget::focusInEvent(event);
        return;
    }
    const QSignalBlocker quiet(this);
    QListWidget::focusInEvent(event);
    selectionModel()->clearCurrentIndex();
}

void ListBox::mousePressEvent(QMouseEvent* event) {
    const int before = currentRow();
    const QModelIndex pressed = indexAt(event->position().toPoint());
    QListWidget::mousePressEvent(event);
    // A press that changed the current row has run Click already. Ctrl on
    // the current row removes its highlight when the button is released: the
    // change to no row, or nothing in a list that keeps its row.
    const bool removes = event->modifiers().testFlag(Qt::ControlModifier) && !keepsRow_;
    if (event->button() == Qt::LeftButton && pressed.isValid() && pressed.row() == before && currentRow() == before &&
        !removes)
        emit Click();
}

// The view selects the pressed row after the new current row's Click ran,
// and removes the highlight from a row that stays current: both are put
// right here, so that the highlight and the current row never part.
void ListBox::selectionChanged(const QItemSelection& selected, const QItemSelection& deselected) {
    QListWidget::selectionChanged(selected, deselected);
    const bool highlighted = selectionModel()->hasSelection();
    const QModelIndex current = currentIndex();
    if (!current.isValid() && highlighted)
        clearSelection();
    else if (current.isValid() && !selectionModel()->isSelected(current))
        keepsRow_ ? selectionModel()->select(current, QItemSelectionModel::ClearAndSelect) : setCurrentRow(-1);
}
