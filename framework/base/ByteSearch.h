// Searching bytes for a run of bytes at the C library's speed.
#pragma once

#include <cstddef>

// The first place in [data, data + length) where the pattern's bytes occur,
// NULL when they do not (an empty pattern occurs at data).
const char *FindBytes(const char *data, size_t length, const char *pattern, size_t patternLength);

// The same with ASCII letters matching in either case; other bytes match
// only themselves.
const char *FindBytesIgnoringCase(const char *data, size_t length, const char *pattern, size_t patternLength);
