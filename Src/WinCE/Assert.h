// Assertions and fatal errors: the two ways the game stops on a condition it
// cannot live with.
//
// ASSERT guards our own invariants. On failure it reports "Assertion failed"
// with the condition as written, the repository-relative source file and the
// line; the handler's answer decides whether the program aborts, breaks into
// the debugger or carries on. FATAL(cond, message) stops the program with the
// message when the condition holds (out of memory, a data file that cannot be
// read); any answer but Retry ends the process with exit code -1.
//
// The handler is replaceable: the host shows a message box, tests and scripts
// answer from configuration. The default writes to stderr and ends the process
// (abort for assertions, exit(-1) for fatal errors), which is what death tests
// expect.
#pragma once

enum class FailureKind
{
    Assertion,
    Fatal
};

// The answers of the platform's Abort/Retry/Ignore and Retry/Cancel boxes.
enum class FailureAnswer
{
    Abort,
    Retry,
    Ignore,
    Cancel
};

// Shows (or logs) a failure and returns the user's answer. `caption` is
// "Assertion failed" or "Fatal error - press retry to debug".
using FailureHandler = FailureAnswer (*)(FailureKind kind, const char* caption, const char* text);

// Installs a handler and returns the previous one; null restores the default.
FailureHandler SetFailureHandler(FailureHandler handler);

// Called by the macros below; not for direct use.
void AssertionFailed(const char* condition, const char* file, int line);
void FatalError(const char* message);

#define ASSERT(cond)                                                                                         \
    do                                                                                                       \
    {                                                                                                        \
        if (!(cond))                                                                                         \
            ::AssertionFailed(#cond, __FILE__, __LINE__);                                           \
    } while (0)

#define FATAL(cond, message)                                                                                 \
    do                                                                                                       \
    {                                                                                                        \
        if (cond)                                                                                            \
            ::FatalError(message);                                                                  \
    } while (0)
