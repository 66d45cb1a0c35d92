#include "WinCE/DebugOutput.h"

#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace
{
void DefaultSink(const char* text, void*)
{
    static const bool enabled = [] {
        const char* value = std::getenv("SKYREACH_DEBUG");
        return value && std::strcmp(value, "1") == 0;
    }();
    if (enabled)
        std::fputs(text, stderr);
}

DebugSink s_debugSink = DefaultSink;
void* s_debugContext = nullptr;
} // namespace

void DebugWrite(const char* text)
{
    s_debugSink(text, s_debugContext);
}

void DebugPrintf(const char* format, ...)
{
    char text[2048];
    va_list args;
    va_start(args, format);
    std::vsnprintf(text, sizeof text, format, args);
    va_end(args);
    DebugWrite(text);
}

DebugSink SetDebugSink(DebugSink sink, void* context)
{
    DebugSink previous = s_debugSink;
    s_debugSink = sink ? sink : DefaultSink;
    s_debugContext = sink ? context : nullptr;
    return previous;
}
