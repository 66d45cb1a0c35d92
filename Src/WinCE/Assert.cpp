#include "WinCE/Assert.h"

#include <csignal>
#include <cstdio>
#include <cstdlib>

namespace
{
FailureAnswer DefaultFailureHandler(FailureKind kind, const char* caption, const char* text)
{
    std::fprintf(stderr, "%s: %s\n", caption, text);
    std::fflush(stderr);
    return kind == FailureKind::Assertion ? FailureAnswer::Abort : FailureAnswer::Cancel;
}

FailureHandler s_failureHandler = DefaultFailureHandler;

void BreakIntoDebugger()
{
    std::raise(SIGTRAP);
}
} // namespace

FailureHandler SetFailureHandler(FailureHandler handler)
{
    FailureHandler previous = s_failureHandler;
    s_failureHandler = handler ? handler : DefaultFailureHandler;
    return previous;
}

void AssertionFailed(const char* condition, const char* file, int line)
{
    char text[1024];
    std::snprintf(text, sizeof text, "Assertion '%s' failed in file '%s' at line %i.", condition, file, line);
    switch (s_failureHandler(FailureKind::Assertion, "Assertion failed", text))
    {
    case FailureAnswer::Retry:
        BreakIntoDebugger();
        return;
    case FailureAnswer::Ignore:
        return;
    default:
        std::abort();
    }
}

void FatalError(const char* message)
{
    if (s_failureHandler(FailureKind::Fatal, "Fatal error - press retry to debug", message) == FailureAnswer::Retry)
    {
        BreakIntoDebugger();
        return;
    }
    std::exit(-1);
}
