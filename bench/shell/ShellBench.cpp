// Clipboard and drag-and-drop speed: 10 MB of text through the clipboard
// and back in this process, and one drag-over step through a drop target to
// a view's handler.
#include "framework/app/Document.h"
#include "framework/object/GlobalMemory.h"
#include "framework/shellui/Clipboard.h"
#include "framework/shellui/OleDataObject.h"
#include "framework/shellui/OleDropTarget.h"
#include "framework/window/WindowApi.h"

#include <QMimeData>

#include <benchmark/benchmark.h>

#include <cstring>
#include <string>

namespace {

void BM_ClipboardCopyPaste10MB(benchmark::State &state)
{
    std::string text(10 * 1024 * 1024, 'x');
    for (size_t i = 80; i < text.size(); i += 81)
        text[i] = '\n';
    for (auto _ : state) {
        HGLOBAL hCopy = GlobalAlloc(GMEM_MOVEABLE | GMEM_DDESHARE, text.size() + 1);
        std::memcpy(GlobalLock(hCopy), text.c_str(), text.size() + 1);
        GlobalUnlock(hCopy);
        OpenClipboard(nullptr);
        EmptyClipboard();
        SetClipboardData(CF_TEXT, hCopy);
        CloseClipboard();

        OpenClipboard(nullptr);
        HANDLE hPaste = GetClipboardData(CF_TEXT);
        const char *pasted = static_cast<const char *>(GlobalLock(hPaste));
        benchmark::DoNotOptimize(pasted[text.size() - 1]);
        GlobalUnlock(hPaste);
        CloseClipboard();
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(text.size()));
}
BENCHMARK(BM_ClipboardCopyPaste10MB)->Unit(benchmark::kMillisecond);

class CBenchView : public CView {
public:
    long overs = 0;
    void OnDraw(CDC *) override {}

protected:
    DROPEFFECT OnDragOver(COleDataObject *pData, DWORD, CPoint point) override
    {
        ++overs;
        return pData->IsDataAvailable(CF_TEXT) && point.x >= 0 ? DROPEFFECT_COPY : DROPEFFECT_NONE;
    }
};

void BM_DragOverToView(benchmark::State &state)
{
    WNDCLASS wc{};
    wc.lpszClassName = "PlexoBenchView";
    RegisterClass(&wc);
    CBenchView view;
    view.CreateEx(0, "PlexoBenchView", "View", WS_POPUP | WS_VISIBLE, CRect(0, 0, 400, 300), nullptr, 0);
    COleDropTarget target;
    target.Register(&view);
    QMimeData mime;
    mime.setData("text/plain;charset=utf-8", QByteArray("dragged"));
    COleDataObject data;
    data.PlexoAttachMimeData(&mime, FALSE);
    POINT screen{200, 150};
    target.PlexoEnter(view.m_hWnd, &data, MK_LBUTTON, screen, DROPEFFECT_COPY | DROPEFFECT_MOVE);
    for (auto _ : state) {
        screen.x = 100 + static_cast<LONG>(view.overs % 200);
        benchmark::DoNotOptimize(
            target.PlexoOver(view.m_hWnd, &data, MK_LBUTTON, screen, DROPEFFECT_COPY | DROPEFFECT_MOVE));
    }
    target.PlexoLeave(view.m_hWnd);
}
BENCHMARK(BM_DragOverToView)->Unit(benchmark::kMicrosecond);

} // namespace
