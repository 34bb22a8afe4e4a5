#include "framework/shell/Processes.h"

#include <QCoreApplication>
#include <QProcess>
#include <QStringList>

namespace {

QString FromBytes(const CString &text)
{
    return QString::fromUtf8(text.GetString(), text.GetLength());
}

QStringList Arguments(const std::vector<CString> &argv)
{
    QStringList arguments;
    for (size_t i = 1; i < argv.size(); ++i)
        arguments << FromBytes(argv[i]);
    return arguments;
}

} // namespace

CString PlexoNonOptionArgument(const CString &strArgument)
{
    // A URL begins with its scheme's letter, so only a path can start
    // with '-'.
    if (!strArgument.IsEmpty() && strArgument[0] == '-')
        return "./" + strArgument;
    return strArgument;
}

BOOL PlexoStartProcess(const std::vector<CString> &argv, LPCTSTR lpszWorkDir, DWORD *pProcessId)
{
    if (argv.empty() || argv[0].IsEmpty())
        return FALSE;
    qint64 pid = 0;
    QString workDir = lpszWorkDir ? QString::fromUtf8(lpszWorkDir) : QString();
    if (!QProcess::startDetached(FromBytes(argv[0]), Arguments(argv), workDir, &pid))
        return FALSE;
    if (pProcessId != nullptr)
        *pProcessId = static_cast<DWORD>(pid);
    return TRUE;
}

int PlexoRunProcess(const std::vector<CString> &argv, LPCTSTR lpszWorkDir, CString *pOutput, int nTimeoutMs)
{
    if (pOutput != nullptr)
        pOutput->Empty();
    if (argv.empty() || argv[0].IsEmpty())
        return -1;
    QProcess process;
    if (lpszWorkDir != nullptr)
        process.setWorkingDirectory(QString::fromUtf8(lpszWorkDir));
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process.start(FromBytes(argv[0]), Arguments(argv), QIODevice::ReadOnly);
    if (!process.waitForStarted(nTimeoutMs))
        return -1;
    if (!process.waitForFinished(nTimeoutMs)) {
        process.kill();
        process.waitForFinished(1000);
        return -1;
    }
    if (pOutput != nullptr) {
        QByteArray output = process.readAllStandardOutput();
        *pOutput = CString(output.constData(), static_cast<int>(output.size()));
    }
    return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
}

DWORD GetCurrentProcessId()
{
    return static_cast<DWORD>(QCoreApplication::applicationPid());
}
