#pragma once
// Exceptions that cross the engine's layers and that the translator stage
// treats apart from every other failure.  LockAttemptFailed (a file lock that
// cannot be had) lives with the file errors.

// Memory ran out in the middle of a sentence: the sentence is given up, the
// text goes on.
struct xalloc_dead_core {};

// The host asked the engine to leave at once, saying nothing: it passes out of
// every stage untouched.
struct SilentExitException {};
