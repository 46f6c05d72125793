#pragma once
// A picture at its own place: shows its picture at its natural size from the
// top-left corner, and reports clicks.
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

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent*) override;
    void mouseReleaseEvent(QMouseEvent* e) override;

private:
    QImage picture_;
};

// A filled rectangle, optionally outlined (shapes and the status-line cloaks).
class ShapeControl : public QWidget {
    Q_OBJECT
public:
    ShapeControl(QWidget* parent, const QString& name, QRect geometry, const QColor& fill,
                 const QColor& outline, bool outlined);

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
