#include "kilnsmith/documents/MDITextBuffer.h"

#include "editor/lang/ISECEditLangConfig.h"
#include "editor/lang/SECEditCharSet.h"
#include "editor/lang/SECEditLangConfig.h"
#include "editor/text/SECEditBufferHint.h"
#include "editor/text/SECEditTextCommand.h"

#include "framework/base/Mbcs.h"

#include <algorithm>

CMDITextBuffer::CMDITextBuffer() = default;
CMDITextBuffer::~CMDITextBuffer() = default;

BOOL CMDITextBuffer::IsHtml()
{
    SECEditLangConfig *config = GetLangConfig();
    if (config != m_pCheckedConfig) {
        m_pCheckedConfig = config;
        m_bHtml = config && GetLanguageName().CompareNoCase("HTML") == 0;
    }
    return m_bHtml;
}

int CMDITextBuffer::ParseToken(int line, LPCTSTR lineText, LPCTSTR token, int tokenLength, int remaining,
                               WORD *pPending, SECEditColorRuns *pRuns)
{
    if (!IsHtml() || tokenLength < 0 || remaining <= 0 || !IsOutsideTag(line, lineText, token))
        return SECEditTextBuffer::ParseToken(line, lineText, token, tokenLength, remaining, pPending, pRuns);
    if (tokenLength > 0) {
        AddPlain(tokenLength, pPending, pRuns);
        return tokenLength;
    }
    int length = 0;
    const unsigned code =
        SECEditCharCode(reinterpret_cast<const unsigned char *>(token), static_cast<size_t>(remaining), &length);
    length = std::max(length, 1);
    if (!GetLangConfig()->IsInCharSet(code, SECEDIT_DELIMITERS))
        return SECEditTextBuffer::ParseToken(line, lineText, token, tokenLength, remaining, pPending, pRuns);
    AddPlain(length, pPending, pRuns);
    return length;
}

void CMDITextBuffer::AddPlain(int count, WORD *pPending, SECEditColorRuns *pRuns)
{
    while (count > 0) {
        if (*pPending == 0xFFFF)
            FlushPending(pRuns, pPending);
        const int room = 0xFFFF - *pPending;
        const int step = std::min(count, room);
        *pPending = static_cast<WORD>(*pPending + step);
        count -= step;
    }
}

BOOL CMDITextBuffer::IsOutsideTag(int line, LPCTSTR lineText, LPCTSTR position)
{
    const int length = GetLineTextLength(line);
    const int offset = static_cast<int>(position - lineText);
    if (!lineText || offset < 0 || offset > length)
        return TRUE;
    const char at = offset < length ? lineText[offset] : '\0';
    if (at == '>' && m_brackets.Before(line, lineText, length, offset) == '<')
        return FALSE;
    if (at == '<' && m_brackets.After(line, lineText, length, offset + 1) == '>')
        return FALSE;
    if (m_brackets.Before(line, lineText, length, offset) != '<')
        return TRUE;
    return m_brackets.After(line, lineText, length, offset) != '>';
}

BOOL CMDITextBuffer::Initialize()
{
    m_brackets.DropAll();
    return SECEditTextBuffer::Initialize();
}

BOOL CMDITextBuffer::Open(LPCTSTR lpszPath)
{
    // Opening reads the file straight into the store: the whole text is new.
    const BOOL opened = SECEditTextBuffer::Open(lpszPath);
    m_brackets.DropAll();
    return opened;
}

void CMDITextBuffer::OnUpdate(void *pSender, SECEditHint *pHint)
{
    // A new configuration or colours drop the colour cache, and the
    // brackets with it.
    if (pHint && pHint->GetTypeId() == SECEDIT_HINT_RECOLOR) {
        m_brackets.DropAll();
        m_pCheckedConfig = nullptr;
    }
    SECEditTextBuffer::OnUpdate(pSender, pHint);
}

void CMDITextBuffer::OnTextCommand(SECEditTextCommand *pRecord)
{
    const SECEditRange range = pRecord->GetRange().Normalized();
    m_brackets.DropFrom(range.m_start.m_nLine);
    SECEditTextBuffer::OnTextCommand(pRecord);
}
