#include "Common/LocaleDate.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace
{
std::string Format(const LocaleDateOrder& order, int32_t day, int32_t month, int32_t year)
{
    char buffer[LOCALE_DATE_SIZE];
    std::memset(buffer, 'x', sizeof buffer);
    FormatLocaleDateAs(order, day, month, year, buffer);
    return buffer;
}

std::string OrderOf(const char* pattern)
{
    const LocaleDateOrder order = DateOrderFromPattern(pattern);
    return std::string(1, order.order) + order.separator;
}
} // namespace

TEST(LocaleDate, TheFourFormats)
{
    EXPECT_EQ("12/31/1959", Format({'0', '/'}, 31, 12, 1959));
    EXPECT_EQ("31.12.1959", Format({'1', '.'}, 31, 12, 1959));
    EXPECT_EQ("1959/12/31", Format({'2', '/'}, 31, 12, 1959));
    EXPECT_EQ("1959-12-31", Format({'9', '/'}, 31, 12, 1959));
    EXPECT_EQ("2002-01-05", Format({'?', '-'}, 5, 1, 2002));
    // Extreme values are cut to the buffer, never written past it.
    EXPECT_EQ("-2147483648--2147483648--2147483648", Format({'?', '-'}, INT32_MIN, INT32_MIN, INT32_MIN));
}

TEST(LocaleDate, OrderAndSeparatorFromTheLocalePattern)
{
    EXPECT_EQ("0/", OrderOf("%m/%d/%y"));    // C, en_US
    EXPECT_EQ("1.", OrderOf("%d.%m.%Y"));    // de_DE
    EXPECT_EQ("1/", OrderOf("%d/%m/%Y"));    // en_GB, fr_FR
    EXPECT_EQ("2-", OrderOf("%Y-%m-%d"));    // sv_SE
    EXPECT_EQ("2.", OrderOf("%Y. %m. %d.")); // hu_HU: the first character of the separator
    EXPECT_EQ("1.", OrderOf("%-d.%-m.%Y"));  // flags are skipped
    EXPECT_EQ("1-", OrderOf("%e-%m-%Ey"));
    EXPECT_EQ("0/", OrderOf("%D"));
    EXPECT_EQ("2-", OrderOf("%F"));
    EXPECT_EQ("1-", OrderOf("%d%m%Y"));                                     // no separator: the fallback one
    EXPECT_EQ("2-", OrderOf("%Y\xe5\xb9\xb4%m\xe6\x9c\x88%d\xe6\x97\xa5")); // not an 8-bit separator
    EXPECT_EQ("?/", OrderOf("%m/%Y"));                                      // no day: the fallback format
    EXPECT_EQ("?-", OrderOf(""));
    EXPECT_EQ("?-", OrderOf(nullptr));
    EXPECT_EQ("?-", OrderOf("%"));
    EXPECT_EQ("?/", OrderOf("%y/%d/%m")); // an order the device does not know
}

TEST(LocaleDate, TheUserLocaleGivesOneOfTheFormats)
{
    SetLocaleDateOrder(nullptr);
    char buffer[LOCALE_DATE_SIZE];
    FormatLocaleDate(2, 1, 1959, buffer);
    const std::string text = buffer;
    EXPECT_EQ(10u, text.size()) << text;
    EXPECT_NE(std::string::npos, text.find("1959")) << text;
}
