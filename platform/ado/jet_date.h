#pragma once
// The date literals of the Access dialect (#3/5/2009#, #5-Mar-2009 10:30 PM#) read the way Jet reads
// them: numbers as month/day/year first, day/month/year when that is no valid date, year first when
// it has four digits; two-digit years 00-29 are 20xx, 30-99 19xx. A time alone falls on 1899-12-30.
#include <QString>
#include <QStringView>
#include <optional>

namespace ado {

struct DateTimeParts {
    int year = 1899;
    int month = 12;
    int day = 30;
    int hour = 0;
    int minute = 0;
    int second = 0;
};

// The text between the two '#'; nullopt when Jet would reject it.
std::optional<DateTimeParts> parseJetDateLiteral(QStringView text);

// How dates are stored: "YYYY-MM-DD", or "YYYY-MM-DD HH:MM:SS" when the time is not midnight.
QString isoDateText(const DateTimeParts &parts);

} // namespace ado
