// What an undo record needs of the text buffer it belongs to.  The buffer
// implements it; while a record executes, the buffer makes no record of its
// own for the edits the record makes.
#pragma once

#include "editor/text/SECEditRange.h"
#include "framework/base/CString.h"

class SECEditTextCommand;

class SECEditCommandTarget {
public:
    // Inserts count bytes at range.start; range.end receives the position
    // after them.
    virtual BOOL InsertText(SECEditRange &range, LPCTSTR text, int count) = 0;
    virtual BOOL DeleteText(int line1, int col1, int line2, int col2) = 0;
    virtual BOOL GetText(CString &out, int line1, int col1, int line2, int col2) = 0;
    // The record being executed or undone (NULL when none); the setter
    // returns the previous one.
    virtual SECEditTextCommand *GetExecutingCommand() = 0;
    virtual SECEditTextCommand *SetExecutingCommand(SECEditTextCommand *pCommand) = 0;

protected:
    virtual ~SECEditCommandTarget() = default;
};
