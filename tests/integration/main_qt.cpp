#include <gtest/gtest.h>

#include <QApplication>
#include <clocale>

// One QApplication for the whole test program, as in the real one.
int main(int argc, char** argv) {
    // The software renderer needs no display server; a test that wants a real
    // one sets QT_QPA_PLATFORM itself.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
