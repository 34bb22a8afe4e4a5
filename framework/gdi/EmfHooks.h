// What the context's members call to record onto a metafile context: one
// pointer test on ordinary contexts. Framework-internal.
#pragma once

#include "framework/gdi/DeviceContext.h"
#include "framework/gdi/EmfRecorder.h"

inline EmfRecorder *RecorderOf(HDC h)
{
    return h ? h->recorder.get() : nullptr;
}

// Records the mapping value a member changed, once it has changed it.
class MappingRecord {
public:
    MappingRecord(HDC h, DWORD type) : m_recorder(RecorderOf(h)), m_hdc(h), m_type(type) {}
    ~MappingRecord()
    {
        if (m_recorder)
            m_recorder->Mapping(m_type, m_hdc->state.mapping);
    }
    MappingRecord(const MappingRecord &) = delete;
    MappingRecord &operator=(const MappingRecord &) = delete;

private:
    EmfRecorder *m_recorder;
    HDC m_hdc;
    DWORD m_type;
};
