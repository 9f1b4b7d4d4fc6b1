#pragma once
// How much of its limit a box's text uses, counted in Shift_JIS bytes as the
// check at recording counts it, shown while the user types.
#include <QLabel>
#include <QLineEdit>
#include <QRect>

// A label beside the box showing the bytes used and the limit ("18/30"), in
// red past the limit; it follows every change of the text, typed or set.
QLabel* MakeByteCounter(QWidget* parent, const QString& name, QLineEdit* box, int maxBytes, const QRect& twips);
