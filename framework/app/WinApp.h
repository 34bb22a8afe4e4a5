// CWinApp: the program's one application object. It starts the program
// (AfxWinMain calls InitInstance, then Run, then ExitInstance), owns the
// document templates and the recent-file list, binds the profile, answers
// the application commands (New, Open, recent files, Exit) and runs the
// idle time and pre-translation of the message loop.
#pragma once

#include "framework/app/AppIds.h"
#include "framework/base/CString.h"
#include "framework/collections/Lists.h"
#include "framework/window/Wnd.h"

class CCommandLineInfo;
class CDocTemplate;
class CDocument;
class CRecentFileList;

class CWinApp : public CCmdTarget {
    DECLARE_DYNAMIC(CWinApp)
public:
    // lpszAppName: NULL takes the title string AFX_IDS_APP_TITLE, else the
    // executable's name. There is one application object at a time.
    explicit CWinApp(LPCTSTR lpszAppName = NULL);
    ~CWinApp() override;

    // ---- Start-up and the message loop
    virtual BOOL InitApplication();
    virtual BOOL InitInstance();
    // The program's exit code.
    virtual int ExitInstance();
    // Runs the message loop with idle processing until WM_QUIT, then
    // ExitInstance.
    virtual int Run();
    // lCount 0: command updates of the main window; 1: temporary objects go.
    // TRUE asks for more idle time.
    virtual BOOL OnIdle(LONG lCount);
    // Accelerators of the frames (the window chain), then modeless dialogs.
    virtual BOOL PreTranslateMessage(MSG *pMsg);
    virtual int DoMessageBox(LPCTSTR lpszPrompt, UINT nType, UINT nIDPrompt);

    // The settings the program's start-up makes; they succeed and do nothing.
    BOOL Enable3dControls() { return TRUE; }
    BOOL Enable3dControlsStatic() { return TRUE; }

    // ---- Profile
    void SetRegistryKey(LPCTSTR lpszRegistryKey);
    void SetRegistryKey(UINT nIDRegistryKey);
    // Reads the recent-file list (nMaxMRU entries, 0: none).
    void LoadStdProfileSettings(UINT nMaxMRU = 4);
    void SaveStdProfileSettings();
    UINT GetProfileInt(LPCTSTR lpszSection, LPCTSTR lpszEntry, int nDefault);
    CString GetProfileString(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPCTSTR lpszDefault = NULL);
    BOOL WriteProfileInt(LPCTSTR lpszSection, LPCTSTR lpszEntry, int nValue);
    BOOL WriteProfileString(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPCTSTR lpszValue);

    // ---- Documents
    // The application owns the templates and deletes them at the end.
    void AddDocTemplate(CDocTemplate *pTemplate);
    POSITION GetFirstDocTemplatePosition() const;
    CDocTemplate *GetNextDocTemplate(POSITION &pos) const;
    int GetOpenDocumentCount() const;
    // A document already open under the same path is activated instead.
    virtual CDocument *OpenDocumentFile(LPCTSTR lpszFileName);
    virtual void AddToRecentFileList(LPCTSTR lpszPathName);
    // Save prompts for every modified document; FALSE when one was cancelled.
    virtual BOOL SaveAllModified();
    void CloseAllDocuments(BOOL bEndSession);
    // The path prompt of Open and Save As, with the templates' filters.
    virtual BOOL DoPromptFileName(CString &fileName, LPCTSTR lpszTitle, BOOL bOpenFileDialog, CDocTemplate *pTemplate);
    CRecentFileList *GetRecentFileList() const { return m_pRecentFileList; }

    // ---- Command line
    void ParseCommandLine(CCommandLineInfo &rCmdInfo);
    // New, Open, print or nothing as the command line asks; FALSE ends the
    // program (a document that cannot be opened, a failed new document).
    BOOL ProcessShellCommand(CCommandLineInfo &rCmdInfo);

    // ---- Application commands
    afx_msg void OnFileNew();
    afx_msg void OnFileOpen();
    // ID_FILE_PRINT_SETUP: the print dialog in its setup form; the choice
    // becomes the application's printer (fw_appui module).
    afx_msg void OnFilePrintSetup();
    afx_msg BOOL OnOpenRecentFile(UINT nID);
    afx_msg void OnUpdateRecentFileMenu(CCmdUI *pCmdUI);
    afx_msg void OnAppExit();

    CWnd *m_pMainWnd = nullptr;
    LPCTSTR m_pszAppName = nullptr;
    LPCTSTR m_pszExeName = nullptr;
    LPCTSTR m_pszHelpFilePath = nullptr;
    LPCTSTR m_pszRegistryKey = nullptr;
    LPCTSTR m_pszProfileName = nullptr;
    int m_nCmdShow = 1; // SW_SHOWNORMAL
    int __argc = 0;
    char **__argv = nullptr;

    // Sets the names the start-up derives from the program's path: the
    // executable's name, the help path, the title, the profile's name
    // (AfxWinMain calls it with argv[0]).
    void SetProgramPaths(LPCTSTR lpszProgramPath);

protected:
    friend int AfxWinMain(int argc, char **argv);
    // The templates go when the program ends, while the window layer still
    // holds their menus.
    void DeleteDocTemplates();

    CPtrList m_templateList;
    CRecentFileList *m_pRecentFileList = nullptr;
    UINT m_nMaxRecent = 0;

    DECLARE_MESSAGE_MAP()

private:
    CString m_strAppName;
    CString m_strExeName;
    CString m_strHelpFilePath;
    CString m_strRegistryKey;
    CString m_strProfileName;
};

CWinApp *AfxGetApp();
LPCTSTR AfxGetAppName();
// The program's entry: a program's main returns AfxWinMain(argc, argv).
// InitInstance returning FALSE runs ExitInstance and ends the program.
int AfxWinMain(int argc, char **argv);

// The control container and the OLE start-up: nothing to set up here;
// AfxOleInit marks the thread as OLE-initialised (AfxOleIsInitialized).
BOOL AfxEnableControlContainer();
BOOL AfxOleInit();
BOOL AfxOleIsInitialized();
