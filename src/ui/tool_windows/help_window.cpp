#include "ui/help_window.h"

#include "app/app_error.h"

#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QShortcut>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace ejteto {

HelpWindow::HelpWindow(QWidget* parent) : ToolWindow(QStringLiteral("Form_Sugo"), QStringLiteral("Súgó"), parent)
{
    auto* searchLabel = new QLabel(QStringLiteral("&Keresés:"), this);
    search_ = new QLineEdit(this);
    search_->setObjectName(QStringLiteral("Edit_Sugo_Kereses"));
    search_->setAccessibleName(QStringLiteral("Keresés a súgóban"));
    search_->setAccessibleDescription(QStringLiteral("Enter: következő találat, Shift+Enter: előző"));
    search_->setClearButtonEnabled(true);
    searchLabel->setBuddy(search_);
    searchResult_ = new QLabel(this);
    searchResult_->setMinimumWidth(110);

    page_ = new QTextBrowser(this);
    page_->setObjectName(QStringLiteral("Browser_Sugo"));
    page_->setAccessibleName(QStringLiteral("A súgó szövege"));
    page_->setAccessibleDescription(QStringLiteral("A nyilakkal soronként olvasható; Ctrl+F: keresés"));
    page_->setOpenExternalLinks(true);
    // A caret the arrows move, so a screen reader reads line by line.
    page_->setTextInteractionFlags(Qt::TextBrowserInteraction | Qt::TextSelectableByKeyboard);

    auto* row = new QHBoxLayout;
    row->addWidget(searchLabel);
    row->addWidget(search_, 1);
    row->addWidget(searchResult_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addWidget(page_, 1);
    setTabOrder(page_, search_);

    auto* findKey = new QShortcut(QKeySequence::Find, this);
    connect(findKey, &QShortcut::activated, this, [this] {
        search_->setFocus(Qt::ShortcutFocusReason);
        search_->selectAll();
    });
    search_->installEventFilter(this);
    connect(search_, &QLineEdit::textEdited, this, [this] { searchResult_->clear(); });
    resize(760, 640);
}

void HelpWindow::showPage(const QString& file, QWidget* mainWindow)
{
    if (!QFileInfo(file).isFile())
        throw AppError(QStringLiteral("EHelpNotFound"),
                       QStringLiteral("A súgó nem található: ") + QDir::toNativeSeparators(file));
    page_->setSource(QUrl::fromLocalFile(file));
    // Never larger than the screen it opens on.
    if (const QScreen* s = mainWindow ? mainWindow->screen() : screen())
        resize(size().boundedTo(s->availableGeometry().size() * 9 / 10));
    if (isVisible()) {
        raise();
        activateWindow();
    } else {
        showOver(mainWindow);
    }
    page_->setFocus(Qt::OtherFocusReason);
}

bool HelpWindow::find(const QString& text, bool backwards)
{
    if (text.isEmpty())
        return false;
    const QTextDocument::FindFlags flags = backwards ? QTextDocument::FindBackward : QTextDocument::FindFlags();
    bool found = page_->find(text, flags);
    if (!found) {
        // Round the page once: from the start, or back from its end.
        QTextCursor from = page_->textCursor();
        from.movePosition(backwards ? QTextCursor::End : QTextCursor::Start);
        page_->setTextCursor(from);
        found = page_->find(text, flags);
    }
    searchResult_->setText(found ? QString() : QStringLiteral("nincs találat"));
    search_->setAccessibleDescription(found ? QStringLiteral("Enter: következő találat, Shift+Enter: előző")
                                            : QStringLiteral("nincs találat"));
    return found;
}

bool HelpWindow::eventFilter(QObject* watched, QEvent* e)
{
    if (watched == search_ && e->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(e);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            find(search_->text(), key->modifiers() & Qt::ShiftModifier);
            return true;
        }
    }
    return ToolWindow::eventFilter(watched, e);
}

} // namespace ejteto
