// Dates in the user's regional order, as shown on every screen with a date.
//
// The device's regional settings give an order code and a separator; the
// desktop port reads the same two facts from the user's locale (the C
// library's short date format, D_FMT) and prints one of the device's formats:
//   order '0' month-day-year  "%02i%c%02i%c%04i"
//   order '1' day-month-year  "%02i%c%02i%c%04i"
//   order '2' year-month-day  "%04i%c%02i%c%02i"
//   otherwise                 "%04i-%02i-%02i"
// The locale is read once. Scripts and tests may fix the order instead, so
// that their output does not depend on the machine they run on.
#pragma once

#include <cstddef>
#include <cstdint>

// Enough for any three 32-bit numbers and two separators, with the terminator.
constexpr size_t LOCALE_DATE_SIZE = 40;

struct LocaleDateOrder
{
    char order;     // '0', '1', '2', or anything else for the fallback format
    char separator; // one character between the fields
};

// Writes the date (month 1-12) into `buffer` of LOCALE_DATE_SIZE characters.
void FormatLocaleDate(int32_t day, int32_t month, int32_t year, char* buffer);

// The same with a given order instead of the user's.
void FormatLocaleDateAs(const LocaleDateOrder& order, int32_t day, int32_t month, int32_t year, char* buffer);

// Derives order and separator from a strftime pattern such as "%d.%m.%Y".
// A pattern without a recognisable day, month and year gives the fallback
// order; a missing or non-ASCII separator gives '-'.
LocaleDateOrder DateOrderFromPattern(const char* pattern);

// The order FormatLocaleDate uses: the override if one is set, else the
// user's locale.
LocaleDateOrder GetLocaleDateOrder();

// Fixes the order for this process; null returns to the user's locale.
void SetLocaleDateOrder(const LocaleDateOrder* order);
