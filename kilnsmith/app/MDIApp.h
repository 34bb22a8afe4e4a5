// CMDIApp: the class wizard's application object.  It lets one copy run per
// user, binds the profile "Kilnsmith"/"Plexo Kilnsmith", registers the
// editor's languages and the extensions that choose them, prepares the work
// folder, creates the document template and the main frame, and carries
// the wizard commands that write a class and open its two files.  At exit
// it writes back every language configuration that was loaded.
#pragma once

#include "kilnsmith/documents/DocumentSettings.h"

#include "framework/app/WinApp.h"

class CDocTemplate;
class CFrameWnd;

// The class of the main window, by which a second copy finds the first.
#define KILNSMITH_MAIN_WINDOW_CLASS "Author:marrowdale"

class CMDIApp : public CWinApp {
public:
    CMDIApp();
    ~CMDIApp() override;

    BOOL InitInstance() override;
    int ExitInstance() override;
    // TRUE when no other copy runs; otherwise brings that copy's window
    // forward, hands it the command line's files and returns FALSE.
    BOOL FirstInstance();
    // Sends the command line's files (made absolute) to the running copy's
    // main window; nothing when the command line names none.
    void HandFilesTo(HWND hRunning);

    // The language of a file by its extension ("Default" when unknown).
    CString GetLanguageForPath(LPCTSTR lpszPath) const;
    const CString &GetWorkFolder() const { return m_strWorkFolder; }

    // What the documents and child frames read: the "Use Splitter" flag
    // (new child frames carry a dynamic 2 x 2 splitter) and the map of
    // lower-case extensions (".cpp") to language names ("C").  Installed
    // for them while the application object lives.
    CDocumentSettings m_documentSettings;

protected:
    // The multiple-document template of the source documents.
    virtual CDocTemplate *CreateDocumentTemplate();
    // The main frame, loaded and not yet shown; NULL when it failed.
    virtual CFrameWnd *CreateMainFrame();
    // Registers the windows' resources (the icons among them), before the
    // main-window class takes its icon.
    void RegisterWindowResources();

    BOOL RegisterMainWindowClass();
    // Opens the files named on the command line; FALSE when the first
    // cannot be opened (as the standard shell command fails).
    BOOL ProcessCommandLine();

    afx_msg BOOL OnCreateClass(UINT nID);
    afx_msg void OnFileOpen();
    afx_msg void OnAppAbout();
    afx_msg void OnUseSplitter();
    afx_msg void OnUpdateUseSplitter(CCmdUI *pCmdUI);
    afx_msg void OnUpdateCreateClass(CCmdUI *pCmdUI);
    DECLARE_MESSAGE_MAP()

private:
    BOOL m_bClassRegistrationTried = FALSE;
    CString m_strWorkFolder;
};

// The application object as CMDIApp; NULL when another kind runs.
CMDIApp *KilnsmithGetApp();
