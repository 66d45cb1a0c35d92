// Debug output: leak reports, warnings and traces meant for developers, never
// for the player. Written to stderr when SKYREACH_DEBUG=1, otherwise dropped.
// A sink can be installed so tests can read what was written.
#pragma once

using DebugSink = void (*)(const char* text, void* context);

void DebugPrintf(const char* format, ...) __attribute__((format(printf, 1, 2)));
void DebugWrite(const char* text);

// Installs a sink and returns the previous one; null restores the default
// (stderr when SKYREACH_DEBUG=1).
DebugSink SetDebugSink(DebugSink sink, void* context);
