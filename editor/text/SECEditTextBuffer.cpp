// The text buffer's life, observers, history and language.
#include "editor/text/SECEditTextBuffer.h"

#include "editor/lang/SECEditInterfaces.h"
#include "editor/lang/SECEditLangConfig.h"
#include "editor/lang/SECEditLangRegistry.h"
#include "editor/text/SECEditBufferHint.h"
#include "editor/text/SECEditCompositeCommand.h"
#include "editor/text/SECEditDisplayMetrics.h"
#include "editor/text/SECEditTextCommand.h"
#include "editor/text/SECEditTextStore.h"

#include "framework/gdi/GdiObject.h"

#include <algorithm>
#include <cstring>

const IID IID_SECEditTextBuffer = {0x4C1E7A52, 0x93D0, 0x4B8E, {0xA7, 0xC5, 0x2F, 0x6D, 0x1B, 0x0E, 0x9A, 0x37}};

namespace {

SECEditTextBuffer::FontColorDialogRunner g_pfnFontColorDialog = nullptr;

} // namespace

SECEditTextBuffer::SECEditTextBuffer() = default;

SECEditTextBuffer::~SECEditTextBuffer()
{
    if (m_pLangConfig) {
        m_pLangConfig->RemoveListener(&m_observer);
        m_pLangConfig->Release();
        m_pLangConfig = nullptr;
    }
    ResetColorCache();
    RemoveAllLineObjects();
    delete m_pCompound;
    m_pCompound = nullptr;
    ClearHistory();
    delete m_pStore;
    delete m_pMetrics;
}

HRESULT SECEditTextBuffer::QueryInterface(const IID &iid, void **ppv)
{
    if (!ppv)
        return E_NOINTERFACE;
    if (iid == IID_SECEditTextBuffer) {
        *ppv = this;
        return S_OK;
    }
    if (iid == IID_SECEditObject) {
        *ppv = static_cast<SECEditObserver *>(&m_observer);
        return S_OK;
    }
    *ppv = nullptr;
    return E_NOINTERFACE;
}

// ---------------------------------------------------------------------------
// Observers and hints

void SECEditTextBuffer::Attach(SECEditObserver *pObserver)
{
    if (pObserver)
        m_observers.push_back(pObserver);
}

void SECEditTextBuffer::Detach(SECEditObserver *pObserver)
{
    auto it = std::find(m_observers.begin(), m_observers.end(), pObserver);
    if (it != m_observers.end())
        m_observers.erase(it);
}

void SECEditTextBuffer::Notify(void *pSender, SECEditHint *pHint)
{
    // A copy, so that an observer may detach itself while it is told.
    const std::vector<SECEditObserver *> observers = m_observers;
    for (SECEditObserver *observer : observers)
        if (static_cast<void *>(observer) != pSender)
            observer->OnUpdate(this, pHint);
}

void SECEditTextBuffer::SendPlainHint(int typeId, int firstLine, int lastLine)
{
    auto *hint = new SECEditBufferHint(typeId, firstLine, lastLine);
    Notify(nullptr, hint);
    hint->Release();
}

void SECEditTextBuffer::SendHintToSelf(int typeId)
{
    auto *hint = new SECEditBufferHint(typeId);
    OnUpdate(nullptr, hint);
    hint->Release();
}

void SECEditTextBuffer::OnUpdate(void *pSender, SECEditHint *pHint)
{
    const int type = pHint ? pHint->GetTypeId() : 0;
    switch (type) {
    case SECEDIT_HINT_RECOLOR:
        ResetColorCache();
        UpdateFonts();
        if (!m_pStore) {
            Notify(nullptr, nullptr);
            return;
        }
        break;
    case SECEDIT_HINT_TEXT_COMMAND: OnTextCommand(static_cast<SECEditTextCommand *>(pHint)); return;
    case SECEDIT_HINT_COMPOSITE: static_cast<SECEditCompositeCommand *>(pHint)->ForEach(pSender, &m_observer); return;
    default: UpdateFonts(); break;
    }
    Notify(pSender, pHint);
}

// ---------------------------------------------------------------------------
// History

void SECEditTextBuffer::AddCommand(SECEditCommand *pCommand)
{
    if (!pCommand)
        return;
    if (m_bCompoundOpen && m_pCompound) {
        if (!m_pCompound->Add(pCommand))
            delete pCommand;
        return;
    }
    AddToHistory(pCommand);
    UpdateModified();
}

BOOL SECEditTextBuffer::ExecuteCommand(SECEditCommand *pCommand)
{
    if (!pCommand || !pCommand->Execute())
        return FALSE;
    AddCommand(pCommand);
    return TRUE;
}

// The notices around one undo or redo, the end sent however the step ends.
class SECEditTextBuffer::HistoryStep {
public:
    explicit HistoryStep(SECEditTextBuffer &buffer) : m_buffer(buffer)
    {
        m_buffer.SendPlainHint(SECEDIT_HINT_HISTORY_BEGIN);
    }
    ~HistoryStep() { m_buffer.SendPlainHint(SECEDIT_HINT_HISTORY_END); }
    HistoryStep(const HistoryStep &) = delete;
    HistoryStep &operator=(const HistoryStep &) = delete;

private:
    SECEditTextBuffer &m_buffer;
};

SECEditCommand *SECEditTextBuffer::Undo()
{
    SetCompound(FALSE);
    SECEditCommand *record = nullptr;
    {
        const HistoryStep step(*this);
        record = SECEditCommandHistory::Undo();
    }
    UpdateModified();
    return record;
}

SECEditCommand *SECEditTextBuffer::Redo()
{
    SetCompound(FALSE);
    SECEditCommand *record = nullptr;
    {
        const HistoryStep step(*this);
        record = SECEditCommandHistory::Redo();
    }
    UpdateModified();
    return record;
}

void SECEditTextBuffer::ClearUndo()
{
    if (m_bModified)
        SetSavedSerial(kNoRecord);
    ClearHistory();
}

void SECEditTextBuffer::UpdateModified()
{
    m_bModified = !IsAtSavedState();
}

SECEditTextCommand *SECEditTextBuffer::MakeInsertCommand(const SECEditRange &range)
{
    if (m_pExecuting)
        return m_pExecuting;
    // The record holds its text from the start, so that its description
    // tells the observers how much was inserted.
    CString text;
    GetText(text, range.m_start.m_nLine, range.m_start.m_nCol, range.m_end.m_nLine, range.m_end.m_nCol);
    auto *record = new SECEditTextCommand(this, range, TRUE, text);
    AddCommand(record);
    return record;
}

void SECEditTextBuffer::SetCompound(BOOL bOpen)
{
    if (m_bCompoundOpen) {
        SECEditCompositeCommand *compound = m_pCompound;
        m_pCompound = nullptr;
        m_bCompoundOpen = FALSE;
        if (compound && compound->GetCount() > 0)
            AddCommand(compound);
        else
            delete compound;
    }
    if (bOpen) {
        m_pCompound = new SECEditCompositeCommand;
        m_bCompoundOpen = TRUE;
    }
}

void SECEditTextBuffer::CombineWithLast(SECEditCommand *pCommand, BOOL bBefore)
{
    if (!pCommand)
        return;
    SetCompound(FALSE);
    SECEditCommand *top = PopUndoTop();
    if (!top) {
        AddCommand(pCommand);
        return;
    }
    auto *compound = new SECEditCompositeCommand;
    compound->Add(bBefore ? pCommand : top);
    compound->Add(bBefore ? top : pCommand);
    AddCommand(compound);
}

SECEditTextCommand *SECEditTextBuffer::SetExecutingCommand(SECEditTextCommand *pCommand)
{
    SECEditTextCommand *previous = m_pExecuting;
    m_pExecuting = pCommand;
    return previous;
}

SECEditCompoundScope::SECEditCompoundScope(SECEditTextBuffer &buffer)
    : m_buffer(buffer), m_bOpenedHere(!buffer.IsCompoundOpen())
{
    if (m_bOpenedHere)
        m_buffer.SetCompound(TRUE);
}

SECEditCompoundScope::~SECEditCompoundScope()
{
    if (m_bOpenedHere)
        m_buffer.SetCompound(FALSE);
}

// ---------------------------------------------------------------------------
// Document

BOOL SECEditTextBuffer::NewDocument(LPCTSTR lpszLanguage)
{
    if (!SetLanguage(lpszLanguage))
        return FALSE;
    return Initialize();
}

BOOL SECEditTextBuffer::Initialize()
{
    if (!m_pLangConfig)
        SetLanguage("Default");
    m_bReadOnly = FALSE;
    m_bModified = FALSE;
    SetCompound(FALSE);
    ClearHistory();
    SetSavedSerial(0);
    RemoveAllLineObjects();
    delete m_pStore;
    m_pStore = CreateStore();
    m_pStore->Reset();
    m_nMaxLineWidth = kDefaultMaxLineWidth;
    UpdateFonts();
    ResetColorCache();
    m_rows.assign(1, nullptr);
    m_nColoredUpTo = 0;
    SendPlainHint(SECEDIT_HINT_INITIALIZE);
    return TRUE;
}

SECEditTextStore *SECEditTextBuffer::CreateStore()
{
    return new SECEditTextStore;
}

BYTE SECEditTextBuffer::CharsetForCodePage(UINT codePage)
{
    switch (codePage) {
    case 932: return 128;
    case 936: return 134;
    case 949: return 129;
    case 950: return 136;
    case 1361: return 130;
    default: return 0;
    }
}

SECEditTextBuffer::FontColorDialogRunner SECEditTextBuffer::SetFontColorDialogRunner(FontColorDialogRunner pfnRunner)
{
    FontColorDialogRunner previous = g_pfnFontColorDialog;
    g_pfnFontColorDialog = pfnRunner;
    return previous;
}

BOOL SECEditTextBuffer::ShowFontColorDialog()
{
    if (!m_pLangConfig || !m_pMetrics)
        return FALSE;
    LOGFONT font = {};
    CFont *editorFont = m_pMetrics->GetFont(0);
    if (editorFont)
        editorFont->GetObject(sizeof(font), &font);
    // The text is UTF-8, whatever the OEM code page: no Far East charset.
    font.lfCharSet = CharsetForCodePage(65001);
    if (!g_pfnFontColorDialog)
        return FALSE;
    return g_pfnFontColorDialog(m_pLangConfig, font);
}

int SECEditTextBuffer::GetWhitespaceGlyph(BOOL bTab)
{
    if (IsMultiByteCodePage())
        return bTab ? 94 : 96;
    return bTab ? 187 : 183;
}

// ---------------------------------------------------------------------------
// Language and fonts

void SECEditTextBuffer::SetLangConfig(SECEditLangConfig *pConfig)
{
    if (pConfig == m_pLangConfig)
        return;
    if (pConfig)
        pConfig->AddRef();
    if (m_pLangConfig) {
        m_pLangConfig->RemoveListener(&m_observer);
        m_pLangConfig->Release();
    }
    m_pLangConfig = pConfig;
    if (m_pLangConfig)
        m_pLangConfig->AddListener(&m_observer);
    RebuildParseTables();
}

BOOL SECEditTextBuffer::SetLanguage(LPCTSTR lpszName)
{
    SECEditLangConfig *config = lpszName ? SECEditGetLanguageConfig(lpszName) : nullptr;
    if (!config)
        return FALSE;
    SetLangConfig(config);
    SendHintToSelf(SECEDIT_HINT_RECOLOR);
    return TRUE;
}

CString SECEditTextBuffer::GetLanguageName()
{
    return m_pLangConfig ? m_pLangConfig->GetName() : CString();
}

void SECEditTextBuffer::SetDisplayMetrics(SECEditDisplayMetrics *pMetrics)
{
    if (pMetrics != m_pMetrics) {
        delete m_pMetrics;
        m_pMetrics = pMetrics;
    }
    SendHintToSelf(SECEDIT_HINT_FONT_UPDATE);
}

SECEditDisplayMetrics *SECEditTextBuffer::CreateDisplayMetrics()
{
    return new SECEditDisplayMetrics;
}

void SECEditTextBuffer::UpdateFonts()
{
    SECEditDisplayMetrics *metrics = CreateDisplayMetrics();
    LOGFONT lf = {};
    ::GetObject(::GetStockObject(DEFAULT_GUI_FONT), sizeof(lf), &lf);
    int points = 10;
    if (m_pLangConfig) {
        const CString face = m_pLangConfig->GetFontFace();
        if (!face.IsEmpty()) {
            std::memset(lf.lfFaceName, 0, sizeof(lf.lfFaceName));
            std::strncpy(lf.lfFaceName, face, sizeof(lf.lfFaceName) - 1);
        }
        lf.lfItalic = m_pLangConfig->GetItalic() ? 1 : 0;
        lf.lfWeight = m_pLangConfig->GetBold() ? 700 : 400;
        points = m_pLangConfig->GetFontSize();
    }
    lf.lfPitchAndFamily = 1;
    lf.lfHeight = -MulDiv(points, metrics->m_dc.GetDeviceCaps(LOGPIXELSY), 72);
    const char tabGlyph[2] = {static_cast<char>(GetWhitespaceGlyph(TRUE)), 0};
    metrics->SetEditorFont(lf, points, tabGlyph);
    delete m_pMetrics;
    m_pMetrics = metrics;
}

int SECEditTextBuffer::GetTabWidth(SECEditDisplayMetrics *pMetrics)
{
    if (!pMetrics)
        return 0;
    const int tabSize = GetTabSize();
    if (m_pLangConfig && m_pLangConfig->GetShowWhitespace())
        return (tabSize - 1) * pMetrics->GetSpaceWidth() + pMetrics->GetTabGlyphWidth();
    return tabSize * pMetrics->GetSpaceWidth();
}

int SECEditTextBuffer::GetTabSize()
{
    const int size = m_pLangConfig ? m_pLangConfig->GetTabSize() : 4;
    return size >= 1 ? size : 1;
}
