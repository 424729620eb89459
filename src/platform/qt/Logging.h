#pragma once

#include <QLoggingCategory>

namespace rw {

// libmpv's own messages, warnings and worse (see MpvPlayer).
Q_DECLARE_LOGGING_CATEGORY(lcMpv)
// The player: among others, why a movie could not be played.
Q_DECLARE_LOGGING_CATEGORY(lcPlayer)

// Sends every failure that a Step() swallows to the logging category of the
// service it came from: reelwick.window, reelwick.player, reelwick.settings,
// reelwick.files, reelwick.dialogs, reelwick.shell, reelwick.desktop,
// reelwick.logic. All of them, and reelwick.mpv, are silent unless switched
// on, e.g. QT_LOGGING_RULES="reelwick.*=true".
void InstallFailureLogging();

}  // namespace rw
