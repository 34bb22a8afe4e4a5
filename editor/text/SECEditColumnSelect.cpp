#include "editor/text/SECEditColumnSelect.h"

#include "framework/shell/ClipboardFormats.h"

const UINT g_cfSECEditColumnSelect = RegisterClipboardFormat(SECEDIT_COLUMN_SELECT_FORMAT);
