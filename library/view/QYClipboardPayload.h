// The "Plexo Component" clipboard payload: the archive of one component
// list, exactly the list record of the document, links left out.  Reading
// trusts nothing: only component classes are accepted and any fault
// leaves the caller's list unchanged.
#pragma once

#include "framework/base/CString.h"
#include "framework/object/GlobalMemory.h"

class CDocument;
class CQYCompList;

// The process-wide format number of "Plexo Component".
UINT QYGetComponentClipboardFormat();

// The archive of the list's components other than links in a new shared
// memory block; NULL when there is none to write.
HGLOBAL QYWriteComponentPayload(CQYCompList* pList);

// Reads a payload into the list.  FALSE (with the reason in strError and
// the list unchanged) when the bytes are not a component list.
BOOL QYReadComponentPayload(const BYTE* pBytes, size_t nSize, CDocument* pDocument, CQYCompList& list,
                            CString& strError);
