#include "ui/controls/image_control.h"

#include "controls/focus_visibility.h"

#include <QAccessible>
#include <QMouseEvent>
#include <QPainter>

namespace ejteto {

ImageControl::ImageControl(QWidget* parent, const QString& name, QRect geometry) : QWidget(parent)
{
    setObjectName(name);
    setGeometry(geometry);
}

void ImageControl::setPicture(const QImage& picture)
{
    // The very picture on show already (the same image data, unchanged):
    // nothing to repaint. A tile click sets all sixteen pictures again.
    if (picture.cacheKey() == picture_.cacheKey())
        return;
    picture_ = picture;
    update();
}

void ImageControl::clearPicture()
{
    picture_ = QImage();
    update();
}

void ImageControl::setPressable()
{
    pressable_ = true;
    setHandCursor();
}

void ImageControl::setChecked(bool checked)
{
    if (checked == checked_)
        return;
    checked_ = checked;
    QAccessible::State changed;
    changed.checked = true;
    QAccessibleStateChangeEvent event(this, changed);
    QAccessible::updateAccessibility(&event);
}

void ImageControl::paintEvent(QPaintEvent*)
{
    if (!picture_.isNull()) {
        QPainter p(this);
        p.drawImage(QPoint(0, 0), picture_);
    }
    if (focusVisible(this))
        paintFocusFrame(this);
}

void ImageControl::mouseReleaseEvent(QMouseEvent* e)
{
    QWidget::mouseReleaseEvent(e);
    if (e->button() == Qt::LeftButton && rect().contains(e->position().toPoint()))
        emit clicked();
}

ShapeControl::ShapeControl(QWidget* parent, const QString& name, QRect geometry, const QColor& fill,
                           const QColor& outline, bool outlined)
    : QWidget(parent), fill_(fill), outline_(outline), outlined_(outlined)
{
    setObjectName(name);
    setGeometry(geometry);
}

void ShapeControl::setFillColor(const QColor& c)
{
    fill_ = c;
    update();
}

void ShapeControl::setOutlineColor(const QColor& c)
{
    outline_ = c;
    update();
}

void ShapeControl::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), fill_);
    if (outlined_) {
        p.setPen(outline_);
        p.setBrush(Qt::NoBrush);
        p.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

} // namespace ejteto
