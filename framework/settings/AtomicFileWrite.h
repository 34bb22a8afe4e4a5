// Replaces a file's whole content so that a reader (or a crash) sees either
// the old file or the new one, never a half-written mix: the bytes go to a
// fresh file in the same folder, are flushed to disk and renamed over the
// target.  A symbolic link is followed, so the link itself stays.
#pragma once

#include <string_view>

bool PlexoWriteFileAtomically(const char *path, std::string_view bytes);
