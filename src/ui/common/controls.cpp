#include "ui/common/controls.h"

namespace {

constexpr int kTwipsPerPixel = 15;
constexpr int kFontPixelSize = 14;

template <class Control>
Control* Named(Control* control, const QString& name) {
    control->setObjectName(name);
    return control;
}

}  // namespace

QFont FixedWidthFont() {
    QFont font;
    font.setFamilies({QStringLiteral("MS Gothic"), QStringLiteral("IPAGothic")});
    font.setStyleHint(QFont::TypeWriter);
    font.setPixelSize(kFontPixelSize);
    return font;
}

QRect TwipsRect(int left, int top, int width, int height) {
    return {left / kTwipsPerPixel, top / kTwipsPerPixel, width / kTwipsPerPixel, height / kTwipsPerPixel};
}

QPushButton* MakeButton(QWidget* parent, const QString& name, const QString& caption, const QRect& twips) {
    auto* button = Named(new QPushButton(caption, parent), name);
    button->setAutoDefault(false);
    button->setGeometry(twips);
    return button;
}

QLabel* MakeLabel(QWidget* parent, const QString& name, const QString& caption, int left, int top) {
    auto* label = Named(new QLabel(caption, parent), name);
    label->setFont(FixedWidthFont());
    label->move(TwipsRect(left, top, 0, 0).topLeft());
    label->adjustSize();
    return label;
}

QLineEdit* MakeTextBox(QWidget* parent, const QString& name, const QRect& twips) {
    auto* box = Named(new QLineEdit(parent), name);
    box->setFont(FixedWidthFont());
    box->setGeometry(twips);
    return box;
}

ListBox* MakeListBox(QWidget* parent, const QString& name, const QRect& twips) {
    auto* list = Named(new ListBox(parent), name);
    list->setFont(FixedWidthFont());
    list->setGeometry(twips);
    return list;
}

QGroupBox* MakeFrame(QWidget* parent, const QString& name, const QString& caption, const QRect& twips) {
    auto* frame = Named(new QGroupBox(caption, parent), name);
    frame->setGeometry(twips);
    return frame;
}
