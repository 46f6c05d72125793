#include "ui/controls/word_list.h"

#include <QItemSelectionModel>
#include <QStringListModel>

namespace ejteto {

WordList::WordList(QWidget* parent) : QListView(parent), words_(new QStringListModel(this))
{
    setModel(words_);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this, &WordList::rowSelectionChanged);
    connect(this, &QListView::doubleClicked, this,
            [this](const QModelIndex& index) { emit rowDoubleClicked(index.row()); });
}

void WordList::setWords(const QStringList& words) { words_->setStringList(words); }

int WordList::count() const { return words_->rowCount(); }

QString WordList::rowText(int row) const { return words_->index(row).data(Qt::DisplayRole).toString(); }

QRect WordList::rowRect(int row) const { return visualRect(words_->index(row)); }

int WordList::rowAt(QPoint viewportPos) const { return indexAt(viewportPos).row(); }

int WordList::currentRow() const { return currentIndex().row(); }

void WordList::setCurrentRow(int row) { setCurrentIndex(words_->index(row)); }

int WordList::selectedRow() const
{
    const QModelIndexList selected = selectionModel()->selectedRows();
    return selected.isEmpty() ? -1 : selected.first().row();
}

std::optional<QString> WordList::selectedWord() const
{
    const int row = selectedRow();
    if (row < 0)
        return std::nullopt;
    return rowText(row);
}

} // namespace ejteto
