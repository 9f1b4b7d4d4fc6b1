#include "ui/common/byte_counter.h"

#include "app/sjis_text.h"
#include "ui/common/controls.h"

#include <QPalette>

QLabel* MakeByteCounter(QWidget* parent, const QString& name, QLineEdit* box, int maxBytes, const QRect& twips) {
    QLabel* counter = MakeLabel(parent, name, QString(), 0, 0);
    counter->setGeometry(twips);
    counter->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    const QColor normal = counter->palette().color(QPalette::WindowText);
    const auto show = [counter, maxBytes, normal](const QString& text) {
        const int bytes = ByteLength(text);
        counter->setText(QStringLiteral("%1/%2").arg(bytes).arg(maxBytes));
        QPalette palette = counter->palette();
        palette.setColor(QPalette::WindowText, bytes > maxBytes ? QColor(Qt::red) : normal);
        counter->setPalette(palette);
    };
    QObject::connect(box, &QLineEdit::textChanged, counter, show);
    show(box->text());
    return counter;
}
