#include "Startup.h"

#include <sys/socket.h>
#include <unistd.h>

#include <QApplication>
#include <QSocketNotifier>
#include <QTimer>
#include <cerrno>
#include <clocale>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <filesystem>
#include <optional>
#include <string>

#include "AppInfo.h"
#include "Program.h"
#include "platform/Step.h"
#include "platform/qt/Logging.h"
#include "platform/qt/QtWindow.h"
#include "platform/qt/Translations.h"
#include "window/Launch.h"

namespace rw {
namespace {

int signalPipe[2] = {-1, -1};

void OnSignal(int) {
    const char byte = 1;
    // Only async-signal-safe work here; the event loop does the rest.
    [[maybe_unused]] const auto n = ::write(signalPipe[1], &byte, 1);
}

// SIGTERM, SIGINT and SIGHUP close the window the normal way, so the
// settings are written.
void CloseOnSignals(QWidget* window) {
    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, signalPipe) != 0) return;
    auto* notifier = new QSocketNotifier(signalPipe[0], QSocketNotifier::Read, window);
    QObject::connect(notifier, &QSocketNotifier::activated, window, [window] {
        char byte;
        [[maybe_unused]] const auto n = ::read(signalPipe[0], &byte, 1);
        window->close();
    });
    struct sigaction sa {};
    sa.sa_handler = OnSignal;
    sigemptyset(&sa.sa_mask);
    sa.sa_flags = SA_RESTART;
    for (int sig : {SIGTERM, SIGINT, SIGHUP}) sigaction(sig, &sa, nullptr);
}

// The program's arguments joined with single spaces: one movie reference.
// Taken from argv itself, after QApplication has removed its own options:
// QCoreApplication::arguments() decodes them as UTF-8 and turns a file name
// that is not UTF-8 into one that does not exist. (Before QApplication, the
// whole command line as typed.)
std::string CommandLine(int argc, char* argv[]) {
    std::vector<std::string> arguments;
    for (int i = 1; i < argc && argv[i]; ++i) arguments.emplace_back(argv[i]);
    return MovieOfArguments(arguments);
}

// "reelwick --help" and "reelwick --version" from a terminal: answered on
// standard output with no window, no display and no settings touched. Returns
// the exit status, or nothing when the command line names a movie.
std::optional<int> AnswerWithoutWindow(int argc, char* argv[]) {
    const std::string line = CommandLine(argc, argv);
    std::error_code error;  // a name that cannot be looked at is not there
    const bool nameExists = std::filesystem::exists(std::filesystem::symlink_status(line, error));
    const LaunchRequest request = ReadLaunchRequest(line, nameExists);
    if (request == LaunchRequest::Play) return std::nullopt;
    const std::string text = request == LaunchRequest::Help ? UsageText() : VersionText();
    std::fputs(text.c_str(), stdout);
    // A closed or full output is an error a script should see.
    if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
        std::fprintf(stderr, "reelwick: cannot write to standard output: %s\n",
                     std::strerror(errno));
        return 1;
    }
    return 0;
}

// On a Wayland desktop the window goes through XWayland: a Wayland client can
// neither place its window nor keep it on top, and the program restores its
// placement and offers Stay On Top.
void PreferXWayland() {
    if (PreferXcbPlatform(std::getenv("WAYLAND_DISPLAY"), std::getenv("DISPLAY"),
                          std::getenv("QT_QPA_PLATFORM"))) {
        ::setenv("QT_QPA_PLATFORM", "xcb", 1);
    }
}

int Run(int argc, char* argv[], void (*afterStart)(Program&)) {
    if (const auto status = AnswerWithoutWindow(argc, argv)) return *status;
    PreferXWayland();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QString::fromUtf8(kAppTitle));
    QApplication::setApplicationVersion(QString::fromUtf8(kVersionText));
    QGuiApplication::setDesktopFileName(QString::fromUtf8(kDesktopId));
    InstallFailureLogging();
    InstallTranslations(app);
    // libmpv refuses to start under a locale whose decimal point is not ".".
    std::setlocale(LC_NUMERIC, "C");

    Program program(CommandLine(argc, argv));
    QWidget* window = &program.Window();
    CloseOnSignals(window);
    QObject::connect(&app, &QGuiApplication::commitDataRequest, window,
                     [window] { window->close(); });

    // Start-up runs inside the event loop, so a close that arrives while the
    // first movie loads ends the program normally.
    QTimer::singleShot(0, window, [&program, afterStart] {
        Step([&] { program.Start(); });
        if (afterStart) Step([&] { afterStart(program); });
    });
    return QApplication::exec();
}

}  // namespace

int RunReelwick(int argc, char* argv[], void (*afterStart)(Program&)) noexcept {
    // Every handler catches its own failures; this is the last line, so that
    // nothing ends the program with an abort and a core dump.
    try {
        return Run(argc, argv, afterStart);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "reelwick: %s\n", e.what());
    } catch (...) {
        std::fprintf(stderr, "reelwick: unexpected failure\n");
    }
    return 1;
}

}  // namespace rw
