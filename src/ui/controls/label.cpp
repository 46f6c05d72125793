#include "ui/controls/label.h"

#include "controls/focus_visibility.h"
#include "fonts/layout_fonts.h"

#include <QFontMetrics>
#include <QMouseEvent>
#include <QPaintEvent>

namespace ejteto {

Label::Label(QWidget* parent, const QString& name, QRect geometry, const QString& text, Sizing sizing)
    : QLabel(parent), sizing_(sizing)
{
    lay(name, geometry, text);
}

Label::Label(QWidget* parent, const QString& name, QRect geometry, const QString& text, Sizing sizing,
             const QFont& font)
    : QLabel(parent), sizing_(sizing)
{
    setFont(font);
    lay(name, geometry, text);
}

void Label::lay(const QString& name, QRect geometry, const QString& text)
{
    setObjectName(name);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setMargin(0);
    setIndent(0);
    setTextFormat(Qt::PlainText);
    setWordWrap(sizing_ == Sizing::Wrap);
    setAutoFillBackground(true);
    // Disabled labels are drawn greyed, as the control panel's captions are.
    QPalette p = palette();
    p.setColor(QPalette::Disabled, QPalette::WindowText, QColor(0x80, 0x80, 0x80));
    setPalette(p);
    setGeometry(geometry);
    QLabel::setText(text);
    if (geometry.size().isEmpty())
        fitToText();
}

void Label::setTextColor(const QColor& c)
{
    QPalette p = palette();
    p.setColor(QPalette::Active, QPalette::WindowText, c);
    p.setColor(QPalette::Inactive, QPalette::WindowText, c);
    setPalette(p);
}

void Label::setBackgroundColor(const QColor& c)
{
    QPalette p = palette();
    p.setColor(QPalette::Window, c);
    setPalette(p);
}

QColor Label::textColor() const { return palette().color(QPalette::Active, QPalette::WindowText); }
QColor Label::backgroundColor() const { return palette().color(QPalette::Window); }

void Label::setTransparent(bool transparent)
{
    setAutoFillBackground(!transparent);
    setAttribute(Qt::WA_TranslucentBackground, transparent);
}

void Label::setHandCursor() { setCursor(Qt::PointingHandCursor); }

void Label::setPressable(PressRole role)
{
    pressable_ = true;
    pressRole_ = role;
    setHandCursor();
}

void Label::setMinimumExtent(QSize s)
{
    minimum_ = s;
    resize(size().expandedTo(s));
}

void Label::setLabelText(const QString& text)
{
    QLabel::setText(text);
    fitToText();
}

void Label::setLabelFont(const QFont& f)
{
    setFont(f);
    fitToText();
}

void Label::fitToText()
{
    if (sizing_ == Sizing::Fixed)
        return;
    QSize s;
    if (sizing_ == Sizing::Wrap) {
        // Keeps its width, grows (or shrinks) downward to hold the wrapped text.
        const QFontMetrics fm(font());
        const QRect r = fm.boundingRect(QRect(0, 0, width(), 100000), Qt::TextWordWrap, text());
        s = QSize(width(), text().isEmpty() ? fm.height() : r.height());
    } else {
        s = singleLineTextSize(font(), text());
    }
    s = s.expandedTo(minimum_);
    resize(s);
}

void Label::paintEvent(QPaintEvent* e)
{
    QLabel::paintEvent(e);
    if (focusVisible(this))
        paintFocusFrame(this);
}

void Label::mouseReleaseEvent(QMouseEvent* e)
{
    QLabel::mouseReleaseEvent(e);
    if (e->button() == Qt::LeftButton && rect().contains(e->position().toPoint()))
        emit clicked();
}

} // namespace ejteto
