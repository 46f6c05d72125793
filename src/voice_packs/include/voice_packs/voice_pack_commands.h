#pragma once
// `ejteto --export-voice NAME FILE` and `ejteto --import-voice FILE
// [--replace]`, for a teacher's scripts: no window, no display needed.
#include <QString>
#include <QStringList>

namespace ejteto {

struct VoiceCommandPlaces {
    QString installedVoicesDir; // media/voices of the installation (read only)
    QString userVoicesDir;      // where imports go (userVoicesDir())
    QStringList courseWords;
    QString courseVersion;
};

struct VoiceCommandAnswer {
    int exitCode = 0;
    QString text; // standard output on success, standard error otherwise
};

// The places of the installation in `appDir` (its words from words.csv).
VoiceCommandPlaces placesOfInstallation(const QString& appDir, const QString& courseVersion);

// Whether the arguments (the program's name first) ask for a voice command.
bool asksForVoiceCommand(const QStringList& arguments);
VoiceCommandAnswer runVoiceCommand(const QStringList& arguments, const VoiceCommandPlaces& places);

} // namespace ejteto
