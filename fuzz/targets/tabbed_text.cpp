// Editor lines are a file's bytes, drawn and measured character by
// character: any bytes (invalid UTF-8, control bytes, NUL) must measure the
// same drawn as measured, grow with every character, and draw inside the
// canvas without reading past the line.
#include "FuzzSupport.h"

#include "framework/base/Mbcs.h"
#include "framework/gdi/Font.h"
#include "framework/gdi/OffscreenApplication.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    EnsureOffscreenApplication();
    if (size > 4096)
        return 0;
    static CFont *pFont = [] {
        auto *p = new CFont;
        p->CreatePointFont(100, "Courier");
        return p;
    }();
    FuzzCanvas canvas(200, 20);
    CDC &dc = *canvas.DC();
    CFont *pOld = dc.SelectObject(pFont);
    const auto *text = reinterpret_cast<const char *>(data);
    const int length = static_cast<int>(size);
    INT stop = 32;
    int previous = 0;
    for (int at = 0; at < length;) {
        at += MbCharLength(data + at, size - static_cast<size_t>(at));
        const int width = dc.GetTabbedTextExtent(text, at, 1, &stop).cx;
        if (width < previous)
            std::abort();
        previous = width;
    }
    const CSize drawn = dc.TabbedTextOut(-5, 2, text, length, 1, &stop, -5);
    if (drawn.cx != previous)
        std::abort();
    dc.SelectObject(pOld);
    return 0;
}
