#pragma once
// The About window's own texts and the rule that turns its address label
// into the target the desktop opens; kept apart from the widgets so they can
// be checked without a window.
#include <QString>
#include <QUrl>

namespace ejteto {

// The credit, shared with the main window's hidden credit label. It wraps
// onto two lines in both labels: the developers, then the year work began.
inline const QString kDeveloperCredit = QStringLiteral("Az Ejteto! fejlesztői MMXXVI");

// The licence notice: the family (bold first line) and the full name.
inline const QString kLicenceFamily = QStringLiteral("GNU GPL licenc");
inline const QString kLicenceName = QStringLiteral("GNU General Public License, 3. vagy későbbi változat");

// Thanks to the voice every bundled recording is spoken in.
inline const QString kVoiceThanks =
    QStringLiteral("Köszönet az espeak-ng brit angol hangjának, amely a felvételeken szól.");

inline const QString kKudosTitle = QStringLiteral("Külön köszönet:");

// The address shown in the window: the bundled help page, relative to the
// program folder, since the project has no public web page.
inline const QString kHelpAddress = QStringLiteral("help/index.html");

// The free projects the program is built on: twelve names, comma separated,
// on four lines joined by CR LF, ending in a full stop.
QString contributorsList();

// What a click on the address label opens: a web address stays as it is, a
// relative path is taken inside the program folder `appDir`.
QUrl addressTarget(const QString& labelText, const QString& appDir);

} // namespace ejteto
