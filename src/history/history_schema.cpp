#include "history_schema.h"

#include "history/history_store.h"

#include <QSqlQuery>
#include <QStringList>
#include <array>

namespace ejteto {

namespace {

// Step n brings a file of version n - 1 to version n. Steps are only ever
// added: a file a learner already has must keep its rows.
const std::array<QStringList, kHistorySchemaVersion> kSteps = {{
    // 1: practice, test and pairs runs with the answers of every question.
    {
        QStringLiteral("CREATE TABLE runs ("
                       " id INTEGER PRIMARY KEY,"
                       " kind TEXT NOT NULL CHECK (kind IN ('practice', 'test', 'pairs')),"
                       " lesson INTEGER," // none for a pairs game
                       " level INTEGER NOT NULL,"
                       " started_at TEXT NOT NULL," // UTC, ISO 8601
                       " ended_at TEXT NOT NULL,"
                       " outcome TEXT NOT NULL CHECK (outcome IN ('finished', 'abandoned')),"
                       " right_count INTEGER NOT NULL DEFAULT 0,"
                       " wrong_count INTEGER NOT NULL DEFAULT 0,"
                       " seconds REAL," // pairs games
                       " steps INTEGER)"),
        QStringLiteral("CREATE INDEX runs_by_lesson ON runs (lesson, kind, ended_at)"),
        QStringLiteral("CREATE TABLE answers ("
                       " run_id INTEGER NOT NULL REFERENCES runs (id) ON DELETE CASCADE,"
                       " question INTEGER NOT NULL," // 1..10
                       " word1 TEXT NOT NULL, word2 TEXT NOT NULL, word3 TEXT NOT NULL, word4 TEXT NOT NULL,"
                       " sound1 INTEGER NOT NULL, sound2 INTEGER NOT NULL,"
                       " sound3 INTEGER NOT NULL, sound4 INTEGER NOT NULL,"
                       " correct_place INTEGER NOT NULL," // 0..3, the place of word1..word4
                       " chosen_place INTEGER NOT NULL,"  // the first answer given; -1 none
                       " wrong_tries INTEGER NOT NULL,"
                       // The sounds of the right word and of the first one
                       // chosen (0: none), worked out by SQLite itself.
                       " expected_sound INTEGER GENERATED ALWAYS AS (CASE correct_place WHEN 0 THEN sound1"
                       "  WHEN 1 THEN sound2 WHEN 2 THEN sound3 WHEN 3 THEN sound4 ELSE 0 END) VIRTUAL,"
                       " chosen_sound INTEGER GENERATED ALWAYS AS (CASE chosen_place WHEN 0 THEN sound1"
                       "  WHEN 1 THEN sound2 WHEN 2 THEN sound3 WHEN 3 THEN sound4 ELSE 0 END) VIRTUAL,"
                       " PRIMARY KEY (run_id, question)) WITHOUT ROWID"),
        // The confusions the progress window shows, counted as the answers
        // come in, so showing them never reads every answer.
        QStringLiteral("CREATE TABLE confusion_counts ("
                       " expected_sound INTEGER NOT NULL,"
                       " chosen_sound INTEGER NOT NULL,"
                       " count INTEGER NOT NULL,"
                       " PRIMARY KEY (expected_sound, chosen_sound)) WITHOUT ROWID"),
        QStringLiteral("CREATE TRIGGER answers_confusion_added AFTER INSERT ON answers"
                       " WHEN NEW.chosen_sound <> NEW.expected_sound AND NEW.chosen_sound > 0 BEGIN"
                       " INSERT INTO confusion_counts VALUES (NEW.expected_sound, NEW.chosen_sound, 1)"
                       "  ON CONFLICT (expected_sound, chosen_sound) DO UPDATE SET count = count + 1;"
                       " END"),
        QStringLiteral("CREATE TRIGGER answers_confusion_removed AFTER DELETE ON answers"
                       " WHEN OLD.chosen_sound <> OLD.expected_sound AND OLD.chosen_sound > 0 BEGIN"
                       " UPDATE confusion_counts SET count = count - 1"
                       "  WHERE expected_sound = OLD.expected_sound AND chosen_sound = OLD.chosen_sound;"
                       " DELETE FROM confusion_counts WHERE count <= 0;"
                       " END"),
    },
    // 2: the vowel feedback's takes and the listening drill's answers.
    {
        QStringLiteral("CREATE TABLE takes ("
                       " id INTEGER PRIMARY KEY,"
                       " taken_at TEXT NOT NULL,"
                       " target_sound INTEGER NOT NULL,"
                       " verdict TEXT NOT NULL,"
                       " f1 REAL, f2 REAL, f3 REAL)"),
        QStringLiteral("CREATE TABLE listening_answers ("
                       " id INTEGER PRIMARY KEY,"
                       " answered_at TEXT NOT NULL,"
                       " played_sound INTEGER NOT NULL,"
                       " chosen_sound INTEGER NOT NULL,"
                       " word TEXT NOT NULL)"),
    },
    // 3: a take keeps what was judged, not the sentence shown (the old rows
    // keep theirs); a listening answer keeps every field. Columns are only
    // added: rows of version 2 read NULL where nothing was kept.
    {
        QStringLiteral("ALTER TABLE takes ADD COLUMN word TEXT"),
        QStringLiteral("ALTER TABLE takes ADD COLUMN nearest_sound INTEGER"),
        QStringLiteral("ALTER TABLE takes ADD COLUMN confusable1 INTEGER"),
        QStringLiteral("ALTER TABLE takes ADD COLUMN confusable2 INTEGER"),
        QStringLiteral("ALTER TABLE takes ADD COLUMN bark_target REAL"),
        QStringLiteral("ALTER TABLE takes ADD COLUMN bark_confusable1 REAL"),
        QStringLiteral("ALTER TABLE takes ADD COLUMN bark_confusable2 REAL"),
        QStringLiteral("ALTER TABLE takes ADD COLUMN moves_onset TEXT"),
        QStringLiteral("ALTER TABLE takes ADD COLUMN moves_mid TEXT"),
        QStringLiteral("ALTER TABLE takes ADD COLUMN moves_offset TEXT"),
        QStringLiteral("ALTER TABLE takes ADD COLUMN onset_f1 REAL"),
        QStringLiteral("ALTER TABLE takes ADD COLUMN onset_f2 REAL"),
        QStringLiteral("ALTER TABLE takes ADD COLUMN onset_f3 REAL"),
        QStringLiteral("ALTER TABLE takes ADD COLUMN offset_f1 REAL"),
        QStringLiteral("ALTER TABLE takes ADD COLUMN offset_f2 REAL"),
        QStringLiteral("ALTER TABLE takes ADD COLUMN offset_f3 REAL"),
        QStringLiteral("ALTER TABLE takes ADD COLUMN speaker_scale REAL"),
        QStringLiteral("CREATE INDEX takes_by_sound ON takes (target_sound, taken_at)"),
        QStringLiteral("ALTER TABLE listening_answers ADD COLUMN lesson INTEGER"),
        QStringLiteral("ALTER TABLE listening_answers ADD COLUMN voice TEXT"),
        QStringLiteral("ALTER TABLE listening_answers ADD COLUMN offered1 INTEGER"),
        QStringLiteral("ALTER TABLE listening_answers ADD COLUMN offered2 INTEGER"),
        QStringLiteral("ALTER TABLE listening_answers ADD COLUMN offered3 INTEGER"),
        QStringLiteral("ALTER TABLE listening_answers ADD COLUMN is_right INTEGER"),
        QStringLiteral("ALTER TABLE listening_answers ADD COLUMN noisy INTEGER"),
        QStringLiteral("ALTER TABLE listening_answers ADD COLUMN snr_db INTEGER"),
        QStringLiteral("ALTER TABLE listening_answers ADD COLUMN trial_no INTEGER"),
        QStringLiteral("ALTER TABLE listening_answers ADD COLUMN response_ms INTEGER"),
        QStringLiteral("CREATE INDEX listening_answers_by_sound ON listening_answers (played_sound, answered_at)"),
    },
    // 4: what the learner knows of each practice item and when it is next
    // due. Left empty here: the store fills it from every kept answer once
    // it knows the course's confusable vowels (`schedule_source` says which
    // it was built with; none, and it is built again).
    {
        QStringLiteral("CREATE TABLE IF NOT EXISTS schedule ("
                       " item TEXT PRIMARY KEY," // "hear/3/4", "choose/3/4", "say/3/bed"
                       " skill TEXT NOT NULL CHECK (skill IN ('hear', 'say', 'choose')),"
                       " lesson INTEGER NOT NULL,"
                       " stability REAL NOT NULL,"  // days
                       " difficulty REAL NOT NULL," // 1..10
                       " reviews INTEGER NOT NULL,"
                       " lapses INTEGER NOT NULL,"
                       " last_review TEXT NOT NULL," // UTC, ISO 8601
                       " due_at TEXT NOT NULL)"      // UTC, ISO 8601
                       " WITHOUT ROWID"),
        QStringLiteral("CREATE INDEX IF NOT EXISTS schedule_by_due ON schedule (due_at)"),
        QStringLiteral("CREATE TABLE IF NOT EXISTS schedule_source (id INTEGER PRIMARY KEY CHECK (id = 1), contrasts "
                       "TEXT NOT NULL)"),
    },
    // 5: the learner's speaker scale, kept from one session to the next: one
    // row, moved on by every judged take (each refined the scale it carries)
    // and set back to 1 for a new learner. An older file starts from its
    // newest judged take. Safe to run on a file that has it already.
    {
        QStringLiteral("CREATE TABLE IF NOT EXISTS speaker ("
                       " id INTEGER PRIMARY KEY CHECK (id = 1),"
                       " factor REAL NOT NULL,"
                       " takes INTEGER NOT NULL," // how many takes the factor was estimated from; 0: none
                       " since TEXT NOT NULL)"),  // UTC, ISO 8601: the first take or the new learner
        QStringLiteral("INSERT OR IGNORE INTO speaker (id, factor, takes, since)"
                       " SELECT 1, speaker_scale,"
                       "  (SELECT COUNT(*) FROM takes WHERE verdict IN ('right', 'wrong', 'uncertain')),"
                       "  taken_at FROM takes"
                       " WHERE speaker_scale > 0 AND verdict IN ('right', 'wrong', 'uncertain')"
                       " ORDER BY id DESC LIMIT 1"),
        QStringLiteral("CREATE TRIGGER IF NOT EXISTS takes_speaker_scale AFTER INSERT ON takes"
                       " WHEN NEW.speaker_scale > 0 AND NEW.verdict IN ('right', 'wrong', 'uncertain') BEGIN"
                       " INSERT INTO speaker (id, factor, takes, since) VALUES (1, NEW.speaker_scale, 1, NEW.taken_at)"
                       "  ON CONFLICT (id) DO UPDATE SET factor = excluded.factor, takes = takes + 1;"
                       " END"),
    },
}};

} // namespace

QSqlError migrateHistory(QSqlDatabase& db, int fromVersion)
{
    if (fromVersion >= kHistorySchemaVersion)
        return {};
    QSqlQuery q(db);
    // Taken for writing at once, so two copies starting together migrate
    // one after the other; the second then finds nothing left to do.
    if (!q.exec(QStringLiteral("BEGIN IMMEDIATE")))
        return q.lastError();
    int version = fromVersion;
    if (q.exec(QStringLiteral("PRAGMA user_version")) && q.next())
        version = q.value(0).toInt();
    for (int step = version + 1; step <= kHistorySchemaVersion; ++step) {
        for (const QString& statement : kSteps[static_cast<size_t>(step - 1)]) {
            if (!q.exec(statement)) {
                const QSqlError error = q.lastError();
                q.exec(QStringLiteral("ROLLBACK"));
                return error;
            }
        }
    }
    if (!q.exec(QStringLiteral("PRAGMA user_version = %1").arg(kHistorySchemaVersion)) ||
        !q.exec(QStringLiteral("COMMIT"))) {
        const QSqlError error = q.lastError();
        q.exec(QStringLiteral("ROLLBACK"));
        return error;
    }
    return {};
}

} // namespace ejteto
