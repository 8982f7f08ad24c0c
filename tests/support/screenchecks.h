#pragma once
// What every window test checks on screen, and where its screenshots go.
//
//   HOTEL_CHECK_SCREEN(window);                      // fails the test with every fault found
//   testsupport::SaveScreenshot(window, "frmTax-opened");   // <build>/screens/frmTax-opened.png
//
// The faults: a shown control (one with an objectName of ours) that reaches outside the
// part of its parent that shows it, and a shown label narrower than its text. Controls
// inside a scrolled area are checked against the area they scroll in only when it shows
// them whole, as a window at its designed size does.
#include <QString>
#include <QStringList>
#include <QtTest>

class QWidget;

namespace testsupport {

// One line per fault ("Frame2/Command5 reaches outside Frame2"); empty when the window is fine.
QStringList ScreenFaults(const QWidget &window);

// The folder of the screenshots (created when missing): HOTEL_SCREENS_DIR, which CTest sets
// to <build>/screens, else a folder under the temporary folder.
QString ScreensFolder();
// Saves the widget's picture, or the whole screen when `wholeScreen` is set and the platform
// has one (Xvfb; offscreen has none and the widget's own picture is taken); false on failure.
bool SaveScreenshot(QWidget &widget, const QString &name, bool wholeScreen = false);

} // namespace testsupport

#define HOTEL_CHECK_SCREEN(window)                                          \
    do {                                                                    \
        const QStringList hotelScreenFaults = testsupport::ScreenFaults(window); \
        QVERIFY2(hotelScreenFaults.isEmpty(), qPrintable(hotelScreenFaults.join(QLatin1Char('\n')))); \
    } while (false)
