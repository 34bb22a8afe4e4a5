// The small interfaces that editor objects hand out by identifier: the
// object interface (identifier look-up) and reference counting.
#pragma once

#include "framework/base/Guid.h"
#include "framework/base/WinTypes.h"

// Every editor interface starts with the identifier look-up.
class ISECEditObject {
public:
    // Sets *ppv to the interface that answers iid and returns true, or sets
    // it to NULL and returns false.
    virtual bool QueryInterface(const GUID &iid, void **ppv) = 0;

protected:
    ~ISECEditObject() = default;
};

class ISECEditRefCount {
public:
    virtual int AddRef() = 0;
    // Deletes the object when the count reaches 0; returns the new count.
    virtual int Release() = 0;

protected:
    ~ISECEditRefCount() = default;
};

// {8407B2B1-4B5E-11D3-AF1B-006008AFE059}
inline constexpr GUID IID_SECEditObject = {
    0x8407B2B1, 0x4B5E, 0x11D3, {0xAF, 0x1B, 0x00, 0x60, 0x08, 0xAF, 0xE0, 0x59}};
// {8407B2B0-4B5E-11D3-AF1B-006008AFE059}
inline constexpr GUID IID_SECEditRefCount = {
    0x8407B2B0, 0x4B5E, 0x11D3, {0xAF, 0x1B, 0x00, 0x60, 0x08, 0xAF, 0xE0, 0x59}};
// {6D2A25C1-BE4A-4F2C-9CD2-E461B7D0DA49}
inline constexpr GUID IID_SECEditLangConfig = {
    0x6D2A25C1, 0xBE4A, 0x4F2C, {0x9C, 0xD2, 0xE4, 0x61, 0xB7, 0xD0, 0xDA, 0x49}};
