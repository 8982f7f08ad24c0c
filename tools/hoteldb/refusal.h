#pragma once
// Why hotel-db did nothing (or undid what it began): one text for the person at the terminal.
#include <QString>

namespace hoteldb {

struct Refusal {
    QString text;
};

} // namespace hoteldb
