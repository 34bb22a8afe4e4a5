#include "framework/base/Guid.h"

#include <random>

HRESULT CoCreateGuid(GUID *pguid)
{
    if (!pguid)
        return E_FAIL;
    static thread_local std::random_device device;
    BYTE bytes[16];
    for (int i = 0; i < 16; i += 4) {
        const unsigned int value = device();
        for (int j = 0; j < 4; ++j)
            bytes[i + j] = static_cast<BYTE>(value >> (8 * j));
    }
    bytes[6] = static_cast<BYTE>((bytes[6] & 0x0F) | 0x40); // version 4
    bytes[8] = static_cast<BYTE>((bytes[8] & 0x3F) | 0x80); // RFC 4122 variant
    pguid->Data1 = (DWORD)bytes[0] << 24 | (DWORD)bytes[1] << 16 | (DWORD)bytes[2] << 8 | bytes[3];
    pguid->Data2 = static_cast<WORD>(bytes[4] << 8 | bytes[5]);
    pguid->Data3 = static_cast<WORD>(bytes[6] << 8 | bytes[7]);
    for (int i = 0; i < 8; ++i)
        pguid->Data4[i] = bytes[8 + i];
    return S_OK;
}

CString GuidToString(const GUID &guid)
{
    return FormatString("{%08X-%04X-%04X-%02X%02X-%02X%02X%02X%02X%02X%02X}", guid.Data1, guid.Data2, guid.Data3,
                        guid.Data4[0], guid.Data4[1], guid.Data4[2], guid.Data4[3], guid.Data4[4], guid.Data4[5],
                        guid.Data4[6], guid.Data4[7]);
}
