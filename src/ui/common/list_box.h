#pragma once
// A list box as on a Windows desktop. Its Click runs on every change of the
// current row (a click, a key or the code, the change to no row included)
// and on a click on the row already current, once for each click. The
// current row is always the highlighted one: what removes the highlight (a
// click beside the rows, Ctrl+click on the row) is the change to no row, or,
// in a list that keeps its row, changes nothing.
#include <QListWidget>

class ListBox final : public QListWidget {
    Q_OBJECT

public:
    explicit ListBox(QWidget* parent);

    // For a list that shows a value the screen always has: once a row is
    // current, only another row replaces it.
    void KeepRow();
    // For a list whose choice fills a box: typed characters pick no item.
    void NoTypeToSearch();

    void keyboardSearch(const QString& search) override;

signals:
    void Click();

protected:
    // Qt's list makes its first row current when it takes the focus without
    // one (Tab, or the focus given by the screen), which would raise the
    // handler for a row nobody chose.
    void focusInEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void selectionChanged(const QItemSelection& selected, const QItemSelection& deselected) override;

private:
    bool keepsRow_ = false;
    bool typeToSearch_ = true;
};
