// Text conversion between the game's 8-bit strings and the UTF-16 strings of
// the platform calls.
//
// Inside the game every string is 8-bit in the device's ANSI code page
// (Windows-1252: Latin-1 plus the typographic characters at 0x80-0x9F). Text
// is widened only where it meets the platform: registry value names, file
// paths, the text field. `Str2Unicode` holds the UTF-16 copy of one string for
// as long as the call needs it; `Unicode2Str` is the way back.
//
// Host paths are UTF-8 on this platform, so the free functions at the end
// convert between UTF-16 and UTF-8 for the file and store layers.
#pragma once

#include <cstddef>
#include <string>

class Str2Unicode
{
public:
    // A null string gives a null result.
    explicit Str2Unicode(const char* str);
    ~Str2Unicode();
    Str2Unicode(const Str2Unicode&) = delete;
    Str2Unicode& operator=(const Str2Unicode&) = delete;

    const char16_t* Get() const { return _wstr; }
    operator const char16_t*() const { return _wstr; }

    // Hands the buffer (allocated with new[]) to the caller, who frees it.
    char16_t* Detach();

    // The UTF-16 code unit of one 8-bit character of the code page.
    static char16_t Widen(unsigned char c);

private:
    char16_t* _wstr;
    bool _owned;
};

// Length of a zero-terminated UTF-16 string in code units.
size_t Utf16Length(const char16_t* str);

// UTF-8 <-> UTF-16 for host paths and store names. Malformed input becomes
// U+FFFD rather than being dropped, so a damaged name stays visible.
std::u16string Utf8ToUtf16(const std::string& utf8);
std::string Utf16ToUtf8(const char16_t* utf16);
std::string Utf16ToUtf8(const std::u16string& utf16);
