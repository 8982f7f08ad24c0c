#pragma once
// What the screen tests of the windows share: a main window with its client area for the
// child windows, the folder the screenshots go to, a picture of the whole screen, and the
// check that a control lies fully inside its parent. The test target defines
// HOTEL_SCREENS_DIR (the build folder's "screens").
#include "ui/forms.h"

#include <QDir>
#include <QGuiApplication>
#include <QMainWindow>
#include <QMdiArea>
#include <QPixmap>
#include <QScreen>
#include <QString>
#include <QTest>

namespace testsupport {

// A main window of 1000 x 720 pixels, shown, whose client area takes the child windows.
class ScreenMainWindow {
public:
    ScreenMainWindow()
    {
        auto *area = new QMdiArea;
        main.setCentralWidget(area);
        main.resize(1000, 720);
        ui::SetMdiArea(area);
        main.show();
        exposed = QTest::qWaitForWindowExposed(&main);
    }
    ~ScreenMainWindow() { ui::SetMdiArea(nullptr); }
    ScreenMainWindow(const ScreenMainWindow &) = delete;
    ScreenMainWindow &operator=(const ScreenMainWindow &) = delete;

    QMainWindow main;
    bool exposed = false;
};

inline QString ScreensFolder()
{
    const QString folder = QStringLiteral(HOTEL_SCREENS_DIR);
    QDir().mkpath(folder);
    return folder;
}

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
