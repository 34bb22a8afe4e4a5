// The undo and redo history of a data model: a ring of executed commands
// (256 by default), how many of them can be undone and redone, and how far
// the model is from its last save point.  The data model derives from it
// and overrides the two notifications.
//
// Undo and Redo run a fresh inverse or copy of the stored command first and
// move the ring only when that succeeded, so a failed step changes nothing.
#pragma once

#include "framework/base/WinTypes.h"

#include <vector>

class CQYBaseCommand;

#define QY_HISTORY_LEVELS 256

class CQYCommandHistory {
public:
    CQYCommandHistory();
    CQYCommandHistory(const CQYCommandHistory&) = delete;
    CQYCommandHistory& operator=(const CQYCommandHistory&) = delete;
    virtual ~CQYCommandHistory();

    // (i + 1) mod n and (n + i - 1) mod n over the ring size n.
    virtual int NextIndex(int nIndex);
    virtual int PrevIndex(int nIndex);
    // min(count + 1, n) and max(count - 1, -n).
    virtual int IncrementCount(int nCount);
    virtual int DecrementCount(int nCount);
    // min(d + 1, n + 1) and max(d - 1, -(n + 1)) for the save-point distance.
    virtual int IncrementSavePoint(int nDistance);
    virtual int DecrementSavePoint(int nDistance);
    // Deletes every stored command, last slot first, and clears the slots.
    virtual void DeleteAll();

    // Runs the command (the history owns it from this call on).  When it
    // fails it is deleted and FALSE returned.  Otherwise OnCommandExecuted
    // is called once (once per sub-command for a macro), and the command is
    // recorded when bRecord, else deleted; TRUE.
    virtual BOOL Execute(CQYBaseCommand* pCommand, BOOL bRecord = TRUE);
    // Stores the command in the current slot (deleting what was there),
    // abandoning the redo part; NULL is ignored.
    virtual void AddCommand(CQYBaseCommand* pCommand);
    // Deletes everything; all counters 0; OnHistoryChanged.
    virtual void Reset();
    // Resets the history and gives the ring nLevels slots; a size below 1
    // is refused (nothing changes).
    virtual void SetLevels(int nLevels);
    // Runs the inverse of the last command; FALSE (nothing changed) when
    // there is none or it fails.
    virtual BOOL Undo();
    // Runs a copy of the next undone command; FALSE (nothing changed) when
    // there is none or it fails.
    virtual BOOL Redo();
    virtual BOOL CanUndo();
    virtual BOOL CanRedo();
    // The stored command that Undo (Redo) would reverse (repeat); NULL when
    // there is none.  The history keeps it.
    virtual CQYBaseCommand* GetUndoCommand();
    virtual CQYBaseCommand* GetRedoCommand();
    virtual void SetSavePoint();
    virtual BOOL IsAtSavePoint();
    virtual BOOL IsDirty();
    // Notifications for the owner; nothing here.
    virtual void OnHistoryChanged();
    virtual void OnCommandExecuted(CQYBaseCommand* pCommand);

    int GetLevels() const { return static_cast<int>(m_arrCommands.size()); }
    int GetCurrentIndex() const { return m_nCurrentIndex; }
    int GetUndoCount() const { return m_nUndoCount; }
    int GetRedoCount() const { return m_nRedoCount; }
    int GetSavePointDistance() const { return m_nSavePoint; }

protected:
    // OnCommandExecuted for the command, or for each sub-command of a macro.
    void NotifyExecuted(CQYBaseCommand* pCommand);
    // Runs a command made for undo or redo; TRUE when it succeeded.  It is
    // deleted in every case, after the notifications.
    BOOL RunTransient(CQYBaseCommand* pCommand, void (CQYCommandHistory::*pfnCommit)());
    void CommitUndo();
    void CommitRedo();

    int m_nCurrentIndex = 0;
    int m_nUndoCount = 0;
    int m_nRedoCount = 0;
    int m_nSavePoint = 0;
    std::vector<CQYBaseCommand*> m_arrCommands;
};
