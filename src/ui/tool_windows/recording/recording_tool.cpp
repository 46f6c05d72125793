#include "ui/recording_tool.h"

#include "app/paths.h"
#include "app/user_choices.h"
#include "app/voice_paths.h"
#include "audio/pcm_shaping.h"
#include "content/recording_session.h"
#include "media/gst_media_engine.h"
#include "media/gst_voice_recorder.h"
#include "media/media_errors.h"
#include "media/media_player.h"
#include "phonetics/recorded_vowel_judge.h"
#include "shared/qt_run_clock.h"
#include "ui/recording_window.h"
#include "ui/tool_host.h"
#include "voice_packs/voice_folder_store.h"
#include "voice_packs/voice_pack_export.h"
#include "voice_packs/voice_pack_import.h"

#include <QDir>
#include <QFileInfo>
#include <map>

namespace ejteto {

namespace {

// A take may be a held vowel of three seconds with a breath either side.
constexpr int kLongestTakeMs = 4500;

// The course's model recordings, each played to its end on the tool's own player.
class ModelSounds : public RecordingPlayer {
public:
    ModelSounds(QString mediaDir, std::unique_ptr<MediaEngine> engine)
        : mediaDir_(std::move(mediaDir)), player_(std::move(engine))
    {
        player_.setObjectName(QStringLiteral("MediaPlayer_Hangfelvetel"));
    }
    void play(const CourseRecording& r, Speed) override
    {
        const std::optional<QString> path = r.kind == CourseRecording::Kind::Vowel
                                                ? vowelRecordingPath(mediaDir_, r.soundId)
                                                : wordRecordingPath(mediaDir_, r.word);
        if (!path)
            throw fileNotFoundError();
        playRecording(player_, *path);
    }

private:
    QString mediaDir_;
    MediaPlayer player_;
};

} // namespace

struct RecordingTool::Parts : RecordingWindowHost {
    Parts(ToolHost& h, RecordingToolServices s)
        : host(h), services(std::move(s)),
          recorder(services.recorders ? services.recorders() : makeGstVoiceRecorder({kLongestTakeMs})),
          model(h.mediaFolder(), services.engines ? services.engines() : makeGstMediaEngine()),
          vowel(phonetics::recordedVowelJudge(h.contentTables(), phonetics::readCourseVowels(h.mediaFolder())))
    {
        if (services.voicesDir.isEmpty())
            services.voicesDir = userVoicesDir();
        const ContentTables& tables = h.contentTables();
        for (int32_t i = 1; i <= tables.lastEntry(); ++i)
            if (const szorekord* e = tables.entry(i))
                courseWords << e->Word;
        courseWords.removeDuplicates();
    }

    std::unique_ptr<RecordingSession> sessionFor(const QString& name, RecordingSessionView& view,
                                                 QString* error) override
    {
        if (!isVoiceName(name)) {
            *error = QStringLiteral("„%1” nem lehet egy mappa neve: ne legyen benne / vagy \\, ne kezdődjön "
                                    "ponttal, ne legyen „..”, és legfeljebb 64 karakter legyen.")
                         .arg(name);
            return nullptr;
        }
        // Offered again next time; a choice that cannot be kept costs nothing.
        keepRecordingVoiceChoice(name);
        auto& store = stores[name];
        if (!store)
            store = std::make_unique<VoiceFolderStore>(QDir(services.voicesDir).filePath(name),
                                                       VoiceManifest{name, {}, {}, {}, services.courseVersion});
        return std::make_unique<RecordingSession>(
            recordingItems(host.contentTables()),
            RecordingSessionParts{*recorder, model, *store, view, pump, shapeRecording, vowel});
    }

    // The voice's folder: the user's, else the installation's.
    QString folderOf(const QString& name) const
    {
        const QString own = QDir(services.voicesDir).filePath(name);
        if (QFileInfo(own).isDir())
            return own;
        const QString installed = QDir(voicesDirOf(host.mediaFolder())).filePath(name);
        return QFileInfo(installed).isDir() ? installed : QString();
    }

    std::pair<bool, QString> exportVoice(const QString& name, const QString& packFile) override
    {
        const QString folder = folderOf(name);
        if (folder.isEmpty())
            return {false, QStringLiteral("A(z) „%1” hangnak még nincs egyetlen felvétele sem.").arg(name)};
        const VoicePackExport done = exportVoicePack(folder, manifestOfFolder(folder), packFile);
        if (!done.error.isEmpty())
            return {false, done.error};
        return {true,
                QStringLiteral("Exportálva: „%1”, %2 felvétel, ide: %3").arg(name).arg(done.recordings).arg(packFile)};
    }

    Import importVoice(const QString& packFile, bool replace) override
    {
        const VoicePackImport done = importVoicePack({packFile, services.voicesDir, courseWords, replace});
        Import out;
        out.name = done.manifest.name;
        out.message = done.message;
        switch (done.outcome) {
        case VoicePackImport::Outcome::Imported:
            out.outcome = Import::Outcome::Imported;
            if (services.voicesChanged)
                services.voicesChanged();
            break;
        case VoicePackImport::Outcome::NameTaken:
            out.outcome = Import::Outcome::NameTaken;
            break;
        case VoicePackImport::Outcome::Refused:
            out.outcome = Import::Outcome::Refused;
            break;
        }
        return out;
    }

    QStringList voices() override
    {
        QStringList all = voiceFolders(host.mediaFolder()) + voiceFoldersIn(services.voicesDir);
        all.removeDuplicates();
        all.sort();
        return all;
    }
    QString lastVoice() override { return recordingVoiceChoice(); }
    QString playbackVoice() override { return host.playbackVoice(); }
    QString choosePlaybackVoice(const QString& name) override { return host.choosePlaybackVoice(name); }

    ToolHost& host;
    RecordingToolServices services;
    std::unique_ptr<VoiceRecorder> recorder;
    ModelSounds model;
    VowelJudge vowel;
    QtRunClock pump;
    QStringList courseWords;
    std::map<QString, std::unique_ptr<VoiceFolderStore>> stores; // by voice, for the sessions made
    std::unique_ptr<RecordingWindow> window;
};

RecordingTool::RecordingTool(ToolHost& host, RecordingToolServices services)
    : parts_(std::make_unique<Parts>(host, std::move(services)))
{
    parts_->window = std::make_unique<RecordingWindow>(*parts_);
}

RecordingTool::~RecordingTool() = default;

RecordingWindow& RecordingTool::window() { return *parts_->window; }

std::unique_ptr<RecordingTool> installVoiceRecording(ToolHost& host, RecordingToolServices services)
{
    auto tool = std::make_unique<RecordingTool>(host, std::move(services));
    RecordingWindow* window = &tool->window();
    host.addTool({QStringLiteral("Hangfelvétel"), QKeySequence(Qt::CTRL | Qt::Key_E),
                  [window, &host] { window->openOver(&host.mainWindow()); }, window});
    return tool;
}

} // namespace ejteto
