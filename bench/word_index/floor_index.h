#pragma once
// The floor of the keystroke figure: the same filter box and list, as a
// QListView over a QStringListModel that is reset once per keystroke, with
// the words folded to lower case once, when the list is made.
#include <QLineEdit>
#include <QListView>
#include <QStringListModel>
#include <QWidget>
#include <vector>

namespace ejteto::bench {

class FloorIndex : public QWidget {
public:
    explicit FloorIndex(const QStringList& words);

    QLineEdit* edit() const { return edit_; }
    QWidget* listViewport() const { return view_->viewport(); }

private:
    void filter(const QString& text);

    QStringList words_;
    std::vector<QString> folded_;
    QStringListModel model_;
    QLineEdit* edit_;
    QListView* view_;
};

} // namespace ejteto::bench
