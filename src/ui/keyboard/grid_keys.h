#pragma once
// The arrows in a table of controls (the results table: a row for each
// question, a column for each offered word): Left and Right move along the
// row, Up and Down to the same place of the row above or below. A control
// out of reach is passed over; at an edge the focus stays.
#include "keyboard/key_dispatcher.h"

#include <vector>

namespace ejteto {

class GridKeys : public KeyConcern {
public:
    explicit GridKeys(std::vector<std::vector<QWidget*>> rows) : rows_(std::move(rows)) {}

    bool keyPressed(QWidget* focus, const QKeyEvent& key) override;

private:
    std::vector<std::vector<QWidget*>> rows_;
};

} // namespace ejteto
