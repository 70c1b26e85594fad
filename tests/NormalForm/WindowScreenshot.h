// A window rendered as a picture of its own size; with TOLVANE_SCREENSHOT_DIR
// set (scripts/screenshots.sh) the picture is saved there as NAME.png for
// docs/screenshots.
#pragma once

#include <QImage>
#include <QString>
#include <QWidget>

#include <cstdlib>

#include <gtest/gtest.h>

namespace tolvane::test {

inline void SaveScreenshot(QWidget& window, const QString& name) {
    const QImage picture = window.grab().toImage();
    EXPECT_EQ(picture.size(), window.size());
    if (const char* folder = std::getenv("TOLVANE_SCREENSHOT_DIR")) {
        const QString path = QString("%1/%2.png").arg(folder, name);
        EXPECT_TRUE(picture.save(path)) << path.toStdString();
    }
}

} // namespace tolvane::test
