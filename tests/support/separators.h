// Window tests that run every case twice: with a decimal comma and with a decimal point.
#pragma once

#include "core/conversions.h"

#include <QtTest>

namespace separators {

// The two global rows, for a test's initTestCase_data.
inline void rows()
{
    QTest::addColumn<char>("separator");
    QTest::newRow("comma") << ',';
    QTest::newRow("point") << '.';
}

// Sets this row's separator (in init) and gives it back.
inline char apply()
{
    QFETCH_GLOBAL(char, separator);
    classic::setDecimalSeparator(separator);
    return separator;
}

} // namespace separators
