#include "editor/text/SECEditRegExpBase.h"

namespace {
SECEditRegExpFactory g_regExpFactory = nullptr;
}

void SECEditSetRegExpFactory(SECEditRegExpFactory factory)
{
    g_regExpFactory = factory;
}

SECEditRegExpBase *SECEditNewRegExp()
{
    return g_regExpFactory ? g_regExpFactory() : nullptr;
}
