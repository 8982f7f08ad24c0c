#pragma once
// Windows faces that a window template names (Tahoma, MS Sans Serif) and this machine may
// lack. Without them the font configuration falls back on a wider face and labels lose
// words. Metric-compatible stand-ins of these faces come with Wine's fonts (Debian's
// fonts-wine), in a folder the font configuration does not search: they are loaded for
// this program alone.
#include <QString>

namespace uninst {

// True when the face is there, after loading its stand-in when the machine lacks it.
bool ProvideFace(const QString &family);

} // namespace uninst
