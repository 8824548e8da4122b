// GoogleTest main for the window's tests: a QApplication on the offscreen platform, so
// that no display is needed. On Windows, where the static Qt has no offscreen platform,
// the windows are real ones (under wine, on a virtual X display).
#include <QApplication>
#include <QStyleFactory>

#include <gtest/gtest.h>

#include <cstdlib>

int main(int argc, char** argv) {
#ifndef _WIN32
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
#endif
    QApplication app(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
