// Batches of window position changes.
#include "framework/window/WindowApi.h"

#include <memory>
#include <vector>

struct HDWP__ {
    struct Change {
        HWND hWnd;
        HWND hWndInsertAfter;
        int x, y, cx, cy;
        UINT uFlags;
    };
    std::vector<Change> changes;
};

HDWP BeginDeferWindowPos(int nNumWindows)
{
    if (nNumWindows < 0)
        return nullptr;
    auto batch = std::make_unique<HDWP__>();
    batch->changes.reserve(static_cast<size_t>(nNumWindows));
    return batch.release();
}

HDWP DeferWindowPos(HDWP hWinPosInfo, HWND hWnd, HWND hWndInsertAfter, int x, int y, int cx, int cy, UINT uFlags)
{
    if (!hWinPosInfo)
        return nullptr;
    if (!IsWindow(hWnd)) {
        delete hWinPosInfo;
        return nullptr;
    }
    for (auto &change : hWinPosInfo->changes) {
        if (change.hWnd == hWnd) {
            change = HDWP__::Change{hWnd, hWndInsertAfter, x, y, cx, cy, uFlags};
            return hWinPosInfo;
        }
    }
    hWinPosInfo->changes.push_back(HDWP__::Change{hWnd, hWndInsertAfter, x, y, cx, cy, uFlags});
    return hWinPosInfo;
}

BOOL EndDeferWindowPos(HDWP hWinPosInfo)
{
    if (!hWinPosInfo)
        return FALSE;
    std::unique_ptr<HDWP__> batch(hWinPosInfo);
    BOOL bAll = TRUE;
    for (const auto &change : batch->changes) {
        if (IsWindow(change.hWnd) &&
            !SetWindowPos(change.hWnd, change.hWndInsertAfter, change.x, change.y, change.cx, change.cy, change.uFlags))
            bAll = FALSE;
    }
    return bAll;
}
