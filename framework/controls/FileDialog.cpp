// CFileDialog on QFileDialog, with the name and type fields standing in as
// controls 1152 and 1136.
#include "framework/controls/FileDialog.h"
#include "framework/controls/ComboBox.h"

#include "framework/window/MessageApi.h"
#include "framework/window/WindowApi.h"

#include <QComboBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>

#include <algorithm>
#include <cstring>

namespace {

constexpr size_t kDefaultFileBuffer = 260;
constexpr size_t kMultiFileBuffer = 64 * 1024;

// The stand-ins of the name and type fields, in a hidden dialog.
const RESOURCE_DIALOG_ITEM kFieldItems[] = {
    {"EDIT", "", PLEXO_FILE_NAME_ID, 0, 0, 100, 12, ES_AUTOHSCROLL | WS_VISIBLE, 0},
    {"COMBOBOX", "", PLEXO_FILE_TYPE_ID, 0, 14, 100, 60, CBS_DROPDOWNLIST | WS_VSCROLL | WS_VISIBLE, 0},
};
const RESOURCE_DIALOG kFieldsTemplate = {WS_POPUP, 0, 0, 0, 100, 30, "", nullptr, 0, 0, kFieldItems, 2};

// "*.bmp" matching "A.BMP": every letter becomes a class of both cases.
QString CaseFree(const QString &pattern)
{
    if (pattern == QLatin1String("*.*"))
        return QStringLiteral("*");
    QString out;
    for (QChar c : pattern) {
        if (c.isLetter() && c.toLower() != c.toUpper())
            out += QLatin1Char('[') + c.toLower() + c.toUpper() + QLatin1Char(']');
        else
            out += c;
    }
    return out;
}

// The (description, patterns) pairs of a NUL-separated filter.
std::vector<std::pair<QString, QString>> Pairs(LPCTSTR lpszFilter)
{
    std::vector<std::pair<QString, QString>> pairs;
    if (!lpszFilter)
        return pairs;
    const char *p = lpszFilter;
    while (*p) {
        QString description = QString::fromUtf8(p);
        p += std::strlen(p) + 1;
        if (!*p)
            break; // a description without patterns ends the list
        QString patterns = QString::fromUtf8(p);
        p += std::strlen(p) + 1;
        pairs.emplace_back(description, patterns);
    }
    return pairs;
}

QString QtFilter(const std::pair<QString, QString> &pair)
{
    QStringList globs;
    for (const QString &pattern : pair.second.split(QLatin1Char(';'), Qt::SkipEmptyParts))
        globs << CaseFree(pattern.trimmed());
    // Qt reads the patterns from the last parentheses of the name.
    return pair.first + QStringLiteral(" (") + globs.join(QLatin1Char(' ')) + QLatin1Char(')');
}

} // namespace

IMPLEMENT_DYNAMIC(CFileDialog, CDialog)

CFileDialog::CFileDialog(BOOL bOpenFileDialog, LPCTSTR lpszDefExt, LPCTSTR lpszFileName, DWORD dwFlags,
                         LPCTSTR lpszFilter, CWnd *pParentWnd)
    : m_bOpenFileDialog(bOpenFileDialog)
{
    m_pParentWnd = pParentWnd;
    m_ofn.lStructSize = sizeof(m_ofn);
    m_ofn.Flags = dwFlags | OFN_EXPLORER;
    m_ofn.nFilterIndex = 1;
    if (lpszFilter) {
        m_filter = lpszFilter;
        std::replace(m_filter.begin(), m_filter.end(), '|', '\0');
        m_filter.append(2, '\0');
        m_ofn.lpstrFilter = m_filter.data();
    }
    if (lpszDefExt) {
        m_defExt = lpszDefExt;
        m_ofn.lpstrDefExt = m_defExt.c_str();
    }
    m_fileBuffer.assign((dwFlags & OFN_ALLOWMULTISELECT) ? kMultiFileBuffer : kDefaultFileBuffer, '\0');
    if (lpszFileName)
        std::strncpy(&m_fileBuffer[0], lpszFileName, m_fileBuffer.size() - 1);
    m_ofn.lpstrFile = &m_fileBuffer[0];
    m_ofn.nMaxFile = static_cast<DWORD>(m_fileBuffer.size());
}

std::vector<CString> CFileDialog::PlexoQtFilters(LPCTSTR lpszNulSeparated)
{
    std::vector<CString> filters;
    for (const auto &pair : Pairs(lpszNulSeparated))
        filters.emplace_back(QtFilter(pair).toUtf8().constData());
    return filters;
}

void CFileDialog::OnTypeChange() {}

BOOL CFileDialog::OnCommand(WPARAM wParam, LPARAM lParam)
{
    // The program rewrote the name field: the Qt dialog shows it.
    if (LOWORD(wParam) == PLEXO_FILE_NAME_ID && HIWORD(wParam) == EN_CHANGE && m_nameField && !m_syncing) {
        CString text;
        GetDlgItemText(PLEXO_FILE_NAME_ID, text);
        m_syncing = true;
        static_cast<QLineEdit *>(m_nameField)->setText(QString::fromUtf8(static_cast<LPCTSTR>(text)));
        m_syncing = false;
        return TRUE;
    }
    return CDialog::OnCommand(wParam, lParam);
}

void CFileDialog::StoreResult(const std::vector<CString> &paths)
{
    std::string result;
    if (paths.size() > 1) {
        QFileInfo first(QString::fromUtf8(static_cast<LPCTSTR>(paths.front())));
        result = first.absolutePath().toUtf8().toStdString();
        result += '\0';
        for (const CString &path : paths) {
            result += QFileInfo(QString::fromUtf8(static_cast<LPCTSTR>(path))).fileName().toUtf8().toStdString();
            result += '\0';
        }
    } else if (!paths.empty()) {
        result = static_cast<LPCTSTR>(paths.front());
        result += '\0';
    }
    result += '\0';
    if (!m_ofn.lpstrFile || result.size() > m_ofn.nMaxFile)
        return;
    std::memcpy(m_ofn.lpstrFile, result.data(), result.size());
    if (paths.size() == 1) {
        std::string path = static_cast<LPCTSTR>(paths.front());
        size_t slash = path.rfind('/');
        size_t name = slash == std::string::npos ? 0 : slash + 1;
        size_t dot = path.rfind('.');
        m_ofn.nFileOffset = static_cast<WORD>(name);
        m_ofn.nFileExtension = static_cast<WORD>(dot == std::string::npos || dot < name ? path.size() : dot + 1);
    }
}

INT_PTR CFileDialog::DoModal()
{
    HWND hOwner = CommonDialogs::Owner(m_pParentWnd);
    std::vector<std::pair<QString, QString>> pairs = Pairs(m_ofn.lpstrFilter);
    QStringList filters;
    for (const auto &pair : pairs)
        filters << QtFilter(pair);

    // The stand-in fields live while the dialog runs.
    if (!CreateIndirect(&kFieldsTemplate, hOwner ? CWnd::FromHandle(hOwner) : nullptr))
        return IDCANCEL;
    CComboBox types;
    types.Attach(::GetDlgItem(m_hWnd, PLEXO_FILE_TYPE_ID));
    for (const auto &pair : pairs)
        types.AddString(pair.first.toUtf8().constData());
    int index = static_cast<int>(m_ofn.nFilterIndex) - 1;
    if (index < 0 || index >= static_cast<int>(pairs.size()))
        index = 0;
    types.SetCurSel(index);
    types.Detach();
    SetDlgItemText(PLEXO_FILE_NAME_ID, m_ofn.lpstrFile ? m_ofn.lpstrFile : "");

    QFileDialog dialog;
    dialog.setOption(QFileDialog::DontUseNativeDialog, true);
    dialog.setAcceptMode(m_bOpenFileDialog ? QFileDialog::AcceptOpen : QFileDialog::AcceptSave);
    if (m_bOpenFileDialog)
        dialog.setFileMode((m_ofn.Flags & OFN_ALLOWMULTISELECT) ? QFileDialog::ExistingFiles
                                                                : QFileDialog::ExistingFile);
    else
        dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, m_bOpenFileDialog || !(m_ofn.Flags & OFN_OVERWRITEPROMPT));
    if (m_ofn.lpstrTitle && *m_ofn.lpstrTitle)
        dialog.setWindowTitle(QString::fromUtf8(m_ofn.lpstrTitle));
    if (!filters.isEmpty()) {
        dialog.setNameFilters(filters);
        dialog.selectNameFilter(filters[index]);
    }
    if (m_ofn.lpstrInitialDir && *m_ofn.lpstrInitialDir)
        dialog.setDirectory(QString::fromUtf8(m_ofn.lpstrInitialDir));
    if (m_ofn.lpstrDefExt && *m_ofn.lpstrDefExt)
        dialog.setDefaultSuffix(QString::fromUtf8(m_ofn.lpstrDefExt));
    if (m_ofn.lpstrFile && *m_ofn.lpstrFile)
        dialog.selectFile(QString::fromUtf8(m_ofn.lpstrFile));

    auto *nameField = dialog.findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
    m_nameField = nameField;
    if (nameField) {
        QObject::connect(nameField, &QLineEdit::textChanged, &dialog, [this](const QString &text) {
            if (m_syncing || !m_hWnd)
                return;
            m_syncing = true;
            SetDlgItemText(PLEXO_FILE_NAME_ID, text.toUtf8().constData());
            m_syncing = false;
        });
        SetDlgItemText(PLEXO_FILE_NAME_ID, nameField->text().toUtf8().constData());
    }
    if (auto *typeField = dialog.findChild<QComboBox *>(QStringLiteral("fileTypeCombo"))) {
        QObject::connect(typeField, &QComboBox::currentIndexChanged, &dialog, [this](int chosen) {
            if (chosen < 0 || !m_hWnd)
                return;
            m_ofn.nFilterIndex = static_cast<DWORD>(chosen) + 1;
            SendDlgItemMessage(PLEXO_FILE_TYPE_ID, CB_SETCURSEL, static_cast<WPARAM>(chosen));
            OnTypeChange();
        });
    }

    bool accepted = CommonDialogs::Run(dialog, hOwner);
    m_nameField = nullptr;
    if (accepted) {
        std::vector<CString> paths;
        for (const QString &file : dialog.selectedFiles())
            paths.emplace_back(file.toUtf8().constData());
        int chosen = filters.indexOf(dialog.selectedNameFilter());
        if (chosen >= 0)
            m_ofn.nFilterIndex = static_cast<DWORD>(chosen) + 1;
        StoreResult(paths);
    }
    DestroyWindow();
    return accepted ? IDOK : IDCANCEL;
}

CString CFileDialog::GetPathName() const
{
    if (!m_ofn.lpstrFile)
        return CString();
    POSITION pos = GetStartPosition();
    return pos ? GetNextPathName(pos) : CString();
}

CString CFileDialog::GetFileName() const
{
    CString path = GetPathName();
    int slash = path.ReverseFind('/');
    return path.Mid(slash + 1);
}

CString CFileDialog::GetFileExt() const
{
    CString name = GetFileName();
    int dot = name.ReverseFind('.');
    return dot < 0 ? CString() : name.Mid(dot + 1);
}

CString CFileDialog::GetFileTitle() const
{
    CString name = GetFileName();
    int dot = name.ReverseFind('.');
    return dot < 0 ? name : name.Left(dot);
}

POSITION CFileDialog::GetStartPosition() const
{
    if (!m_ofn.lpstrFile || !*m_ofn.lpstrFile)
        return nullptr;
    return reinterpret_cast<POSITION>(static_cast<intptr_t>(1));
}

// POSITION is the offset of the next name plus one; the first name of a
// multiple selection is the folder the others are in.
CString CFileDialog::GetNextPathName(POSITION &pos) const
{
    const char *buffer = m_ofn.lpstrFile;
    auto offset = static_cast<size_t>(reinterpret_cast<intptr_t>(pos)) - 1;
    size_t firstLength = std::strlen(buffer);
    bool multiple = buffer[firstLength + 1] != '\0';
    if (!multiple) {
        pos = nullptr;
        return CString(buffer);
    }
    if (offset == 0)
        offset = firstLength + 1;
    const char *name = buffer + offset;
    size_t length = std::strlen(name);
    CString path = CString(buffer) + "/" + CString(name);
    size_t next = offset + length + 1;
    pos = buffer[next] ? reinterpret_cast<POSITION>(static_cast<intptr_t>(next + 1)) : nullptr;
    return path;
}
