// The one application object of the widget tests, on the offscreen platform.
#pragma once

#include <QApplication>

namespace tolvane::test {

inline QApplication& OffscreenApp() {
    static int argc = 1;
    static char name[] = "core_tests";
    static char* argv[] = {name, nullptr};
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication app(argc, argv);
    return app;
}

} // namespace tolvane::test
