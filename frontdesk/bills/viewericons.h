#pragma once
// The pictures of the rich-text viewers' toolbar buttons, by button key ("boldi", ...).
#include <QIcon>
#include <QString>

namespace frontdesk {

// An empty picture for a key that has none.
QIcon viewerIcon(const QString &key);

} // namespace frontdesk
