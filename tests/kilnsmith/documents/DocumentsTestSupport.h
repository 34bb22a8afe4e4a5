// Shared pieces of the source document tests: the languages "C" and "HTML"
// from the shipped language files, the program's extension map installed,
// buffers holding a text, and an MDI frame whose template makes CMDIDoc,
// CChildFrame and CMDIView.
#pragma once

#include "kilnsmith/documents/ChildFrm.h"
#include "kilnsmith/documents/DocumentSettings.h"
#include "kilnsmith/documents/MDIDoc.h"
#include "kilnsmith/documents/MDITextBuffer.h"
#include "kilnsmith/documents/MDIView.h"

#include "framework/app/DocTemplate.h"
#include "framework/app/MDIFrameWnd.h"
#include "framework/app/WinApp.h"

#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <deque>
#include <memory>
#include <string>
#include <vector>

// Registers "C" and "HTML" once (with "Default", which the registry always
// has).
void RegisterTestLanguages();

// A wizard buffer in the language holding the text, unmodified.
std::unique_ptr<CMDITextBuffer> MakeWizardBuffer(LPCTSTR language, const std::string &text);
// The runs of a line as (length, group) pairs.
std::vector<std::pair<int, int>> LineRuns(SECEditTextBuffer &buffer, int line);
// The group of the byte at col of the line.
int GroupAt(SECEditTextBuffer &buffer, int line, int col);
// The group index of a named colour group of the buffer's language.
int GroupNamed(SECEditTextBuffer &buffer, LPCTSTR name);

// Collects message boxes and answers them from a queue (the default button
// when it is empty).
class BoxRecorder {
public:
    BoxRecorder();
    ~BoxRecorder();
    void Queue(int answer) { m_answers.push_back(answer); }
    std::vector<std::string> shown;

private:
    static int Handler(LPCTSTR lpszText, UINT nType, UINT nIDHelp);
    std::deque<int> m_answers;
    void *m_pPrevious;
};

// An application object with the wizard's document template and an MDI
// main frame, the program's extension map installed, in a temporary folder.
class DocumentsAppTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    // File New through the template: the new child frame.
    CChildFrame *NewChild();
    CChildFrame *OpenChild(const std::string &path);
    static CMDIView *ViewOf(CChildFrame *pChild);

    TempFolder m_folder;
    std::string m_oldConfigHome;
    CDocumentSettings m_settings;
    CWinApp *m_pApp = nullptr;
    CMultiDocTemplate *m_pTemplate = nullptr;
    CMDIFrameWnd *m_pFrame = nullptr;
    BoxRecorder m_boxes;
};

void PumpEvents();
