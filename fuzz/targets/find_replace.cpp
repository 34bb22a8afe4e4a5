// Replace All through the editor controller: the options, the caret, a
// pattern, a replacement and a text from the input (the text repeated past
// the store's block size when the input asks, so that matches are found
// over the blocks in place).  Checks: with regular expressions from the top
// of a text without CR, the result is the engine's own global replacement
// of the whole text; whatever happened, one undo gives the text back.
#include "editor/controller/SECEditController.h"
#include "editor/lang/SECEditLangConfig.h"
#include "editor/text/SECEditFindState.h"
#include "editor/text/SECEditTextBuffer.h"
#include "framework/gdi/OffscreenApplication.h"
#include "framework/object/Exceptions.h"
#include "framework/shell/ScriptRegExp.h"
#include "support/FuzzInput.h"

#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

std::string g_lastMessage;

int RecordMessage(LPCTSTR text, UINT, UINT)
{
    g_lastMessage = text ? text : "";
    return IDOK;
}

std::string Text(SECEditTextBuffer &buffer)
{
    const CString text = buffer.GetAllText();
    return std::string(static_cast<LPCTSTR>(text), static_cast<size_t>(text.GetLength()));
}

// The engine's global replacement over the whole text; false when the
// engine refuses the pattern.
bool Reference(const CString &pattern, const CString &replacement, BOOL matchCase, const std::string &text,
               std::string &out)
{
    CScriptRegExp regExp;
    try {
        regExp.SetPattern(pattern);
        regExp.SetIgnoreCase(!matchCase);
        regExp.SetGlobal(TRUE);
        out = regExp.Replace(CString(text.data(), static_cast<int>(text.size())), replacement).Str();
        return true;
    } catch (CException *e) {
        e->Delete();
        return false;
    }
}

// A line the buffer would break on insertion (no tab makes a byte wider
// than 16 columns).
bool HasLongLine(const std::string &text)
{
    size_t start = 0;
    while (start <= text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        if ((end - start) * 16 > 2048)
            return true;
        start = end + 1;
    }
    return false;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    EnsureOffscreenApplication();
    AfxSetMessageBoxHandler(&RecordMessage);
    FuzzInput input(data, size);
    const uint8_t flags = input.Take<uint8_t>();
    const uint8_t caretLine = input.Take<uint8_t>();
    const uint8_t caretCol = input.Take<uint8_t>();
    // The dialog's texts are C strings: they end at a zero byte.
    std::string pattern = input.TakeString(64);
    std::string replacement = input.TakeString(16);
    pattern = pattern.substr(0, pattern.find('\0'));
    replacement = replacement.substr(0, replacement.find('\0'));
    std::string text = input.TakeBytesAsString(4096);
    if ((flags & 0x10) && !text.empty())
        while (text.size() < 70000)
            text += text;

    SECEditLangConfig *config = new SECEditLangConfig;
    config->SetDefaults();
    {
        SECEditTextBuffer buffer;
        buffer.SetLangConfig(config);
        buffer.Initialize();
        SECEditRange range(0, 0, 0, 0);
        buffer.InsertText(range, text.data(), static_cast<int>(text.size()));
        buffer.ClearUndo();
        const std::string before = Text(buffer);

        SECEditController controller;
        controller.GetEventListener().SetBuffer(&buffer);
        buffer.Attach(controller.GetBufferObserver());
        const int line = caretLine % buffer.GetLineCount();
        controller.MoveCaretTo(line, caretCol % (buffer.GetLineTextLength(line) + 1), FALSE);
        if (flags & 0x20)
            controller.SelectRange(0, 0, line, caretCol % (buffer.GetLineTextLength(line) + 1), SECEDIT_SEL_STREAM);

        SECEditFindRequest request;
        request.m_nAction = SECEditFindRequest::replaceAll;
        request.m_strFindText = CString(pattern.data(), static_cast<int>(pattern.size()));
        request.m_strReplaceText = CString(replacement.data(), static_cast<int>(replacement.size()));
        request.m_bRegularExpression = (flags & 1) != 0;
        request.m_bMatchCase = (flags & 2) != 0;
        request.m_bWholeWord = (flags & 4) != 0;
        request.m_bInSelection = (flags & 8) != 0;
        g_lastMessage.clear();
        const int undo = buffer.GetUndoCount();
        const BOOL replaced = controller.OnFindRequest(request);

        std::string expected;
        const bool fromTheTop = line == 0 && controller.GetSelectionObject().IsEmpty() && !(flags & 0x28) &&
                                caretCol % (buffer.GetLineTextLength(0) + 1) == 0;
        if (replaced && request.m_bRegularExpression && fromTheTop && before.find('\r') == std::string::npos &&
            g_lastMessage.rfind("The document has been searched", 0) == 0 &&
            Reference(request.m_strFindText, request.m_strReplaceText, request.m_bMatchCase, before, expected) &&
            !HasLongLine(expected) && Text(buffer) != expected)
            std::abort();
        if (buffer.GetUndoCount() > undo + 1)
            std::abort();
        if (buffer.GetUndoCount() == undo + 1)
            buffer.Undo();
        if (Text(buffer) != before)
            std::abort();
        buffer.Detach(controller.GetBufferObserver());
    }
    config->Release();
    return 0;
}
