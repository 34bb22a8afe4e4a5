#include "editor/text/SECEditBufferHint.h"

#include "framework/resources/Resources.h"

namespace {

const RESOURCE_STRING kEditorStrings[] = {
    {SECEDIT_HINT_FONT_UPDATE, "Font Update Message"},
    {SECEDIT_HINT_SPLITTER_SYNC, "Splitter Synchronization Message"},
    {SECEDIT_MSG_STATUS_POSITION, "Ln 9999, Col 9999"},
    {SECEDIT_HINT_LINE_COUNT, "Line Count Changed"},
    {SECEDIT_HINT_INITIALIZE, "Initialize the controller"},
    {SECEDIT_HINT_RECOLOR, "Invalidate the coloring cache and refresh"},
    {SECEDIT_HINT_GUTTER, "Invalidate the Gutter Area"},
    {SECEDIT_HINT_INVALIDATE_LINES, "Invalidate Lines %d to %d"},
    {SECEDIT_MSG_READ_ONLY, "The file '%1' exists and is read-only. Please save to a different filename."},
};

// Registers the table when the library loads.
const bool kRegistered = [] {
    PlexoRegisterStrings(kEditorStrings, static_cast<int>(sizeof(kEditorStrings) / sizeof(kEditorStrings[0])));
    return true;
}();

} // namespace

CString SECEditLoadString(UINT nID)
{
    CString text;
    if (!PlexoLookupString(nID, text)) {
        for (const RESOURCE_STRING &entry : kEditorStrings)
            if (entry.nID == nID)
                text = entry.lpszText;
    }
    return text;
}

SECEditBufferHint::SECEditBufferHint(int typeId, int firstLine, int lastLine)
    : m_nTypeId(typeId), m_nFirstLine(firstLine), m_nLastLine(lastLine)
{
}

HRESULT SECEditBufferHint::QueryInterface(const IID &iid, void **ppv)
{
    if (!ppv)
        return E_NOINTERFACE;
    if (iid == IID_SECEditHint) {
        *ppv = static_cast<SECEditHint *>(this);
        return S_OK;
    }
    *ppv = nullptr;
    return E_NOINTERFACE;
}

void SECEditBufferHint::GetDescription(CString &description)
{
    const CString text = SECEditLoadString(static_cast<UINT>(m_nTypeId));
    if (m_nTypeId == SECEDIT_HINT_INVALIDATE_LINES)
        description = FormatString("Invalidate Lines %d to %d", m_nFirstLine, m_nLastLine);
    else
        description = text;
}

ULONG SECEditBufferHint::Release()
{
    const ULONG count = --m_nRefCount;
    if (count == 0)
        delete this;
    return count;
}
