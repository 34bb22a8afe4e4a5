// Parsed INI files kept between reads.  Programs read a settings file one
// key at a time, often hundreds of keys in a row; parsing the file once per
// version instead of once per key keeps that cheap.  A file's version is its
// identity, size and modification time, so any rewrite (ours replace the
// file) is seen at the next read.
#pragma once

#include "framework/settings/IniDocument.h"

#include <memory>

// The file's current content; an empty document when it is missing or
// cannot be read (see CIniDocument::Load).
std::shared_ptr<const CIniDocument> PlexoReadIniFile(const char *path);
