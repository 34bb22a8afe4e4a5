// How clipboard formats travel as MIME data, shared by the clipboard and by
// drag-and-drop.  CF_TEXT and CF_OEMTEXT are the same UTF-8 text, offered as
// "text/plain;charset=utf-8" and as "text/plain" (the type behind the X11
// text targets UTF8_STRING, STRING and TEXT) with the bytes kept as they
// are; CF_BITMAP is offered as PNG and BMP and read from any
// image Qt decodes; a registered format is its bytes under its own MIME
// type.  Framework-internal.
#pragma once

#include "framework/base/WinTypes.h"

#include <QByteArray>

class QMimeData;

namespace ClipboardMime {

// TRUE for the formats that can travel at all.
bool IsTransferable(UINT format);
// Puts a clipboard handle's content under the format's MIME types (a global
// block for text and registered formats, a bitmap for CF_BITMAP); false
// when the format or the handle is unusable.
bool Put(QMimeData &mime, UINT format, HANDLE hData);
bool Has(const QMimeData &mime, UINT format);
// A new handle holding the format's data (text gets its terminating zero;
// CF_BITMAP gives a new bitmap), or NULL when the data is absent or unusable.
HANDLE MakeHandle(const QMimeData &mime, UINT format);
// The raw bytes of a text or registered format (no terminating zero added).
bool Bytes(const QMimeData &mime, UINT format, QByteArray &bytes);
// A new global block with the bytes; NULL when memory is short.
HGLOBAL GlobalFromBytes(const QByteArray &bytes, bool addTerminatingZero);
// A copy of every format of the MIME data.
QMimeData *Copy(const QMimeData &mime);

} // namespace ClipboardMime
