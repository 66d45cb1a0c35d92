#include "Common/LocaleDate.h"

#include "WinCE/Assert.h"

#include <cstdio>
#include <cstring>
#include <langinfo.h>
#include <locale.h>

namespace
{
constexpr char FALLBACK_ORDER = '?';
constexpr char FALLBACK_SEPARATOR = '-';

bool s_overrideSet = false;
LocaleDateOrder s_override = {FALLBACK_ORDER, FALLBACK_SEPARATOR};
bool s_userRead = false;
LocaleDateOrder s_user = {FALLBACK_ORDER, FALLBACK_SEPARATOR};

// Reads the user's short date format without touching the process locale,
// which the rest of the program relies on being "C".
LocaleDateOrder ReadUserOrder()
{
    locale_t locale = newlocale(LC_TIME_MASK, "", static_cast<locale_t>(0));
    if (locale == static_cast<locale_t>(0))
        return {FALLBACK_ORDER, FALLBACK_SEPARATOR};
    const LocaleDateOrder order = DateOrderFromPattern(nl_langinfo_l(D_FMT, locale));
    freelocale(locale);
    return order;
}

bool IsUsableSeparator(char c)
{
    return c >= 0x20 && c < 0x7F && !(c >= '0' && c <= '9') && c != '%';
}
} // namespace

LocaleDateOrder DateOrderFromPattern(const char* pattern)
{
    // Collects the first three date fields ('D', 'M', 'Y') and the first
    // literal character between the first and the second.
    char fields[3] = {0, 0, 0};
    int count = 0;
    char separator = 0;
    auto addField = [&](char field)
    {
        if (count < 3)
            fields[count++] = field;
    };
    for (const char* p = pattern ? pattern : ""; *p != 0 && count < 3; ++p)
    {
        if (*p != '%')
        {
            if (count == 1 && separator == 0)
                separator = *p;
            continue;
        }
        ++p;
        // Flags, field widths and the E/O modifiers of glibc patterns.
        while (*p != 0 && std::strchr("-_0^#123456789EO", *p) != nullptr)
            ++p;
        switch (*p)
        {
        case 'd':
        case 'e':
            addField('D');
            break;
        case 'm':
            addField('M');
            break;
        case 'y':
        case 'Y':
            addField('Y');
            break;
        case 'D': // %m/%d/%y
            addField('M');
            addField('D');
            addField('Y');
            if (separator == 0)
                separator = '/';
            break;
        case 'F': // %Y-%m-%d
            addField('Y');
            addField('M');
            addField('D');
            if (separator == 0)
                separator = '-';
            break;
        case 0:
            --p; // a lone '%' at the end; let the loop stop on the terminator
            break;
        default:
            break;
        }
    }

    LocaleDateOrder order = {FALLBACK_ORDER, IsUsableSeparator(separator) ? separator : FALLBACK_SEPARATOR};
    if (count == 3)
    {
        if (std::memcmp(fields, "MDY", 3) == 0)
            order.order = '0';
        else if (std::memcmp(fields, "DMY", 3) == 0)
            order.order = '1';
        else if (std::memcmp(fields, "YMD", 3) == 0)
            order.order = '2';
    }
    return order;
}

LocaleDateOrder GetLocaleDateOrder()
{
    if (s_overrideSet)
        return s_override;
    if (!s_userRead)
    {
        s_user = ReadUserOrder();
        s_userRead = true;
    }
    return s_user;
}

void SetLocaleDateOrder(const LocaleDateOrder* order)
{
    s_overrideSet = order != nullptr;
    if (order != nullptr)
        s_override = *order;
}

void FormatLocaleDateAs(const LocaleDateOrder& order, int32_t day, int32_t month, int32_t year, char* buffer)
{
    ASSERT(buffer != nullptr);
    switch (order.order)
    {
    case '0':
        std::snprintf(buffer, LOCALE_DATE_SIZE, "%02i%c%02i%c%04i", month, order.separator, day,
                      order.separator, year);
        break;
    case '1':
        std::snprintf(buffer, LOCALE_DATE_SIZE, "%02i%c%02i%c%04i", day, order.separator, month,
                      order.separator, year);
        break;
    case '2':
        std::snprintf(buffer, LOCALE_DATE_SIZE, "%04i%c%02i%c%02i", year, order.separator, month,
                      order.separator, day);
        break;
    default:
        std::snprintf(buffer, LOCALE_DATE_SIZE, "%04i-%02i-%02i", year, month, day);
        break;
    }
}

void FormatLocaleDate(int32_t day, int32_t month, int32_t year, char* buffer)
{
    FormatLocaleDateAs(GetLocaleDateOrder(), day, month, year, buffer);
}
