#include "ui/listening_tool.h"

#include "app/random_source.h"
#include "app/voice_paths.h"
#include "content/voice_library.h"
#include "media/gst_media_engine.h"
#include "shared/qt_run_clock.h"
#include "tool_windows/listening_drill/drill_sounds.h"
#include "ui/listening_window.h"
#include "ui/tool_host.h"

namespace ejteto {

struct ListeningTool::Parts {
    explicit Parts(const QString& mediaDir, std::unique_ptr<MediaEngine> engine)
        : library(mediaDir, userVoicesDir()), sounds(library, std::move(engine))
    {
    }
    FolderVoiceLibrary library;
    DrillSounds sounds;
    QtRunClock realClock;
};

ListeningTool::ListeningTool(ToolHost& host, const ListeningToolServices& services)
{
    const MediaEngineFactory engines = services.engines ? services.engines : MediaEngineFactory(makeGstMediaEngine);
    parts_ = std::make_unique<Parts>(host.mediaFolder(), engines());
    window_ = std::make_unique<ListeningWindow>([&host] { return host.currentLesson(); });
    Clock& clock = services.clock ? *services.clock : parts_->realClock;
    RandomSource& random = services.random ? *services.random : programRandom();
    window_->setController(std::make_unique<ListeningController>(host.contentTables(), parts_->library, parts_->sounds,
                                                                 random, clock, *window_));
}

ListeningTool::~ListeningTool() = default;

void ListeningTool::reloadVoices() { parts_->library.rescan(); }

void ListeningTool::setAnswerSink(ListeningAnswerSink* sink) { window_->controller()->setAnswerSink(sink); }

std::unique_ptr<ListeningTool> installListeningDrill(ToolHost& host, const ListeningToolServices& services)
{
    auto tool = std::make_unique<ListeningTool>(host, services);
    ListeningWindow* window = &tool->window();
    ListeningTool* drill = tool.get();
    host.addTool({QStringLiteral("Hallásgyakorlat"), QKeySequence(Qt::CTRL | Qt::Key_G),
                  [window, drill, &host] {
                      if (!window->isVisible())
                          drill->reloadVoices();
                      window->openOver(&host.mainWindow());
                  },
                  window});
    return tool;
}

} // namespace ejteto
