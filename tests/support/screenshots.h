#pragma once
// What the screenshot tests share: the folder the pictures go to, and the picture of the whole
// screen.
#include <QDir>
#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>
#include <QString>
#include <QWidget>

namespace testsupport {

// The folder, made when missing.
inline QString ScreensFolder(const QString &folder)
{
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

} // namespace testsupport
