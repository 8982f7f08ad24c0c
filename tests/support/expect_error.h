#pragma once
// Checks that an expression raises a vb::Error with the given number; or just that a step
// raises one.
#include "vb/error.h"

#include <QTest>

#define HOTEL_EXPECT_ERROR(expression, number)                                                   \
    do {                                                                                         \
        bool hotelRaised = false;                                                                \
        try {                                                                                    \
            expression;                                                                          \
        } catch (const vb::Error &hotelError) {                                                  \
            hotelRaised = true;                                                                  \
            if (hotelError.Number() != static_cast<long>(number))                                \
                qWarning("raised %ld: %s", hotelError.Number(), qPrintable(hotelError.Description())); \
            QCOMPARE(hotelError.Number(), static_cast<long>(number));                            \
        }                                                                                        \
        if (!hotelRaised)                                                                        \
            QFAIL("no error raised by: " #expression);                                           \
    } while (false)

namespace testsupport {

// True when `step` raises a vb::Error, whatever its number.
template <class Step> bool RaisesError(Step &&step)
{
    try {
        step();
    } catch (const vb::Error &) {
        return true;
    }
    return false;
}

} // namespace testsupport
