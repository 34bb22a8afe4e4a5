// Opening and saving files and archives.  A file's bytes go into the store
// unchanged and come back out unchanged.
#include "editor/text/SECEditTextBuffer.h"

#include "editor/lang/SECEditLangConfig.h"
#include "editor/text/SECEditBufferHint.h"
#include "editor/text/SECEditDisplayMetrics.h"
#include "editor/text/SECEditMessage.h"
#include "editor/text/SECEditTextStore.h"

#include "framework/object/Archive.h"
#include "framework/object/File.h"
#include "framework/window/CmdTarget.h"
#include "framework/window/WinMessages.h"

#include <algorithm>
#include <climits>
#include <cstring>

namespace {

// Follows the lengths of the lines in the pieces as they are read, to note
// the lines that may be wider than the limit (length x tab size beyond it).
class LineWidthTracker {
public:
    LineWidthTracker(int tabSize, int maxWidth) : m_nTabSize(tabSize), m_nMaxWidth(maxWidth) {}

    void Feed(const char *p, int count)
    {
        const char *end = p + count;
        while (p < end) {
            const char *newline = static_cast<const char *>(std::memchr(p, '\n', static_cast<size_t>(end - p)));
            const char *stop = newline ? newline : end;
            m_nLength += stop - p;
            if (!newline)
                return;
            EndLine();
            p = newline + 1;
        }
    }
    std::vector<int> Finish()
    {
        EndLine();
        return std::move(m_candidates);
    }

private:
    void EndLine()
    {
        if (m_nLength * m_nTabSize > m_nMaxWidth)
            m_candidates.push_back(m_nLine);
        ++m_nLine;
        m_nLength = 0;
    }

    long long m_nTabSize;
    long long m_nMaxWidth;
    long long m_nLength = 0;
    int m_nLine = 0;
    std::vector<int> m_candidates;
};

} // namespace

// ---------------------------------------------------------------------------
// Open

BOOL SECEditTextBuffer::Open(LPCTSTR lpszPath)
{
    CWaitCursor wait;
    CFile file;
    CFileException error;
    if (!lpszPath || !file.Open(lpszPath, CFile::modeRead | CFile::shareDenyNone, &error)) {
        Initialize();
        error.ReportError();
        return FALSE;
    }
    std::vector<int> wideCandidates;
    BOOL read = FALSE;
    try {
        if (file.GetLength() > static_cast<ULONGLONG>(SECEditTextStore::kMaxTextLength)) {
            Initialize();
            ReportOpenError();
            return FALSE;
        }
        Initialize();
        read = ReadFileInto(file, wideCandidates);
    } catch (CFileException *e) {
        Initialize();
        e->ReportError();
        e->Delete();
        return FALSE;
    }
    if (!read) {
        Initialize();
        ReportOpenError();
        return FALSE;
    }
    m_pStore->DetectReturnChar();
    const size_t lines = static_cast<size_t>(GetLineCount());
    ResetColorCache();
    m_rows.assign(lines, nullptr);
    RemoveAllLineObjects();
    SendPlainHint(SECEDIT_HINT_INITIALIZE);
    FitMaxLineWidth(wideCandidates);
    return TRUE;
}

BOOL SECEditTextBuffer::ReadFileInto(CFile &file, std::vector<int> &wideCandidates)
{
    // Each piece ends in a NUL of its own.
    std::vector<char> piece(static_cast<size_t>(kReadPiece) + 1, 0);
    LineWidthTracker tracker(GetTabSize(), kDefaultMaxLineWidth);
    for (;;) {
        const UINT count = file.Read(piece.data(), kReadPiece);
        if (count == 0)
            break;
        piece[count] = 0;
        const SECEditPosition end = GetEndPosition();
        SECEditRange range(end, end);
        if (!m_pStore->InsertText(range, piece.data(), static_cast<int>(count)))
            return FALSE;
        tracker.Feed(piece.data(), static_cast<int>(count));
    }
    wideCandidates = tracker.Finish();
    return TRUE;
}

// The widest line sets the buffer's line width, so that opening never
// changes the text.  Only a line that pixel coordinates cannot address is
// broken, and the user is told.
void SECEditTextBuffer::FitMaxLineWidth(const std::vector<int> &wideCandidates)
{
    int widest = 0;
    for (int line : wideCandidates)
        widest = std::max(widest, DisplayWidth(line));
    const int cellWidth = m_pMetrics ? std::max({m_pMetrics->GetCharWidth(), m_pMetrics->GetSpaceWidth(), 1}) : 1;
    const int addressable = INT_MAX / cellWidth;
    if (widest <= addressable) {
        m_nMaxLineWidth = std::max(kDefaultMaxLineWidth, widest);
        return;
    }
    m_nMaxLineWidth = kDefaultMaxLineWidth;
    BreakLongLines(TRUE, 0, -1);
    SECEditMessageBox("The file was opened with its longest lines broken; it is marked modified.", MB_ICONEXCLAMATION);
}

void SECEditTextBuffer::ReportOpenError()
{
    SECEditMessageBox("Unable to Open File", MB_ICONEXCLAMATION);
}

// ---------------------------------------------------------------------------
// Save

BOOL SECEditTextBuffer::Save(LPCTSTR lpszPath)
{
    CWaitCursor wait;
    if (!lpszPath || !m_pStore)
        return FALSE;
    CFileStatus status;
    if (CFile::GetStatus(lpszPath, status)) {
        if (status.m_attribute & CFile::readOnly) {
            CString message = SECEditLoadString(SECEDIT_MSG_READ_ONLY);
            message.Replace("%1", lpszPath);
            SECEditMessageBox(message, MB_ICONEXCLAMATION);
            return FALSE;
        }
        CFile trial;
        CFileException error;
        if (!trial.Open(lpszPath, CFile::modeWrite | CFile::shareExclusive, &error)) {
            error.ReportError();
            return FALSE;
        }
        trial.Close();
    }
    if (!WriteFile(lpszPath))
        return FALSE;
    // Only a save that reached the disk moves the saved marker.
    MarkSaved();
    m_bModified = FALSE;
    return TRUE;
}

BOOL SECEditTextBuffer::WriteFile(LPCTSTR lpszPath)
{
    CMirrorFile mirror;
    CFileException error;
    if (!mirror.Open(lpszPath, CFile::modeCreate | CFile::modeWrite | CFile::shareExclusive, &error)) {
        error.ReportError();
        return FALSE;
    }
    try {
        m_pStore->Write(&mirror, FALSE);
        mirror.Close();
    } catch (CFileException *e) {
        e->ReportError();
        e->Delete();
        mirror.Abort();
        return FALSE;
    }
    return TRUE;
}

// ---------------------------------------------------------------------------
// Archives

void SECEditTextBuffer::SerializeText(CArchive &ar)
{
    if (ar.IsStoring()) {
        ar << GetAllText();
    } else {
        // The whole record is read before the buffer changes.
        CString text;
        ar >> text;
        SetText(text, text.GetLength());
    }
    // A loaded or stored document is at its saved state.
    ClearHistory();
    MarkSaved();
    m_bModified = FALSE;
}

void SECEditTextBuffer::SerializeLanguage(CArchive &ar)
{
    if (ar.IsStoring()) {
        ar << GetLanguageName();
        return;
    }
    CString name;
    ar >> name;
    SetLanguage(name);
}

void SECEditTextBuffer::Serialize(CArchive &ar)
{
    SerializeText(ar);
    SerializeLanguage(ar);
}
