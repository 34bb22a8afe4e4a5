// Everything of the framework's base module.
#pragma once

#include "framework/base/CRect.h"
#include "framework/base/CString.h"
#include "framework/base/CTime.h"
#include "framework/base/Guid.h"
#include "framework/base/Mbcs.h"
#include "framework/base/WinTypes.h"
