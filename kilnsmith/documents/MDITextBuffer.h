// CMDITextBuffer: the wizard's text buffer. In an HTML document the text
// outside tags is plain text: no keyword, number, tag or operator colour.
// Every other language colours as the editor's buffer does. The language's
// keyword and tag look-ups, and what the editor's rule makes of a token,
// are remembered per buffer (LanguageLookupCache.h).
#pragma once

#include "kilnsmith/documents/HtmlBracketIndex.h"
#include "kilnsmith/documents/LanguageLookupCache.h"

#include "editor/text/SECEditTextBuffer.h"

class CMDITextBuffer : public SECEditTextBuffer {
public:
    CMDITextBuffer();
    ~CMDITextBuffer() override;

    int ParseToken(int line, LPCTSTR lineText, LPCTSTR token, int tokenLength, int remaining, WORD *pPending,
                   SECEditColorRuns *pRuns) override;
    // Whether the position (a pointer into the line's text) lies outside
    // every "<...>" tag, brackets on other lines counted.
    BOOL IsOutsideTag(int line, LPCTSTR lineText, LPCTSTR position);
    // The same, told the length of the line's whole text.
    BOOL IsOutsideTagAt(int line, LPCTSTR lineText, int length, LPCTSTR position)
    {
        const int offset = static_cast<int>(position - lineText);
        if (!lineText || offset < 0 || offset > length)
            return TRUE;
        return m_brackets.IsOutside(line, lineText, length, offset);
    }
    // Whether the language is "HTML", in any case.
    BOOL IsHtml()
    {
        SECEditLangConfig *config = GetLangConfig();
        return config == m_pCheckedConfig ? m_bHtml : CheckLanguage(config);
    }

    // The language's answers, remembered.
    int LookupKeyword(LPCTSTR token, int length, WORD *pGroup) override;
    SECEditTag *FindTag(int line, LPCTSTR lineText, LPCTSTR at, int length, int remaining, int kind) override;

    BOOL Initialize() override;
    BOOL Open(LPCTSTR lpszPath) override;

protected:
    void OnUpdate(void *pSender, SECEditHint *pHint) override;
    void OnTextCommand(SECEditTextCommand *pRecord) override;

private:
    // The HTML rule for one token (ParseToken's own path for a token inside
    // a tag it already knows of).
    int ParseHtmlToken(int line, LPCTSTR lineText, LPCTSTR token, int tokenLength, int remaining, WORD *pPending,
                       SECEditColorRuns *pRuns);
    // The editor's rule for a token (the base ParseToken), with its answer
    // remembered where it depends on the token's bytes alone.
    int EditorRule(int line, LPCTSTR lineText, LPCTSTR token, int tokenLength, int remaining, WORD *pPending,
                   SECEditColorRuns *pRuns);
    CLanguageLookupCache::TokenRule LearnRule(int line, LPCTSTR lineText, LPCTSTR token, int tokenLength,
                                              int remaining);
    // Notes whether the configuration is HTML's and answers it.
    BOOL CheckLanguage(SECEditLangConfig *config);
    // Adds count bytes of plain text to the pending count, flushing it
    // before it would pass what a WORD holds.
    void AddPlain(int count, WORD *pPending, SECEditColorRuns *pRuns);
    // Colours again the lines whose tags an edit of a bracket may move.
    void DropRowsAround(int firstEdited, int lastEdited);
    BOOL LineHasBracket(int line);
    // The look-up cache, made again when the language is another.
    CLanguageLookupCache &Lookups()
    {
        SECEditLangConfig *config = GetLangConfig();
        if (m_lookups.GetConfig() != config)
            m_lookups.Reset(config);
        return m_lookups;
    }
    // The plain text from a token outside every tag: up to the next "<".
    static int PlainRunLength(LPCTSTR token, int tokenLength, int remaining);

    CHtmlBracketIndex m_brackets{*this};
    CLanguageLookupCache m_lookups;
    // The configuration whose name was last checked, and the answer.
    const void *m_pCheckedConfig = nullptr;
    BOOL m_bHtml = FALSE;
};
