// Shared pieces of the main frame's tests: a profile in a temporary folder,
// an application object, the main window's class, a document template of
// plain documents for MDI children, and a recorder that answers message
// boxes from a queue.
#pragma once

#include "framework/app/Document.h"
#include "framework/app/View.h"
#include "framework/app/WinApp.h"
#include "kilnsmith/frame/MainFrm.h"

#include "tests/support/ScopedEnv.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <deque>
#include <memory>
#include <string>
#include <vector>

struct RecordedBox {
    std::string text;
    std::string caption;
    UINT nType;
};

class BoxRecorder {
public:
    BoxRecorder();
    ~BoxRecorder();
    BoxRecorder(const BoxRecorder &) = delete;
    BoxRecorder &operator=(const BoxRecorder &) = delete;
    void Queue(int nAnswer) { m_answers.push_back(nAnswer); }
    const std::vector<RecordedBox> &Shown() const { return m_shown; }
    void Clear() { m_shown.clear(); }

private:
    static int Handler(LPCTSTR lpszText, UINT nType, UINT nIDHelp);
    std::deque<int> m_answers;
    std::vector<RecordedBox> m_shown;
    void *m_pPrevious;
};

// A document whose modified flag the tests set; saving it only counts.
class CFrameTestDoc : public CDocument {
    DECLARE_DYNCREATE(CFrameTestDoc)
public:
    BOOL DoFileSave() override;
    static int s_nSaves;
};

class CFrameTestView : public CView {
    DECLARE_DYNCREATE(CFrameTestView)
public:
    void OnDraw(CDC *) override {}
};

// Registers the main window's class (once) as the application does.
void RegisterMainWindowClass();
// Runs posted messages and Qt events for a moment.
void PumpMessages();

class FrameTestBase : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    // Creates the main frame as start-up does; it becomes the main window.
    CMainFrame *CreateMainFrame();
    // Opens a new document window in the frame.
    CFrameTestDoc *NewDocument();
    std::string ProfileText() const;
    std::string ConfigHome() const { return m_folder.File("config"); }

    TempFolder m_folder;
    std::unique_ptr<ScopedEnv> m_configHome;
    CWinApp *m_pApp = nullptr;
    CMainFrame *m_pFrame = nullptr;
    BoxRecorder m_boxes;
};
