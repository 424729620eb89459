#pragma once

#include <cmath>
#include <cstdint>
#include <optional>

#include "platform/Commands.h"
#include "platform/Keys.h"

namespace rw {

// How far the arrow keys seek and change the volume.
inline constexpr double kShortSeek = 5;
inline constexpr double kLongSeek = 60;
inline constexpr double kVolumeStep = 5;

// When a key runs its command. The window's own keys act on their release,
// through the window's key handler (Form_KeyUp), and its menu items' keys
// are the menu bar's shortcuts; the film's keys act on their press, and
// repeat while held, where no menu, dialog or focused folder list takes
// them.
enum class KeyTime { Shortcut, Release, Press };

// One key of one command.
struct KeyRow {
    const char* keys;  // as the README names them: "Ctrl+Right"
    std::int16_t key;  // platform/Keys.h
    std::int16_t modifiers;
    KeyTime time;
    Action action;
};

// Every key the program gives a meaning, with its command. A key is one row:
// adding a key is adding a row (and the README's line).
inline constexpr KeyRow kKeyTable[] = {
    // The window's menu items.
    {"Ctrl+O", keys::kO, keys::kCtrl, KeyTime::Shortcut, {Command::Open}},
    {"Ctrl+U", keys::kU, keys::kCtrl, KeyTime::Shortcut, {Command::OpenUrl}},
    {"F5", keys::kF5, 0, KeyTime::Shortcut, {Command::Play}},
    {"Ctrl+P", keys::kP, keys::kCtrl, KeyTime::Shortcut, {Command::Pause}},
    {"Ctrl+R", keys::kR, keys::kCtrl, KeyTime::Shortcut, {Command::Rewind}},
    {"Ctrl+C", keys::kC, keys::kCtrl, KeyTime::Shortcut, {Command::ShowControls}},
    {"Ctrl+W", keys::kW, keys::kCtrl, KeyTime::Shortcut, {Command::OriginalSize}},
    {"Ctrl+T", keys::kT, keys::kCtrl, KeyTime::Shortcut, {Command::StayOnTop}},
    // The window's own keys, on release.
    {"Ctrl+H", keys::kH, keys::kCtrl, KeyTime::Release, {Command::ShowList}},
    {"Escape", keys::kEscape, 0, KeyTime::Release, {Command::WindowKey, keys::kEscape}},
    {"Enter", keys::kEnter, 0, KeyTime::Release, {Command::WindowKey, keys::kEnter}},
    {"F11", keys::kF11, 0, KeyTime::Release, {Command::FullScreen}},
    // The film's, on press.
    {"Space", keys::kSpace, 0, KeyTime::Press, {Command::PlayPause}},
    {"Left", keys::kLeft, 0, KeyTime::Press, {Command::SeekBy, -kShortSeek}},
    {"Right", keys::kRight, 0, KeyTime::Press, {Command::SeekBy, kShortSeek}},
    {"Ctrl+Left", keys::kLeft, keys::kCtrl, KeyTime::Press, {Command::SeekBy, -kLongSeek}},
    {"Ctrl+Right", keys::kRight, keys::kCtrl, KeyTime::Press, {Command::SeekBy, kLongSeek}},
    {"Up", keys::kUp, 0, KeyTime::Press, {Command::VolumeBy, kVolumeStep}},
    {"Down", keys::kDown, 0, KeyTime::Press, {Command::VolumeBy, -kVolumeStep}},
    {"M", keys::kM, 0, KeyTime::Press, {Command::Mute}},
    {"[", keys::kBracketLeft, 0, KeyTime::Press, {Command::SpeedDown}},
    {"]", keys::kBracketRight, 0, KeyTime::Press, {Command::SpeedUp}},
    {"Backspace", keys::kBackspace, 0, KeyTime::Press, {Command::SpeedNormal}},
    {"Page Up", keys::kPageUp, 0, KeyTime::Press, {Command::PreviousMovie}},
    {"Page Down", keys::kPageDown, 0, KeyTime::Press, {Command::NextMovie}},
    {",", keys::kComma, 0, KeyTime::Press, {Command::FrameBack}},
    {".", keys::kPeriod, 0, KeyTime::Press, {Command::FrameForward}},
    {"Z", keys::kZ, 0, KeyTime::Press, {Command::SubtitlesSooner}},
    {"X", keys::kX, 0, KeyTime::Press, {Command::SubtitlesLater}},
    {"L", keys::kL, 0, KeyTime::Press, {Command::LoopAB}},
    {"Ctrl+-", keys::kMinus, keys::kCtrl, KeyTime::Press, {Command::AudioSooner}},
    {"Ctrl++", keys::kAdd, keys::kCtrl, KeyTime::Press, {Command::AudioLater}},
    {"Ctrl+=", keys::kEqual, keys::kCtrl, KeyTime::Press, {Command::AudioLater}},
    {"Ctrl+Shift+=",
     keys::kEqual,
     keys::kCtrl | keys::kShift,
     KeyTime::Press,
     {Command::AudioLater}},
    {"Ctrl+Shift++", keys::kAdd, keys::kCtrl | keys::kShift, KeyTime::Press, {Command::AudioLater}},
    {"Menu", keys::kMenu, 0, KeyTime::Press, {Command::MovieMenu, 1}},
    {"Shift+F10", keys::kF10, keys::kShift, KeyTime::Press, {Command::MovieMenu, 1}},
    // The picture's (film/PictureCommands.h).
    {"A", keys::kA, 0, KeyTime::Press, {Command::NextAspect}},
    {"Shift+A", keys::kA, keys::kShift, KeyTime::Press, {Command::NextAspect}},
    {"Alt++", keys::kEqual, keys::kAlt | keys::kShift, KeyTime::Press, {Command::ZoomBy, 1}},
    {"Alt+=", keys::kEqual, keys::kAlt, KeyTime::Press, {Command::ZoomBy, 1}},
    {"Alt+Keypad +", keys::kAdd, keys::kAlt, KeyTime::Press, {Command::ZoomBy, 1}},
    {"Alt+-", keys::kMinus, keys::kAlt, KeyTime::Press, {Command::ZoomBy, -1}},
    {"Alt+Left", keys::kLeft, keys::kAlt, KeyTime::Press, {Command::PanX, -1}},
    {"Alt+Right", keys::kRight, keys::kAlt, KeyTime::Press, {Command::PanX, 1}},
    {"Alt+Up", keys::kUp, keys::kAlt, KeyTime::Press, {Command::PanY, -1}},
    {"Alt+Down", keys::kDown, keys::kAlt, KeyTime::Press, {Command::PanY, 1}},
    {"Alt+Backspace", keys::kBackspace, keys::kAlt, KeyTime::Press, {Command::ResetZoom}},
    {"D", keys::kD, 0, KeyTime::Press, {Command::ToggleDeinterlace}},
    {"1", keys::k1, 0, KeyTime::Press, {Command::ContrastBy, -1}},
    {"2", keys::k1 + 1, 0, KeyTime::Press, {Command::ContrastBy, 1}},
    {"3", keys::k1 + 2, 0, KeyTime::Press, {Command::BrightnessBy, -1}},
    {"4", keys::k1 + 3, 0, KeyTime::Press, {Command::BrightnessBy, 1}},
    {"5", keys::k1 + 4, 0, KeyTime::Press, {Command::GammaBy, -1}},
    {"6", keys::k1 + 5, 0, KeyTime::Press, {Command::GammaBy, 1}},
    {"7", keys::k1 + 6, 0, KeyTime::Press, {Command::SaturationBy, -1}},
    {"8", keys::k1 + 7, 0, KeyTime::Press, {Command::SaturationBy, 1}},
};

// The command of a key (platform/Keys.h code and modifier bits) at `time`;
// none for a key without one then.
constexpr std::optional<Action> KeyCommand(std::int16_t key, std::int16_t modifiers, KeyTime time) {
    for (const KeyRow& row : kKeyTable) {
        if (row.key == key && row.modifiers == modifiers && row.time == time) return row.action;
    }
    return std::nullopt;
}

// The volume change of a turn of the mouse wheel over the movie, in
// wheel notches (positive: away from the user, louder).
inline Action WheelAction(double notches) {
    return {Command::VolumeBy, std::isfinite(notches) ? notches * kVolumeStep : 0};
}

}  // namespace rw
