// A stand-in of the desktop's org.freedesktop.ScreenSaver for the end-to-end
// tests: registers on the session bus of its environment, prints "ready",
// then one line per call it receives ("Inhibit 41", "UnInhibit 41").

#include <QCoreApplication>
#include <cstdio>

#include "DesktopStandIns.h"

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    rw::test::ScreenSaverStandIn saver;
    if (!saver.Registered()) {
        std::fprintf(stderr, "the screen saver's name is taken or there is no bus\n");
        return 1;
    }
    QObject::connect(&saver, &rw::test::ScreenSaverStandIn::called, &saver, [&saver] {
        std::printf("%s\n", saver.calls.last().toUtf8().constData());
        std::fflush(stdout);
    });
    std::printf("ready\n");
    std::fflush(stdout);
    return QCoreApplication::exec();
}
