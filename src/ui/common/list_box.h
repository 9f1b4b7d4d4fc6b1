#pragma once
// A list box whose current row changes only by a click, a key or the code.
// The screens raise their click handlers on currentRowChanged; Qt's list
// makes its first row current when it takes the focus without one (Tab, or
// the focus given by the screen), which would raise the handler for a row
// nobody chose.
#include <QListWidget>

class ListBox final : public QListWidget {
public:
    using QListWidget::QListWidget;

protected:
    void focusInEvent(QFocusEvent* event) override;
};
