#include <gtest/gtest.h>

#include <QApplication>
#include <clocale>

// One QApplication for the whole test program, as in the real one.
int main(int argc, char** argv) {
    QApplication app(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
