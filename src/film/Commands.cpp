#include "film/Commands.h"

#include <algorithm>
#include <cmath>
#include <iterator>

#include "film/ChangeLine.h"
#include "film/CommandTable.h"
#include "film/PictureCommands.h"
#include "film/SoundCommands.h"
#include "platform/Step.h"
#include "playback/Transport.h"
#include "sources/FolderList.h"
#include "sources/OpenDialog.h"
#include "sources/RecentList.h"
#include "sources/UrlAndDrops.h"
#include "window/About.h"
#include "window/FullScreen.h"
#include "window/Handlers.h"
#include "window/Keyboard.h"

namespace rw {

namespace {

// The window's menu items (but the recent movies'), their commands and
// their handlers.
struct MenuRow {
    Menu item;
    Command command;
    void (*handler)(Form&);
};
constexpr MenuRow kMenuRows[] = {
    {Menu::FileOpen, Command::Open, &mnuFileOpen_Click},
    {Menu::FileOpenURL, Command::OpenUrl, &mnuFileOpenURL_Click},
    {Menu::FileList, Command::ShowList, &mnuFileList_Click},
    {Menu::FileExit, Command::Exit, &mnuFileExit_Click},
    {Menu::MoviePlay, Command::Play, &mnuMoviePlay_Click},
    {Menu::MoviePause, Command::Pause, &mnuMoviePause_Click},
    {Menu::MovieRewind, Command::Rewind, &mnuMovieRewind_Click},
    {Menu::MovieControls, Command::ShowControls, &mnuMovieControls_Click},
    {Menu::MovieLoop, Command::LoopMovie, &mnuMovieLoop_Click},
    {Menu::PlayLastMovie, Command::PlayLastMovie, &mnuPlayLastMovie_Click},
    {Menu::MovieSize, Command::OriginalSize, &mnuMovieSize_Click},
    {Menu::MovieOnTop, Command::StayOnTop, &mnuMovieOnTop_Click},
    {Menu::HelpAbout, Command::About, &mnuHelpAbout_Click},
};

}  // namespace

Action ActionOfMenu(Menu item) {
    const int index = static_cast<int>(item);
    if (index >= static_cast<int>(Menu::Recent0) && index <= static_cast<int>(Menu::Recent7))
        return {Command::Recent, static_cast<double>(index - static_cast<int>(Menu::Recent0))};
    for (const MenuRow& row : kMenuRows)
        if (row.item == item) return {row.command};
    // Separators have no command; a key code of 0 does nothing.
    return {Command::WindowKey, 0};
}

void Commands::Run(Action action) {
    // Playback is read for the line only where the command has one: not
    // for the window's menus, nor for the menu on the movie, whose choice
    // comes back here.
    if (film_ == nullptr || !HasChangeLine(action.command)) return RunOne(action);
    IPlayerControls& p = film_->Player();
    const FilmState before = ReadFilmState(p);
    RunOne(action);
    // The line of a change made under the folder list would not be seen.
    bool listShown = false;
    Step([&] { listShown = form_.window.FilesVisible(); });
    const std::string line = ChangeLine(action, before);
    if (!line.empty() && !listShown) Step([&] { p.ShowMessage(line); });
}

void Commands::RunOne(Action action) {
    for (const MenuRow& row : kMenuRows)
        if (row.command == action.command) return row.handler(form_);
    switch (action.command) {
        case Command::Recent:
            return mnuRecent_Click(form_, static_cast<int>(action.value));
        case Command::WindowKey: {
            auto code = static_cast<std::int16_t>(action.value);
            if (code != 0) Form_KeyUp(form_, code, 0);
            return;
        }
        case Command::FullScreen:
            return ToggleFullScreen(form_);
        case Command::PlayIfLoaded: {
            // Play with nothing loaded runs the Open dialog from the menu; a
            // media key may be pressed while the window is hidden behind
            // others, where a modal dialog would be a surprise.
            std::string loaded;
            Step([&] { loaded = form_.player.Reference(); });
            if (!loaded.empty()) mnuMoviePlay_Click(form_);
            return;
        }
        case Command::Stop:
            mnuMoviePause_Click(form_);
            return mnuMovieRewind_Click(form_);
        case Command::PauseIfLoaded:
            return mnuMoviePause_Click(form_);
        case Command::SetLoop: {
            bool on = false;
            Step([&] { on = form_.window.Checked(Menu::MovieLoop); });
            if (on != (action.value != 0)) mnuMovieLoop_Click(form_);
            return;
        }
        default:
            return RunFilm(action);
    }
}

void Commands::RunFilm(Action action) {
    if (film_ == nullptr) return;
    FilmControls& film = *film_;
    IPlayerControls& p = film.Player();
    switch (action.command) {
        case Command::PlayPause:
            // What Play and Pause in the Movie menu do; nothing without a
            // movie (Play would ask for one).
            if (!p.HasMovie()) return;
            if (p.IsPaused() || p.IsAtEnd()) return mnuMoviePlay_Click(form_);
            return mnuMoviePause_Click(form_);
        case Command::SeekBy:
            Step([&] { p.SeekBy(action.value); });
            return;
        case Command::VolumeBy:
            Step([&] {
                p.SetVolume(VolumeAfter(p.Volume(), action.value));
                if (p.IsMuted() && action.value > 0) p.SetMuted(false);
            });
            return;
        case Command::SetVolume:
            Step([&] { p.SetVolume(VolumeAfter(action.value, 0)); });
            return;
        case Command::Mute:
            Step([&] { p.SetMuted(!p.IsMuted()); });
            return;
        case Command::SpeedDown:
        case Command::SpeedUp:
            Step([&] {
                p.SetSpeed(SpeedStep(p.Speed(), action.command == Command::SpeedUp ? 1 : -1));
            });
            return;
        case Command::SpeedNormal:
            Step([&] { p.SetSpeed(1); });
            return;
        case Command::SetSpeed:
            // Media widgets offer 0.5 to 2 (MinimumRate and MaximumRate); a
            // rate of 0 pauses, as they expect.
            if (!std::isfinite(action.value) || action.value < 0) return;
            if (action.value == 0) return mnuMoviePause_Click(form_);
            Step([&] {
                p.SetSpeed(std::clamp(action.value, kSpeeds[0], kSpeeds[std::size(kSpeeds) - 1]));
            });
            return;
        case Command::PreviousMovie:
            return film.OpenNeighbour(-1);
        case Command::NextMovie:
            return film.OpenNeighbour(+1);
        case Command::FrameBack:
        case Command::FrameForward:
            Step([&] { p.StepFrame(action.command == Command::FrameForward); });
            return;
        case Command::SubtitlesSooner:
        case Command::SubtitlesLater: {
            const double by =
                action.command == Command::SubtitlesLater ? kSubtitleStep : -kSubtitleStep;
            Step([&] { p.SetSubtitleDelay(SubtitleDelayAfter(p.SubtitleDelay(), by)); });
            return;
        }
        case Command::SubtitlesOff:
            Step([&] { p.SelectSubtitle(0); });
            return;
        case Command::SubtitleTrack:
            Step([&] { p.SelectSubtitle(static_cast<std::int64_t>(action.value)); });
            return;
        case Command::AudioTrack:
            Step([&] { p.SelectAudio(static_cast<std::int64_t>(action.value)); });
            return;
        case Command::LoadSubtitleFile:
            return film.LoadSubtitleFile();
        case Command::Chapter:
        case Command::SeekTo:
            Step([&] { p.SeekTo(action.value); });
            return;
        case Command::SaveFrameAs:
            return film.SaveFrameAs();
        case Command::CopyFrame:
            Step([&] { p.CopyFrame(); });
            return;
        case Command::Resume:
            film.resume = !film.resume;
            return;
        case Command::PlayThrough:
            film.playThrough = !film.playThrough;
            return;
        case Command::MovieMenu:
            Step([&] { p.ShowMessage({}); });  // no line over the menu
            if (const auto chosen = film.ChooseFromMenu(action.value != 0)) Run(*chosen);
            return;
        default:
            if (!RunPictureCommand(p, action) && IsSoundCommand(action.command))
                RunSound(p, action);
            return;
    }
}

void Commands::OnResize() { Form_Resize(form_); }

void Commands::OnUnload() {
    unloaded_ = true;
    Form_Unload(form_);
    // After the window's own settings: the film's.
    if (film_ != nullptr) film_->WriteSettings();
}

void Commands::OnMenu(Menu item) { Run(ActionOfMenu(item)); }

void Commands::OnKeyUp(std::int16_t& keyCode, std::int16_t shift) {
    Form_KeyUp(form_, keyCode, shift);
}

bool Commands::OnKeyDown(std::int16_t keyCode, std::int16_t shift) {
    const auto action = KeyCommand(keyCode, shift, KeyTime::Press);
    if (!action || unloaded_ || film_ == nullptr) return false;
    Run(*action);
    return true;
}

void Commands::OnDrop(DropTarget target, const std::vector<std::string>& files) {
    // Subtitle files dropped go to the playing movie, not to the window.
    if (film_ != nullptr && film_->Dropped(files)) return;
    switch (target) {
        case DropTarget::Form:
            return Form_OLEDragDrop(form_, files);
        case DropTarget::Files:
            return files_OLEDragDrop(form_, files);
        case DropTarget::Image1:
            return Image1_OLEDragDrop(form_, files);
    }
}

void Commands::OnFilesDblClick() { files_DblClick(form_); }

void Commands::OnFilesKeyDown(std::int16_t& keyCode, std::int16_t shift) {
    files_KeyDown(form_, keyCode, shift);
}

}  // namespace rw
