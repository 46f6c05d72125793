#include "controls/layout_widgets.h"

#include "fonts/layout_fonts.h"

#include <QStyledItemDelegate>

namespace ejteto {

namespace {
// Every row of the list is exactly the laid-out item height.
class FixedHeightDelegate : public QStyledItemDelegate {
public:
    FixedHeightDelegate(int height, QObject* parent) : QStyledItemDelegate(parent), height_(height) {}
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        return {QStyledItemDelegate::sizeHint(option, index).width(), height_};
    }

private:
    int height_;
};
} // namespace

QFont arialFont(int height, bool bold) { return layoutFont(QStringLiteral("Arial"), height, bold); }
QFont gentiumFont(int height, bool bold) { return layoutFont(QStringLiteral("Gentium"), height, bold); }

void setPanelColor(QWidget* w, const QColor& c)
{
    QPalette p = w->palette();
    p.setColor(QPalette::Window, c);
    w->setPalette(p);
    w->setAutoFillBackground(true);
}

QWidget* makePanel(QWidget* parent, const QString& name, QRect geometry, const QColor& color)
{
    auto* panel = new QWidget(parent);
    panel->setObjectName(name);
    panel->setGeometry(geometry);
    setPanelColor(panel, color);
    return panel;
}

QPushButton* makeButton(QWidget* parent, const QString& name, QRect geometry, const QString& text, const QFont& font)
{
    auto* b = new QPushButton(text, parent);
    b->setObjectName(name);
    b->setGeometry(geometry);
    b->setFont(font);
    b->setAutoDefault(false);
    b->setFocusPolicy(Qt::TabFocus);
    return b;
}

Label* makeLabel(QWidget* parent, const QString& name, QRect geometry, const QString& text, const QFont& font,
                 const QColor& textColor, Label::Sizing sizing)
{
    auto* l = new Label(parent, name, geometry, text, sizing, font);
    l->setTextColor(textColor);
    // A label laid out with no size has just sized itself.
    if (sizing != Label::Sizing::Fixed && !geometry.size().isEmpty())
        l->setLabelText(text); // sized to its text in its own font
    return l;
}

QComboBox* makeComboBox(QWidget* parent, const QString& name, QRect geometry, const QStringList& items,
                        const QFont& font, int itemHeight)
{
    auto* c = new QComboBox(parent);
    c->setObjectName(name);
    c->setEditable(false);
    c->setFont(font);
    c->addItems(items);
    c->setItemDelegate(new FixedHeightDelegate(itemHeight, c));
    c->setCurrentIndex(0);
    c->setGeometry(geometry);
    c->setFocusPolicy(Qt::StrongFocus);
    return c;
}

WordList* makeListBox(QWidget* parent, const QString& name, QRect geometry, const QFont& font, int itemHeight,
                      const QColor& background)
{
    auto* l = new WordList(parent);
    l->setObjectName(name);
    l->setGeometry(geometry);
    l->setFont(font);
    l->setSelectionMode(QAbstractItemView::SingleSelection);
    l->setUniformItemSizes(true);
    l->setItemDelegate(new FixedHeightDelegate(itemHeight, l));
    l->setFrameShape(QFrame::Box);
    l->setLineWidth(1);
    QPalette p = l->palette();
    p.setColor(QPalette::Base, background);
    l->setPalette(p);
    l->setFocusPolicy(Qt::StrongFocus);
    return l;
}

void setEditBackground(QLineEdit* edit, const QColor& c)
{
    QPalette p = edit->palette();
    p.setColor(QPalette::Base, c);
    edit->setPalette(p);
}

QLineEdit* makeEdit(QWidget* parent, const QString& name, QRect geometry, const QFont& font, const QColor& background)
{
    auto* e = new QLineEdit(parent);
    e->setObjectName(name);
    e->setGeometry(geometry);
    e->setFont(font);
    e->setFrame(true);
    setEditBackground(e, background);
    e->setFocusPolicy(Qt::StrongFocus);
    return e;
}

} // namespace ejteto
