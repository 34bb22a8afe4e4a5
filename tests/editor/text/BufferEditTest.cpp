// Editing through the text buffer: long lines, compounds, the executing
// record, observers and hints, marks and line data.
#include "tests/editor/text/BufferTestSupport.h"

#include "editor/text/SECEditBufferHint.h"
#include "editor/text/SECEditCompositeCommand.h"
#include "editor/text/SECEditTextCommand.h"
#include "framework/gdi/GdiStructs.h"

#include <gtest/gtest.h>

namespace {

// ---------------------------------------------------------------------------
// Long lines

TEST(BufferEdit, AFiveThousandCharacterLineIsBrokenIntoThreeInOneUndoStep)
{
    auto buffer = MakeBuffer(nullptr, "");
    const std::string line(5000, 'a');
    ASSERT_TRUE(buffer->InsertText(0, 0, line.data(), static_cast<int>(line.size())));
    ASSERT_EQ(3, buffer->GetLineCount());
    EXPECT_EQ(2048, buffer->GetLineTextLength(0));
    EXPECT_EQ(2048, buffer->GetLineTextLength(1));
    EXPECT_EQ(904, buffer->GetLineTextLength(2));
    EXPECT_EQ(std::string(2048, 'a') + "\n" + std::string(2048, 'a') + "\n" + std::string(904, 'a'), AllText(*buffer));
    EXPECT_EQ(1, buffer->GetUndoCount());
    buffer->Undo();
    EXPECT_EQ("", AllText(*buffer));
    buffer->Redo();
    EXPECT_EQ(3, buffer->GetLineCount());
}

TEST(BufferEdit, JoiningTwoLongLinesBreaksThemAgainInOneCompound)
{
    const std::string original = std::string(1500, 'a') + "\n" + std::string(1500, 'b');
    auto buffer = MakeBuffer(nullptr, original);
    ASSERT_TRUE(buffer->DeleteText(0, 1500, 1, 0));
    EXPECT_EQ(original, AllText(*buffer));
    ASSERT_EQ(1, buffer->GetUndoCount());
    EXPECT_EQ(SECEditCommand::kCompositeCommandId, buffer->GetUndoTop()->GetTypeId());
    buffer->Undo();
    EXPECT_EQ(original, AllText(*buffer));
    EXPECT_FALSE(buffer->IsModified());
}

TEST(BufferEdit, TypingPastTheLimitBreaksTheLine)
{
    auto buffer = MakeBuffer(nullptr, std::string(2048, 'a'));
    ASSERT_TRUE(buffer->InsertText(0, 2048, "x", 1));
    EXPECT_EQ(std::string(2048, 'a') + "\nx", AllText(*buffer));
    buffer->Undo();
    EXPECT_EQ(std::string(2048, 'a'), AllText(*buffer));
}

TEST(BufferEdit, InsertAndDeleteAcrossLinesUndoAndRedoExactly)
{
    const std::string original = "one\ntwo\nthree\n";
    auto buffer = MakeBuffer(nullptr, original);
    ASSERT_TRUE(buffer->InsertText(1, 1, "X\nY\nZ", 5));
    EXPECT_EQ("one\ntX\nY\nZwo\nthree\n", AllText(*buffer));
    ASSERT_TRUE(buffer->DeleteText(0, 2, 3, 1));
    EXPECT_EQ("onwo\nthree\n", AllText(*buffer));
    buffer->Undo();
    EXPECT_EQ("one\ntX\nY\nZwo\nthree\n", AllText(*buffer));
    buffer->Undo();
    EXPECT_EQ(original, AllText(*buffer));
    buffer->Redo();
    buffer->Redo();
    EXPECT_EQ("onwo\nthree\n", AllText(*buffer));
}

// ---------------------------------------------------------------------------
// Compounds and records

TEST(BufferEdit, ACompoundUndoesAsOneStep)
{
    auto buffer = MakeBuffer(nullptr, "abc");
    buffer->SetCompound(TRUE);
    buffer->InsertText(0, 0, "1", 1);
    buffer->InsertText(0, 4, "2", 1);
    EXPECT_EQ(0, buffer->GetUndoCount());
    buffer->SetCompound(FALSE);
    EXPECT_EQ(1, buffer->GetUndoCount());
    EXPECT_EQ("1abc2", AllText(*buffer));
    buffer->Undo();
    EXPECT_EQ("abc", AllText(*buffer));
    // An empty compound adds nothing.
    buffer->SetCompound(TRUE);
    buffer->SetCompound(FALSE);
    EXPECT_EQ(0, buffer->GetUndoCount());
    // Undo closes an open compound first.
    {
        SECEditCompoundScope scope(*buffer);
        buffer->InsertText(0, 0, "x", 1);
        buffer->Undo();
        EXPECT_FALSE(buffer->IsCompoundOpen());
    }
    EXPECT_EQ("abc", AllText(*buffer));
}

TEST(BufferEdit, CombineWithLastJoinsTheTopRecord)
{
    auto buffer = MakeBuffer(nullptr, "abc");
    buffer->InsertText(0, 0, "1", 1);
    auto *extra = new SECEditTextCommand(buffer.get(), SECEditRange(0, 4, 0, 4), TRUE, "2");
    ASSERT_TRUE(extra->Execute());
    buffer->CombineWithLast(extra, FALSE);
    ASSERT_EQ(1, buffer->GetUndoCount());
    EXPECT_EQ(SECEditCommand::kCompositeCommandId, buffer->GetUndoTop()->GetTypeId());
    EXPECT_EQ("1abc2", AllText(*buffer));
    buffer->Undo();
    EXPECT_EQ("abc", AllText(*buffer));

    // With an empty history the record goes on alone.
    auto fresh = MakeBuffer(nullptr, "abc");
    auto *alone = new SECEditTextCommand(fresh.get(), SECEditRange(0, 0, 0, 0), TRUE, "z");
    ASSERT_TRUE(alone->Execute());
    fresh->CombineWithLast(alone, TRUE);
    EXPECT_EQ(alone, fresh->GetUndoTop());
}

TEST(BufferEdit, AnExecutingRecordMakesNoRecordOfItsOwn)
{
    auto buffer = MakeBuffer(nullptr, "abc\ndef");
    buffer->InsertText(0, 1, "XY\n", 3);
    buffer->DeleteText(0, 0, 1, 2);
    EXPECT_EQ(2, buffer->GetUndoCount());
    buffer->Undo();
    buffer->Undo();
    EXPECT_EQ(0, buffer->GetUndoCount());
    EXPECT_EQ(2, buffer->GetRedoCount());
    buffer->Redo();
    EXPECT_EQ(1, buffer->GetUndoCount());
    EXPECT_EQ(1, buffer->GetRedoCount());
    EXPECT_EQ(nullptr, buffer->GetExecutingCommand());
}

TEST(BufferEdit, AFailedInsertionRecordsNothingAndTellsNobody)
{
    TestLanguage language;
    auto buffer = MakeBuffer(language.get(), "/* a\nb */\n");
    Runs(*buffer, 2);
    ASSERT_EQ(1, buffer->GetTagRegionCount());
    RecordingObserver observer;
    buffer->Attach(&observer);
    EXPECT_FALSE(buffer->InsertText(9, 0, "x", 1));
    EXPECT_FALSE(buffer->InsertText(0, 99, "x", 1));
    EXPECT_FALSE(buffer->DeleteText(0, 0, 9, 0));
    EXPECT_TRUE(observer.entries.empty());
    EXPECT_EQ(0, buffer->GetUndoCount());
    EXPECT_EQ(1, buffer->GetTagRegionCount());
    EXPECT_FALSE(buffer->IsModified());
    buffer->Detach(&observer);
}

// ---------------------------------------------------------------------------
// Observers and hints

struct OrderLog : SECEditObserver {
    OrderLog(std::vector<int> &log, int id) : m_log(log), m_id(id) {}
    void OnUpdate(void *, SECEditHint *) override { m_log.push_back(m_id); }
    std::vector<int> &m_log;
    int m_id;
};

TEST(BufferHints, ObserversHearInAttachOrderAndTheSenderIsSkipped)
{
    auto buffer = MakeBuffer(nullptr, "abc");
    std::vector<int> log;
    OrderLog first(log, 1), second(log, 2), third(log, 3);
    buffer->Attach(&first);
    buffer->Attach(&second);
    buffer->Attach(&third);
    buffer->InsertText(0, 0, "x", 1);
    EXPECT_EQ((std::vector<int>{1, 2, 3}), log);
    log.clear();
    SECEditBufferHint *hint = new SECEditBufferHint(SECEDIT_HINT_GUTTER);
    buffer->Notify(&second, hint);
    hint->Release();
    EXPECT_EQ((std::vector<int>{1, 3}), log);
    buffer->Detach(&second);
    log.clear();
    buffer->InsertText(0, 0, "y", 1);
    EXPECT_EQ((std::vector<int>{1, 3}), log);
    buffer->Detach(&first);
    buffer->Detach(&third);
}

TEST(BufferHints, EveryHintHasItsDescription)
{
    const struct {
        int id;
        const char *text;
    } hints[] = {
        {22575, "Font Update Message"},
        {22576, "Splitter Synchronization Message"},
        {22581, "Line Count Changed"},
        {22582, "Initialize the controller"},
        {22583, "Invalidate the coloring cache and refresh"},
        {22584, "Invalidate the Gutter Area"},
    };
    for (const auto &h : hints) {
        auto *hint = new SECEditBufferHint(h.id);
        CString description;
        hint->GetDescription(description);
        EXPECT_EQ(CString(h.text), description) << h.id;
        EXPECT_EQ(h.id, hint->GetTypeId());
        void *answer = nullptr;
        EXPECT_EQ(S_OK, hint->QueryInterface(IID_SECEditHint, &answer));
        EXPECT_EQ(static_cast<SECEditHint *>(hint), answer);
        hint->Release();
    }
    auto *lines = new SECEditBufferHint(22585, 3, 7);
    CString description;
    lines->GetDescription(description);
    EXPECT_EQ(CString("Invalidate Lines 3 to 7"), description);
    lines->Release();
    EXPECT_EQ(CString("Ln 9999, Col 9999"), SECEditLoadString(22579));
}

TEST(BufferHints, EachChangeSendsItsHint)
{
    auto buffer = MakeBuffer(nullptr, "abc\ndef");
    RecordingObserver observer;
    buffer->Attach(&observer);
    buffer->InsertText(0, 0, "x", 1);
    ASSERT_EQ(1u, observer.entries.size());
    EXPECT_EQ(22586, observer.entries[0].type);
    EXPECT_EQ(static_cast<void *>(buffer.get()), observer.entries[0].sender);
    EXPECT_EQ(CString("Insert text having length 1 at line 0, column 0"), observer.entries[0].description);
    observer.entries.clear();
    EXPECT_TRUE(buffer->SetLanguage("Default"));
    EXPECT_EQ(1, observer.Count(22583));
    buffer->SetMark(1, 16, TRUE);
    EXPECT_EQ(1, observer.Count(22584));
    buffer->Initialize();
    EXPECT_EQ(1, observer.Count(22582));
    buffer->SetDisplayMetrics(buffer->CreateDisplayMetrics());
    EXPECT_EQ(1, observer.Count(22575));
    buffer->Detach(&observer);
}

TEST(BufferHints, ACompoundHintIsHandledRecordByRecord)
{
    auto buffer = MakeBuffer(nullptr, "abc");
    RecordingObserver observer;
    buffer->Attach(&observer);
    auto *compound = new SECEditCompositeCommand;
    compound->Add(new SECEditTextCommand(buffer.get(), SECEditRange(0, 1, 0, 1), TRUE, ""));
    compound->Add(new SECEditTextCommand(buffer.get(), SECEditRange(0, 2, 0, 2), FALSE, ""));
    buffer->GetObserverInterface()->OnUpdate(nullptr, compound);
    ASSERT_EQ((std::vector<int>{22586, 22586}), observer.Types());
    EXPECT_EQ(CString("Insert text having length 0 at line 0, column 1"), observer.entries[0].description);
    EXPECT_EQ(CString("Delete text from line 0, column 2 to line 0, column 2"), observer.entries[1].description);
    delete compound;
    buffer->Detach(&observer);
}

// ---------------------------------------------------------------------------
// Marks and line data

std::unique_ptr<SECEditTextBuffer> MarkBuffer(int lines)
{
    std::string text;
    for (int i = 0; i < lines; ++i)
        text += "line " + std::to_string(i) + "\n";
    auto buffer = MakeBuffer(nullptr, text);
    buffer->ClearMark(SECEditTextBuffer::kMarkEdited);
    return buffer;
}

TEST(BufferMarks, EnterAtColumnZeroMovesTheMarksAndMidLineDoesNot)
{
    auto buffer = MarkBuffer(4);
    buffer->SetMark(1, 16, TRUE);
    buffer->InsertText(1, 0, "\n", 1);
    EXPECT_FALSE(buffer->HasMark(1, 16));
    EXPECT_TRUE(buffer->HasMark(2, 16));
    buffer->InsertText(2, 3, "\n", 1);
    EXPECT_TRUE(buffer->HasMark(2, 16));
    EXPECT_FALSE(buffer->HasMark(3, 16));
    // Every line the edits touched carries mark 18.
    EXPECT_TRUE(buffer->HasMark(2, SECEditTextBuffer::kMarkEdited));
    EXPECT_TRUE(buffer->HasMark(3, SECEditTextBuffer::kMarkEdited));
}

TEST(BufferMarks, JoiningLinesKeepsTheMarksOfTheLineThatStays)
{
    auto buffer = MarkBuffer(4);
    buffer->SetMark(1, 16, TRUE);
    buffer->SetMark(2, 17, TRUE);
    // Deleting from the middle of line 1 to line 2: line 1 stays.
    buffer->DeleteText(1, 2, 2, 1);
    EXPECT_TRUE(buffer->HasMark(1, 16));
    EXPECT_FALSE(buffer->HasMark(1, 17));
    EXPECT_TRUE(buffer->HasMark(1, SECEditTextBuffer::kMarkEdited));
    // Deleting a whole line from its start: the line after it stays.
    buffer->SetMark(2, 17, TRUE);
    buffer->DeleteText(1, 0, 2, 0);
    EXPECT_FALSE(buffer->HasMark(1, 16));
    EXPECT_TRUE(buffer->HasMark(1, 17));
    EXPECT_TRUE(buffer->HasMark(1, SECEditTextBuffer::kMarkEdited));
}

TEST(BufferMarks, FindMarkedLineWrapsAndTestsTheStartLast)
{
    auto buffer = MarkBuffer(10);
    EXPECT_EQ(-1, buffer->FindMarkedLine(5, 16, TRUE));
    buffer->SetMark(2, 16, TRUE);
    EXPECT_EQ(2, buffer->FindMarkedLine(5, 16, TRUE));
    EXPECT_EQ(2, buffer->FindMarkedLine(5, 16, FALSE));
    EXPECT_EQ(2, buffer->FindMarkedLine(2, 16, TRUE));
    buffer->SetMark(2, 16, FALSE);
    buffer->SetMark(5, 16, TRUE);
    EXPECT_EQ(5, buffer->FindMarkedLine(5, 16, TRUE));
    buffer->SetMark(7, 16, TRUE);
    EXPECT_EQ(7, buffer->FindMarkedLine(5, 16, TRUE));
    EXPECT_EQ(5, buffer->FindMarkedLine(7, 16, TRUE));
    EXPECT_EQ(7, buffer->FindMarkedLine(5, 16, FALSE));
    EXPECT_EQ(2, buffer->CountMarkedLines(16));
    EXPECT_EQ(-1, buffer->ClearMark(16));
    EXPECT_EQ(0, buffer->CountMarkedLines(16));
}

TEST(BufferMarks, LineObjectsLiveOnlyWhileTheyHoldSomething)
{
    auto buffer = MarkBuffer(3);
    EXPECT_EQ(0, buffer->GetLiveLineObjectCount());
    buffer->SetMark(1, 16, TRUE);
    buffer->SetMark(1, 40, TRUE); // beyond the 32 marks: nothing
    EXPECT_FALSE(buffer->HasMark(1, 40));
    EXPECT_EQ(0, buffer->SetLineData(1, 42));
    EXPECT_EQ(1, buffer->GetLiveLineObjectCount());
    EXPECT_EQ(42, buffer->GetLineData(1));
    buffer->ToggleMark(1, 16);
    EXPECT_NE(nullptr, buffer->PeekLineObject(1));
    EXPECT_EQ(42, buffer->SetLineData(1, 0));
    EXPECT_EQ(nullptr, buffer->PeekLineObject(1));
    EXPECT_EQ(0, buffer->GetLiveLineObjectCount());
    // Deleting lines frees their objects.
    buffer->SetMark(1, 17, TRUE);
    buffer->DeleteText(0, 2, 2, 0);
    EXPECT_EQ(2, buffer->GetLineCount());
    EXPECT_EQ(0, buffer->CountMarkedLines(17));
}

// ---------------------------------------------------------------------------
// Columns

TEST(BufferColumns, ConvertAlignAndFill)
{
    auto buffer = MakeBuffer(nullptr, "\tab\tc\n  x\xc3\xa9y\n");
    EXPECT_EQ(4, buffer->ConvertColumn(1, FALSE, 0, nullptr));
    EXPECT_EQ(8, buffer->ConvertColumn(4, FALSE, 0, nullptr));
    int tabStart = -1;
    EXPECT_EQ(0, buffer->ConvertColumn(2, TRUE, 0, &tabStart));
    EXPECT_EQ(0, tabStart);
    EXPECT_EQ(3, buffer->ConvertColumn(7, TRUE, 0, &tabStart));
    EXPECT_EQ(6, tabStart);
    EXPECT_EQ(5, buffer->ConvertColumn(100, TRUE, 0, &tabStart));
    EXPECT_EQ(9, tabStart);
    // A column inside a character moves back to its first byte.
    EXPECT_EQ(3, buffer->AlignColumn(1, 4, FALSE));
    EXPECT_EQ(5, buffer->AlignColumn(1, 5, FALSE));
    EXPECT_EQ(-1, buffer->AlignColumn(1, 99, FALSE));
    EXPECT_EQ(-1, buffer->AlignColumn(7, 0, FALSE));
    CString fill;
    buffer->MakeFill(fill, 6, SECEditPosition(1, 1), TRUE);
    EXPECT_EQ(CString("\t   "), fill);
    buffer->MakeFill(fill, 8, SECEditPosition(1, 1), TRUE);
    EXPECT_EQ(CString("\t\t "), fill);
    buffer->MakeFill(fill, 2, SECEditPosition(1, 1), TRUE);
    EXPECT_EQ(CString("  "), fill);
    buffer->MakeFill(fill, 3, SECEditPosition(1, 1), FALSE);
    EXPECT_EQ(CString("   "), fill);
    EXPECT_EQ(3, buffer->ColumnsToNextTab(SECEditPosition(1, 1)));
    EXPECT_EQ(2, buffer->LeadingWhitespaceLength(1));
    EXPECT_TRUE(buffer->IsLineBlank(2));
    EXPECT_TRUE(buffer->IsLineBlank(9));
    EXPECT_FALSE(buffer->IsLineBlank(1));
    EXPECT_EQ(94, buffer->GetWhitespaceGlyph(TRUE));
    EXPECT_EQ(96, buffer->GetWhitespaceGlyph(FALSE));
    EXPECT_EQ(0, SECEditTextBuffer::CharsetForCodePage(65001));
    EXPECT_EQ(128, SECEditTextBuffer::CharsetForCodePage(932));
}

} // namespace

namespace {

SECEditLangConfig *g_dialogConfig = nullptr;
LOGFONT g_dialogFont = {};

BOOL RecordDialog(SECEditLangConfig *pConfig, LOGFONT &font)
{
    g_dialogConfig = pConfig;
    g_dialogFont = font;
    return TRUE;
}

TEST(BufferDialog, TheFontAndColourDialogGetsTheLanguageAndTheEditorFont)
{
    auto buffer = MakeBuffer(nullptr, "x");
    // Without a dialog to run, nothing is shown and nothing changes.
    SECEditTextBuffer::FontColorDialogRunner previous = SECEditTextBuffer::SetFontColorDialogRunner(nullptr);
    EXPECT_FALSE(buffer->ShowFontColorDialog());
    SECEditTextBuffer::SetFontColorDialogRunner(&RecordDialog);
    EXPECT_TRUE(buffer->ShowFontColorDialog());
    SECEditTextBuffer::SetFontColorDialogRunner(previous);
    EXPECT_EQ(buffer->GetLangConfig(), g_dialogConfig);
    EXPECT_EQ(0, g_dialogFont.lfCharSet);
    EXPECT_EQ(1, g_dialogFont.lfPitchAndFamily & 3);
    EXPECT_LT(g_dialogFont.lfHeight, 0);
}

TEST(BufferDialog, TheBufferAnswersItsIdentifiers)
{
    SECEditTextBuffer buffer;
    void *answer = nullptr;
    EXPECT_EQ(S_OK, buffer.QueryInterface(IID_SECEditTextBuffer, &answer));
    EXPECT_EQ(static_cast<void *>(&buffer), answer);
    EXPECT_EQ(S_OK, buffer.QueryInterface(IID_SECEditObject, &answer));
    EXPECT_EQ(static_cast<void *>(buffer.GetObserverInterface()), answer);
    EXPECT_EQ(E_NOINTERFACE, buffer.QueryInterface(IID_SECEditHint, &answer));
    EXPECT_EQ(nullptr, answer);
}

} // namespace
