// How a label's caption falls into lines: at every CR, LF or CR LF pair
// (the pair is one break), spaces kept; a caption ending with a break has a
// final empty line.  Captions are UTF-8 bytes; no sequence of a multi-byte
// character holds a CR or LF byte, so cutting at those bytes keeps every
// character whole.
#pragma once

#include "framework/base/CString.h"

#include <vector>

std::vector<CString> QYSplitLabelLines(const CString& strText);
