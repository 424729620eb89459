#include "platform/qt/Logging.h"

#include "platform/Step.h"

namespace rw {

Q_LOGGING_CATEGORY(lcPlayer, "reelwick.player", QtCriticalMsg)

namespace {

// Only critical messages are on by default, and none is ever sent: every
// category stays quiet until QT_LOGGING_RULES switches its warnings on.
Q_LOGGING_CATEGORY(lcWindow, "reelwick.window", QtCriticalMsg)
Q_LOGGING_CATEGORY(lcSettings, "reelwick.settings", QtCriticalMsg)
Q_LOGGING_CATEGORY(lcFiles, "reelwick.files", QtCriticalMsg)
Q_LOGGING_CATEGORY(lcDialogs, "reelwick.dialogs", QtCriticalMsg)
Q_LOGGING_CATEGORY(lcShell, "reelwick.shell", QtCriticalMsg)
Q_LOGGING_CATEGORY(lcDesktop, "reelwick.desktop", QtCriticalMsg)
Q_LOGGING_CATEGORY(lcLogic, "reelwick.logic", QtCriticalMsg)

const QLoggingCategory& CategoryOf(Service service) {
    switch (service) {
        case Service::Window:
            return lcWindow();
        case Service::Player:
            return lcPlayer();
        case Service::Settings:
            return lcSettings();
        case Service::Files:
            return lcFiles();
        case Service::Dialogs:
            return lcDialogs();
        case Service::Shell:
            return lcShell();
        case Service::Desktop:
            return lcDesktop();
        case Service::Logic:
            break;
    }
    return lcLogic();
}

void LogFailure(Service service, const char* what) noexcept {
    try {
        const QLoggingCategory& category = CategoryOf(service);
        if (category.isWarningEnabled())
            QMessageLogger().warning(category, "step skipped: %s", what);
    } catch (...) {
        // A log line is never worth a failure of its own.
    }
}

}  // namespace

Q_LOGGING_CATEGORY(lcMpv, "reelwick.mpv", QtCriticalMsg)

void InstallFailureLogging() { SetFailureSink(&LogFailure); }

}  // namespace rw
