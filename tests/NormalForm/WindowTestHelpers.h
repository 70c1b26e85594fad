// What the window tests share: finding a window's widget by its control's
// name, letting the window run until something holds, and the screenshot.
#pragma once

#include "process_events_until.h"

#include <QApplication>
#include <QImage>
#include <QString>
#include <QWidget>

#include <cstdlib>

#include <gtest/gtest.h>

namespace tolvane::test {

// The window's widget of that name; a failure when there is none.
template <typename W>
W* Find(QWidget* window, const char* name) {
    W* widget = window->findChild<W*>(name);
    EXPECT_NE(widget, nullptr) << name;
    return widget;
}

// Processes the window's events until `done` holds or `ms` passed; whether
// it holds.
template <typename Done>
bool ProcessUntil(Done done, int ms = 20000) {
    return ProcessEventsUntil(done, std::chrono::milliseconds(ms));
}

// The window rendered as a picture of its own size; with
// TOLVANE_SCREENSHOT_DIR set (scripts/screenshots.sh) the picture is saved
// there as NAME.png for docs/screenshots.
inline void SaveScreenshot(QWidget& window, const QString& name) {
    const QImage picture = window.grab().toImage();
    EXPECT_EQ(picture.size(), window.size());
    if (const char* folder = std::getenv("TOLVANE_SCREENSHOT_DIR")) {
        const QString path = QString("%1/%2.png").arg(folder, name);
        EXPECT_TRUE(picture.save(path)) << path.toStdString();
    }
}

} // namespace tolvane::test
