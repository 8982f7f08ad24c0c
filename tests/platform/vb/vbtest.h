#pragma once
// Shared checks for the runtime's tests.
#include "vb/error.h"

#include <QTest>

// Runs the statement and checks that it raises the runtime error with that number.
#define QVERIFY_VB_ERROR(statement, number)                                                            \
    do {                                                                                               \
        bool raised_ = false;                                                                          \
        try {                                                                                          \
            (void)(statement);                                                                         \
        } catch (const vb::Error &e) {                                                                 \
            raised_ = true;                                                                            \
            QCOMPARE(e.Number(), long(number));                                                        \
            QCOMPARE(e.Description(), vb::Error::standardDescription(number));                         \
        }                                                                                              \
        QVERIFY2(raised_, "expected run-time error " #number " from " #statement);                     \
    } while (false)
