#include "framework/shell/ShellExecute.h"

#include "framework/shell/Processes.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QUrl>

#include <cstring>
#include <strings.h>

namespace {

HINSTANCE Result(INT_PTR code)
{
    return reinterpret_cast<HINSTANCE>(code);
}

bool IsAddress(const QString &target)
{
    // "scheme:" with two or more letters (so "c:" stays a path), or "www."
    static const QRegularExpression scheme("^[A-Za-z][A-Za-z0-9+.-]+:");
    return scheme.match(target).hasMatch() || target.startsWith("www.", Qt::CaseInsensitive);
}

// Verbs are names of the desktop's, compared without regard to case.
bool IsOpenVerb(LPCTSTR lpOperation)
{
    return lpOperation == nullptr || *lpOperation == '\0' || strcasecmp(lpOperation, "open") == 0 ||
           strcasecmp(lpOperation, "explore") == 0;
}

INT_PTR OpenAddress(const QString &address)
{
    QUrl url = address.startsWith("www.", Qt::CaseInsensitive) ? QUrl("http://" + address) : QUrl(address);
    if (!url.isValid())
        return SE_ERR_FNF;
    return QDesktopServices::openUrl(url) ? PLEXO_SHELL_SUCCESS : SE_ERR_NOASSOC;
}

std::vector<CString> SplitCommandLine(const QString &program, const QString &parameters)
{
    std::vector<CString> argv;
    if (!program.isEmpty())
        argv.push_back(CString(program.toUtf8().toStdString()));
    for (const QString &argument : QProcess::splitCommand(parameters))
        argv.push_back(CString(argument.toUtf8().toStdString()));
    return argv;
}

// A missing file is reported before a verb the desktop has no handler for.
INT_PTR OpenPath(const QString &path, LPCTSTR lpParameters, LPCTSTR lpDirectory, bool bOpenVerb)
{
    QFileInfo info(path);
    if (!info.exists())
        return info.absoluteDir().exists() ? SE_ERR_FNF : SE_ERR_PNF;
    if (!bOpenVerb)
        return SE_ERR_NOASSOC;
    if (info.isFile() && info.isExecutable()) {
        std::vector<CString> argv =
            SplitCommandLine(info.absoluteFilePath(), QString::fromUtf8(lpParameters ? lpParameters : ""));
        return PlexoStartProcess(argv, lpDirectory) ? PLEXO_SHELL_SUCCESS : SE_ERR_ACCESSDENIED;
    }
    if (!info.isReadable())
        return SE_ERR_ACCESSDENIED;
    return QDesktopServices::openUrl(QUrl::fromLocalFile(info.absoluteFilePath())) ? PLEXO_SHELL_SUCCESS
                                                                                   : SE_ERR_NOASSOC;
}

} // namespace

HINSTANCE ShellExecute(HANDLE, LPCTSTR lpOperation, LPCTSTR lpFile, LPCTSTR lpParameters, LPCTSTR lpDirectory, INT)
{
    if (lpFile == nullptr || *lpFile == '\0')
        return Result(SE_ERR_FNF);
    const bool bOpenVerb = IsOpenVerb(lpOperation);
    QString target = QString::fromUtf8(lpFile);
    if (IsAddress(target))
        return Result(bOpenVerb ? OpenAddress(target) : SE_ERR_NOASSOC);
    if (QFileInfo(target).isRelative() && lpDirectory != nullptr && *lpDirectory != '\0')
        target = QDir(QString::fromUtf8(lpDirectory)).filePath(target);
    return Result(OpenPath(target, lpParameters, lpDirectory, bOpenVerb));
}

BOOL ShellExecuteEx(LPSHELLEXECUTEINFO lpExecInfo)
{
    if (lpExecInfo == nullptr || lpExecInfo->cbSize != sizeof(SHELLEXECUTEINFO))
        return FALSE;
    lpExecInfo->hProcess = nullptr;
    lpExecInfo->hInstApp = ShellExecute(lpExecInfo->hwnd, lpExecInfo->lpVerb, lpExecInfo->lpFile,
                                        lpExecInfo->lpParameters, lpExecInfo->lpDirectory, lpExecInfo->nShow);
    return reinterpret_cast<INT_PTR>(lpExecInfo->hInstApp) > 32 ? TRUE : FALSE;
}

UINT WinExec(LPCTSTR lpCmdLine, UINT)
{
    if (lpCmdLine == nullptr)
        return SE_ERR_FNF;
    std::vector<CString> argv = SplitCommandLine(QString(), QString::fromUtf8(lpCmdLine));
    if (argv.empty())
        return SE_ERR_FNF;
    QString program = QString::fromUtf8(argv[0].GetString());
    if (program.contains('/')) {
        QFileInfo info(program);
        if (!info.exists())
            return info.absoluteDir().exists() ? SE_ERR_FNF : SE_ERR_PNF;
        if (!info.isFile() || !info.isExecutable())
            return ERROR_BAD_FORMAT;
    }
    return PlexoStartProcess(argv) ? PLEXO_SHELL_SUCCESS : SE_ERR_FNF;
}
