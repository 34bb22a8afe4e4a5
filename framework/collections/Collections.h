// Every collection of the framework: the CArray, CList and CMap templates and
// the named lists, arrays and maps.
#pragma once

#include "framework/collections/Arrays.h"
#include "framework/collections/Lists.h"
#include "framework/collections/Maps.h"
