#pragma once
// The word index's list: one row per word, in the order given, over a model
// that is replaced in one step. A filter keystroke over a hundred thousand
// words then costs one reset of the list, not one item created and destroyed
// per word.
#include <QListView>
#include <QStringList>
#include <optional>

class QStringListModel;

namespace ejteto {

class WordList : public QListView {
    Q_OBJECT
public:
    explicit WordList(QWidget* parent = nullptr);

    // The rows, replaced as a whole; the selection and the current row go.
    void setWords(const QStringList& words);
    int count() const;
    QString rowText(int row) const;
    QRect rowRect(int row) const; // in the viewport
    // The row at a point of the viewport; -1 where there is none.
    int rowAt(QPoint viewportPos) const;
    int currentRow() const; // -1 with none
    void setCurrentRow(int row);
    // The selected row and its word; nothing when no row is selected.
    int selectedRow() const;
    std::optional<QString> selectedWord() const;

signals:
    void rowSelectionChanged();
    void rowDoubleClicked(int row);

private:
    QStringListModel* words_;
};

} // namespace ejteto
