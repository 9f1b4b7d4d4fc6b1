#pragma once
// The heading over the record list. Its text was laid out for a font whose
// ideographic blank is as wide as a half-width character; drawn that way in
// the fixed-width font, each caption stands over its column of the list.
#include <QLabel>

class RecordHeading final : public QLabel {
public:
    RecordHeading(const QString& text, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
};
