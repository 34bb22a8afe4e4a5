// The large source file of the editor benchmarks: 100 MB of generated C++
// written once to the temporary folder, and the C language it is opened
// with.
#pragma once

#include <cstddef>
#include <string>

class SECEditTextBuffer;

constexpr size_t kFileBytes = 100u * 1024u * 1024u;

// C++ source with block comments, doc comments over several lines, strings
// with escapes, line comments and now and then a very long line.
std::string MakeSource();
// The file's path; the file is written on first use.
const std::string &SourcePath();
// Opens the file into the buffer with the C language (aborts on failure).
void OpenSource(SECEditTextBuffer &buffer);
