#pragma once
// What the screen tests of the windows share, over the screen checks and the main-window
// host: a shown main window of 1000 x 720 pixels whose client area takes the child windows,
// a picture of the whole screen, and the check that a control lies fully inside its parent.
// Screenshots go to testsupport::ScreensFolder() (support/screenchecks.h).
#include "support/mdihost.h"
#include "support/screenchecks.h"

#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>
#include <QTest>

namespace testsupport {

struct ScreenMainWindow : MdiHost {
    ScreenMainWindow() : MdiHost(1000, 720), exposed(QTest::qWaitForWindowExposed(&main)) {}
    bool exposed;
};

// The whole screen, with the windows of their own over the main window (under Xvfb; the
// offscreen platform has no screen image, and then the main window alone is taken).
inline QPixmap ScreenImage(QWidget &main)
{
    const QPixmap screen = QGuiApplication::primaryScreen()->grabWindow(0);
    return screen.isNull() ? main.grab() : screen;
}

// A child fully inside the part of its parent that shows it.
inline bool FullyInside(const QWidget *child) { return child->parentWidget()->rect().contains(child->geometry()); }

} // namespace testsupport
