// CMDIDoc: a source file being edited. The document holds the only text
// buffer of the file (every view of it shows that buffer), picks the
// buffer's language from the file's extension when the file is opened or
// saved, and reads and writes the file through the buffer.
#pragma once

#include "kilnsmith/documents/MDITextBuffer.h"

#include "framework/app/Document.h"

class CMDIDoc : public CDocument {
    DECLARE_DYNCREATE(CMDIDoc)
public:
    CMDIDoc();
    ~CMDIDoc() override;

    CMDITextBuffer &GetBuffer() { return m_buffer; }

    // An empty text in the language "C".
    BOOL OnNewDocument() override;
    // The language of the path's extension, then the file's bytes.
    BOOL OnOpenDocument(LPCTSTR lpszPathName) override;
    // The buffer's bytes to the path; a saved path with another extension
    // takes that extension's language.
    BOOL OnSaveDocument(LPCTSTR lpszPathName) override;
    // The buffer's modified state.
    BOOL IsModified() override;

private:
    CMDITextBuffer m_buffer;
};
