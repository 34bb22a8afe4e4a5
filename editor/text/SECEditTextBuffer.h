// SECEditTextBuffer: the editor's document model.  It owns the text store,
// the undo and redo history, the per-line colour cache with the multi-line
// tag regions, per-line marks and data and the display metrics of its font,
// and holds a reference to the language configuration it colours with.
// Every change is announced to the observers with a hint object.
//
// Files are read and written as their exact bytes: nothing is converted on
// open or save.  Columns count bytes; display columns expand tabs.
#pragma once

#include "editor/text/SECEditColorRuns.h"
#include "editor/text/SECEditCommandHistory.h"
#include "editor/text/SECEditCommandTarget.h"
#include "editor/text/SECEditPackedRows.h"
#include "editor/lang/SECEditHint.h"
#include "editor/text/SECEditLineData.h"
#include "editor/text/SECEditLineDataPool.h"
#include "editor/text/SECEditRange.h"
#include "editor/text/SECEditSlotArray.h"
#include "editor/text/SECEditTagRegion.h"

#include "framework/base/CString.h"

#include <memory>
#include <vector>

class CArchive;
class CFile;
class SECEditBlockWriter;
class SECEditCompositeCommand;
class SECEditController;
class SECEditDisplayMetrics;
class SECEditLangConfig;
class SECEditTag;
class SECEditTextBlock;
class SECEditTextCommand;
class SECEditTextStore;
struct LOGFONT;

// {4C1E7A52-93D0-4B8E-A7C5-2F6D1B0E9A37}: the identifier the buffer answers
// with itself.
extern const IID IID_SECEditTextBuffer;

class SECEditTextBuffer : public SECEditCommandTarget, public SECEditCommandHistory {
public:
    // The width a line may have before an edit breaks it, in display
    // columns.
    static constexpr int kDefaultMaxLineWidth = 2048;
    // Files are read in pieces of this many bytes.
    static constexpr int kReadPiece = 512000;
    // Marks the buffer and the controller use.
    static constexpr int kMarkEdited = 18;
    static constexpr int kMarkHighlight = 19;

    SECEditTextBuffer();
    ~SECEditTextBuffer() override;
    SECEditTextBuffer(const SECEditTextBuffer &) = delete;
    SECEditTextBuffer &operator=(const SECEditTextBuffer &) = delete;

    // S_OK and the buffer for IID_SECEditTextBuffer, its observer interface
    // (the one registered with the language) for IID_SECEditObject;
    // E_NOINTERFACE and NULL otherwise.
    virtual HRESULT QueryInterface(const IID &iid, void **ppv);

    // ---- Observers
    // Observers are called in the order they were attached; an observer
    // must detach before it goes away.
    virtual void Attach(SECEditObserver *pObserver);
    virtual void Detach(SECEditObserver *pObserver);
    // Calls every observer but the sender with (this buffer, hint).
    virtual void Notify(void *pSender, SECEditHint *pHint);
    int GetObserverCount() const { return static_cast<int>(m_observers.size()); }

    // ---- History
    virtual BOOL IsModified() { return m_bModified; }
    virtual void AddCommand(SECEditCommand *pCommand);
    virtual BOOL ExecuteCommand(SECEditCommand *pCommand);
    virtual SECEditCommand *Undo();
    virtual SECEditCommand *Redo();
    // The saved marker becomes one that no record has when the document is
    // modified, so it stays modified until it is saved.
    void ClearUndo();
    virtual void UpdateModified();
    void SetModified(BOOL bModified) { m_bModified = bModified; }
    virtual SECEditTextCommand *MakeInsertCommand(const SECEditRange &range);
    virtual void SetCompound(BOOL bOpen);
    virtual void CombineWithLast(SECEditCommand *pCommand, BOOL bBefore);
    BOOL IsCompoundOpen() const { return m_bCompoundOpen; }

    // ---- Document
    virtual BOOL NewDocument(LPCTSTR lpszLanguage);
    virtual BOOL Initialize();
    // Everything the font and colour dialog needs, then the dialog; FALSE
    // when it is cancelled or there is no dialog to run.
    virtual BOOL ShowFontColorDialog();
    // The character set of the dialog's font for an OEM code page.
    static BYTE CharsetForCodePage(UINT codePage);
    // The dialog runner that the settings dialog installs: TRUE when the
    // user pressed OK (the configuration is then changed by the dialog).
    typedef BOOL (*FontColorDialogRunner)(SECEditLangConfig *pConfig, LOGFONT &font);
    static FontColorDialogRunner SetFontColorDialogRunner(FontColorDialogRunner pfnRunner);

    virtual SECEditLangConfig *GetLangConfig() { return m_pLangConfig; }
    virtual void SetLangConfig(SECEditLangConfig *pConfig);
    virtual BOOL SetLanguage(LPCTSTR lpszName);
    CString GetLanguageName();
    virtual SECEditDisplayMetrics *GetDisplayMetrics() { return m_pMetrics; }
    virtual void SetDisplayMetrics(SECEditDisplayMetrics *pMetrics);
    virtual SECEditDisplayMetrics *CreateDisplayMetrics();
    virtual void UpdateFonts();
    int GetTabWidth(SECEditDisplayMetrics *pMetrics);
    virtual SECEditTextStore *CreateStore();
    SECEditTextStore *GetStore() { return m_pStore; }
    virtual BOOL IsReadOnly() { return m_bReadOnly; }
    void SetReadOnly(BOOL bReadOnly) { m_bReadOnly = bReadOnly; }
    BOOL GetOvertype() const { return m_bOvertype; }
    void SetOvertype(BOOL bOvertype) { m_bOvertype = bOvertype; }
    // The glyph that shows a tab or a space when whitespace is visible.
    virtual int GetWhitespaceGlyph(BOOL bTab);

    // ---- Files and archives
    virtual BOOL Open(LPCTSTR lpszPath);
    virtual void ReportOpenError();
    virtual BOOL Save(LPCTSTR lpszPath);
    virtual void SerializeText(CArchive &ar);
    virtual void SerializeLanguage(CArchive &ar);
    void Serialize(CArchive &ar);

    // ---- Text
    BOOL InsertText(SECEditRange &range, LPCTSTR text, int count) override;
    virtual BOOL InsertText(int line, int col, LPCTSTR text, int count);
    BOOL DeleteText(int line1, int col1, int line2, int col2) override;
    BOOL GetText(CString &out, int line1, int col1, int line2, int col2) override;
    virtual int GetTextPointer(char **out, int line1, int col1, int line2, int col2);
    virtual int Find(int startLine, int startCol, int *outLine, int *outCol, LPCTSTR pattern, BOOL bForward, BOOL bWrap,
                     BOOL bMatchCase, BOOL bWholeWord, BOOL bRegularExpression, int endLine, int endCol);
    SECEditTextCommand *GetExecutingCommand() override { return m_pExecuting; }
    SECEditTextCommand *SetExecutingCommand(SECEditTextCommand *pCommand) override;
    virtual BOOL InsertTab(int line, int col);
    virtual BOOL BreakLongLines(BOOL bDoIt, int firstLine, int lastLine);
    CString GetAllText();
    void SetText(LPCTSTR text, int count);
    // Replaces the bytes [start, end) (offsets) by the writer's text in one
    // step, recorded as one undo record; no line is broken, so the caller
    // makes sure the new lines fit.  FALSE, and nothing changed, when the
    // buffer is read-only, the range lies outside the text or the text
    // would grow too large.
    virtual BOOL ReplaceText(int start, int end, SECEditBlockWriter &newText);
    // Puts the blocks in place of the bytes [start, end) and hands back the
    // blocks of the old bytes; the caches and the observers learn of it as
    // a deletion and an insertion.  Nothing is recorded.
    BOOL SwapText(int start, int end, std::vector<SECEditTextBlock *> &blocks);
    // For an edit that is about to be recorded (which empties the redo
    // stack): the redo records go now, and the text blocks that the bulk
    // replacements among them kept come back, so that new text can be
    // written into memory already in use instead of fresh memory.
    std::vector<SECEditTextBlock *> TakeRedoBlocks();

    // ---- Lines and columns
    int GetLineCount();
    int GetLastLine() { return GetLineCount() - 1; }
    int GetLineLength(int line);
    virtual int GetLineText(int line, CString &holder, char **out);
    virtual int GetLineTextLength(int line);
    SECEditPosition GetEndPosition();
    virtual BOOL IsValidPosition(int line, int col, BOOL bAllowBeyond);
    virtual int AlignColumn(int line, int col, BOOL bAllowBeyond);
    virtual int GetMaxLineWidth() { return m_nMaxLineWidth; }
    // While set, an insertion or deletion that leaves a line wider than the
    // limit does not break it again: for a caller that has checked every
    // line its edits make, whose steps may join two lines for a moment
    // (Replace All deleting a match over a line end before it inserts the
    // replacement).
    void SetKeepWideLines(BOOL bKeep) { m_bKeepWideLines = bKeep; }
    virtual BOOL IsLineBlank(int line);
    int LeadingWhitespaceLength(int line);
    virtual int ConvertColumn(int col, BOOL bToBytes, int line, int *pTabStart);
    virtual int ConvertColumn(int col, BOOL bToBytes, const CString &text, int *pTabStart);
    virtual void MakeFill(CString &out, int columns, const SECEditPosition &position, BOOL bUseTabs);
    virtual int ColumnsToNextTab(const SECEditPosition &position);
    int GetTabSize();
    // The bytes that end a line in this document (CR LF or LF).
    CString GetLineBreak();
    BOOL IsEditInLeadingWhitespace() const { return m_bEditInLeadingWhitespace; }

    // ---- Dragging text between the panes of this buffer
    // The pane whose drag is running, NULL when none: set and cleared only
    // by that pane, around its drag.
    SECEditController *GetDragSource() const { return m_pDragSource; }
    void SetDragSource(SECEditController *pSource) { m_pDragSource = pSource; }
    // Whether a pane other than the source took the running drag's drop.
    BOOL IsDragTakenElsewhere() const { return m_bDragTakenElsewhere; }
    void SetDragTakenElsewhere(BOOL bTaken) { m_bDragTakenElsewhere = bTaken; }

    // ---- Marks and line data
    virtual BOOL HasMark(int line, int mark);
    virtual BOOL ToggleMark(int line, int mark);
    void SetMark(int line, int mark, BOOL bOn);
    virtual int ClearMark(int mark);
    virtual int FindMarkedLine(int from, int mark, BOOL bForward);
    virtual int CountMarkedLines(int mark);
    virtual int GetLineData(int line);
    virtual int SetLineData(int line, int value);
    virtual SECEditLineData *GetLineObject(int line);
    virtual void DeleteLineObject(int line);
    virtual void InsertLineSlots(int line, int count, BOOL bInLeadingWhitespace);
    virtual void RemoveLineSlots(int first, int last);
    // Called before a line object is deleted.
    virtual void OnLineObjectReleased(SECEditLineData *pLineData);
    int GetLiveLineObjectCount() const { return m_nLiveLineObjects; }
    // The line object of the line, NULL when it has none (never creates one).
    SECEditLineData *PeekLineObject(int line);

    // ---- Colouring
    // The runs of a line (NULL when it is not coloured).  The row belongs to
    // the buffer and stays as it is until 64 further rows were asked for
    // (the cache itself keeps its rows packed).
    virtual SECEditColorRuns *GetLineColors(int line);
    virtual SECEditColorRuns *ColorLine(int line, int startCol);
    virtual int ParseToken(int line, LPCTSTR lineText, LPCTSTR token, int tokenLength, int remaining, WORD *pPending,
                           SECEditColorRuns *pRuns);
    virtual int ClassifyKeyword(int line, LPCTSTR lineText, LPCTSTR token, int tokenLength, int remaining,
                                WORD *pPending, SECEditColorRuns *pRuns);
    virtual int ClassifyTag(int line, LPCTSTR lineText, LPCTSTR token, int tokenLength, int remaining, WORD *pPending,
                            SECEditColorRuns *pRuns);
    virtual int ClassifyOperator(int line, LPCTSTR lineText, LPCTSTR token, int tokenLength, int remaining,
                                 WORD *pPending, SECEditColorRuns *pRuns);
    virtual SECEditTag *FindTag(int line, LPCTSTR lineText, LPCTSTR at, int length, int remaining, int kind);
    virtual int ColorMultiLineTag(int line, LPCTSTR lineText, LPCTSTR at, int remaining, SECEditColorRuns *pRuns,
                                  SECEditTag *pTag);
    virtual int ColorSingleLineTag(int line, LPCTSTR lineText, LPCTSTR at, int remaining, SECEditColorRuns *pRuns,
                                   SECEditTag *pTag);
    virtual void FlushPending(SECEditColorRuns *pRuns, WORD *pPending);
    virtual SECEditPosition &FindTagEnd(SECEditPosition &out, int fromLine, int fromCol, SECEditTag *pTag);
    virtual int LookupKeyword(LPCTSTR token, int length, WORD *pGroup);
    virtual BOOL FindTagSpan(int line, int *pCol, int *pEnd);
    virtual BOOL IsInsideTag(const SECEditPosition &pos, int *pStart, int *pEnd);
    LPCTSTR FindTokenEnd(LPCTSTR p, int length);
    int CharClass(LPCTSTR p, int available, BOOL bForTokens);
    void ScanTagRegions(const SECEditRange &range);
    void ResetColorCache();
    BOOL IsColoringEnabled() const { return m_bColoringEnabled; }
    void EnableColoring(BOOL bEnable) { m_bColoringEnabled = bEnable; }
    int GetColoredUpTo() const { return m_nColoredUpTo; }
    // The recorded multi-line tag regions, ordered by their end.
    int GetTagRegionCount() const { return static_cast<int>(m_regions.size()); }
    SECEditTagRegion GetTagRegion(int index) const;
    // The cached row of the line, NULL when it has none (no colouring).
    SECEditColorRuns *PeekCachedRow(int line);

    // The observer interface the buffer registers with its language.
    SECEditObserver *GetObserverInterface() { return &m_observer; }

protected:
    // Runs a hint through the buffer's own update: colour cache, fonts and
    // the observers.
    virtual void OnUpdate(void *pSender, SECEditHint *pHint);
    virtual void OnTextCommand(SECEditTextCommand *pRecord);
    virtual BOOL IsMultiByteCodePage() { return TRUE; }
    // Forgets the cached rows of the lines first to last and has the
    // observers repaint them: for a derived colouring whose rows depend on
    // other lines than their own.
    void DropColorRows(int first, int last);

private:
    class Observer : public SECEditObserver {
    public:
        explicit Observer(SECEditTextBuffer &buffer) : m_buffer(buffer) {}
        void OnUpdate(void *pSender, SECEditHint *pHint) override { m_buffer.OnUpdate(pSender, pHint); }

    private:
        SECEditTextBuffer &m_buffer;
    };

    // One multi-line tag region; the id tells rows made inside it apart
    // from rows made before it was found.
    struct Region {
        SECEditPosition start;
        SECEditPosition end;
        unsigned id;
        WORD group;
    };

    class HistoryStep;

    // Hints.
    void SendPlainHint(int typeId, int firstLine = 0, int lastLine = 0);
    void SendHintToSelf(int typeId);

    // Editing (SECEditTextBufferEdit.cpp).
    BOOL IsLineTooWide(int line);
    int BreakColumn(int line, const SECEditRange &range);
    void BreakInsertedLines(SECEditRange &range);
    int DeletionEndLimit(int line);
    BOOL StoreDelete(int line1, int col1, int line2, int col2);
    int DisplayWidth(int line);

    // Files (SECEditTextBufferFile.cpp).
    BOOL ReadFileInto(CFile &file, std::vector<int> &wideCandidates);
    void FitMaxLineWidth(const std::vector<int> &wideCandidates);
    BOOL WriteFile(LPCTSTR lpszPath);

    // Colour cache and regions (SECEditTextBufferColor.cpp).
    void DropRegionsFrom(const SECEditPosition &position, int linesAdded);
    unsigned RecordRegion(const SECEditPosition &start, const SECEditPosition &end, WORD group);
    const Region *CoveringRegion(int line);
    SECEditColorRuns *NewRow(int line, unsigned stamp, const DWORD *runs, int count);
    SECEditColorRuns *TakeWorkingRow();
    SECEditColorRuns *NewRowOfOneRun(int line, unsigned stamp, int length, WORD group);
    SECEditColorRuns *ColorOneLine(int line, int startCol);
    void DeleteRow(int line);
    SECEditColorRuns *ColorLineFromItsStart(int line);
    BOOL IsStampCurrent(int line, unsigned stamp);
    // The rows handed to callers: copies of packed rows, each valid until
    // kHandedOutRows further rows were handed out.
    SECEditColorRuns *HandOut(const DWORD *runs, int count, unsigned stamp);
    SECEditColorRuns *HandOut(SECEditPackedRows::Row packed);
    BOOL FindRegionOpener(const SECEditPosition &from, const SECEditPosition &to, SECEditPosition &hit);
    BOOL IsInsideTagFrom(int line, int fromCol, int col);
    void ApplyHighlight(int line, SECEditColorRuns *pRow);
    void InsertCacheRows(int afterLine, int count);
    // The caches after a swap of the lines after `first`: `gone` lines went
    // and `came` lines came in their place, as a deletion and an insertion
    // would leave them, but the slots of as many lines as both have are
    // cleared in place instead of being removed and made again.
    void OnLinesSwapped(int first, int gone, int came, bool bRemoved, bool bAdded);
    void RemoveCacheRows(int first, int last);
    WORD FixedGroup(int fixedGroup);
    BOOL InCharSet(LPCTSTR p, int available, int set, int *pLength);
    // Tables of the language's character sets for one-byte characters and
    // of the bytes that can begin a tag, so that tokenising asks the
    // language only about the rest.  Made again whenever the colours are.
    void RebuildParseTables();
    bool CharIn(const char *p, const char *end, int set, int *pLength);
    bool IsWordChar(const char *p, const char *end, int *pLength);
    // Where the end text of a single-line tag lies on its line: the first
    // match starting at fromCol up to limitCol, or -1.
    int FindInLine(int line, int fromCol, int limitCol, const CString &pattern, BOOL bMatchCase);

    // Line objects (SECEditTextBufferLines.cpp).
    void RemoveAllLineObjects();
    void FreeLineObject(int line);

    std::vector<SECEditObserver *> m_observers;
    Observer m_observer{*this};
    BOOL m_bBreakingLines = FALSE;
    BOOL m_bKeepWideLines = FALSE;
    SECEditTextCommand *m_pExecuting = nullptr;
    BOOL m_bColoringEnabled = TRUE;
    SECEditTextStore *m_pStore = nullptr;
    std::vector<Region> m_regions;
    unsigned m_nNextRegionId = 1;
    SECEditPackedRows m_rowStore;
    SECEditSlotArray<SECEditPackedRows::Row> m_rows;
    SECEditSlotArray<SECEditLineData *> m_lineObjects;
    SECEditLineDataPool m_linePool;
    int m_nLiveLineObjects = 0;
    BOOL m_bModified = FALSE;
    BOOL m_bReadOnly = FALSE;
    SECEditController *m_pDragSource = nullptr;
    BOOL m_bDragTakenElsewhere = FALSE;
    BOOL m_bOvertype = FALSE;
    BOOL m_bCompoundOpen = FALSE;
    int m_nMaxLineWidth = kDefaultMaxLineWidth;
    int m_nColoredUpTo = 0;
    // The two notices of a swap while they are sent (SwapText).
    SECEditTextCommand *m_pSwapDeletion = nullptr;
    SECEditTextCommand *m_pSwapInsertion = nullptr;
    SECEditCompositeCommand *m_pCompound = nullptr;
    SECEditDisplayMetrics *m_pMetrics = nullptr;
    SECEditLangConfig *m_pLangConfig = nullptr;
    BOOL m_bEditInLeadingWhitespace = FALSE;
    BYTE m_asciiSets[128] = {};
    bool m_tagStarts[256] = {};
    bool m_keywordStarts[256] = {};
    std::vector<std::unique_ptr<SECEditColorRuns>> m_workingRows;
    static constexpr size_t kHandedOutRows = 64;
    std::vector<std::unique_ptr<SECEditColorRuns>> m_handedOut;
    size_t m_nNextHandOut = 0;
    int m_nWorkingDepth = 0;
    // Where colouring goes on after a multi-line tag (line -1: nowhere).
    SECEditPosition m_continuation{-1, 0};
};

// A compound command for a scope: opens one unless one is open, and closes
// it at the end only if it opened it.
class SECEditCompoundScope {
public:
    explicit SECEditCompoundScope(SECEditTextBuffer &buffer);
    ~SECEditCompoundScope();
    SECEditCompoundScope(const SECEditCompoundScope &) = delete;
    SECEditCompoundScope &operator=(const SECEditCompoundScope &) = delete;

private:
    SECEditTextBuffer &m_buffer;
    BOOL m_bOpenedHere;
};
