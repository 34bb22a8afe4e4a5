// POSITION: the opaque iteration cursor of lists and maps.  For a list it is
// the address of a node, for a map the address of an association; NULL ends
// an iteration.
#pragma once

#include <cstdint>

struct PlexoPositionTag;
typedef PlexoPositionTag *POSITION;

// What a map's GetStartPosition hands out before the first GetNextAssoc.
#define BEFORE_START_POSITION (reinterpret_cast<POSITION>(static_cast<intptr_t>(-1)))
