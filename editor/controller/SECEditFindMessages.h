// The texts the find and replace commands report their outcome with.
#pragma once

#include "framework/base/CString.h"

enum SECEditFindMessageId {
    SECEDIT_MSG_CANNOT_FIND = 22601,
    SECEDIT_MSG_FINISHED_SEARCHING = 22602,
    SECEDIT_MSG_REPLACE_READ_ONLY = 22603,
    SECEDIT_MSG_LINE_TOO_LONG = 22604,
    SECEDIT_MSG_REPLACED_IN_SELECTION = 22605,
    SECEDIT_MSG_REPLACED_IN_DOCUMENT = 22606,
};

// The string with "%1" replaced by the argument, or "%d" by the number.
CString SECEditFindMessage(UINT nID, const CString &argument);
CString SECEditFindMessage(UINT nID, int number);
// Shows a find message box.
void SECEditShowFindMessage(const CString &text, UINT nType);
