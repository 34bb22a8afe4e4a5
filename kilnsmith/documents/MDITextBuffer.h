// CMDITextBuffer: the wizard's text buffer. In an HTML document the text
// outside tags is plain text: no keyword, number, tag or operator colour.
// Every other language colours as the editor's buffer does.
#pragma once

#include "kilnsmith/documents/HtmlBracketIndex.h"

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
    // Whether the language is "HTML", in any case.
    BOOL IsHtml();

    BOOL Initialize() override;
    BOOL Open(LPCTSTR lpszPath) override;

protected:
    void OnUpdate(void *pSender, SECEditHint *pHint) override;
    void OnTextCommand(SECEditTextCommand *pRecord) override;

private:
    // Adds count bytes of plain text to the pending count, flushing it
    // before it would pass what a WORD holds.
    void AddPlain(int count, WORD *pPending, SECEditColorRuns *pRuns);

    CHtmlBracketIndex m_brackets{*this};
    // The configuration whose name was last checked, and the answer.
    const void *m_pCheckedConfig = nullptr;
    BOOL m_bHtml = FALSE;
};
