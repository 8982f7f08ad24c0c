#include "ui/twips.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <cmath>

namespace ui {

namespace {
int perPixel(qreal dpi)
{
    if (dpi <= 0)
        return kTwipsPerInch / 96;
    return static_cast<int>(std::lround(kTwipsPerInch / dpi));
}

QScreen *screen() { return qGuiApp ? QGuiApplication::primaryScreen() : nullptr; }
} // namespace

int TwipsPerPixelX()
{
    QScreen *s = screen();
    return perPixel(s ? s->logicalDotsPerInchX() : 96);
}

int TwipsPerPixelY()
{
    QScreen *s = screen();
    return perPixel(s ? s->logicalDotsPerInchY() : 96);
}

int PixelsToTwipsX(int pixels) { return pixels * TwipsPerPixelX(); }
int PixelsToTwipsY(int pixels) { return pixels * TwipsPerPixelY(); }

int TwipsToPixelsX(double twips) { return static_cast<int>(std::lround(twips / TwipsPerPixelX())); }
int TwipsToPixelsY(double twips) { return static_cast<int>(std::lround(twips / TwipsPerPixelY())); }

int ScreenWidthTwips()
{
    QScreen *s = screen();
    return PixelsToTwipsX(s ? s->geometry().width() : 0);
}

int ScreenHeightTwips()
{
    QScreen *s = screen();
    return PixelsToTwipsY(s ? s->geometry().height() : 0);
}

} // namespace ui

namespace ui {

int TextWidthTwips(const QWidget *widget, const QString &text)
{
    return PixelsToTwipsX(widget->fontMetrics().horizontalAdvance(text));
}

} // namespace ui
