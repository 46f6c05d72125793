#pragma once
// A picture at its own place: shows its picture at its natural size from the
// top-left corner, and reports clicks.
#include "ui/controls/pressable.h"

#include <QImage>
#include <QWidget>

namespace ejteto {

class ImageControl : public QWidget {
    Q_OBJECT
public:
    ImageControl(QWidget* parent, const QString& name, QRect geometry);

    void setPicture(const QImage& picture);
    void clearPicture();
    const QImage& picture() const { return picture_; }
    void setHandCursor() { setCursor(Qt::PointingHandCursor); }
    // A picture that answers clicks: the hand pointer, and for screen
    // readers a button whose press action clicks it.
    void setPressable();
    bool isPressable() const { return pressable_; }
    // What a click does, for the keyboard and screen readers.
    void press() { emit clicked(); }
    // A picture that stands for one of a set of choices (a lesson's tile):
    // screen readers hear whether it is the chosen one.
    void setCheckable(bool checkable) { checkable_ = checkable; }
    bool isCheckable() const { return checkable_; }
    void setChecked(bool checked);
    bool isChecked() const { return checked_; }

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent*) override;
    void mouseReleaseEvent(QMouseEvent* e) override;

private:
    QImage picture_;
    bool pressable_ = false;
    bool checkable_ = false;
    bool checked_ = false;
};

// A filled rectangle, optionally outlined (shapes and the status-line cloaks).
class ShapeControl : public QWidget {
    Q_OBJECT
public:
    ShapeControl(QWidget* parent, const QString& name, QRect geometry, const QColor& fill, const QColor& outline,
                 bool outlined);

    void setFillColor(const QColor& c);
    void setOutlineColor(const QColor& c);
    QColor fillColor() const { return fill_; }
    QColor outlineColor() const { return outline_; }

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QColor fill_;
    QColor outline_;
    bool outlined_;
};

} // namespace ejteto
