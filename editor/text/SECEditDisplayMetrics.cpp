#include "editor/text/SECEditDisplayMetrics.h"

#include <cstring>

SECEditDisplayMetrics::SECEditDisplayMetrics()
{
    // A context that measures like the screen and draws nowhere.
    m_dc.CreateCompatibleDC(nullptr);
    m_dc.SetMapMode(MM_TEXT);
}

SECEditDisplayMetrics::~SECEditDisplayMetrics()
{
    // The fonts go only after the context lets go of them.
    if (m_dc.GetSafeHdc())
        m_dc.SelectStockObject(DEFAULT_GUI_FONT);
    for (int i = 0; i < GetFontCount(); ++i)
        delete static_cast<CFont *>(m_fonts.GetAt(i));
    m_fonts.RemoveAll();
    m_dc.DeleteDC();
}

CFont *SECEditDisplayMetrics::GetFont(int index) const
{
    if (index < 0 || index >= GetFontCount())
        return nullptr;
    return static_cast<CFont *>(m_fonts.GetAt(index));
}

BOOL SECEditDisplayMetrics::SetEditorFont(const LOGFONT &lf, int nPointSize, LPCTSTR tabGlyph)
{
    auto *font = new CFont;
    if (!font->CreateFontIndirect(&lf)) {
        delete font;
        return FALSE;
    }
    m_fonts.InsertAt(0, font);
    m_dc.SelectObject(font);
    m_dc.GetTextMetrics(&m_tm);
    m_nPointSize = nPointSize;
    m_nLineHeight = m_tm.tmHeight;
    m_nCharWidth = m_tm.tmAveCharWidth;
    const char *glyph = tabGlyph ? tabGlyph : "";
    m_nTabGlyphWidth = m_dc.GetTextExtent(glyph, static_cast<int>(std::strlen(glyph))).cx;
    m_nSpaceWidth = m_dc.GetTextExtent(" ", 1).cx;
    return TRUE;
}
