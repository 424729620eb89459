#pragma once

#include <algorithm>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "Fakes.h"
#include "film/Commands.h"
#include "film/FilmControls.h"
#include "platform/FilmServices.h"
#include "platform/PlayerControls.h"

namespace rw::test {

// The player's film controls, as plain values; requests go to the journal.
class FakeControls final : public IPlayerControls {
  public:
    explicit FakeControls(Journal& j) : journal(j) {}
    Journal& journal;
    double position = 0, duration = 0, speed = 1, delay = 0, volume = 100;
    bool paused = true, atEnd = false, movie = true, picture = true, muted = false;
    std::vector<Track> subtitles, audio;
    std::vector<Chapter> chapters;
    std::optional<double> nextStart;
    bool failAll = false;

    double Position() const override { return position; }
    double Duration() const override { return duration; }
    bool IsPaused() const override { return paused; }
    bool IsAtEnd() const override { return atEnd; }
    bool HasMovie() const override { return movie; }
    bool HasPicture() const override { return picture; }
    double Speed() const override { return speed; }
    void SetSpeed(double s) override {
        Do("SetSpeed " + Text(s), [&] { speed = s; });
    }
    std::vector<Track> SubtitleTracks() const override { return subtitles; }
    std::vector<Track> AudioTracks() const override { return audio; }
    void SelectSubtitle(std::int64_t id) override { Do("SelectSubtitle " + std::to_string(id)); }
    void SelectAudio(std::int64_t id) override { Do("SelectAudio " + std::to_string(id)); }
    void AddSubtitleFile(const std::string& path) override { Do("AddSubtitleFile " + path); }
    double SubtitleDelay() const override { return delay; }
    void SetSubtitleDelay(double s) override {
        Do("SetSubtitleDelay " + Text(s), [&] { delay = s; });
    }
    std::vector<Chapter> Chapters() const override { return chapters; }
    void SeekTo(double s) override { Do("SeekTo " + Text(s)); }
    void SeekBy(double s) override { Do("SeekBy " + Text(s)); }
    void StepFrame(bool forward) override { Do(forward ? "StepFrame forward" : "StepFrame back"); }
    double Volume() const override { return volume; }
    void SetVolume(double v) override {
        Do("SetVolume " + Text(v), [&] { volume = v; });
    }
    bool IsMuted() const override { return muted; }
    void SetMuted(bool on) override {
        Do(on ? "Mute" : "Unmute", [&] { muted = on; });
    }
    void StartNextLoadAt(double s) override {
        Do("StartAt " + Text(s), [&] { nextStart = s; });
    }
    void SaveFrame(const std::string& path) override { Do("SaveFrame " + path); }
    void CopyFrame() override { Do("CopyFrame"); }
    // The lines shown over the movie, kept apart from the journal of requests.
    std::vector<std::string> lines;
    void ShowMessage(const std::string& text) override { lines.push_back(text); }

    // The picture's state, as plain values; each Set goes to the journal.
    struct FakePicture final : IPictureControls {
        explicit FakePicture(FakeControls& c) : controls(c) {}
        FakeControls& controls;
        PictureState state;
        PictureState State() const override { return state; }
        void Set(const PictureState& s) override {
            controls.Do("SetPicture", [&] { state = s; });
        }
    } view{*this};
    IPictureControls& Picture() override { return view; }
    LoopPoints loop;
    double audioDelay = 0;
    std::vector<SoundDevice> devices;
    std::string device;
    bool hardware = false;
    LoopPoints Loop() const override { return loop; }
    void SetLoopPoints(const LoopPoints& p) override {
        Do("SetLoop " + (p.a ? Text(*p.a) : "-") + " " + (p.b ? Text(*p.b) : "-"),
           [&] { loop = p; });
    }
    double AudioDelay() const override { return audioDelay; }
    void SetAudioDelay(double s) override {
        Do("SetAudioDelay " + Text(s), [&] { audioDelay = s; });
    }
    std::vector<SoundDevice> OutputDevices() const override { return devices; }
    std::string ChosenOutputDevice() const override { return device; }
    void ChooseOutputDevice(const std::string& name) override {
        Do("ChooseOutputDevice " + name, [&] { device = name; });
    }
    bool HardwareDecoding() const override { return hardware; }
    void SetHardwareDecoding(bool on) override {
        Do(on ? "HardwareDecoding on" : "HardwareDecoding off", [&] { hardware = on; });
    }

    // Numbers as the journal shows them: "1.5", "-0.1", "5".
    static std::string Text(double value) {
        char text[32];
        std::snprintf(text, sizeof text, "%g", value);
        return text;
    }

  private:
    template <class F = void (*)()>
    void Do(
        const std::string& entry, F change = [] {}) {
        if (failAll) throw PlatformError(Service::Player, entry + " failed");
        journal.push_back(entry);
        change();
    }
};

class FakeFilmServices final : public IFilmServices {
  public:
    explicit FakeFilmServices(Journal& j) : journal(j) {}
    Journal& journal;
    // What the menu returns, and the last menu shown.
    std::optional<Action> choice;
    std::vector<MenuEntry> shown;
    std::string saveResult, lastInitialPath, pictures = "/home/u/Pictures";
    std::vector<std::string> listed;  // "folder|extension"

    bool overMovie = false;
    std::optional<Action> PopupMenu(const std::vector<MenuEntry>& entries, bool over) override {
        shown = entries;
        overMovie = over;
        return choice;
    }
    std::string SaveFileName(const std::string&, const std::string& initialPath,
                             const std::string&) override {
        lastInitialPath = initialPath;
        return saveResult;
    }
    std::string openResult, lastOpenFolder, lastOpenFilter;
    std::string OpenFileName(const std::string&, const std::string& initialFolder,
                             const std::string& filter) override {
        lastOpenFolder = initialFolder;
        lastOpenFilter = filter;
        return openResult;
    }
    std::string PicturesFolder() override { return pictures; }
    std::vector<std::string> presentations;  // files whose text is SMIL
    bool IsPresentation(const std::string& path) override {
        return std::find(presentations.begin(), presentations.end(), path) != presentations.end();
    }
    void ListFolder(const std::string& folder, const std::string& extension) override {
        listed.push_back(folder + "|" + extension);
    }
};

// A form with the film commands over fakes.
struct FilmRig : Rig {
    FakeControls controls{journal};
    FakeFilmServices services{journal};
    FilmControls film{form, controls, services};
    Commands commands{form, &film};

    // The player has /m/Ep 2.mkv, and its folder has been listed.
    void InFolder() {
        player.reference = "/m/Ep 2.mkv";
        film.MovieChanged();
        film.FolderListed("/m", {"Ep 1.mkv", "Ep 2.mkv", "Ep 10.mkv"});
        journal.clear();
    }
};

}  // namespace rw::test
