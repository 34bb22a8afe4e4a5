// CMDIView: the source editor view of a CMDIDoc. It shows the document's
// buffer and edits it through a CMDIEditController; printing is the editor
// view's.
#pragma once

#include "editor/view/SECEditView.h"

class CMDIDoc;

class CMDIView : public SECEditView {
    DECLARE_DYNCREATE(CMDIView)
public:
    CMDIView();
    ~CMDIView() override;

    // The view's document, NULL before it has one.
    CMDIDoc *GetDocument() const;
    // The document's buffer (NULL without a document).
    SECEditTextBuffer *GetTextBuffer() override;
    // No class background, the I-beam cursor, double clicks.
    BOOL PreCreateWindow(CREATESTRUCT &cs) override;

protected:
    SECEditController *NewController() override;

    DECLARE_MESSAGE_MAP()
};
