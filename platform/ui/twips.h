#pragma once
// Twips: 1440 to the inch, so 15 to the pixel at 96 dots per inch. Window sizes and
// positions the system stores or computes are twips; Qt works in pixels.

namespace ui {

constexpr int kTwipsPerInch = 1440;

// The primary screen's twips per pixel, whole numbers as the platform reports them
// (15 at 96 dpi); 15 without a screen.
int TwipsPerPixelX();
int TwipsPerPixelY();

// Conversions, to the nearest whole unit.
int PixelsToTwipsX(int pixels);
int PixelsToTwipsY(int pixels);
int TwipsToPixelsX(double twips);
int TwipsToPixelsY(double twips);

// The primary screen's size in twips.
int ScreenWidthTwips();
int ScreenHeightTwips();

} // namespace ui

class QWidget;
class QString;

namespace ui {

// The width of a text in a widget's font, in twips (a window's TextWidth).
int TextWidthTwips(const QWidget *widget, const QString &text);

} // namespace ui
