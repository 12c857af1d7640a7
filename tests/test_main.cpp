#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>

// One QApplication for every test of the executable; widgets run offscreen unless told otherwise.
int main(int argc, char **argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (qEnvironmentVariableIsEmpty("QTWEBENGINE_DISABLE_SANDBOX"))
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    // Every test run keeps its logs and settings in a folder of its own.
    QTemporaryDir home;
    if (qEnvironmentVariableIsEmpty("COURIER_DESK_HOME"))
        qputenv("COURIER_DESK_HOME", home.path().toUtf8());
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
