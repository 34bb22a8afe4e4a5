// The undo and redo stacks of a text buffer: two rings of bounded size.  A
// record pushed onto a full ring pushes the oldest one out.  The history
// owns the records on its stacks.
#pragma once

#include "editor/text/SECEditCommand.h"

#include <vector>

class SECEditCommandRing {
public:
    explicit SECEditCommandRing(int nCapacity);
    // Stores the record on top; returns the record it displaced (the caller
    // deletes it), or NULL.
    SECEditCommand *Push(SECEditCommand *pCommand);
    SECEditCommand *Top() const;
    SECEditCommand *Pop();
    int GetCount() const { return m_nCount; }
    int GetCapacity() const { return static_cast<int>(m_slots.size()); }

private:
    std::vector<SECEditCommand *> m_slots;
    int m_nTop = -1;
    int m_nCount = 0;
};

class SECEditCommandHistory {
public:
    static constexpr int kCapacity = 256;
    // A saved marker that no record has: the document stays modified until
    // it is saved again.
    static constexpr ULONGLONG kNoRecord = ~0ULL;

    SECEditCommandHistory();
    virtual ~SECEditCommandHistory();
    SECEditCommandHistory(const SECEditCommandHistory &) = delete;
    SECEditCommandHistory &operator=(const SECEditCommandHistory &) = delete;

    // Onto the undo stack (deleting what falls out); the redo stack is
    // emptied.  TRUE.
    BOOL AddToHistory(SECEditCommand *pCommand);
    // Undoes the newest effective record, moving every record it passes to
    // the redo stack; NULL when there was none.
    SECEditCommand *Undo();
    SECEditCommand *Redo();
    void ClearHistory();
    // Executes the record and adds it when that succeeds; on failure the
    // record stays the caller's.
    BOOL ExecuteCommand(SECEditCommand *pCommand);

    SECEditCommand *GetUndoTop() const { return m_undo.Top(); }
    // Takes the top record off the undo stack and hands it to the caller.
    SECEditCommand *PopUndoTop() { return m_undo.Pop(); }
    SECEditCommand *GetRedoTop() const { return m_redo.Top(); }
    // Takes the top record off the redo stack and hands it to the caller.
    SECEditCommand *PopRedoTop() { return m_redo.Pop(); }
    int GetUndoCount() const { return m_undo.GetCount(); }
    int GetRedoCount() const { return m_redo.GetCount(); }

    // The modified test: the serial of the undo top (0 for an empty stack)
    // against the one noted at the last successful save.
    ULONGLONG GetUndoTopSerial() const;
    void MarkSaved() { m_nSavedSerial = GetUndoTopSerial(); }
    void SetSavedSerial(ULONGLONG serial) { m_nSavedSerial = serial; }
    ULONGLONG GetSavedSerial() const { return m_nSavedSerial; }
    BOOL IsAtSavedState() const { return GetUndoTopSerial() == m_nSavedSerial; }

private:
    static void DeleteAll(SECEditCommandRing &ring);

    SECEditCommandRing m_undo;
    SECEditCommandRing m_redo;
    ULONGLONG m_nSavedSerial = 0;
};
