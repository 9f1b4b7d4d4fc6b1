#include "ui/trade/record_heading.h"

#include <QFontMetrics>
#include <QPainter>

namespace {

const QChar kIdeographicBlank(0x3000);

}  // namespace

RecordHeading::RecordHeading(const QString& text, QWidget* parent) : QLabel(text, parent) {}

void RecordHeading::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QFontMetrics metrics(font());
    const int halfWidth = metrics.horizontalAdvance(QLatin1Char(' '));
    const int baseline = (height() + metrics.ascent() - metrics.descent()) / 2;
    int x = contentsRect().left();
    for (const QChar c : text()) {
        if (c == kIdeographicBlank) {
            x += halfWidth;
            continue;
        }
        painter.drawText(x, baseline, QString(c));
        x += metrics.horizontalAdvance(c);
    }
}
