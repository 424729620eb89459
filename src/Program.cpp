#include "Program.h"

#include <QAction>
#include <QApplication>
#include <QImage>
#include <cstdio>
#include <exception>
#include <functional>

#include "film/DesktopEvents.h"
#include "film/FilmControls.h"
#include "film/FilmKeys.h"
#include "platform/Step.h"
#include "platform/desktop/QtDesktop.h"
#include "platform/mpv/MpvPlayer.h"
#include "platform/qt/FilmInput.h"
#include "platform/qt/QtDialogs.h"
#include "platform/qt/QtFilmServices.h"
#include "platform/qt/QtSettingsStore.h"
#include "platform/qt/QtWindow.h"
#include "playback/OpenMovie.h"
#include "window/FullScreen.h"
#include "window/Handlers.h"

namespace rw {

// Remembers that the window was unloaded, so start-up does not show it again.
class Program::Tracker final : public IFormEvents {
  public:
    explicit Tracker(IFormEvents& inner) : inner_(inner) {}
    bool unloaded = false;
    // After the window's own settings are written: the film's.
    std::function<void()> afterUnload;
    void OnResize() override { inner_.OnResize(); }
    void OnUnload() override {
        unloaded = true;
        inner_.OnUnload();
        if (afterUnload) afterUnload();
    }
    void OnMenu(Menu item) override { inner_.OnMenu(item); }
    void OnKeyUp(std::int16_t& code, std::int16_t shift) override { inner_.OnKeyUp(code, shift); }
    // Subtitle files dropped go to the playing movie, not to the window.
    std::function<bool(const std::vector<std::string>&)> takeDrop;
    void OnDrop(DropTarget t, const std::vector<std::string>& files) override {
        if (takeDrop && takeDrop(files)) return;
        inner_.OnDrop(t, files);
    }
    void OnFilesDblClick() override { inner_.OnFilesDblClick(); }
    void OnFilesKeyDown(std::int16_t& code, std::int16_t shift) override {
        inner_.OnFilesKeyDown(code, shift);
    }

  private:
    IFormEvents& inner_;
};

Program::Program(std::string commandLine, std::string settingsFile)
    : player_(new MpvPlayer(QImage(QStringLiteral(":/logo.bmp")))),
      window_(std::make_unique<QtWindow>(player_)),
      settings_(settingsFile.empty() ? std::make_unique<QtSettingsStore>()
                                     : std::make_unique<QtSettingsStore>(settingsFile)),
      dialogs_(std::make_unique<QtDialogs>(window_.get())) {
    form_ = std::make_unique<Form>(
        Platform{*window_, *player_, *settings_, files_, *dialogs_, *dialogs_},
        std::move(commandLine));
    handlers_ = std::make_unique<FormEvents>(*form_);
    tracker_ = std::make_unique<Tracker>(*handlers_);
    window_->SetEvents(tracker_.get());
    QObject::connect(window_.get(), &QtWindow::PlayerPlaced, player_, &MpvPlayer::HostPlaced);
    // A movie that loads after OpenMovie stopped waiting for it; once the
    // window has closed it stays unplayed.
    QObject::connect(player_, &MpvPlayer::LateLoadSettled, player_, [this] {
        if (!tracker_->unloaded) Step([this] { MovieArrived(*form_); });
    });
    QObject::connect(player_, &MpvPlayer::MovieReshaped, player_, [this] {
        if (!tracker_->unloaded) Step([this] { MovieReshaped(*form_); });
    });

    // Full screen: a double click on the movie runs what F11 runs, and the
    // player hides its bar and the pointer only while the window is there.
    QObject::connect(player_, &MpvPlayer::MovieDoubleClicked, player_, [this] {
        if (!tracker_->unloaded) Step([this] { ToggleFullScreen(*form_); });
    });
    QObject::connect(window_.get(), &QtWindow::FullScreenChanged, player_,
                     &MpvPlayer::SetFullScreenMode);
    StartFilm();
    StartDesktop();
}

Program::~Program() {
    window_->SetEvents(nullptr);
    // The window outlives the film commands its input filter reaches.
    qApp->removeEventFilter(filmInput_);
    filmInput_->onMenu = nullptr;
    filmInput_->onKey = nullptr;
    filmInput_->onWheel = nullptr;
    // The one failure the user hears of: settings that could not be saved
    // (a full disk, a folder in the file's place) would otherwise be lost
    // without a word. The old file stays as it was.
    try {
        settings_->Sync();
    } catch (const std::exception& e) {
        std::fprintf(stderr, "reelwick: the settings could not be saved: %s\n", e.what());
    } catch (...) {
        std::fprintf(stderr, "reelwick: the settings could not be saved\n");
    }
}

void Program::Start() {
    Form_Load(*form_);
    if (!tracker_->unloaded && !window_->isVisible()) window_->show();
}

bool Program::Unloaded() const { return tracker_->unloaded; }

// ---- Film commands ---------------------------------------------------------

void Program::StartFilm() {
    filmServices_ = std::make_unique<QtFilmServices>(
        window_.get(), [this](const std::string& folder, std::vector<std::string> names) {
            if (film_) film_->FolderListed(folder, std::move(names));
        });
    film_ = std::make_unique<FilmControls>(*form_, *player_, *filmServices_);
    filmInput_ = new FilmInput(window_.get(), window_->Keys(), window_->Player(), window_->Logo(),
                               window_->FilesList());
    qApp->installEventFilter(filmInput_);
    filmInput_->onMenu = [this](std::optional<QPoint> at) {
        if (tracker_->unloaded) return;
        filmServices_->SetMenuAnchor(at);
        film_->ShowMenu();
    };
    filmInput_->onKey = [this](std::int16_t code, std::int16_t shift) {
        const auto action = FilmKeyAction(code, shift);
        if (!action || tracker_->unloaded) return false;
        film_->Run(*action);
        return true;
    };
    filmInput_->onWheel = [this](double notches) {
        if (!tracker_->unloaded) film_->Run(WheelAction(notches));
    };
    // Where films were left: kept as each is replaced and at exit, read
    // before the first movie opens.
    film_->ReadSettings();
    QObject::connect(player_, &MpvPlayer::LoadStarting, player_, [this](const std::string& next) {
        if (!tracker_->unloaded) film_->MovieStarting(next);
    });
    tracker_->afterUnload = [this] { film_->WriteSettings(); };
    tracker_->takeDrop = [this](const std::vector<std::string>& files) {
        return film_->Dropped(files);
    };
    QObject::connect(player_, &MpvPlayer::PlaybackChanged, player_, [this] {
        if (!tracker_->unloaded) film_->PlaybackChanged();
    });
    // Another movie: its folder is listed for the movies before and after.
    QObject::connect(player_, &MpvPlayer::LoadChanged, player_, [this] {
        if (!tracker_->unloaded) film_->MovieChanged();
    });
}

// ---- Desktop services -----------------------------------------------------

// The screen stays on while a movie with a picture plays, asked once per
// change of playback, and media keys and widgets run the menu's handlers.
void Program::StartDesktop() {
    desktopEvents_ = std::make_unique<DesktopEvents>(*form_, film_.get());
    desktop_ = std::make_unique<QtDesktop>(sessionBus_, *player_, *window_, *desktopEvents_,
                                           [this] { return tracker_->unloaded; });
    const auto holdScreen = [this] {
        const PlaybackState state{player_->HasMovie(), player_->HasPicture(), !player_->IsPaused(),
                                  player_->IsAtEnd()};
        if (desktop_) Step([&] { desktop_->HoldScreen(ShouldHoldScreen(state)); });
    };
    QObject::connect(player_, &MpvPlayer::PlaybackChanged, player_, holdScreen);
    QObject::connect(player_, &MpvPlayer::LoadChanged, player_, holdScreen);
    film_->onNeighboursChanged = [this] {
        if (desktop_) Step([this] { desktop_->FilmChanged(); });
    };
    QObject::connect(window_->MenuAction(Menu::MovieLoop), &QAction::toggled, player_, [this] {
        if (desktop_) Step([this] { desktop_->LoopChanged(); });
    });
}

}  // namespace rw
