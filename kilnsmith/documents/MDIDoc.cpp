#include "kilnsmith/documents/MDIDoc.h"

#include "kilnsmith/documents/DocumentSettings.h"

IMPLEMENT_DYNCREATE(CMDIDoc, CDocument)

CMDIDoc::CMDIDoc() = default;
CMDIDoc::~CMDIDoc() = default;

BOOL CMDIDoc::OnNewDocument()
{
    if (!CDocument::OnNewDocument())
        return FALSE;
    m_buffer.NewDocument("C");
    return TRUE;
}

BOOL CMDIDoc::OnOpenDocument(LPCTSTR lpszPathName)
{
    m_buffer.SetLanguage(CDocumentSettings::Current().LanguageForPath(lpszPathName));
    return m_buffer.Open(lpszPathName);
}

BOOL CMDIDoc::OnSaveDocument(LPCTSTR lpszPathName)
{
    if (!m_buffer.Save(lpszPathName))
        return FALSE;
    const CString language = CDocumentSettings::Current().LanguageForPath(lpszPathName);
    if (language != m_buffer.GetLanguageName())
        m_buffer.SetLanguage(language);
    return TRUE;
}

BOOL CMDIDoc::IsModified()
{
    return m_buffer.IsModified();
}
