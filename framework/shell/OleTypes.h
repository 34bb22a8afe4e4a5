// The plain types of data objects and drag-and-drop: drop effects, the
// format and storage records of a data request, and the answers of a drop
// source.
#pragma once

#include "framework/base/WinTypes.h"

typedef DWORD DROPEFFECT;
typedef HRESULT SCODE;

#define DROPEFFECT_NONE 0
#define DROPEFFECT_COPY 1
#define DROPEFFECT_MOVE 2
#define DROPEFFECT_LINK 4
#define DROPEFFECT_SCROLL 0x80000000

// Key-state bit of the Alt key in drag-and-drop (the mouse and the other
// keys use the MK_ bits of mouse messages).
#ifndef MK_ALT
#define MK_ALT 0x20
#endif

#define DRAGDROP_S_DROP ((SCODE)0x00040100L)
#define DRAGDROP_S_CANCEL ((SCODE)0x00040101L)
#define DRAGDROP_S_USEDEFAULTCURSORS ((SCODE)0x00040102L)

#define DVASPECT_CONTENT 1
#define TYMED_NULL 0
#define TYMED_HGLOBAL 1

struct FORMATETC {
    UINT cfFormat;
    void *ptd;
    DWORD dwAspect;
    LONG lindex;
    DWORD tymed;
};
typedef FORMATETC *LPFORMATETC;

struct STGMEDIUM {
    DWORD tymed;
    HGLOBAL hGlobal;
    void *pUnkForRelease;
};
typedef STGMEDIUM *LPSTGMEDIUM;

// Frees the medium's block (a TYMED_HGLOBAL medium) and clears it.
void ReleaseStgMedium(LPSTGMEDIUM lpMedium);
