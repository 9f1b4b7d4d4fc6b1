#include "ui/common/list_box.h"

#include <QSignalBlocker>

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
    QListWidget::mousePressEvent(event);
    if (currentRow() < 0) clearSelection();
}
