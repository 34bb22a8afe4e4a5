// Clipboard format numbers.  The standard formats keep their fixed numbers;
// a registered format name gets a number from 0xC000 up that stays the same
// for the life of the process (names compare without case), and travels on
// the desktop's clipboard as a MIME type of its own.
#pragma once

#include "framework/base/CString.h"

typedef UINT CLIPFORMAT;

#define CF_TEXT 1
#define CF_BITMAP 2
#define CF_OEMTEXT 7
#define CF_METAFILEPICT 3
#define CF_DIB 8
#define CF_UNICODETEXT 13
#define CF_ENHMETAFILE 14
#define CF_HDROP 15

// 0 when the name is NULL or empty.
UINT RegisterClipboardFormat(LPCTSTR lpszFormat);
// Copies the registered name (cut to nMaxCount - 1 bytes) and returns its
// length; 0 for standard or unknown formats.
int GetClipboardFormatName(UINT format, LPTSTR lpszFormatName, int nMaxCount);
// The MIME type a format travels as: "text/plain;charset=utf-8" for text,
// "application/x-plexo-clipboard;format=<name>" for registered names; empty
// for numbers that are neither.
CString PlexoClipboardFormatMimeType(UINT format);
