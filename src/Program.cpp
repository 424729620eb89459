#include "Program.h"

#include <QAction>
#include <QApplication>
#include <QImage>
#include <cstdio>
#include <exception>
#include <functional>

#include "film/CommandTable.h"
#include "film/Commands.h"
#include "film/DesktopEvents.h"
#include "film/FilmControls.h"
#include "platform/Step.h"
#include "platform/desktop/QtDesktop.h"
#include "platform/mpv/MpvPlayer.h"
#include "platform/qt/FilmInput.h"
#include "platform/qt/QtDialogs.h"
#include "platform/qt/QtFilmServices.h"
#include "platform/qt/QtSettingsStore.h"
#include "platform/qt/QtWindow.h"
#include "playback/OpenMovie.h"
#include "window/Handlers.h"

namespace rw {

Program::Program(std::string commandLine, std::string settingsFile)
    : player_(new MpvPlayer(QImage(QStringLiteral(":/logo.bmp")))),
      window_(std::make_unique<QtWindow>(player_)),
      settings_(settingsFile.empty() ? std::make_unique<QtSettingsStore>()
                                     : std::make_unique<QtSettingsStore>(settingsFile)),
      dialogs_(std::make_unique<QtDialogs>(window_.get())) {
    form_ = std::make_unique<Form>(
        Platform{*window_, *player_, *settings_, files_, *dialogs_, *dialogs_},
        std::move(commandLine));
    // Every command, from the window, the film's keys, the mouse and the
    // desktop, runs through one dispatcher.
    StartFilm();
    window_->SetEvents(commands_.get());
    QObject::connect(window_.get(), &QtWindow::PlayerPlaced, player_, &MpvPlayer::HostPlaced);
    // A movie that loads after OpenMovie stopped waiting for it; once the
    // window has closed it stays unplayed.
    QObject::connect(player_, &MpvPlayer::LateLoadSettled, player_, [this] {
        if (!commands_->Unloaded()) Step([this] { MovieArrived(*form_); });
    });
    QObject::connect(player_, &MpvPlayer::MovieReshaped, player_, [this] {
        if (!commands_->Unloaded()) Step([this] { MovieReshaped(*form_); });
    });

    // Full screen: a double click on the movie runs what F11 runs, and the
    // player hides its bar and the pointer only while the window is there.
    QObject::connect(player_, &MpvPlayer::MovieDoubleClicked, player_, [this] {
        if (!commands_->Unloaded()) commands_->Run({Command::FullScreen});
    });
    QObject::connect(window_.get(), &QtWindow::FullScreenChanged, player_,
                     &MpvPlayer::SetFullScreenMode);
    StartDesktop();
}

Program::~Program() {
    window_->SetEvents(nullptr);
    // The window outlives the film commands its input filter reaches.
    qApp->removeEventFilter(filmInput_);
    filmInput_->onMenu = nullptr;
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
    if (!commands_->Unloaded() && !window_->isVisible()) window_->show();
}

bool Program::Unloaded() const { return commands_->Unloaded(); }

// ---- Film commands ---------------------------------------------------------

void Program::StartFilm() {
    filmServices_ = std::make_unique<QtFilmServices>(
        window_.get(), [this](const std::string& folder, std::vector<std::string> names) {
            if (film_) film_->FolderListed(folder, std::move(names));
        });
    filmServices_->SetMovieArea(window_->Player(), window_->Logo());
    film_ = std::make_unique<FilmControls>(*form_, *player_, *filmServices_);
    commands_ = std::make_unique<Commands>(*form_, film_.get());
    filmInput_ = new FilmInput(window_.get(), window_->Player(), window_->Logo());
    qApp->installEventFilter(filmInput_);
    filmInput_->onMenu = [this](QPoint at) {
        if (commands_->Unloaded()) return;
        filmServices_->SetMenuAnchor(at);
        commands_->Run({Command::MovieMenu});
    };
    filmInput_->onWheel = [this](double notches) {
        if (!commands_->Unloaded()) commands_->Run(WheelAction(notches));
    };
    // Where films were left: kept as each is replaced and at exit, read
    // before the first movie opens.
    film_->ReadSettings();
    QObject::connect(player_, &MpvPlayer::LoadStarting, player_, [this](const std::string& next) {
        if (!commands_->Unloaded()) film_->MovieStarting(next);
    });
    QObject::connect(player_, &MpvPlayer::PlaybackChanged, player_, [this] {
        if (!commands_->Unloaded()) film_->PlaybackChanged();
    });
    // Another movie: its folder is listed for the movies before and after.
    QObject::connect(player_, &MpvPlayer::LoadChanged, player_, [this] {
        if (!commands_->Unloaded()) film_->MovieChanged();
    });
}

// ---- Desktop services -----------------------------------------------------

// The screen stays on while a movie with a picture plays, asked once per
// change of playback, and media keys and widgets run the menu's handlers.
void Program::StartDesktop() {
    desktopEvents_ = std::make_unique<DesktopEvents>(*commands_);
    desktop_ = std::make_unique<QtDesktop>(sessionBus_, *player_, *window_, *desktopEvents_,
                                           [this] { return commands_->Unloaded(); });
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
