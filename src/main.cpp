#include <sys/socket.h>
#include <unistd.h>

#include <QApplication>
#include <QSocketNotifier>
#include <QStringList>
#include <QTimer>
#include <clocale>
#include <csignal>
#include <string>

#include "BenchHooks.h"
#include "Program.h"
#include "platform/qt/QtWindow.h"

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
std::string CommandLine(const QStringList& args) {
    return args.mid(1).join(QLatin1Char(' ')).toStdString();
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Ostrun's Reelwick"));
    QApplication::setApplicationVersion(QStringLiteral("1.1.0.1"));
    QGuiApplication::setDesktopFileName(QStringLiteral("net.ostrun.Reelwick"));
    // libmpv refuses to start under a locale whose decimal point is not ".".
    std::setlocale(LC_NUMERIC, "C");

    rw::Program program(CommandLine(QCoreApplication::arguments()));
    QWidget* window = &program.Window();
    CloseOnSignals(window);
    QObject::connect(&app, &QGuiApplication::commitDataRequest, window,
                     [window] { window->close(); });

    // Start-up runs inside the event loop, so a close that arrives while the
    // first movie loads ends the program normally.
    QTimer::singleShot(0, window, [&program] {
        program.Start();
        rw::StartBenchHooks(program);
    });
    return QApplication::exec();
}
