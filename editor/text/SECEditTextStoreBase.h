// The operations of the editor's text store, as the text buffer sees them.
#pragma once

#include "editor/text/SECEditRange.h"
#include "framework/base/CString.h"

class CFile;
class SECEditTextBlock;

class SECEditTextStoreBase {
public:
    virtual BOOL InsertText(SECEditRange &range, LPCTSTR text, int count) = 0;
    virtual BOOL DeleteText(SECEditRange &range) = 0;
    virtual int GetLineCount() = 0;
    virtual int GetLineLength(int line) = 0;
    virtual int GetLineTextLength(int line) = 0;
    virtual void SetNewlineChar(BYTE ch) = 0;
    virtual BYTE GetNewlineChar() = 0;
    virtual void SetReturnChar(BYTE ch) = 0;
    virtual BYTE GetReturnChar() = 0;
    virtual BOOL GetText(CString &out, int line1, int col1, int line2, int col2) = 0;
    virtual int GetTextPointer(char **out, int line1, int col1, int line2, int col2) = 0;
    virtual BOOL Reset() = 0;
    virtual int PositionToOffset(int line, int col) = 0;
    virtual BOOL OffsetToPosition(int offset, int *line, int *col) = 0;
    virtual ~SECEditTextStoreBase() = default;
    virtual int Find(int startLine, int startCol, int *outLine, int *outCol, LPCTSTR pattern, BOOL bForward, BOOL bWrap,
                     BOOL bMatchCase, BOOL bWholeWord, BOOL bRegularExpression, int endLine, int endCol) = 0;
    virtual void Write(CFile *pFile, BOOL bUnicode) = 0;
    virtual SECEditTextBlock **GetBlockSlot(int index) = 0;
    virtual SECEditTextBlock *BlockAt(int index) = 0;
    virtual SECEditTextBlock *&ElementAt(int index) = 0;
    virtual SECEditTextBlock *GetBlock(int index) = 0;
    virtual int FindBlock(int offset, BOOL bPreferNext) = 0;
    virtual void InvalidateBlockOffsets(int index) = 0;
    virtual BOOL IsWholeWord(int offset, int length) = 0;
    virtual void WriteChunk(CFile *pFile, int offset, int length, BOOL bUnicode) = 0;
    virtual int InsertAt(SECEditRange &range, LPCTSTR text, int count) = 0;
};
