#pragma once
// A command button as a Windows user knows it: Space or Enter presses the
// button that has the focus, while Enter in a text box presses nothing (no
// button is the screen's default, so no entry is recorded by accident).
#include <QPushButton>

class CommandButton final : public QPushButton {
public:
    CommandButton(const QString& caption, QWidget* parent);

protected:
    void keyPressEvent(QKeyEvent* event) override;
};
