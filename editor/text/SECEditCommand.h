// The base of the undo records: a record can do and undo itself, and says
// whether it is still worth undoing.  Every record carries a serial number
// that no other record of the process shares, so a buffer can tell whether
// the record on top of its history is the one it saved with.
#pragma once

#include "editor/lang/SECEditHint.h"

class SECEditCommand : public SECEditHint {
public:
    static constexpr int kTextCommandId = 22586;
    static constexpr int kCompositeCommandId = 22587;

    SECEditCommand();
    SECEditCommand(const SECEditCommand &) = delete;
    SECEditCommand &operator=(const SECEditCommand &) = delete;
    ~SECEditCommand() override = default;

    HRESULT QueryInterface(const IID &iid, void **ppv) override;
    ULONG AddRef() override { return static_cast<ULONG>(++m_nRefCount); }
    ULONG Release() override;

    virtual BOOL IsEffective() { return m_bEffective; }
    virtual void SetEffective(BOOL bEffective) { m_bEffective = bEffective; }
    virtual BOOL Execute() { return TRUE; }
    virtual BOOL Unexecute() { return TRUE; }

    // Unique and increasing across the process; never 0.
    ULONGLONG GetSerial() const { return m_nSerial; }

private:
    int m_nRefCount = 0;
    BOOL m_bEffective = TRUE;
    ULONGLONG m_nSerial;
};
