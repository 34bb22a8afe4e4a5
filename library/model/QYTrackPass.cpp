#include "library/model/QYTrackPass.h"

namespace {

// The drawers of the pass open on this thread, or NULL.  Tracking runs on
// the user-interface thread; a test thread gets its own pass.
thread_local std::unordered_map<const CQYDrawComponent*, const CQYDrawComponent*>* t_pOpenPass = nullptr;

} // namespace

CQYTrackPass::CQYTrackPass()
{
    if (t_pOpenPass != nullptr)
        return;
    t_pOpenPass = &m_drawers;
    m_bOpened = true;
}

CQYTrackPass::~CQYTrackPass()
{
    if (m_bOpened)
        t_pOpenPass = nullptr;
}

bool CQYTrackPass::Claim(const CQYDrawComponent* pComp, const CQYDrawComponent* pDrawer)
{
    if (t_pOpenPass == nullptr)
        return true;
    const auto [it, bFirst] = t_pOpenPass->emplace(pComp, pDrawer);
    return bFirst || it->second == pDrawer;
}
