#pragma once
// Qt's own Hungarian texts (the edit boxes' menu, the standard buttons),
// from Debian's qt6-translations-l10n, so that nothing the program shows is
// English.
class QCoreApplication;

namespace ejteto {

// Installs Qt's Hungarian translation into `app`; false when it is not
// installed (the texts then stay English).
bool installQtTranslation(QCoreApplication& app);

} // namespace ejteto
