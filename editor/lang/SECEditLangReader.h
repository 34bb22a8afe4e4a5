// Readers fill a language configuration from a store, writers save it.
// Both are reference counted: a new object has a count of 1, owned by its
// creator, and deletes itself when Release brings the count to 0.
#pragma once

#include "framework/base/WinTypes.h"

class SECEditLangConfig;

class SECEditLangReader {
public:
    // TRUE when the configuration was read whole; FALSE for a NULL
    // configuration or a store that could not be read.
    virtual BOOL Read(SECEditLangConfig *pConfig) = 0;
    virtual int AddRef() = 0;
    virtual int Release() = 0;

protected:
    virtual ~SECEditLangReader() = default;
};

class SECEditLangWriter {
public:
    virtual BOOL Write(SECEditLangConfig *pConfig) = 0;
    virtual int AddRef() = 0;
    virtual int Release() = 0;

protected:
    virtual ~SECEditLangWriter() = default;
};

// The reference count shared by every reader and writer class.
template <class INTERFACE>
class SECEditRefCounted : public INTERFACE {
public:
    SECEditRefCounted() = default;
    SECEditRefCounted(const SECEditRefCounted &) = delete;
    SECEditRefCounted &operator=(const SECEditRefCounted &) = delete;

    int AddRef() override { return ++m_nRefCount; }
    int Release() override
    {
        const int count = --m_nRefCount;
        if (count == 0)
            delete this;
        return count;
    }

private:
    int m_nRefCount = 1;
};

// A reader that may first put the configuration back to its defaults.
class SECEditLangReaderBase : public SECEditRefCounted<SECEditLangReader> {
public:
    explicit SECEditLangReaderBase(BOOL bResetFirst) : m_bResetFirst(bResetFirst) {}
    BOOL GetResetFirst() const { return m_bResetFirst; }

protected:
    // Calls SetDefaults when the reset-first flag is set.
    void ResetIfWanted(SECEditLangConfig *pConfig);

private:
    BOOL m_bResetFirst;
};
