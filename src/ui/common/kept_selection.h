#pragma once
// The part of a text box's text that a button beside it acts on. The box
// loses its selection when another control takes the focus (Tab to the
// button); a Windows text box keeps it until its text changes, and so does
// this: while the box has the focus its own selection counts, afterwards the
// one it had when the focus left it.
#include <QLineEdit>

class KeptSelection final : public QObject {
public:
    explicit KeptSelection(QLineEdit* box);

    QLineEdit* box() const { return box_; }
    // The first character selected and how many; no character selected is length 0.
    int start() const;
    int length() const;

private:
    bool eventFilter(QObject* watched, QEvent* event) override;

    QLineEdit* box_;
    int start_ = 0;
    int length_ = 0;
};
