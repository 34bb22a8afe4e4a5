// SECWndPlugIn: a window object that owns no window. It borrows the handle
// of a host window and runs the messages the host offers it through its own
// message map, so that one class (the editor's controller) can handle the
// keyboard, mouse and command messages of a window another class created.
//
// The host stays in charge: its routing decides which messages to offer
// (OnWndMsg, OnCmdMsg), and the answer says whether the plug-in handled
// them. The plug-in never subclasses the host, never enters the handle in
// the handle map and never destroys the host window.
#pragma once

#include "framework/window/Wnd.h"

class SECWndPlugIn : public CWnd {
    DECLARE_DYNAMIC(SECWndPlugIn)
public:
    SECWndPlugIn();
    // Drops the borrowed handle first, so that CWnd's teardown never
    // destroys the host window.
    ~SECWndPlugIn() override;

    // Makes value the answer of the message being dispatched.
    virtual void SetMsgResult(LRESULT value);
    // Borrows pHost's window; FALSE (and no change) for NULL.
    virtual BOOL PlugInTo(CWnd *pHost);
    // Lets go of the borrowed window; always FALSE.
    virtual BOOL UnPlug();
    virtual BOOL IsPlugged();

    // Attached: the plug-in's own command map only (commands are not
    // routed on to the host, its frame or its document).
    BOOL OnCmdMsg(UINT nID, int nCode, void *pExtra, AFX_CMDHANDLERINFO *pHandlerInfo) override;
    // Attached: dispatches through the map; the answer is the stored result
    // when a handler set one, otherwise the dispatch's.
    BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT *pResult) override;
    // Real default processing only while attached and only when a handler
    // asked for it (RequestDefault); 0 otherwise.
    LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

protected:
    // A handler calls this just before CWnd::Default when it wants the
    // window's default behaviour for the current message.
    void RequestDefault() { m_bDefaultRequested = TRUE; }

    DECLARE_MESSAGE_MAP()

private:
    DWORD m_dwScratch;
    BOOL m_bDefaultRequested;
    BOOL m_bResultSet;
    LRESULT m_lStoredResult;
    BOOL m_bAttached;
};
