// How the typed collections compare and hash their elements.  Code that keeps
// its own types in a CList or a CMap can overload or specialise these.
#pragma once

#include "framework/base/CString.h"
#include "framework/base/WinTypes.h"

#include <type_traits>

// Equality used by CList::Find and the maps' key lookup.
template <class TYPE, class ARG_TYPE>
inline BOOL CompareElements(const TYPE *pElement1, const ARG_TYPE *pElement2)
{
    return *pElement1 == *pElement2;
}

// The hash of a map key, taken modulo the hash table size to find the bucket.
// Integers and pointers hash to their value shifted right by 4; strings use
// hash = hash * 33 + byte with each byte taken as a signed char.  Both
// choices fix the order in which maps are visited.
template <class ARG_KEY>
inline UINT HashKey(ARG_KEY key)
{
    if constexpr (std::is_pointer_v<ARG_KEY>)
        return static_cast<UINT>(reinterpret_cast<uintptr_t>(key) >> 4);
    else
        return static_cast<UINT>(static_cast<DWORD>(key)) >> 4;
}

inline UINT HashStringBytes(const char *pBytes, size_t nLength)
{
    UINT nHash = 0;
    for (size_t i = 0; i < nLength; i++)
        nHash = (nHash << 5) + nHash + static_cast<UINT>(static_cast<int>(static_cast<signed char>(pBytes[i])));
    return nHash;
}

template <>
inline UINT HashKey<LPCTSTR>(LPCTSTR key)
{
    return key != nullptr ? HashStringBytes(key, std::char_traits<char>::length(key)) : 0;
}

template <>
inline UINT HashKey<const CString &>(const CString &key)
{
    return HashStringBytes(key.Str().data(), key.Str().size());
}

template <>
inline UINT HashKey<CString>(CString key)
{
    return HashKey<const CString &>(key);
}

template <>
inline UINT HashKey<CString &>(CString &key)
{
    return HashKey<const CString &>(key);
}
