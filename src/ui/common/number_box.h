#pragma once
// A box that holds a number: an amount, a percentage, a year.
#include "ui/common/text_box.h"

class NumberBox final : public TextBox {
public:
    explicit NumberBox(QWidget* parent);

    // The text as the checks read it: full-width digits, commas, a yen mark
    // and surrounding blanks normalised (NormalizedNumberText).
    QString numberText() const;
    // The box shows the normalised text, once the checks have taken it.
    void showNumberText();

protected:
    // The whole text is selected when the box gets the focus, so that typing
    // replaces the number (the "0" of a new amount) instead of adding to it.
    void focusInEvent(QFocusEvent* event) override;
};
