#include "framework/resources/Resources.h"
#include "library/model/QYCommand.h"
#include "library/model/QYCommandHistory.h"
#include "library/model/QYCommandMacro.h"
#include "library/model/QYCommandStrings.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// What the test commands act on and what they report.
struct Ledger {
    int nValue = 0;
    std::vector<int> executed;  // step ids in execution order
    std::vector<int> destroyed; // step ids of deleted commands
    bool bFailUndo = false;
    bool bFailRedo = false;
};

// Adds its amount to the ledger; its inverse subtracts it.
class StepCommand : public CQYCommand {
public:
    StepCommand(Ledger& ledger, int nId, int nAmount = 1, bool bFail = false)
        : CQYCommand(nullptr), m_ledger(ledger), m_nId(nId), m_nAmount(nAmount), m_bFail(bFail)
    {
    }
    ~StepCommand() override { m_ledger.destroyed.push_back(m_nId); }
    int GetCommandID() override { return QY_CMD_MOVECOMP; }
    BOOL Execute() override
    {
        if (m_bFail)
            return FALSE;
        m_ledger.nValue += m_nAmount;
        m_ledger.executed.push_back(m_nId);
        return TRUE;
    }
    CQYBaseCommand* GetUndoCommand() const override
    {
        return new StepCommand(m_ledger, -m_nId, -m_nAmount, m_ledger.bFailUndo);
    }
    CQYBaseCommand* GetRedoCommand() const override
    {
        return new StepCommand(m_ledger, m_nId, m_nAmount, m_ledger.bFailRedo);
    }
    void Sprint(CString& strText) const override { strText = QYLoadCommandString(IDS_QY_CMD_MOVECOMP); }

private:
    Ledger& m_ledger;
    int m_nId;
    int m_nAmount;
    bool m_bFail;
};

class StepMacro : public CQYCommandMacro {
public:
    StepMacro() : CQYCommandMacro(nullptr) {}
    void Sprint(CString& strText) const override { strText = QYLoadCommandString(IDS_QY_CMD_UNKNOWN); }

protected:
    CQYBaseCommandMacro* NewEmptyMacro() const override { return new StepMacro; }
};

// A history that records its notifications.
class RecordingHistory : public CQYCommandHistory {
public:
    void OnHistoryChanged() override { ++m_nChanges; }
    void OnCommandExecuted(CQYBaseCommand* pCommand) override { m_codes.push_back(pCommand->GetCommandID()); }
    int m_nChanges = 0;
    std::vector<int> m_codes;
};

class HistoryTest : public ::testing::Test {
protected:
    BOOL Run(int nId, bool bFail = false) { return m_history.Execute(new StepCommand(m_ledger, nId, 1, bFail)); }
    void ExpectCounters(int nIndex, int nUndo, int nRedo, int nDistance)
    {
        EXPECT_EQ(m_history.GetCurrentIndex(), nIndex);
        EXPECT_EQ(m_history.GetUndoCount(), nUndo);
        EXPECT_EQ(m_history.GetRedoCount(), nRedo);
        EXPECT_EQ(m_history.GetSavePointDistance(), nDistance);
    }
    Ledger m_ledger;
    RecordingHistory m_history;
};

TEST_F(HistoryTest, RingWrapsAt256AndDeletesTheOldest)
{
    for (int i = 1; i <= 300; ++i)
        ASSERT_TRUE(Run(i));
    EXPECT_EQ(m_history.GetLevels(), 256);
    ExpectCounters(300 % 256, 256, 0, 257);
    std::vector<int> firstDeleted;
    for (int i = 1; i <= 44; ++i)
        firstDeleted.push_back(i);
    EXPECT_EQ(m_ledger.destroyed, firstDeleted);

    int nUndone = 0;
    while (m_history.CanUndo()) {
        ASSERT_TRUE(m_history.Undo());
        ++nUndone;
    }
    EXPECT_EQ(nUndone, 256);
    EXPECT_EQ(m_ledger.nValue, 44);
    EXPECT_FALSE(m_history.Undo()); // nothing left: refused, nothing moves
    ExpectCounters(300 % 256, 0, 256, 1);
    EXPECT_EQ(m_ledger.executed.back(), -45);
}

TEST_F(HistoryTest, SavePointIsReachedAgainByUndoAndByRedo)
{
    Run(1);
    m_history.SetSavePoint();
    Run(2);
    Run(3);
    EXPECT_TRUE(m_history.IsDirty());
    m_history.Undo();
    m_history.Undo();
    EXPECT_TRUE(m_history.IsAtSavePoint());

    m_history.Undo(); // before the save point
    EXPECT_EQ(m_history.GetSavePointDistance(), -1);
    m_history.Redo();
    EXPECT_TRUE(m_history.IsAtSavePoint());
    m_history.Redo();
    m_history.Redo();
    EXPECT_EQ(m_ledger.nValue, 3);
    ExpectCounters(3, 3, 0, 2);
    EXPECT_EQ(m_ledger.executed, (std::vector<int>{1, 2, 3, -3, -2, -1, 1, 2, 3}));
}

TEST_F(HistoryTest, ANewCommandAfterUndoingPastTheSavePointMakesItUnreachable)
{
    Run(1);
    Run(2);
    m_history.SetSavePoint();
    m_history.Undo();
    m_history.Undo();
    Run(3); // abandons the redo part, which held the save point
    EXPECT_EQ(m_history.GetSavePointDistance(), 257);
    EXPECT_FALSE(m_history.CanRedo());
    m_history.Undo();
    EXPECT_TRUE(m_history.IsDirty());
    EXPECT_EQ(m_ledger.destroyed, (std::vector<int>{-2, -1, 1, -3})); // inverses and the overwritten first step
}

TEST_F(HistoryTest, AFailedCommandIsDroppedAndChangesNothing)
{
    Run(1);
    const int nChanges = m_history.m_nChanges;
    EXPECT_FALSE(Run(2, true));
    EXPECT_EQ(m_ledger.destroyed, std::vector<int>{2});
    ExpectCounters(1, 1, 0, 1);
    EXPECT_EQ(m_history.m_codes.size(), 1u);
    EXPECT_EQ(m_history.m_nChanges, nChanges);
    EXPECT_FALSE(m_history.Execute(nullptr));
}

TEST_F(HistoryTest, AFailedUndoOrRedoLeavesTheHistoryAsItWas)
{
    Run(1);
    Run(2);
    m_ledger.bFailUndo = true;
    EXPECT_FALSE(m_history.Undo());
    ExpectCounters(2, 2, 0, 2);
    EXPECT_EQ(m_ledger.nValue, 2);

    m_ledger.bFailUndo = false;
    ASSERT_TRUE(m_history.Undo());
    m_ledger.bFailRedo = true;
    const size_t nNotified = m_history.m_codes.size();
    EXPECT_FALSE(m_history.Redo());
    ExpectCounters(1, 1, 1, 1);
    EXPECT_EQ(m_history.m_codes.size(), nNotified);
    EXPECT_NE(m_history.GetRedoCommand(), nullptr);

    m_ledger.bFailRedo = false;
    EXPECT_TRUE(m_history.Redo());
    EXPECT_EQ(m_ledger.nValue, 2);
    EXPECT_FALSE(m_history.Redo());
}

TEST_F(HistoryTest, UnrecordedCommandsRunNotifyAndAreDeleted)
{
    EXPECT_TRUE(m_history.Execute(new StepCommand(m_ledger, 7), FALSE));
    EXPECT_EQ(m_ledger.nValue, 1);
    EXPECT_EQ(m_ledger.destroyed, std::vector<int>{7});
    EXPECT_EQ(m_history.m_codes, std::vector<int>{QY_CMD_MOVECOMP});
    EXPECT_FALSE(m_history.CanUndo());
}

TEST_F(HistoryTest, MacroNotifiesOncePerCommandAndUndoesInReverse)
{
    auto* pMacro = new StepMacro;
    EXPECT_EQ(pMacro->GetCommandID(), QY_CMD_MACRO);
    for (int i = 1; i <= 3; ++i)
        pMacro->AddCommand(new StepCommand(m_ledger, i));
    ASSERT_TRUE(m_history.Execute(pMacro));
    EXPECT_EQ(m_history.m_codes, (std::vector<int>(3, QY_CMD_MOVECOMP)));
    ExpectCounters(1, 1, 0, 1);

    ASSERT_TRUE(m_history.Undo());
    EXPECT_EQ(m_ledger.executed, (std::vector<int>{1, 2, 3, -3, -2, -1}));
    EXPECT_EQ(m_history.m_codes.size(), 6u);
    ASSERT_TRUE(m_history.Redo());
    EXPECT_EQ(m_ledger.nValue, 3);
    EXPECT_EQ(m_ledger.executed.size(), 9u);

    EXPECT_FALSE(m_history.Execute(new StepMacro)); // an empty macro is dropped
    ExpectCounters(1, 1, 0, 1);
}

TEST_F(HistoryTest, SetLevelsResetsTheRing)
{
    for (int i = 1; i <= 5; ++i)
        Run(i);
    m_history.SetLevels(4);
    EXPECT_EQ(m_history.GetLevels(), 4);
    ExpectCounters(0, 0, 0, 0);
    EXPECT_EQ(m_ledger.destroyed, (std::vector<int>{5, 4, 3, 2, 1}));
    for (int i = 6; i <= 11; ++i)
        Run(i);
    ExpectCounters(2, 4, 0, 5);
    m_history.SetLevels(0); // refused
    EXPECT_EQ(m_history.GetLevels(), 4);
    EXPECT_EQ(m_history.GetUndoCount(), 4);
}

TEST(CommandDescriptions, TheStringTableHoldsEveryDescription)
{
    const struct {
        UINT nID;
        const char* text;
    } table[] = {
        {28077, "Add new component."},
        {28078, "Add new components"},
        {28079, "Add new Link Component"},
        {28080, "Align top"},
        {28081, "Align middle"},
        {28082, "Align bottom"},
        {28083, "Align left"},
        {28084, "Align center"},
        {28085, "Align right"},
        {28086, "*Unknown Command"},
        {28087, "Back color change command"},
        {28088, "Form color change command"},
        {28090, "Change form size command"},
        {28091, "Move single component command"},
        {28092, "Move components"},
        {28093, "None command"},
        {28094, "Bring component to front command"},
        {28095, "Send component to back command"},
        {28096, "Bring components forward command."},
        {28097, "Send component backward command"},
        {28098, "Order single component command"},
        {28099, "Remove single component command"},
        {28100, "Remove multi components"},
        {28101, "Remove link component command"},
        {28102, "Scale component command"},
        {28103, "Make components the same width command "},
        {28104, "Make components the same height command"},
        {28105, "Make components the same size"},
        {28106, "Change port position command"},
        {28107, "Sizeing spot command"},
        {28108, "Spacing across command"},
        {28109, "Spacing down command"},
        {28113, "Rotate component command"},
        {28114, "Group component command"},
        {28115, "Ungroup component command"},
    };
    for (const auto& entry : table)
        EXPECT_EQ(QYLoadCommandString(entry.nID), CString(entry.text)) << entry.nID;
    EXPECT_TRUE(QYLoadCommandString(28089).IsEmpty());

    // A program may put its own text under an id.
    static const RESOURCE_STRING kOverride[] = {{28091, "Moved"}};
    PlexoRegisterStrings(kOverride, 1);
    Ledger ledger;
    StepCommand command(ledger, 1);
    CString strText;
    command.Sprint(strText);
    EXPECT_EQ(strText, CString("Moved"));
    QYRegisterCommandStrings();
    command.Sprint(strText);
    EXPECT_EQ(strText, CString("Move single component command"));
}

} // namespace
