// The editor font measured once on an information context of the screen, so
// that the buffer, the controller and the view convert between columns and
// pixels without a window.  The view makes a second one for printing.
#pragma once

#include "framework/base/CString.h"
#include "framework/collections/Arrays.h"
#include "framework/gdi/CDC.h"

class SECEditDisplayMetrics {
public:
    // Creates the context, in MM_TEXT, with no font of its own selected.
    SECEditDisplayMetrics();
    virtual ~SECEditDisplayMetrics();
    SECEditDisplayMetrics(const SECEditDisplayMetrics &) = delete;
    SECEditDisplayMetrics &operator=(const SECEditDisplayMetrics &) = delete;

    int GetCharWidth() const { return m_nCharWidth; }
    int GetLineHeight() const { return m_nLineHeight; }
    int GetTabGlyphWidth() const { return m_nTabGlyphWidth; }
    int GetSpaceWidth() const { return m_nSpaceWidth; }
    int GetPointSize() const { return m_nPointSize; }

    // Makes a font from lf and puts it first (font 0, the editor font),
    // selects it and measures: line height and character width from the
    // text metrics, and the widths of the tab glyph (the bytes that show a
    // TAB when whitespace is visible) and of a space.  FALSE when the font
    // cannot be made; the metrics then stay as they were.
    BOOL SetEditorFont(const LOGFONT &lf, int nPointSize, LPCTSTR tabGlyph);
    CFont *GetFont(int index) const;
    int GetFontCount() const { return static_cast<int>(m_fonts.GetSize()); }

    CDC m_dc;
    TEXTMETRIC m_tm = {};
    CPtrArray m_fonts;
    int m_nCharWidth = 0;
    int m_nLineHeight = 0;
    int m_nTabGlyphWidth = 0;
    int m_nSpaceWidth = 0;
    int m_nPointSize = 0;
};
