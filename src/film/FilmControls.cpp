#include "film/FilmControls.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <iterator>

#include "film/FolderNeighbours.h"
#include "film/SoundCommands.h"
#include "platform/PlayText.h"
#include "platform/Step.h"
#include "platform/Tr.h"
#include "playback/OpenMovie.h"
#include "sources/Paths.h"
#include "window/Numbers.h"
#include "window/Settings.h"

namespace rw {
namespace {

constexpr double kSameSpeed = 1e-6;

}  // namespace

double SpeedStep(double current, int direction) {
    if (!std::isfinite(current)) return 1;
    if (direction > 0) {
        for (double speed : kSpeeds)
            if (speed > current + kSameSpeed) return speed;
        return std::max(current, kSpeeds[std::size(kSpeeds) - 1]);
    }
    if (direction < 0) {
        for (auto speed = std::rbegin(kSpeeds); speed != std::rend(kSpeeds); ++speed)
            if (*speed < current - kSameSpeed) return *speed;
        return std::min(current, kSpeeds[0]);
    }
    return current;
}

double VolumeAfter(double volume, double by) {
    const double from = std::isfinite(volume) ? volume : 100;
    return std::clamp(from + (std::isfinite(by) ? by : 0), 0.0, 100.0);
}

std::string FrameFileName(const std::string& movieName, double seconds) {
    std::string stem = movieName;
    if (const std::size_t dot = stem.rfind('.'); dot != std::string::npos && dot > 0) {
        stem.erase(dot);
    }
    if (stem.empty()) stem = "frame";
    const ClockTime t = SplitPlayTime(seconds);
    char time[64];
    std::snprintf(time, sizeof time, " %02lld-%02lld-%02lld.png", t.hours, t.minutes, t.seconds);
    return stem + time;
}

MovieMenuState FilmControls::MenuState() {
    MovieMenuState state;
    Step([&] {
        state.hasMovie = player_.HasMovie();
        state.hasPicture = player_.HasPicture();
    });
    Step([&] { state.subtitles = player_.SubtitleTracks(); });
    Step([&] { state.audio = player_.AudioTracks(); });
    Step([&] { state.speed = player_.Speed(); });
    Step([&] { state.picture = player_.Picture().State(); });
    Step([&] { state.chapters = player_.Chapters(); });
    state.canPrevious = Neighbour(-1).has_value();
    state.canNext = Neighbour(+1).has_value();
    state.resume = resume;
    state.playThrough = playThrough;
    Step([&] { state.fullScreen = form_.window.FullScreen(); });
    state.sound = ReadSoundMenuState(player_);
    return state;
}

std::optional<Action> FilmControls::ChooseFromMenu(bool overMovie) {
    std::optional<Action> chosen;
    Step([&] { chosen = services_.PopupMenu(BuildMovieMenu(MenuState()), overMovie); });
    return chosen;
}

void FilmControls::MovieChanged() {
    std::optional<LocalMovie> movie;
    Step([&] { movie = SplitLocalMovie(form_.player.Reference()); });
    if (!movie) {
        listedFolder_.clear();
        names_.clear();
    } else if (movie->folder != listedFolder_) {
        // The old names say nothing of the new folder; until its names come
        // there is no movie before or after.
        listedFolder_ = movie->folder;
        names_.clear();
        Step([&] { services_.ListFolder(movie->folder, ExtensionOf(movie->name)); });
    }
    if (onNeighboursChanged) onNeighboursChanged();
}

void FilmControls::FolderListed(const std::string& folder, std::vector<std::string> names) {
    if (folder != listedFolder_) return;  // a folder left meanwhile
    names_ = std::move(names);
    if (onNeighboursChanged) onNeighboursChanged();
}

std::optional<std::string> FilmControls::Neighbour(int step) {
    std::optional<LocalMovie> movie;
    Step([&] { movie = SplitLocalMovie(form_.player.Reference()); });
    if (!movie || movie->folder != listedFolder_) return std::nullopt;
    const auto name = NeighbourName(names_, movie->name, step);
    if (!name) return std::nullopt;
    return JoinFolderAndName(movie->folder, *name);
}

void FilmControls::OpenNeighbour(int step) {
    // A movie deleted or renamed since the folder was listed would unload
    // the playing one: it is passed over for the next one still there, and
    // the folder is listed again.
    bool passedOver = false;
    for (int at = step; step != 0; at += step) {
        const auto movie = Neighbour(at);
        if (!movie) break;
        if (Step([&] { form_.files.FileLength(*movie); })) {
            if (passedOver) ListAgain();
            OpenMovie(form_, *movie);
            return;
        }
        passedOver = true;
    }
    if (passedOver) ListAgain();
}

void FilmControls::PlaybackChanged() {
    bool atEnd = false;
    Step([&] { atEnd = player_.HasMovie() && player_.IsAtEnd(); });
    const bool ended = atEnd && !atEnd_;
    atEnd_ = atEnd;
    if (!ended || !playThrough) return;
    // A looping movie never ends; the check is for a loop turned on just now.
    bool loop = false;
    Step([&] { loop = form_.window.Checked(Menu::MovieLoop); });
    if (!loop) OpenNeighbour(+1);
}

void FilmControls::ListAgain() {
    std::optional<LocalMovie> movie;
    Step([&] { movie = SplitLocalMovie(form_.player.Reference()); });
    if (!movie || movie->folder != listedFolder_) return;
    Step([&] { services_.ListFolder(movie->folder, ExtensionOf(movie->name)); });
}

void FilmControls::SaveFrameAs() {
    std::string name = "frame";
    Step([&] {
        if (const auto movie = SplitLocalMovie(form_.player.Reference())) name = movie->name;
    });
    double at = 0;
    Step([&] { at = player_.Position(); });
    std::string path;
    Step([&] {
        const std::string initial =
            JoinFolderAndName(services_.PicturesFolder(), FrameFileName(name, at));
        path =
            services_.SaveFileName(RW_TR("Dialogs", "Save Frame As"), initial, "PNG Images|*.png");
    });
    if (path.empty()) return;
    if (ExtensionOf(FileNameOf(path)) != "png") path += ".png";
    Step([&] { player_.SaveFrame(path); });
}

void FilmControls::ReadSettings() {
    ISettingsStore& store = form_.settings;
    positions_.Read(store);
    const auto flag = [&](const char* key) {
        return ParseBoolean(ReadSetting(store, kSettingsSection, key, ""));
    };
    if (const auto on = flag(kResumeKey)) resume = *on;
    if (const auto on = flag(kPlayThroughKey)) playThrough = *on;
    std::optional<double> volume;
    if (const auto read = ParseNumber(ReadSetting(store, kSettingsSection, kVolumeKey, ""))) {
        if (std::isfinite(*read)) volume = std::clamp(*read, 0.0, 100.0);
    }
    if (volume) Step([&] { player_.SetVolume(*volume); });
    const auto muted = flag(kMuteKey);
    if (muted) Step([&] { player_.SetMuted(*muted); });
    ReadSoundSettings(store, player_);

    // The player may tell what it was asked only later: the texts of what
    // was read are taken as they are.
    for (const auto& [key, text] : OptionTexts()) {
        if (text) optionsKept_[key] = *text;
    }
    if (volume) optionsKept_[kVolumeKey] = std::to_string(std::lround(*volume));
    if (muted) optionsKept_[kMuteKey] = FormatBoolean(*muted);
}

void FilmControls::WriteSettings() {
    RememberPlaying();
    SaveKept(true);
}

std::vector<std::pair<const char*, std::optional<std::string>>> FilmControls::OptionTexts() {
    std::optional<std::string> volume, muted;
    Step([&] { volume = std::to_string(std::lround(VolumeAfter(player_.Volume(), 0))); });
    Step([&] { muted = FormatBoolean(player_.IsMuted()); });
    std::vector<std::pair<const char*, std::optional<std::string>>> texts{
        {kResumeKey, FormatBoolean(resume)},
        {kPlayThroughKey, FormatBoolean(playThrough)},
        {kVolumeKey, volume},
        {kMuteKey, muted}};
    for (auto& text : SoundOptionTexts(player_)) texts.push_back(std::move(text));
    return texts;
}

void FilmControls::SaveKept(bool always) {
    const auto options = OptionTexts();
    const bool optionsChanged = std::any_of(options.begin(), options.end(), [&](const auto& o) {
        return o.second && optionsKept_[o.first] != *o.second;
    });
    if (!always && !optionsChanged && !positions_.Changed()) return;

    ISettingsStore& store = form_.settings;
    positions_.Save(store);  // reloads the store
    for (const auto& option : options) {
        // (Not a structured binding: a lambda below uses them, which clang
        // before 16 refuses.)
        const char* key = option.first;
        const std::optional<std::string>& text = option.second;
        if (!text) continue;
        // Written when changed here, and where the store holds no usable
        // value, so that the file always has one.
        const std::string stored = ReadSetting(store, kSettingsSection, key, "");
        const auto number = ParseNumber(stored);
        // (A device's name is any text, and none is automatic.)
        const bool usable = key == std::string(kAudioDeviceKey) ||
                            (key == std::string(kVolumeKey) ? number && std::isfinite(*number)
                                                            : ParseBoolean(stored).has_value());
        if (optionsKept_[key] == *text && usable) continue;
        if (Step([&] { store.Write(kSettingsSection, key, *text); })) optionsKept_[key] = *text;
    }
    Step([&] { store.Reload(); });
}

// A film left part way is kept; one watched to its credits, or hardly
// begun, starts from the beginning next time.
void FilmControls::RememberPlaying() {
    if (!resume) return;
    std::string playing;
    Step([&] { playing = form_.player.Reference(); });
    if (playing.empty()) return;
    Step([&] {
        if (!player_.HasMovie()) return;
        if (const auto at = ResumePoint(player_.Position(), player_.Duration())) {
            positions_.Remember(playing, *at);
        } else {
            positions_.Forget(playing);
        }
    });
}

void FilmControls::MovieStarting(const std::string& reference) {
    RememberPlaying();
    SaveKept(false);
    if (!resume) return;
    if (const auto at = positions_.Find(reference)) Step([&] { player_.StartNextLoadAt(*at); });
}

bool FilmControls::Dropped(const std::vector<std::string>& files) {
    if (files.empty()) return false;
    const std::string& first = files.front();
    const std::string name = FileNameOf(first);
    // A .smi file may be a presentation, which plays like a movie.
    bool smil = false;
    if (ExtensionOf(name) == "smi") Step([&] { smil = services_.IsPresentation(first); });
    if (!IsSubtitleFile(name, smil)) return false;
    bool loaded = false;
    Step([&] { loaded = player_.HasMovie(); });
    if (loaded) Step([&] { player_.AddSubtitleFile(first); });
    return true;
}

void FilmControls::LoadSubtitleFile() {
    std::optional<LocalMovie> movie;
    Step([&] { movie = SplitLocalMovie(form_.player.Reference()); });
    std::string path;
    Step([&] {
        path = services_.OpenFileName(RW_TR("Dialogs", "Load Subtitle File"),
                                      movie ? movie->folder : std::string(), kSubtitleFilter);
    });
    if (!path.empty()) Step([&] { player_.AddSubtitleFile(path); });
}

}  // namespace rw
