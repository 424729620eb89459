#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/PictureControls.h"

namespace rw {

// One sound or subtitle track of the loaded movie, as its file names it.
struct Track {
    std::int64_t id = 0;   // the player's track number, from 1
    std::string language;  // e.g. "eng"; empty when the file names none
    std::string title;     // empty when the file names none
    bool selected = false;
};

// The A-B loop's points, in seconds from the start; unset where none. With
// both set, playback goes back to A whenever it reaches B.
struct LoopPoints {
    std::optional<double> a, b;
    bool operator==(const LoopPoints&) const = default;
};

// A sound output the player can play through: its name as the player knows
// it, and what the system calls it.
struct SoundDevice {
    std::string name;
    std::string description;
    bool operator==(const SoundDevice&) const = default;
};

struct Chapter {
    double time = 0;  // seconds from the start
    std::string title;
};

// What a film player offers beyond the window's own movie control: tracks,
// speed, chapters, stepping, volume and frames. What it reports is what the
// player last learned, without waiting for it. Every operation may throw
// PlatformError; callers wrap each call in Step().
class IPlayerControls {
  public:
    virtual ~IPlayerControls() = default;

    // Playback as last reported; 0 while no movie is loaded (a live stream
    // has no duration).
    virtual double Position() const = 0;
    virtual double Duration() const = 0;
    virtual bool IsPaused() const = 0;
    virtual bool IsAtEnd() const = 0;
    // A movie is loaded (with or without a picture); it has a picture.
    virtual bool HasMovie() const = 0;
    virtual bool HasPicture() const = 0;

    // 1 is normal speed. Every movie starts at normal speed.
    virtual double Speed() const = 0;
    virtual void SetSpeed(double speed) = 0;

    virtual std::vector<Track> SubtitleTracks() const = 0;
    virtual std::vector<Track> AudioTracks() const = 0;
    // Track id 0 turns subtitles off.
    virtual void SelectSubtitle(std::int64_t id) = 0;
    virtual void SelectAudio(std::int64_t id) = 0;
    // Adds a subtitle file to the loaded movie and shows it.
    virtual void AddSubtitleFile(const std::string& path) = 0;
    // Subtitles shown this many seconds later (negative: sooner); every movie
    // starts with none.
    virtual double SubtitleDelay() const = 0;
    virtual void SetSubtitleDelay(double seconds) = 0;
    virtual std::vector<Chapter> Chapters() const = 0;

    virtual void SeekTo(double seconds) = 0;
    virtual void SeekBy(double seconds) = 0;
    // One frame forward or back; playback pauses.
    virtual void StepFrame(bool forward) = 0;

    // 0 to 100.
    virtual double Volume() const = 0;
    virtual void SetVolume(double percent) = 0;
    virtual bool IsMuted() const = 0;
    virtual void SetMuted(bool on) = 0;

    // Where the next Load starts, in seconds from the start; only that load.
    virtual void StartNextLoadAt(double seconds) = 0;

    // The frame shown, with its subtitles, as a PNG file at `path`, or on the
    // clipboard. Both finish later; a frame that cannot be had or written
    // leaves nothing behind (no partial file).
    virtual void SaveFrame(const std::string& path) = 0;
    virtual void CopyFrame() = 0;

    // Shows `text` over the movie for about a second in place of the line
    // shown before; empty text takes that one away. Nothing shows while a
    // menu or a dialog is up.
    virtual void ShowMessage(const std::string& text) = 0;
    // How the picture is shown: shape, zoom, turn, deinterlacing, colours.
    virtual IPictureControls& Picture() = 0;
    // The sound side (MpvSound.cpp). Every movie starts without a loop; it
    // takes precedence over looping the whole movie while it is set.
    virtual LoopPoints Loop() const = 0;
    virtual void SetLoopPoints(const LoopPoints& points) = 0;
    // Sound played this many seconds later (negative: sooner), for every
    // movie until changed.
    virtual double AudioDelay() const = 0;
    virtual void SetAudioDelay(double seconds) = 0;
    // The outputs the system offers now, and the one asked for by name (empty:
    // automatic). One that is not there plays through the automatic choice
    // until it comes back.
    virtual std::vector<SoundDevice> OutputDevices() const = 0;
    virtual std::string ChosenOutputDevice() const = 0;
    virtual void ChooseOutputDevice(const std::string& name) = 0;
    // Decoding in hardware where it is safe; a decoder that fails goes back
    // to software by itself.
    virtual bool HardwareDecoding() const = 0;
    virtual void SetHardwareDecoding(bool on) = 0;
};

}  // namespace rw
