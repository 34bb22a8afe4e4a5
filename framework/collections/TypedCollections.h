// The collection templates: CArray<TYPE, ARG_TYPE>, CList<TYPE, ARG_TYPE> and
// CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>.
#pragma once

#include "framework/collections/ArrayTemplate.h"
#include "framework/collections/ListTemplate.h"
#include "framework/collections/MapTemplate.h"
