#pragma once
// A text box as Japanese business programs have it: Enter (and the keypad's
// Enter) moves on to the next control in tab order, as Tab does, and never
// records or stores anything by itself.
#include <QLineEdit>

class TextBox : public QLineEdit {
public:
    explicit TextBox(QWidget* parent);

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

// Enter passes over the control on its way to the next one: a helper beside
// a box (a clear button, the year's -1/+1, a list of presets) that Tab still
// visits, so that Enter leads from box to box and on to the button that acts.
void PassedOverByEnter(QWidget* control);
