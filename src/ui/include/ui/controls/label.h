#pragma once
// A text label of the window's fixed layout: at its own place, sizing itself
// to its text unless fixed, wrapping within its width when asked, filling its
// background unless transparent.
#include "ui/controls/pressable.h"

#include <QLabel>

namespace ejteto {

class Label : public QLabel {
    Q_OBJECT
public:
    enum class Sizing { Auto, Fixed, Wrap };

    // The geometry is the laid-out one; a label laid out with no size (0 x 0)
    // sizes itself to its text at once, the others from their next new text on.
    Label(QWidget* parent, const QString& name, QRect geometry, const QString& text, Sizing sizing = Sizing::Auto);
    // The same, in its own font from the start, so a label that sizes itself
    // measures its text once, in the font it shows it in.
    Label(QWidget* parent, const QString& name, QRect geometry, const QString& text, Sizing sizing, const QFont& font);

    void setTextColor(const QColor& c);
    void setBackgroundColor(const QColor& c);
    QColor textColor() const;
    QColor backgroundColor() const;
    void setTransparent(bool transparent);
    void setHandCursor();
    // A label that answers clicks: the hand pointer, and for screen readers
    // a button (or link) whose press action clicks it.
    void setPressable(PressRole role = PressRole::Button);
    bool isPressable() const { return pressable_; }
    PressRole pressRole() const { return pressRole_; }
    // What a click does, for the keyboard and screen readers.
    void press() { emit clicked(); }
    void setMinimumExtent(QSize s);
    void setLabelText(const QString& text); // text and re-sizing
    void setLabelFont(const QFont& f);

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* e) override;
    void paintEvent(QPaintEvent* e) override;

private:
    void lay(const QString& name, QRect geometry, const QString& text);
    void fitToText();

    Sizing sizing_;
    QSize minimum_;
    bool pressable_ = false;
    PressRole pressRole_ = PressRole::Button;
};

} // namespace ejteto
