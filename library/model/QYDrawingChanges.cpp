#include "library/model/QYDrawingChanges.h"

#include <atomic>

namespace {

std::atomic<std::uint64_t> g_nChanges{0};
// Draw passes run on the thread that owns the page.
thread_local int t_nDrawPasses = 0;

} // namespace

std::uint64_t QYDrawingChangeCount()
{
    return g_nChanges.load(std::memory_order_relaxed);
}

void QYNoteDrawingChange()
{
    if (t_nDrawPasses == 0)
        g_nChanges.fetch_add(1, std::memory_order_relaxed);
}

QYDrawPassScope::QYDrawPassScope()
{
    ++t_nDrawPasses;
}

QYDrawPassScope::~QYDrawPassScope()
{
    --t_nDrawPasses;
}
