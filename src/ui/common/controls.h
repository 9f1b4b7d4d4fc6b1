#pragma once
// Building the controls of a screen: object names are the names the event
// procedures and the tests use, positions are given in twips (15 to a pixel)
// from the top-left corner of the parent.
#include "ui/common/list_box.h"
#include "ui/common/number_box.h"
#include "ui/common/text_box.h"

#include <QFont>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QRect>
#include <QString>

#include <initializer_list>

// The Japanese fixed-width font: full-width characters exactly twice the
// width of ASCII, so that list columns laid out in Shift_JIS bytes line up.
QFont FixedWidthFont();

QRect TwipsRect(int left, int top, int width, int height);

// A button that never acts as the window's default, so Enter in a text box
// does not press it.
QPushButton* MakeButton(QWidget* parent, const QString& name, const QString& caption, const QRect& twips);
// A label sized to its caption.
QLabel* MakeLabel(QWidget* parent, const QString& name, const QString& caption, int left, int top);
// A text box whose Enter moves on to the next control.
TextBox* MakeTextBox(QWidget* parent, const QString& name, const QRect& twips);
// A text box for an amount, a percentage or a year.
NumberBox* MakeNumberBox(QWidget* parent, const QString& name, const QRect& twips);
// A list box in the fixed-width font, so that its columns line up, its
// items all one height so that long lists fill and scroll quickly.
ListBox* MakeListBox(QWidget* parent, const QString& name, const QRect& twips);
// A frame with its caption; the controls inside are placed relative to it.
QGroupBox* MakeFrame(QWidget* parent, const QString& name, const QString& caption, const QRect& twips);
// A label of fixed size on the light yellow ground of a value the user cannot edit.
QLabel* MakeValueLabel(QWidget* parent, const QString& name, const QString& caption, const QRect& twips);
QRadioButton* MakeOption(QWidget* parent, const QString& name, const QString& caption, const QRect& twips);
// Tab moves through the controls in this order.
void SetTabOrder(std::initializer_list<QWidget*> controls);
// Replaces the list's items in one call: no repaint per item, and no
// selection handler run for the items that go.
void ReplaceItems(QListWidget* list, const QStringList& items);
// The texts of the list's items, in order.
QStringList ItemTexts(const QListWidget* list);
