#include <gtest/gtest.h>

#include <QApplication>
#include <clocale>

#if defined(REELWICK_LEAK_CHECK)
#include <sanitizer/lsan_interface.h>
#endif

// One QApplication for the whole test program, as in the real one.
int main(int argc, char** argv) {
    // The software renderer needs no display server; a test that wants a real
    // one sets QT_QPA_PLATFORM itself.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    ::testing::InitGoogleTest(&argc, argv);
    const int result = RUN_ALL_TESTS();
#if defined(REELWICK_LEAK_CHECK)
    // Leaks are looked for now, while the OpenGL driver Qt loaded is still
    // there to be named in a report: it is unloaded with the application
    // object. Memory the application still holds is not a leak.
    __lsan_do_leak_check();
#endif
    return result;
}
