// The wizard tests' program: an application object with a multiple-document
// template of plain text documents in an MDI frame, a temporary folder that
// holds the profile and the work folder, and recorded message boxes.
#pragma once

#include "../../framework/app/AppTestSupport.h"

#include "framework/app/Document.h"
#include "framework/app/MDIFrameWnd.h"
#include "framework/app/View.h"

#include <string>

// A document that holds the bytes of its file.
class CTextDoc : public CDocument {
    DECLARE_DYNCREATE(CTextDoc)
public:
    BOOL OnOpenDocument(LPCTSTR lpszPathName) override;
    std::string m_text;
};

class CTextView : public CView {
    DECLARE_DYNCREATE(CTextView)
protected:
    void OnDraw(CDC *) override {}
};

class WizardTest : public AppTestBase {
protected:
    void SetUp() override;

    std::string WorkFolder() const { return (m_folder / "work").string(); }
    std::string WorkFile(const char *lpszName) const { return (m_folder / "work" / lpszName).string(); }
    // The open documents' paths, in the template's order.
    std::vector<std::string> OpenPaths() const;
    // The document shown by the active MDI child, or NULL.
    CDocument *ActiveDocument() const;

    CMDIFrameWnd *m_pFrame = nullptr;
};
