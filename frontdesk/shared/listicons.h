#pragma once
// The small row icons of the guest lists: image 1 a guest in blue (men and titles of
// office), image 2 a guest in rose (every other title).
#include <QIcon>
#include <QList>

namespace frontdesk {

QList<QIcon> GuestIcons();

} // namespace frontdesk
