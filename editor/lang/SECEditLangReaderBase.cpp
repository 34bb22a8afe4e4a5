#include "editor/lang/SECEditLangConfig.h"
#include "editor/lang/SECEditLangReader.h"

void SECEditLangReaderBase::ResetIfWanted(SECEditLangConfig *pConfig)
{
    if (m_bResetFirst)
        pConfig->SetDefaults();
}
