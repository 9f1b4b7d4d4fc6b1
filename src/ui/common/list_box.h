#pragma once
// A list box whose current row changes only by a click, a key or the code,
// and for which no current row means nothing selected. The screens raise
// their click handlers on currentRowChanged; a handler may remove the
// selection again (list index -1).
#include <QListWidget>

class ListBox final : public QListWidget {
public:
    using QListWidget::QListWidget;

protected:
    // Qt's list makes its first row current when it takes the focus without
    // one (Tab, or the focus given by the screen), which would raise the
    // handler for a row nobody chose.
    void focusInEvent(QFocusEvent* event) override;
    // The view selects the pressed row after the handler ran; a handler
    // that removed the selection keeps it removed.
    void mousePressEvent(QMouseEvent* event) override;
};
