// The reverse of Str2Unicode: an 8-bit copy of a UTF-16 string in the game's
// code page (Windows-1252). Characters the code page cannot show become '?',
// as the platform's own conversion does.
#pragma once

class Unicode2Str
{
public:
    // A null string gives a null result.
    explicit Unicode2Str(const char16_t* wstr);
    ~Unicode2Str();
    Unicode2Str(const Unicode2Str&) = delete;
    Unicode2Str& operator=(const Unicode2Str&) = delete;

    const char* Get() const { return _cstr; }
    operator const char*() const { return _cstr; }

    // The 8-bit character for one UTF-16 code unit ('?' when there is none).
    static char Narrow(char16_t c);

private:
    char* _cstr;
};
