// The find settings that every editor of the process shares with the find
// and replace dialog: made on first use, alive until the process ends.
#pragma once

#include "framework/base/CString.h"
#include "framework/collections/Lists.h"

class SECEditFindDialog;
class SECEditController;

class SECEditFindState {
public:
    SECEditFindState();
    SECEditFindState(const SECEditFindState &) = delete;
    SECEditFindState &operator=(const SECEditFindState &) = delete;

    // The controller that owns the open dialog is going away: when it is
    // the owner, the dialog is handed back (for the caller to destroy) and
    // dialog and owner are cleared; otherwise NULL and nothing changes.
    SECEditFindDialog *ReleaseOwner(SECEditController *pOwner);

    SECEditFindDialog *m_pDialog = nullptr;
    BOOL m_bFindOnly = TRUE;
    CString m_strFindText;
    CString m_strReplaceText;
    BOOL m_bMatchCase = FALSE;
    BOOL m_bSearchDown = TRUE;
    BOOL m_bWholeWord = FALSE;
    BOOL m_bInSelection = FALSE;
    BOOL m_bRegularExpression = FALSE;
    SECEditController *m_pOwner = nullptr;
    CStringList m_findHistory{10};
    CStringList m_replaceHistory{10};
    // Whether a regular-expression engine could be made when the settings
    // were made.
    BOOL m_bRegexAvailable = FALSE;
};

// The process's find settings.
SECEditFindState &SECEditGetFindState();
