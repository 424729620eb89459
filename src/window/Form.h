#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "AppInfo.h"
#include "platform/Dialogs.h"
#include "platform/FileSystem.h"
#include "platform/Player.h"
#include "platform/SettingsStore.h"
#include "platform/Window.h"

namespace rw {

// The services the main window's handlers work with.
struct Platform {
    IWindow& window;
    IPlayer& player;
    ISettingsStore& settings;
    IFileSystem& files;
    IDialogs& dialogs;
    IShell& shell;
};

// The main window formReelwick as its handlers see it: the platform objects
// plus the few values held beside the controls. Handlers are free functions
// in the folders of their subsystems, each taking the form.
struct Form : Platform {
    explicit Form(Platform p, std::string commandLine = {})
        : Platform(p), commandLine(std::move(commandLine)) {}

    // The program's arguments joined with single spaces.
    std::string commandLine;

    // Height over width of the loaded movie; 0 until the first movie.
    double movieAspect = 0.0;

    // Bumped by every OpenMovie; an older call that finds it changed after a
    // yield gives way to the newer choice.
    std::uint64_t openGeneration = 0;

    // The openGeneration of the OpenMovie that went on without its movie
    // because it was still loading; 0 when none waits. The movie, once it
    // arrives, is fitted and played only if that call is still the newest.
    std::uint64_t lateMovieGeneration = 0;

    // Guards the layout against resize chains (see Form_Resize).
    int resizeDepth = 0;
    struct HeightRequest {
        double clientWidth, clientHeight;
        std::int32_t outerHeight;
    };
    std::optional<HeightRequest> lastHeightRequest;
};

}  // namespace rw
