#include "word_index/floor_index.h"

#include "app/color_value.h"
#include "content/word_filter.h"
#include "fonts/layout_fonts.h"

#include <QStyledItemDelegate>

namespace ejteto::bench {

namespace {
// The program's list rows are 22 pixels high; so are these.
class RowHeight22 : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        return {QStyledItemDelegate::sizeHint(option, index).width(), 22};
    }
};
} // namespace

FloorIndex::FloorIndex(const QStringList& words) : words_(words)
{
    folded_.reserve(size_t(words.size()));
    for (const QString& w : words)
        folded_.push_back(foldAsciiCase(w));

    // The list and the box at their places on the word index panel, in its
    // fonts and colours, so both draw the same pixels.
    const QFont font = layoutFont(QStringLiteral("Arial"), -19);
    view_ = new QListView(this);
    view_->setGeometry(32, 204, 217, 265);
    view_->setFont(font);
    view_->setUniformItemSizes(true);
    view_->setItemDelegate(new RowHeight22(view_));
    view_->setFrameShape(QFrame::Box);
    QPalette p = view_->palette();
    p.setColor(QPalette::Base, colorFromValue(colors::LightBlue));
    view_->setPalette(p);
    view_->setModel(&model_);

    edit_ = new QLineEdit(this);
    edit_->setGeometry(288, 204, 217, 28);
    edit_->setFont(font);
    connect(edit_, &QLineEdit::textChanged, this, [this](const QString& text) { filter(text); });
    filter(QString());
}

void FloorIndex::filter(const QString& text)
{
    const QString f = foldAsciiCase(text);
    QStringList shown;
    for (size_t i = 0; i < folded_.size(); ++i)
        if (folded_[i].contains(f))
            shown << words_[qsizetype(i)];
    model_.setStringList(shown);
}

} // namespace ejteto::bench
