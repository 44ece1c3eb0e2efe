#include <gtest/gtest.h>

#include <QApplication>

// Windows under test need an application object; the tests run offscreen.
int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
