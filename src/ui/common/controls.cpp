#include "ui/common/controls.h"

#include "ui/common/command_button.h"

#include <QColor>
#include <QPalette>
#include <QSignalBlocker>

namespace {

constexpr int kTwipsPerPixel = 15;
constexpr int kFontPixelSize = 14;
const QColor kLightYellow(0xff, 0xff, 0xe1);

template <class Control>
Control* Named(Control* control, const QString& name) {
    control->setObjectName(name);
    return control;
}

template <class Box>
Box* PlacedBox(Box* box, const QString& name, const QRect& twips) {
    Named(box, name);
    box->setFont(FixedWidthFont());
    box->setGeometry(twips);
    return box;
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
    auto* button = Named(new CommandButton(caption, parent), name);
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

TextBox* MakeTextBox(QWidget* parent, const QString& name, const QRect& twips) {
    return PlacedBox(new TextBox(parent), name, twips);
}

NumberBox* MakeNumberBox(QWidget* parent, const QString& name, const QRect& twips) {
    return PlacedBox(new NumberBox(parent), name, twips);
}

QLabel* MakeValueLabel(QWidget* parent, const QString& name, const QString& caption, const QRect& twips) {
    auto* label = MakeLabel(parent, name, caption, 0, 0);
    label->setGeometry(twips);
    label->setAutoFillBackground(true);
    QPalette palette = label->palette();
    palette.setColor(QPalette::Window, kLightYellow);
    label->setPalette(palette);
    return label;
}

ListBox* MakeListBox(QWidget* parent, const QString& name, const QRect& twips) {
    auto* list = Named(new ListBox(parent), name);
    list->setFont(FixedWidthFont());
    list->setUniformItemSizes(true);
    list->setGeometry(twips);
    return list;
}

QGroupBox* MakeFrame(QWidget* parent, const QString& name, const QString& caption, const QRect& twips) {
    auto* frame = Named(new QGroupBox(caption, parent), name);
    frame->setGeometry(twips);
    return frame;
}

QRadioButton* MakeOption(QWidget* parent, const QString& name, const QString& caption, const QRect& twips) {
    auto* option = Named(new QRadioButton(caption, parent), name);
    option->setGeometry(twips);
    return option;
}

void SetTabOrder(std::initializer_list<QWidget*> controls) {
    QWidget* previous = nullptr;
    for (QWidget* control : controls) {
        if (previous) QWidget::setTabOrder(previous, control);
        previous = control;
    }
}

void ReplaceItems(QListWidget* list, const QStringList& items) {
    const QSignalBlocker blocker(list);
    list->setUpdatesEnabled(false);
    list->clear();
    list->addItems(items);
    list->setUpdatesEnabled(true);
}

QStringList ItemTexts(const QListWidget* list) {
    QStringList texts;
    texts.reserve(list->count());
    for (int row = 0; row < list->count(); ++row) texts << list->item(row)->text();
    return texts;
}
