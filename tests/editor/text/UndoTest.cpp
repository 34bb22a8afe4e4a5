#include "editor/text/SECEditCommandHistory.h"
#include "editor/text/SECEditCompositeCommand.h"
#include "editor/text/SECEditTextCommand.h"
#include "editor/text/SECEditTextStore.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// A buffer stand-in over a real store: it breaks lines longer than 2048
// bytes with an LF the way the editor's buffer does, so records meet ranges
// that grow while they are redone.
class StoreTarget : public SECEditCommandTarget {
public:
    BOOL InsertText(SECEditRange &range, LPCTSTR text, int count) override
    {
        ++inserts;
        if (!store.InsertText(range, text, count))
            return FALSE;
        for (int line = range.m_start.m_nLine; line <= range.m_end.m_nLine; ++line) {
            if (store.GetLineTextLength(line) <= 2048)
                continue;
            SECEditRange brk(line, 2048, line, 2048);
            store.InsertText(brk, "\n", 1);
            range.m_end.AdjustForEdit(brk, TRUE);
        }
        return TRUE;
    }
    BOOL DeleteText(int l1, int c1, int l2, int c2) override
    {
        SECEditRange range(l1, c1, l2, c2);
        return store.DeleteText(range);
    }
    BOOL GetText(CString &out, int l1, int c1, int l2, int c2) override { return store.GetText(out, l1, c1, l2, c2); }
    SECEditTextCommand *GetExecutingCommand() override { return executing; }
    SECEditTextCommand *SetExecutingCommand(SECEditTextCommand *p) override
    {
        if (p)
            seenExecuting = p;
        std::swap(executing, p);
        return p;
    }
    std::string All()
    {
        CString out;
        store.GetText(out, 0, 0, store.GetLastLine(), store.GetLineLength(store.GetLastLine()));
        return out.Str();
    }

    SECEditTextStore store;
    SECEditTextCommand *executing = nullptr;
    SECEditTextCommand *seenExecuting = nullptr;
    int inserts = 0;
};

// Records how often it was done and undone, and can be told to fail.
class CountingCommand : public SECEditCommand {
public:
    explicit CountingCommand(std::vector<int> *log, int id, bool fail = false) : m_log(log), m_id(id), m_fail(fail) {}
    int GetTypeId() override { return 1; }
    void GetDescription(CString &d) override { d = "counting"; }
    BOOL Execute() override
    {
        m_log->push_back(m_id);
        return !m_fail;
    }
    BOOL Unexecute() override
    {
        m_log->push_back(-m_id);
        return !m_fail;
    }

private:
    std::vector<int> *m_log;
    int m_id;
    bool m_fail;
};

TEST(TextCommand, DescribesItself)
{
    StoreTarget target;
    SECEditTextCommand insert(&target, SECEditRange(2, 4, 2, 9), TRUE, CString("hello"));
    SECEditTextCommand remove(&target, SECEditRange(1, 0, 3, 2), FALSE);
    CString d;
    insert.GetDescription(d);
    EXPECT_EQ(CString("Insert text having length 5 at line 2, column 4"), d);
    remove.GetDescription(d);
    EXPECT_EQ(CString("Delete text from line 1, column 0 to line 3, column 2"), d);
    EXPECT_EQ(22586, insert.GetTypeId());
    void *p = nullptr;
    EXPECT_EQ(S_OK, insert.QueryInterface(IID_SECEditHint, &p));
    EXPECT_EQ(static_cast<SECEditHint *>(&insert), p);
    EXPECT_EQ(E_NOINTERFACE, insert.QueryInterface(GUID{1, 2, 3, {4}}, &p));
    EXPECT_EQ(nullptr, p);
}

TEST(TextCommand, UndoesAndRedoesAnInsertion)
{
    StoreTarget target;
    SECEditRange range(0, 0, 0, 0);
    target.store.InsertText(range, "one\ntwo", -1);
    // The buffer records an insertion without its text.
    range = SECEditRange(1, 1, 1, 1);
    target.store.InsertText(range, "XY\nZ", -1);
    SECEditTextCommand record(&target, range, TRUE);
    EXPECT_TRUE(record.IsTextPresent());

    ASSERT_TRUE(record.Unexecute());
    EXPECT_EQ("one\ntwo", target.All());
    EXPECT_EQ(CString("XY\nZ"), record.GetText());
    EXPECT_FALSE(record.IsTextPresent());
    EXPECT_EQ(&record, target.seenExecuting);
    EXPECT_EQ(nullptr, target.executing);

    ASSERT_TRUE(record.Execute());
    EXPECT_EQ("one\ntXY\nZwo", target.All());
    EXPECT_TRUE(record.IsEffective());
}

TEST(TextCommand, KeepsNulBytes)
{
    StoreTarget target;
    const std::string bytes("a\0b", 3);
    SECEditTextCommand record(&target, SECEditRange(0, 0, 0, 0), TRUE, CString(bytes));
    ASSERT_TRUE(record.Execute());
    EXPECT_EQ(bytes, target.All());
    ASSERT_TRUE(record.Unexecute());
    EXPECT_EQ("", target.All());
}

TEST(TextCommand, RedoOfALongLineCoversTheBreaks)
{
    StoreTarget target;
    const std::string line(3000, 'x');
    SECEditTextCommand record(&target, SECEditRange(0, 0, 0, 0), TRUE, CString(line));
    ASSERT_TRUE(record.Execute());
    EXPECT_EQ(2, target.store.GetLineCount());
    EXPECT_EQ(SECEditPosition(1, 952), record.GetRange().m_end);
    EXPECT_EQ(3001, record.GetText().GetLength());
    ASSERT_TRUE(record.Unexecute());
    EXPECT_EQ("", target.All());
    ASSERT_TRUE(record.Execute());
    EXPECT_EQ(3001, static_cast<int>(target.All().size()));
}

TEST(TextCommand, AFailedStepMakesTheRecordIneffective)
{
    StoreTarget target;
    SECEditTextCommand record(&target, SECEditRange(5, 0, 6, 0), FALSE, CString("gone"));
    EXPECT_FALSE(record.Unexecute());
    EXPECT_FALSE(record.IsEffective());
}

TEST(CompositeCommand, RunsInOrderAndStopsAtAFailure)
{
    std::vector<int> log;
    SECEditCompositeCommand composite;
    composite.Add(new CountingCommand(&log, 1));
    composite.Add(new CountingCommand(&log, 2, true));
    composite.Add(new CountingCommand(&log, 3));
    EXPECT_EQ(3, composite.GetCount());
    EXPECT_FALSE(composite.Execute());
    EXPECT_FALSE(composite.Unexecute());
    EXPECT_EQ((std::vector<int>{1, 2, -3, -2}), log);
    EXPECT_EQ(22587, composite.GetTypeId());
}

TEST(CompositeCommand, RefusesARecordItAlreadyHolds)
{
    std::vector<int> log;
    auto *inner = new SECEditCompositeCommand;
    auto *shared = new CountingCommand(&log, 1);
    ASSERT_TRUE(inner->Add(shared));
    SECEditCompositeCommand outer;
    ASSERT_TRUE(outer.Add(inner));
    EXPECT_FALSE(outer.Add(shared));  // inside the nested composite
    EXPECT_FALSE(outer.Add(inner));   // twice
    EXPECT_FALSE(outer.Add(&outer));  // itself
    EXPECT_FALSE(inner->Add(&outer)); // its own holder
    EXPECT_FALSE(outer.Add(nullptr));
    EXPECT_EQ(1, outer.GetCount());
}

class RecordingObserver : public SECEditObserver {
public:
    void OnUpdate(void *sender, SECEditHint *hint) override { seen.push_back(hint); }
    std::vector<SECEditHint *> seen;
};

TEST(CompositeCommand, HandsEveryRecordToTheObserver)
{
    std::vector<int> log;
    SECEditCompositeCommand composite;
    auto *a = new CountingCommand(&log, 1);
    auto *b = new CountingCommand(&log, 2);
    composite.Add(a);
    composite.Add(b);
    RecordingObserver observer;
    composite.ForEach(nullptr, &observer);
    EXPECT_EQ((std::vector<SECEditHint *>{a, b}), observer.seen);
    EXPECT_TRUE(composite.AllSucceeded());
}

TEST(CommandHistory, KeepsTheNewest256Steps)
{
    std::vector<int> log;
    SECEditCommandHistory history;
    for (int i = 1; i <= 257; ++i)
        history.AddToHistory(new CountingCommand(&log, i));
    EXPECT_EQ(256, history.GetUndoCount());
    int undone = 0;
    while (history.Undo())
        ++undone;
    EXPECT_EQ(256, undone);
    EXPECT_EQ(-2, log.back()); // the first record fell out
    EXPECT_EQ(256, history.GetRedoCount());
}

TEST(CommandHistory, ANewEditEmptiesTheRedoStack)
{
    std::vector<int> log;
    SECEditCommandHistory history;
    history.AddToHistory(new CountingCommand(&log, 1));
    history.AddToHistory(new CountingCommand(&log, 2));
    ASSERT_NE(nullptr, history.Undo());
    EXPECT_EQ(1, history.GetRedoCount());
    history.AddToHistory(new CountingCommand(&log, 3));
    EXPECT_EQ(0, history.GetRedoCount());
    EXPECT_EQ(nullptr, history.Redo());
}

TEST(CommandHistory, SkipsIneffectiveRecords)
{
    std::vector<int> log;
    SECEditCommandHistory history;
    history.AddToHistory(new CountingCommand(&log, 1));
    auto *dead = new CountingCommand(&log, 2);
    dead->SetEffective(FALSE);
    history.AddToHistory(dead);
    SECEditCommand *undone = history.Undo();
    ASSERT_NE(nullptr, undone);
    EXPECT_NE(dead, undone);
    EXPECT_EQ((std::vector<int>{-1}), log);
    EXPECT_EQ(2, history.GetRedoCount());
    EXPECT_EQ(0, history.GetUndoCount());
}

TEST(CommandHistory, ExecuteAddsOnlyWhatSucceeded)
{
    std::vector<int> log;
    SECEditCommandHistory history;
    EXPECT_TRUE(history.ExecuteCommand(new CountingCommand(&log, 1)));
    CountingCommand failing(&log, 2, true);
    EXPECT_FALSE(history.ExecuteCommand(&failing));
    EXPECT_EQ(1, history.GetUndoCount());
}

TEST(CommandHistory, ModifiedTestUsesSerialsNotAddresses)
{
    std::vector<int> log;
    SECEditCommandHistory history;
    EXPECT_TRUE(history.IsAtSavedState());
    history.AddToHistory(new CountingCommand(&log, 1));
    EXPECT_FALSE(history.IsAtSavedState());
    history.MarkSaved();
    EXPECT_TRUE(history.IsAtSavedState());
    // Undo, then a new edit: the saved record is deleted and a new one may
    // take its address, yet the document is modified.
    history.Undo();
    history.AddToHistory(new CountingCommand(&log, 2));
    EXPECT_FALSE(history.IsAtSavedState());
    history.SetSavedSerial(SECEditCommandHistory::kNoRecord);
    history.ClearHistory();
    EXPECT_FALSE(history.IsAtSavedState());
}

TEST(Command, ReleaseDeletesAtTheLastReference)
{
    std::vector<int> log;
    auto *record = new CountingCommand(&log, 1);
    EXPECT_EQ(1u, record->AddRef());
    EXPECT_EQ(2u, record->AddRef());
    EXPECT_EQ(1u, record->Release());
    EXPECT_EQ(0u, record->Release()); // deleted; the sanitizer sees a leak otherwise
}

} // namespace
