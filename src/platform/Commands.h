#pragma once

namespace rw {

// Every command a user gives the program, whichever way it comes: a menu
// item of the window, the menu on the movie, a key, the mouse wheel or the
// desktop's media controls. The table of their keys is film/CommandTable.h;
// one dispatcher runs them all (film/Commands.h).
enum class Command {
    // The window's menus, each run by its menu item's handler.
    Open,
    OpenUrl,
    ShowList,
    Recent,  // value: the item, 0 to 7
    Exit,
    Play,
    Pause,
    Rewind,
    ShowControls,
    LoopMovie,
    PlayLastMovie,
    OriginalSize,
    StayOnTop,
    About,
    // A key of the window's own key handler: value, its key code.
    WindowKey,
    // The film's.
    PlayPause,
    SeekBy,    // value: seconds, negative for back
    VolumeBy,  // value: percent points
    Mute,
    SpeedDown,
    SpeedUp,
    SpeedNormal,
    SetSpeed,  // value: the speed; 0 pauses
    PreviousMovie,
    NextMovie,
    FrameBack,
    FrameForward,
    SubtitlesSooner,
    SubtitlesLater,
    SubtitlesOff,
    SubtitleTrack,  // value: the track's id
    AudioTrack,     // value: the track's id
    LoadSubtitleFile,
    Chapter,  // value: the chapter's time
    SaveFrameAs,
    CopyFrame,
    Resume,       // turns Resume Where Left Off on or off
    PlayThrough,  // turns Play Folder Through on or off
    FullScreen,
    MovieMenu,  // value: 1 when asked from the keyboard (shown over the movie)
    LoopAB,     // value: a LoopStep (film/LoopAB.h)
    AudioSooner,
    AudioLater,
    AudioDelayReset,
    OutputDevice,      // value: the device's place in the player's list, from 1; 0 automatic
    HardwareDecoding,  // turns it on or off
    // The desktop's media controls.
    PlayIfLoaded,   // Play, but never the Open dialog a hidden window would pop up
    Stop,           // pauses and goes back to the start
    SetLoop,        // value: 1 on, 0 off
    PauseIfLoaded,  // Pause, shown as a line over the movie as the film's keys are
    SeekTo,         // value: seconds from the start
    SetVolume,      // value: percent
    // The picture (film/PictureCommands.h).
    SetAspect,          // value: width over height; 0 the file's own
    NextAspect,         // the next shape of the Aspect Ratio menu
    ZoomBy,             // value: steps, negative to zoom out
    PanX,               // value: steps, negative to the left
    PanY,               // value: steps, negative up
    FillWindow,         // crops the picture to fill the area, or shows it whole again
    ResetZoom,          // no zoom, no move, no fill
    SetRotation,        // value: degrees clockwise on top of the file's
    SetDeinterlace,     // value: a Deinterlace
    ToggleDeinterlace,  // between Off and On
    BrightnessBy,       // value: steps, negative for less
    ContrastBy,
    SaturationBy,
    GammaBy,
    ResetPictureValues,
};

// A command with its value.
struct Action {
    Command command = Command::PlayPause;
    double value = 0;
    bool operator==(const Action&) const = default;
};

}  // namespace rw
