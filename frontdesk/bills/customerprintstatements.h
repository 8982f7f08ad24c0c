#pragma once
// The guest bill's one query: the room taxes stored now (category 1).
#include <QString>

namespace frontdesk {

QString RoomTaxesSql();

} // namespace frontdesk
