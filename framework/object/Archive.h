// CArchive: the framework's binary archive over a CFile, byte for byte the
// format that documents, toolbox pages, clipboard payloads and language files
// of the system use.
//
// Values are little-endian and written by size: BYTE/char 1 byte, WORD/short
// 2, int/LONG/UINT/DWORD/float 4, double/LONGLONG 8.  Strings, counts and
// objects have records of their own (see WriteStringRecord, WriteCount
// and WriteObject).  Loading checks every length and count against the bytes
// that remain before it allocates, and throws CArchiveException (by pointer)
// on anything it cannot read: endOfFile when bytes run out, badClass,
// badSchema or badIndex for bad object records.
#pragma once

#include <bit>
#include <cstring>
#include <unordered_map>
#include <vector>

#include "framework/base/CRect.h"
#include "framework/base/CString.h"
#include "framework/base/WinTypes.h"
#include "framework/object/ArchiveStoreMap.h"
#include "framework/object/Exceptions.h"
#include "framework/object/File.h"
#include "framework/object/Object.h"

class CDocument;

class CArchive {
public:
    enum Mode { store = 0, load = 1, bNoFlushOnDelete = 2, bNoByteSwap = 4 };

    // nBufSize: the buffer size (at least 128); lpBuf: a caller's buffer of
    // that size, or NULL to let the archive allocate one.
    CArchive(CFile *pFile, UINT nMode, int nBufSize = 4096, void *lpBuf = NULL);
    // Closes the archive unless bNoFlushOnDelete was given (a failing flush
    // is dropped here: call Close to see it).
    ~CArchive();

    CArchive(const CArchive &) = delete;
    CArchive &operator=(const CArchive &) = delete;

    BOOL IsLoading() const { return (m_nMode & load) != 0; }
    BOOL IsStoring() const { return (m_nMode & load) == 0; }
    BOOL IsByteSwapping() const { return FALSE; }
    BOOL IsBufferEmpty() const { return m_lpBufCur == m_lpBufMax; }
    CFile *GetFile() const { return m_pFile; }

    // The schema of the object being loaded, as stored in the archive; the
    // second call returns (UINT)-1.
    UINT GetObjectSchema();
    void SetObjectSchema(UINT nSchema) { m_nObjectSchema = nSchema; }

    // Raw bytes.  Read returns the number read (fewer at the end of the data).
    UINT Read(void *lpBuf, UINT nMax);
    void Write(const void *lpBuf, UINT nMax);
    // Storing: writes the buffer to the file.  Loading: gives the unread
    // buffered bytes back to the file.
    void Flush();
    // Flush and detach from the file.
    void Close();
    // Detach from the file without writing anything.
    void Abort();

    // The string record: length < 255 as one byte; else 0xFF and a WORD when
    // < 0xFFFE; else 0xFF, 0xFFFF and a DWORD; then the bytes.  Loading also
    // accepts the wide form (0xFF 0xFFFE, a length in UTF-16 units in the
    // same scheme, UTF-16LE) and turns it into UTF-8.
    void WriteStringRecord(const CString &str);
    void ReadStringRecord(CString &str);

    // Counts: a WORD, or 0xFFFF and a DWORD when the count is 0xFFFF or more.
    // A loaded count larger than the bytes that remain throws endOfFile
    // (every counted item takes at least one byte).
    void WriteCount(DWORD_PTR dwCount);
    DWORD_PTR ReadCount();

    // Throws endOfFile unless nBytes more bytes can be read.  Loaders call
    // it before allocating room for data that a count announces.
    void EnsureAvailable(ULONGLONG nBytes);

    // Objects: the null tag 0; a new class 0xFFFF with its class record and
    // then the object's own record; 0x8000|index for a new object of a class
    // already written; index for an object already written; 0x7FFF and a
    // DWORD for indexes of 0x7FFF and above (classes with 0x80000000 set).
    // Classes and objects share one index counter that starts at 1.  An
    // object is indexed before its Serialize runs, so cycles load.
    //
    // ReadObject deletes an object it created when that object's Serialize
    // throws, and the object's index then refers to nothing (badIndex).
    // Objects nest at most kMaxObjectNesting deep while loading (badIndex
    // beyond), so a hostile archive cannot exhaust the stack.
    static const UINT kMaxObjectNesting = 1000;
    CObject *ReadObject(const CRuntimeClass *pClassRefRequested);
    void WriteObject(const CObject *pOb);
    CRuntimeClass *ReadClass(const CRuntimeClass *pClassRefRequested = NULL, UINT *pSchema = NULL,
                             DWORD *pObTag = NULL);
    void WriteClass(const CRuntimeClass *pClassRef);
    void SerializeClass(const CRuntimeClass *pClassRef);

    // Objects that collections read, for failed loads and repeated keys
    // (ArchiveLoadOwnership.cpp).  A collection that does not own its
    // objects (CObArray, CObList, CMapStringToOb) reads them through
    // ReadElementObject, which notes the objects it creates for the
    // collection and the references it takes.  DeleteLoadedObject deletes an
    // object with the objects created for it, so a failed load frees
    // everything it made; one that something else still refers to is left
    // to it, and deleted when the last collection referring to it lets go.
    // Later references to a deleted object are a format error (badIndex).
    // ReadObject deletes an object whose Serialize throws the same way.
    // DropElementObject: a collection lets go of an object it read (a
    // repeated map key replaced it).
    CObject *ReadElementObject(const CObject *pHolder, const CRuntimeClass *pClassRefRequested, BOOL *pbCreated = NULL);
    // Reads an object that the reader will own outright (a property set of
    // a component, a line end): NULL for the null tag, else a new object of
    // pClassRefRequested (or any class when NULL).  A reference to an object
    // read earlier is refused (badIndex), so no record can give one object
    // two owners that both delete it; so is a class derived from
    // pClassRefRefused (badClass), for objects that have holders of their
    // own.  A class that creates no object is badClass.  When the object's
    // Serialize throws, the object is deleted with what was created for it,
    // its index then refers to nothing, and the exception goes on.  Owned
    // objects nest within kMaxObjectNesting with all others.  Once the
    // object in whose record an owned object was read is deleted through
    // the archive (a failed load, DeleteLoadedObject, a dropped element),
    // the owned object counts as gone with it: a later reference to it is
    // badIndex.
    CObject *ReadOwnedObject(const CRuntimeClass *pClassRefRequested, const CRuntimeClass *pClassRefRefused = NULL);
    void DeleteLoadedObject(CObject *pOb);
    void DropElementObject(const CObject *pHolder, CObject *pOb);
    // Gives an object an index without writing it, so that later records can
    // refer to it (both sides must map the same objects in the same order).
    void MapObject(const CObject *pOb);

    // Sizes the object maps ahead for large archives.
    void SetStoreParams(UINT nHashSize = 2053, UINT nBlockSize = 128);
    void SetLoadParams(UINT nGrowBy = 1024);

    // Plain values.
    CArchive &operator<<(BYTE by) { return PutValue(by); }
    CArchive &operator<<(char ch) { return PutValue(ch); }
    CArchive &operator<<(signed char ch) { return PutValue(ch); }
    CArchive &operator<<(WORD w) { return PutValue(w); }
    CArchive &operator<<(short w) { return PutValue(w); }
    CArchive &operator<<(int i) { return PutValue(i); }
    CArchive &operator<<(UINT u) { return PutValue(u); }
    CArchive &operator<<(LONGLONG ll) { return PutValue(ll); }
    CArchive &operator<<(ULONGLONG ull) { return PutValue(ull); }
    CArchive &operator<<(float f) { return PutValue(f); }
    CArchive &operator<<(double d) { return PutValue(d); }

    CArchive &operator>>(BYTE &by) { return GetValue(by); }
    CArchive &operator>>(char &ch) { return GetValue(ch); }
    CArchive &operator>>(signed char &ch) { return GetValue(ch); }
    CArchive &operator>>(WORD &w) { return GetValue(w); }
    CArchive &operator>>(short &w) { return GetValue(w); }
    CArchive &operator>>(int &i) { return GetValue(i); }
    CArchive &operator>>(UINT &u) { return GetValue(u); }
    CArchive &operator>>(LONGLONG &ll) { return GetValue(ll); }
    CArchive &operator>>(ULONGLONG &ull) { return GetValue(ull); }
    CArchive &operator>>(float &f) { return GetValue(f); }
    CArchive &operator>>(double &d) { return GetValue(d); }

    // The file's name for exception messages (its path when it has one).
    CString m_strFileName;
    // The document being read or written, for objects that need it.
    CDocument *m_pDocument;
    // Kept for the system's code; archives are never flattened here.
    BOOL m_bForceFlat;

private:
    template <typename T>
    static T ToLittleEndian(T value)
    {
        if constexpr (std::endian::native == std::endian::little || sizeof(T) == 1) {
            return value;
        } else {
            BYTE bytes[sizeof(T)];
            std::memcpy(bytes, &value, sizeof(T));
            for (size_t i = 0; i < sizeof(T) / 2; ++i) {
                BYTE tmp = bytes[i];
                bytes[i] = bytes[sizeof(T) - 1 - i];
                bytes[sizeof(T) - 1 - i] = tmp;
            }
            std::memcpy(&value, bytes, sizeof(T));
            return value;
        }
    }

    template <typename T>
    CArchive &PutValue(T value)
    {
        if (!IsStoring())
            ThrowReadOnly();
        if (size_t(m_lpBufMax - m_lpBufCur) < sizeof(T))
            Flush();
        value = ToLittleEndian(value);
        std::memcpy(m_lpBufCur, &value, sizeof(T));
        m_lpBufCur += sizeof(T);
        return *this;
    }

    template <typename T>
    CArchive &GetValue(T &value)
    {
        if (!IsLoading())
            ThrowWriteOnly();
        if (size_t(m_lpBufMax - m_lpBufCur) < sizeof(T))
            FillBuffer(UINT(sizeof(T) - (m_lpBufMax - m_lpBufCur)));
        std::memcpy(&value, m_lpBufCur, sizeof(T));
        value = ToLittleEndian(value);
        m_lpBufCur += sizeof(T);
        return *this;
    }

    // Makes at least nBytesNeeded more bytes available in the buffer, or
    // throws endOfFile.
    void FillBuffer(UINT nBytesNeeded);
    [[noreturn]] void ThrowReadOnly() const;
    [[noreturn]] void ThrowWriteOnly() const;
    [[noreturn]] void ThrowArchive(int cause) const;

    // String record helpers (ArchiveStrings.cpp).
    void WriteStringLength(ULONGLONG nLength);
    ULONGLONG ReadStringLength(BOOL &bWide);

    // Object record helpers (ArchiveObjects.cpp).
    struct LoadEntry {
        void *pointer; // CRuntimeClass* or CObject*
        UINT schema;   // for classes: the schema stored in the archive
        bool isClass;
        bool isLost;                          // an object whose loading failed and was deleted
        UINT nReferences = 0;                 // later records that referred to it
        const CObject *pCreatedFor = nullptr; // the collection it was created for
        bool isOrphan = false;                // let go of, but still referred to
        bool isOwned = false;                 // read by ReadOwnedObject
        bool isOwnedForgotten = false;        // the owned objects of its record are forgotten
        // One past the last entry its record created: SIZE_MAX while the
        // record loads, 0 for an object that had no record read here.
        size_t nRecordEnd = 0;
    };
    DWORD NextMapIndex();
    void WriteTag(DWORD nIndex, bool bClass);
    void RememberLoaded(void *pointer, bool bClass, UINT nSchema);
    CObject *LoadedObjectAt(DWORD nIndex, const CRuntimeClass *pClassRefRequested);
    // Creates an object of the class and reads its record (ReadObject's and
    // ReadOwnedObject's common part); NULL when the class creates none.
    CObject *LoadNewObject(CRuntimeClass *pClassRef, UINT nSchema, bool bOwned);
    // Drops the entries of the owned objects read inside the record of the
    // object at nIndex, which was just deleted.
    void ForgetOwnedObjectsOf(size_t nIndex);
    size_t LoadedIndexOf(const CObject *pOb);
    bool IsReferredFromOutside(size_t nIndex) const;
    void ReleaseReference(size_t nIndex);
    void DeleteLoadedEntry(size_t nIndex);

    UINT m_nMode;
    CFile *m_pFile;
    BYTE *m_lpBufStart;
    BYTE *m_lpBufCur;
    BYTE *m_lpBufMax;
    UINT m_nBufSize;
    BOOL m_bUserBuf;
    UINT m_nObjectSchema;
    UINT m_nLoadNesting;
    DWORD m_nMapCount;
    CArchiveStoreMap m_storeMap;
    std::vector<LoadEntry> m_loadArray;
    // Load-array indexes of the objects created for each collection, and of
    // the objects each collection refers to (with how many times).
    std::unordered_map<const CObject *, std::vector<size_t>> m_loadHeld;
    std::unordered_map<const CObject *, std::unordered_map<size_t, UINT>> m_loadRefs;
    // Load-array index by object, made on first need and kept up to date.
    std::unordered_map<const CObject *, size_t> m_loadIndex;
    size_t m_nLoadIndexed = 0;
    size_t m_nLastReference = 0; // the entry of the last reference read
};

// Strings and objects.
CArchive &operator<<(CArchive &ar, const CString &str);
CArchive &operator>>(CArchive &ar, CString &str);
CArchive &operator<<(CArchive &ar, const CObject *pOb);
CArchive &operator>>(CArchive &ar, CObject *&pOb);
CArchive &operator>>(CArchive &ar, const CObject *&pOb);

// Points, sizes and rectangles as their 32-bit fields in order.
CArchive &operator<<(CArchive &ar, SIZE size);
CArchive &operator<<(CArchive &ar, POINT point);
CArchive &operator<<(CArchive &ar, const RECT &rect);
CArchive &operator>>(CArchive &ar, SIZE &size);
CArchive &operator>>(CArchive &ar, POINT &point);
CArchive &operator>>(CArchive &ar, RECT &rect);
