#pragma once
// Small factories for the controls of the window's fixed layout, so each
// control reads as one call: name, place and size, text, font and colour.
#include "ui/controls/label.h"
#include "ui/controls/word_list.h"

#include <QFont>

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

namespace ejteto {

// The fonts of the layout, by the height the layout gives them (negative:
// character height in pixels; positive: cell height).
QFont arialFont(int height, bool bold = false);
QFont gentiumFont(int height, bool bold = false);

// Gives a panel (or the window) a solid background of its own colour.
void setPanelColor(QWidget* w, const QColor& c);

QWidget* makePanel(QWidget* parent, const QString& name, QRect geometry, const QColor& color);

QPushButton* makeButton(QWidget* parent, const QString& name, QRect geometry, const QString& text, const QFont& font);

// A label on its parent's background. Unless fixed, it sizes itself to its
// text in its own font, as labels do when the window is loaded; the laid-out
// size is where it starts and what a wrapping label keeps as its width.
Label* makeLabel(QWidget* parent, const QString& name, QRect geometry, const QString& text, const QFont& font,
                 const QColor& textColor, Label::Sizing sizing = Label::Sizing::Auto);

// A drop-down list without typing, first item selected.
QComboBox* makeComboBox(QWidget* parent, const QString& name, QRect geometry, const QStringList& items,
                        const QFont& font, int itemHeight);

// An unsorted single-selection word list with a fixed item height and a flat frame.
WordList* makeListBox(QWidget* parent, const QString& name, QRect geometry, const QFont& font, int itemHeight,
                      const QColor& background);

QLineEdit* makeEdit(QWidget* parent, const QString& name, QRect geometry, const QFont& font, const QColor& background);

// Background of an edit box (the filter box changes it on focus).
void setEditBackground(QLineEdit* edit, const QColor& c);

} // namespace ejteto
