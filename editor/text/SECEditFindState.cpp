#include "editor/text/SECEditFindState.h"

#include "editor/text/SECEditRegExpBase.h"

#include <memory>

SECEditFindState::SECEditFindState()
{
    // One engine is made and asked, then thrown away: the dialogs offer
    // regular expressions only when this worked.
    std::unique_ptr<SECEditRegExpBase> probe(SECEditNewRegExp());
    m_bRegexAvailable = probe && probe->Create();
}

SECEditFindDialog *SECEditFindState::ReleaseOwner(SECEditController *pOwner)
{
    if (!pOwner || pOwner != m_pOwner)
        return nullptr;
    SECEditFindDialog *dialog = m_pDialog;
    m_pDialog = nullptr;
    m_pOwner = nullptr;
    return dialog;
}

SECEditFindState &SECEditGetFindState()
{
    static SECEditFindState state;
    return state;
}
