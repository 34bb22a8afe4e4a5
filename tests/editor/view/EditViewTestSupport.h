// Shared pieces of the editor view tests: a view over a test buffer inside
// a plain top-level host window, and pixel helpers on the view's backing
// image.
#pragma once

#include "../text/BufferTestSupport.h"

#include "editor/view/SECEditView.h"

#include <QRgb>

#include <memory>
#include <string>

// An editor view that shows a buffer given before it is created.
class CTestEditView : public SECEditView {
    DECLARE_DYNCREATE(CTestEditView)
public:
    static SECEditTextBuffer *s_pNextBuffer; // the buffer views made next show
    SECEditTextBuffer *m_pBuffer = s_pNextBuffer;
    SECEditTextBuffer *GetTextBuffer() override { return m_pBuffer; }

    // Printing: when set, the body holds exactly this many print lines and
    // is this many print characters wide.
    int m_nPageLines = 0;
    int m_nPageColumns = 0;
    void GetPrintMargins(CDC *pDC, CRect &rect) override;
};

// A top-level window holding one editor view that fills its client area.
class ViewHarness {
public:
    ViewHarness(SECEditTextBuffer *pBuffer, int width, int height);
    ~ViewHarness();
    ViewHarness(const ViewHarness &) = delete;
    ViewHarness &operator=(const ViewHarness &) = delete;

    CTestEditView *view = nullptr;
    CWnd host;
    // Paints what is invalid and runs the queues.
    void Flush();
    // The colour of a client pixel of the view (0x00RRGGBB).
    QRgb Pixel(int x, int y) const;
    // Whether any pixel of the rectangle differs from colour.
    bool AnyOtherThan(const CRect &rect, COLORREF colour) const;
    bool AnyOf(const CRect &rect, COLORREF colour) const;
    // Fills the client area of the backing image with colour and validates it.
    void Paint(COLORREF colour);
};

QRgb ToRgb(COLORREF colour);
void PumpViewEvents();
