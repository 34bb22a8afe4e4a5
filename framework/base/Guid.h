// Globally unique identifiers: random (version 4) GUIDs from the system's
// random source, and their usual text forms.
#pragma once

#include "framework/base/CString.h"

struct GUID {
    DWORD Data1;
    WORD Data2;
    WORD Data3;
    BYTE Data4[8];
};
typedef GUID CLSID;
typedef GUID IID;

inline bool operator==(const GUID &a, const GUID &b)
{
    if (a.Data1 != b.Data1 || a.Data2 != b.Data2 || a.Data3 != b.Data3)
        return false;
    for (int i = 0; i < 8; ++i)
        if (a.Data4[i] != b.Data4[i])
            return false;
    return true;
}

// A new random GUID (version 4, RFC 4122 variant).  Returns S_OK.
HRESULT CoCreateGuid(GUID *pguid);

// "{XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}" in upper-case hex.
CString GuidToString(const GUID &guid);
