// One multi-line tag region of the buffer's colouring: the stretch of text it
// covers and the index of the tag that opened it (-1: no tag).
#pragma once

#include "editor/text/SECEditRange.h"

class SECEditTagRegion {
public:
    SECEditTagRegion() = default;
    SECEditTagRegion(const SECEditRange &range, int tagIndex) : m_range(range), m_nTag(tagIndex) {}
    SECEditTagRegion(const SECEditTagRegion &) = default;
    SECEditTagRegion &operator=(const SECEditTagRegion &) = default;
    virtual ~SECEditTagRegion() = default;

    SECEditRange m_range;
    int m_nTag = -1;
};
