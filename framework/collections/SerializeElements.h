// How the typed collections archive their elements.  CArray, CList and CMap
// write a count and then hand their elements to SerializeElements:
//   - CString: the archive's string record;
//   - integers, enumerations and floating-point values: little-endian, by
//     their size (BYTE 1, WORD 2, DWORD/LONG/int/float 4, double 8);
//   - points, sizes and rectangles: their LONG fields in order;
//   - pointers to CObject (and classes derived from it): archived objects
//     (WriteObject / ReadObject); a loaded object of another class raises
//     CArchiveException badClass.
// Other element types raise CNotSupportedException unless their code
// specialises SerializeElements:
//
//     template <> void SerializeElements<CMyType>(CArchive& ar, CMyType* p, INT_PTR n);
#pragma once

#include "framework/base/CRect.h"
#include "framework/base/CString.h"
#include "framework/base/WinTypes.h"
#include "framework/object/Archive.h"
#include "framework/object/Exceptions.h"
#include "framework/object/Object.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <type_traits>

// Throws CArchiveException endOfFile when nCount elements of at least
// nMinBytes bytes each cannot fit in what the loading archive still holds, or
// when the count does not fit an int.  Loaders call it before making room.
void CheckArchivedCount(CArchive &ar, DWORD_PTR nCount, DWORD nMinBytes);

// Throws CArchiveException with the cause, naming the archive's file.
[[noreturn]] void ThrowArchiveError(CArchive &ar, int nCause);

// Reads exactly nBytes or throws CArchiveException endOfFile.
void ReadArchiveBytes(CArchive &ar, void *pBuffer, size_t nBytes);
void WriteArchiveBytes(CArchive &ar, const void *pBuffer, size_t nBytes);

namespace collection_detail {

template <class TYPE>
inline constexpr bool isPlainValue = std::is_arithmetic_v<TYPE> || std::is_enum_v<TYPE>;

template <class TYPE>
inline constexpr bool isObjectPointer =
    std::is_pointer_v<TYPE> &&std::is_base_of_v<CObject, std::remove_cv_t<std::remove_pointer_t<TYPE>>>;

template <class TYPE>
inline constexpr int longFieldCount = std::is_base_of_v<RECT, TYPE>    ? 4
                                      : std::is_base_of_v<POINT, TYPE> ? 2
                                      : std::is_base_of_v<SIZE, TYPE>  ? 2
                                                                       : 0;

// The LONG fields of a point, size or rectangle, in declaration order.
inline LONG *LongField(POINT &pt, int nField)
{
    return nField == 0 ? &pt.x : &pt.y;
}
inline LONG *LongField(SIZE &size, int nField)
{
    return nField == 0 ? &size.cx : &size.cy;
}
inline LONG *LongField(RECT &rect, int nField)
{
    LONG *fields[4] = {&rect.left, &rect.top, &rect.right, &rect.bottom};
    return fields[nField];
}

// Values whose archived bytes are their memory bytes, so a run of them goes
// through the archive in one block.
template <class TYPE>
inline constexpr bool isBlockValue =
    isPlainValue<TYPE> && !std::is_same_v<TYPE, bool> && std::endian::native == std::endian::little;

template <class TYPE>
void StoreValue(CArchive &ar, TYPE value)
{
    unsigned char bytes[sizeof(TYPE)];
    std::memcpy(bytes, &value, sizeof(TYPE));
    if constexpr (std::endian::native == std::endian::big)
        std::reverse(bytes, bytes + sizeof(TYPE));
    WriteArchiveBytes(ar, bytes, sizeof(TYPE));
}

template <class TYPE>
TYPE LoadValue(CArchive &ar)
{
    unsigned char bytes[sizeof(TYPE)];
    ReadArchiveBytes(ar, bytes, sizeof(TYPE));
    if constexpr (std::endian::native == std::endian::big)
        std::reverse(bytes, bytes + sizeof(TYPE));
    if constexpr (std::is_same_v<TYPE, bool>) {
        return bytes[0] != 0;
    } else {
        TYPE value;
        std::memcpy(&value, bytes, sizeof(TYPE));
        return value;
    }
}

// Loads an object and checks it is of the element's class.  A collection
// passes itself as holder, so that the archive notes the objects it creates
// for the collection and a failed load frees them.
template <class TYPE>
TYPE LoadObjectPointer(CArchive &ar, const CObject *pHolder = nullptr, BOOL *pbCreated = nullptr)
{
    CObject *pObject = ar.ReadElementObject(pHolder, nullptr, pbCreated);
    if (pObject == nullptr)
        return nullptr;
    TYPE pTyped = dynamic_cast<TYPE>(pObject);
    if (pTyped == nullptr)
        ThrowArchiveError(ar, CArchiveException::badClass);
    return pTyped;
}

} // namespace collection_detail

// The fewest bytes one element takes in an archive.
template <class TYPE>
constexpr DWORD ArchivedElementMinSize()
{
    using namespace collection_detail;
    if constexpr (isPlainValue<TYPE>)
        return sizeof(TYPE);
    else if constexpr (longFieldCount<TYPE> != 0)
        return longFieldCount<TYPE> * sizeof(LONG);
    else if constexpr (isObjectPointer<TYPE>)
        return sizeof(WORD);
    else
        return 1;
}

template <class TYPE>
void SerializeElements(CArchive &ar, TYPE *pElements, INT_PTR nCount);

// SerializeElements for the elements of a collection: objects it loads are
// noted in the archive as the collection's (CArchive::ReadElementObject).
template <class TYPE>
void SerializeCollectionElements(CArchive &ar, const CObject *pCollection, TYPE *pElements, INT_PTR nCount)
{
    if constexpr (collection_detail::isObjectPointer<TYPE>) {
        if (ar.IsLoading()) {
            for (INT_PTR i = 0; i < nCount; i++)
                pElements[i] = collection_detail::LoadObjectPointer<TYPE>(ar, pCollection);
            return;
        }
    }
    SerializeElements<TYPE>(ar, pElements, nCount);
}

template <class TYPE>
void SerializeElements(CArchive &ar, TYPE *pElements, INT_PTR nCount)
{
    using namespace collection_detail;
    if constexpr (isBlockValue<TYPE>) {
        size_t nBytes = static_cast<size_t>(nCount) * sizeof(TYPE);
        if (ar.IsStoring())
            WriteArchiveBytes(ar, pElements, nBytes);
        else
            ReadArchiveBytes(ar, pElements, nBytes);
        return;
    }
    for (INT_PTR i = 0; i < nCount; i++) {
        TYPE &element = pElements[i];
        if constexpr (std::is_same_v<TYPE, CString>) {
            if (ar.IsStoring())
                ar << element;
            else
                ar >> element;
        } else if constexpr (isPlainValue<TYPE>) {
            if (ar.IsStoring())
                StoreValue(ar, element);
            else
                element = LoadValue<TYPE>(ar);
        } else if constexpr (longFieldCount<TYPE> != 0) {
            for (int f = 0; f < longFieldCount<TYPE>; f++) {
                LONG *pField = LongField(element, f);
                if (ar.IsStoring())
                    StoreValue(ar, *pField);
                else
                    *pField = LoadValue<LONG>(ar);
            }
        } else if constexpr (isObjectPointer<TYPE>) {
            if (ar.IsStoring())
                ar.WriteObject(element);
            else
                element = LoadObjectPointer<TYPE>(ar);
        } else {
            AfxThrowNotSupportedException();
        }
    }
}
