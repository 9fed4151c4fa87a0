#pragma once
// The engine's warning hook: warnings go to a log function that the
// application installs; without one they are dropped.

// (level, flag, first text, second text, third text, line); the engine always
// passes level 0 and flag false.
using LogFunction = void (*)(unsigned short, bool, char const*, char const*, char const*, int);

// Installs the process-wide log function; null removes it.
void SetLogFunction(LogFunction log);

// Passes (0, false, a or "" when a is null, b, c, line) to the log function.
void PWarning(char const* a, char const* b, char const* c, int line);
