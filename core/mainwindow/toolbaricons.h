#pragma once
// The pictures of the main window's toolbar buttons, by button key ("toolNewBooking", ...).
#include <QIcon>
#include <QString>

namespace core {

QIcon toolbarIcon(const QString &key);

} // namespace core
