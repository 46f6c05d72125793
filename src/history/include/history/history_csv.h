#pragma once
// The history as a teacher's spreadsheet reads it: UTF-8 CSV with a header
// row and one row per run (practice, test or pairs game), oldest first, then
// one per listening answer ("hallás") and one per judged take ("kiejtés").
#include "history/history_reader.h"

#include <QByteArray>
#include <QString>
#include <vector>

namespace ejteto {

QByteArray historyCsv(const std::vector<StoredRun>& runs, const std::vector<StoredListeningAnswer>& heard = {},
                      const std::vector<StoredTake>& takes = {});

// Writes the CSV of the history at `historyPath` to `file`, whole or not at
// all. Returns the Hungarian message of a failure, empty on success.
QString exportHistory(const QString& historyPath, const QString& file);

} // namespace ejteto
