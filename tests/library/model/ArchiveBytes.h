// Helpers of the model tests: an object's archive record as bytes, reading
// bytes back into an object, and a builder for expected records.
#pragma once

#include "framework/object/Archive.h"
#include "framework/object/File.h"

#include <cstdint>
#include <string>
#include <vector>

typedef std::vector<BYTE> Bytes;

inline Bytes StoreRecord(CObject& object)
{
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        object.Serialize(ar);
        ar.Close();
    }
    Bytes bytes(static_cast<size_t>(file.GetLength()));
    file.SeekToBegin();
    if (!bytes.empty())
        file.Read(bytes.data(), static_cast<UINT>(bytes.size()));
    return bytes;
}

// Reads the record into the object; the archive exception's cause, or -1
// when the record loaded.
inline int LoadRecord(CObject& object, Bytes bytes)
{
    CMemFile file(bytes.data(), static_cast<UINT>(bytes.size()));
    try {
        CArchive ar(&file, CArchive::load);
        object.Serialize(ar);
        ar.Close();
    } catch (CArchiveException* e) {
        const int nCause = e->m_cause;
        e->Delete();
        return nCause;
    }
    return -1;
}

// Builds an expected record field by field.
class RecordBuilder {
public:
    RecordBuilder& Int(int32_t value)
    {
        for (int i = 0; i < 4; ++i)
            m_bytes.push_back(static_cast<BYTE>(static_cast<uint32_t>(value) >> (8 * i)));
        return *this;
    }
    RecordBuilder& Word(uint16_t value)
    {
        m_bytes.push_back(static_cast<BYTE>(value));
        m_bytes.push_back(static_cast<BYTE>(value >> 8));
        return *this;
    }
    // A short string record: one length byte, then the bytes.
    RecordBuilder& Str(const std::string& text)
    {
        m_bytes.push_back(static_cast<BYTE>(text.size()));
        m_bytes.insert(m_bytes.end(), text.begin(), text.end());
        return *this;
    }
    RecordBuilder& Raw(const std::string& text)
    {
        m_bytes.insert(m_bytes.end(), text.begin(), text.end());
        return *this;
    }
    RecordBuilder& Append(const Bytes& bytes)
    {
        m_bytes.insert(m_bytes.end(), bytes.begin(), bytes.end());
        return *this;
    }
    const Bytes& Get() const { return m_bytes; }

private:
    Bytes m_bytes;
};
