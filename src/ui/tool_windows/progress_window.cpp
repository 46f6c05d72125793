#include "ui/progress_window.h"

#include "app/app_error.h"
#include "content/vowel_symbols.h"
#include "history/history_csv.h"
#include "history/history_reader.h"
#include "history/history_recorder.h"
#include "history/progress_advice.h"
#include "tool_windows/trend_chart.h"
#include "ui/error_box.h"
#include "ui/tool_host.h"

#include <QDir>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

namespace ejteto {

namespace {

// How long a read waits for runs handed to the recorder just before.
constexpr int kFreshRunsWaitMs = 200;
constexpr int kClearWaitMs = 5000;
constexpr size_t kScoresInTable = 10;

const QStringList kColumns = {QStringLiteral("Lecke"),        QStringLiteral("Futások"),
                              QStringLiteral("Félbehagyva"),  QStringLiteral("Tesztek"),
                              QStringLiteral("Utolsó teszt"), QStringLiteral("Legjobb teszt"),
                              QStringLiteral("Tendencia"),    QStringLiteral("Utolsó tesztek")};

QString scoreText(int score) { return QStringLiteral("%1/10").arg(score); }

QString confusionText(const Confusion& c)
{
    return QStringLiteral("%1 helyett %2: %3")
        .arg(symbolText(c.expectedSound), symbolText(c.chosenSound), timesText(c.count));
}

// A label the keyboard can reach and screen readers read as text.
QLabel* readableLabel(const QString& objectName, QWidget* parent)
{
    auto* l = new QLabel(parent);
    l->setObjectName(objectName);
    l->setWordWrap(true);
    l->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
    l->setFocusPolicy(Qt::StrongFocus);
    return l;
}

QLabel* heading(const QString& text, QWidget* buddy, QWidget* parent)
{
    auto* l = new QLabel(text, parent);
    QFont f = l->font();
    f.setBold(true);
    l->setFont(f);
    l->setBuddy(buddy);
    return l;
}

QString askExportFile(QWidget* parent)
{
    return QFileDialog::getSaveFileName(parent, QStringLiteral("Előzmények exportálása"),
                                        QDir::homePath() + QStringLiteral("/ejteto-elozmenyek.csv"),
                                        QStringLiteral("CSV-fájlok (*.csv)"));
}

bool askClear(QWidget* parent)
{
    return QMessageBox::question(parent, QStringLiteral("Ejteto!"),
                                 QStringLiteral("Biztosan törlöd az összes előzményt? Ez nem vonható vissza."),
                                 QMessageBox::Yes | QMessageBox::No, QMessageBox::No) == QMessageBox::Yes;
}

} // namespace

ProgressWindow::ProgressWindow(HistoryRecorder& history, QWidget* parent)
    : ToolWindow(QStringLiteral("Form_Haladas"), QStringLiteral("Haladás"), parent), history_(history)
{
    chooseFile_ = [this] { return askExportFile(this); };
    confirmClear_ = [this] { return askClear(this); };
    resize(640, 600);

    problem_ = readableLabel(QStringLiteral("Label_Haladas_Problema"), this);
    suggestion_ = readableLabel(QStringLiteral("Label_Haladas_Javaslat"), this);

    lessons_ = new QTableWidget(0, static_cast<int>(kColumns.size()), this);
    lessons_->setObjectName(QStringLiteral("Table_Haladas_Leckek"));
    lessons_->setAccessibleName(QStringLiteral("Leckék eredményei"));
    lessons_->setHorizontalHeaderLabels(kColumns);
    lessons_->verticalHeader()->hide();
    lessons_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    lessons_->setSelectionBehavior(QAbstractItemView::SelectRows);
    lessons_->setSelectionMode(QAbstractItemView::SingleSelection);
    lessons_->setTabKeyNavigation(false); // Tab leaves the table; the arrows walk it
    lessons_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    lessons_->horizontalHeader()->setStretchLastSection(true);

    chart_ = new TrendChart(this);
    chart_->setObjectName(QStringLiteral("Chart_Haladas_Tendencia"));

    confusions_ = new QListWidget(this);
    confusions_->setObjectName(QStringLiteral("List_Haladas_Tevesztesek"));
    confusions_->setAccessibleName(QStringLiteral("Leggyakoribb tévesztések"));
    QFont symbols = confusions_->font();
    symbols.setFamilies({QStringLiteral("Gentium"), symbols.family()});
    confusions_->setFont(symbols);
    confusions_->setMaximumHeight(130);

    games_ = readableLabel(QStringLiteral("Label_Haladas_Jatekok"), this);
    status_ = readableLabel(QStringLiteral("Label_Haladas_Allapot"), this);

    export_ = new QPushButton(QStringLiteral("Exportálás…"), this);
    export_->setObjectName(QStringLiteral("Button_Haladas_Export"));
    clear_ = new QPushButton(QStringLiteral("Előzmények törlése"), this);
    clear_->setObjectName(QStringLiteral("Button_Haladas_Torles"));
    auto* close = new QPushButton(QStringLiteral("Bezár"), this);
    close->setObjectName(QStringLiteral("Button_Haladas_Bezar"));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(problem_);
    layout->addWidget(heading(QStringLiteral("Javaslat"), suggestion_, this));
    layout->addWidget(suggestion_);
    layout->addWidget(heading(QStringLiteral("Leckék"), lessons_, this));
    layout->addWidget(lessons_, 1);
    layout->addWidget(heading(QStringLiteral("A kijelölt lecke tesztjei"), chart_, this));
    layout->addWidget(chart_);
    layout->addWidget(heading(QStringLiteral("Leggyakoribb tévesztések"), confusions_, this));
    layout->addWidget(confusions_);
    layout->addWidget(games_);
    layout->addWidget(status_);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(export_);
    buttons->addWidget(clear_);
    buttons->addStretch(1);
    buttons->addWidget(close);
    layout->addLayout(buttons);

    connect(lessons_, &QTableWidget::currentCellChanged, this,
            guarded([this](int row, int, int, int) { showLesson(row); }));
    connect(export_, &QPushButton::clicked, this, guarded([this] { exportToFile(); }));
    connect(clear_, &QPushButton::clicked, this, guarded([this] { clearHistory(); }));
    connect(close, &QPushButton::clicked, this, guarded([this] { hide(); }));
}

void ProgressWindow::showEvent(QShowEvent* e)
{
    ToolWindow::showEvent(e);
    runGuarded([this] { refresh(); });
}

void ProgressWindow::refresh()
{
    history_.flush(kFreshRunsWaitMs);
    const HistoryReader reader(history_.path());
    const HistorySummary summary = reader.summary();
    // What the learner must know first: the history cannot be read, or
    // this run of the program keeps nothing.
    const QString problem = reader.problem().isEmpty() ? history_.unavailableReason() : reader.problem();
    problem_->setText(problem);
    problem_->setVisible(!problem.isEmpty());
    export_->setEnabled(reader.problem().isEmpty());
    clear_->setEnabled(reader.problem().isEmpty());
    display(summary);
}

void ProgressWindow::display(const HistorySummary& summary)
{
    suggestion_->setText(suggestLesson(summary.lessons).text);

    lessons_->setRowCount(0);
    lessons_->setRowCount(static_cast<int>(summary.lessons.size()));
    rowScores_.clear();
    rowLessons_.clear();
    for (size_t r = 0; r < summary.lessons.size(); ++r) {
        const LessonProgress& l = summary.lessons[r];
        const std::vector<int>& s = l.testScores;
        QStringList latest;
        for (size_t i = s.size() > kScoresInTable ? s.size() - kScoresInTable : 0; i < s.size(); ++i)
            latest << QString::number(s[i]);
        const QString cells[] = {
            QStringLiteral("%1. lecke").arg(l.lesson),
            QString::number(l.runs),
            QString::number(l.abandoned),
            QString::number(s.size()),
            s.empty() ? QStringLiteral("–") : scoreText(s.back()),
            s.empty() ? QStringLiteral("–") : scoreText(*std::max_element(s.begin(), s.end())),
            trendText(l).isEmpty() ? QStringLiteral("–") : trendText(l),
            latest.join(QStringLiteral(", ")),
        };
        for (int c = 0; c < static_cast<int>(std::size(cells)); ++c)
            lessons_->setItem(static_cast<int>(r), c, new QTableWidgetItem(cells[c]));
        rowScores_.push_back(s);
        rowLessons_.push_back(l.lesson);
    }
    if (!summary.lessons.empty())
        lessons_->setCurrentCell(0, 0);
    else
        showLesson(-1);

    confusions_->clear();
    for (const Confusion& c : summary.confusions)
        confusions_->addItem(confusionText(c));
    if (summary.confusions.empty())
        confusions_->addItem(QStringLiteral("Még nincs tévesztés."));
    games_->setText(QStringLiteral("Befejezett játékok: %1").arg(summary.pairsGames));
    gamesShown_ = summary.pairsGames;
}

void ProgressWindow::showLesson(int row)
{
    if (row < 0 || static_cast<size_t>(row) >= rowScores_.size()) {
        chart_->setScores(0, {});
        return;
    }
    chart_->setScores(rowLessons_[static_cast<size_t>(row)], rowScores_[static_cast<size_t>(row)]);
}

void ProgressWindow::exportToFile()
{
    const QString file = chooseFile_();
    if (file.isEmpty())
        return;
    history_.flush(kFreshRunsWaitMs);
    if (const QString error = exportHistory(history_.path(), file); !error.isEmpty())
        throw AppError(QStringLiteral("EHistoryError"), error);
    status_->setText(QStringLiteral("Az előzmények mentve: %1").arg(QDir::toNativeSeparators(file)));
}

void ProgressWindow::clearHistory()
{
    if (!confirmClear_())
        return;
    history_.clear();
    if (!history_.flush(kClearWaitMs))
        throw AppError(QStringLiteral("EHistoryError"),
                       QStringLiteral("Az előzmények törlése még nem fejeződött be; próbáld újra később."));
    refresh();
    // A store that could not be opened this time forgets nothing.
    if (!rowLessons_.empty() || gamesShown_ > 0)
        throw AppError(QStringLiteral("EHistoryError"),
                       QStringLiteral("Az előzményeket nem sikerült törölni: a program most előzmények nélkül fut."));
    status_->setText(QStringLiteral("Az előzmények törölve."));
}

std::unique_ptr<ProgressWindow> installProgressWindow(ToolHost& host, HistoryRecorder& history)
{
    auto owned = std::make_unique<ProgressWindow>(history);
    ProgressWindow* window = owned.get();
    host.addTool({QStringLiteral("Haladás"), QKeySequence(Qt::CTRL | Qt::Key_H),
                  [window, &host] {
                      if (window->isVisible()) {
                          window->refresh();
                          window->raise();
                          window->activateWindow();
                      } else {
                          window->showOver(&host.mainWindow());
                      }
                  },
                  window});
    return owned;
}

} // namespace ejteto
