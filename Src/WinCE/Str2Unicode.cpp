#include "WinCE/Str2Unicode.h"

#include "WinCE/Assert.h"

namespace
{
// Windows-1252 at 0x80-0x9F. The five holes of the code page map to the C1
// control of the same number, as the platform's conversion does.
constexpr char16_t s_high[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

void AppendUtf16(std::u16string& out, char32_t cp)
{
    if (cp >= 0x10000)
    {
        cp -= 0x10000;
        out.push_back(static_cast<char16_t>(0xD800 + (cp >> 10)));
        out.push_back(static_cast<char16_t>(0xDC00 + (cp & 0x3FF)));
    }
    else
        out.push_back(static_cast<char16_t>(cp));
}

void AppendUtf8(std::string& out, char32_t cp)
{
    if (cp < 0x80)
        out.push_back(static_cast<char>(cp));
    else if (cp < 0x800)
    {
        out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    }
    else if (cp < 0x10000)
    {
        out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    }
    else
    {
        out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    }
}
} // namespace

Str2Unicode::Str2Unicode(const char* str) : _wstr(nullptr), _owned(true)
{
    if (!str)
        return;
    size_t length = 0;
    while (str[length])
        ++length;
    _wstr = new char16_t[length + 1];
    ASSERT(_wstr);
    for (size_t i = 0; i < length; ++i)
        _wstr[i] = Widen(static_cast<unsigned char>(str[i]));
    _wstr[length] = 0;
}

Str2Unicode::~Str2Unicode()
{
    if (_owned)
        delete[] _wstr;
}

char16_t* Str2Unicode::Detach()
{
    _owned = false;
    return _wstr;
}

char16_t Str2Unicode::Widen(unsigned char c)
{
    if (c >= 0x80 && c < 0xA0)
        return s_high[c - 0x80];
    return c;
}

size_t Utf16Length(const char16_t* str)
{
    size_t length = 0;
    while (str[length])
        ++length;
    return length;
}

std::u16string Utf8ToUtf16(const std::string& utf8)
{
    std::u16string out;
    out.reserve(utf8.size());
    const size_t n = utf8.size();
    size_t i = 0;
    while (i < n)
    {
        const unsigned char c = static_cast<unsigned char>(utf8[i]);
        int extra = 0;
        char32_t cp = 0;
        char32_t minimum = 0;
        if (c < 0x80)
        {
            out.push_back(c);
            ++i;
            continue;
        }
        else if ((c & 0xE0) == 0xC0)
        {
            extra = 1;
            cp = c & 0x1F;
            minimum = 0x80;
        }
        else if ((c & 0xF0) == 0xE0)
        {
            extra = 2;
            cp = c & 0x0F;
            minimum = 0x800;
        }
        else if ((c & 0xF8) == 0xF0)
        {
            extra = 3;
            cp = c & 0x07;
            minimum = 0x10000;
        }
        else
        {
            out.push_back(0xFFFD);
            ++i;
            continue;
        }
        size_t j = 1;
        for (; j <= static_cast<size_t>(extra) && i + j < n; ++j)
        {
            const unsigned char cc = static_cast<unsigned char>(utf8[i + j]);
            if ((cc & 0xC0) != 0x80)
                break;
            cp = (cp << 6) | (cc & 0x3F);
        }
        if (j <= static_cast<size_t>(extra) || cp < minimum || cp > 0x10FFFF || (cp >= 0xD800 && cp < 0xE000))
        {
            out.push_back(0xFFFD);
            i += j;
            continue;
        }
        AppendUtf16(out, cp);
        i += j;
    }
    return out;
}

std::string Utf16ToUtf8(const char16_t* utf16)
{
    std::string out;
    if (!utf16)
        return out;
    for (size_t i = 0; utf16[i]; ++i)
    {
        char32_t cp = utf16[i];
        if (cp >= 0xD800 && cp < 0xDC00 && utf16[i + 1] >= 0xDC00 && utf16[i + 1] < 0xE000)
        {
            cp = 0x10000 + ((cp - 0xD800) << 10) + (utf16[i + 1] - 0xDC00);
            ++i;
        }
        else if (cp >= 0xD800 && cp < 0xE000)
            cp = 0xFFFD;
        AppendUtf8(out, cp);
    }
    return out;
}

std::string Utf16ToUtf8(const std::u16string& utf16)
{
    return Utf16ToUtf8(utf16.c_str());
}
