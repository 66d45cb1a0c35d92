#include "WinCE/Unicode2Str.h"

#include "WinCE/Assert.h"
#include "WinCE/Str2Unicode.h"

Unicode2Str::Unicode2Str(const char16_t* wstr) : _cstr(nullptr)
{
    if (!wstr)
        return;
    const size_t length = Utf16Length(wstr);
    _cstr = new char[length + 1];
    ASSERT(_cstr);
    for (size_t i = 0; i < length; ++i)
        _cstr[i] = Narrow(wstr[i]);
    _cstr[length] = 0;
}

Unicode2Str::~Unicode2Str()
{
    delete[] _cstr;
}

char Unicode2Str::Narrow(char16_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c < 0x100))
        return static_cast<char>(c);
    for (unsigned b = 0x80; b < 0xA0; ++b)
    {
        if (Str2Unicode::Widen(static_cast<unsigned char>(b)) == c)
            return static_cast<char>(b);
    }
    return '?';
}
