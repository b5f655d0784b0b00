#include <gtest/gtest.h>

#include <QApplication>
#include <QTemporaryDir>

// The window tests need one application object for the whole run; without a display they use
// Qt's offscreen platform.
int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    // The window remembers its place in the user's configuration: each run of tests has one of
    // its own, or windows closed by tests running side by side would move each other's.
    const QTemporaryDir configuration;
    qputenv("XDG_CONFIG_HOME", configuration.path().toUtf8());
    QApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
