#pragma once
// The check of the voice folders of an installation (media/voices/<voice>/):
// which words and vowels each voice lacks, and which of its files cannot be
// heard (empty, broken, silent). A teacher's own voice of real recordings
// need not cover the whole course, so the lacking words come as one line per
// voice; each unusable file gets a line of its own.
#include "contentkit/table_checker.h"

#include <QStringList>
#include <vector>

namespace ejteto::contentkit {

// `installation` holds media/; `words` are the table's words in file order.
std::vector<TableProblem> checkVoiceFolders(const QString& installation, const QStringList& words);

// One voice folder anywhere (a user's own), and one voice pack: the pack
// must pass every check of an import (its refusal is the one line) and its
// recordings are then checked as a folder's.
std::vector<TableProblem> checkVoiceFolder(const QString& voiceFolder, const QStringList& words);
std::vector<TableProblem> checkVoicePack(const QString& packFile, const QStringList& words);

} // namespace ejteto::contentkit
