#include "library/shapes/QYLinkShell.h"

#include "framework/shell/Processes.h"

#include <cstdlib>
#include <string>

namespace {

HINSTANCE FrameworkShellExecute(LPCTSTR lpOperation, LPCTSTR lpFile, INT nShowCmd)
{
    return ShellExecute(nullptr, lpOperation, lpFile, nullptr, nullptr, nShowCmd);
}

BOOL FrameworkStartProcess(const std::vector<CString>& argv)
{
    return PlexoStartProcess(argv);
}

const char* FrameworkGetEnv(const char* pszName)
{
    return std::getenv(pszName);
}

const QYLinkShell kFrameworkShell = {FrameworkShellExecute, ShellExecuteEx, FrameworkStartProcess, FrameworkGetEnv};
const QYLinkShell* g_pShell = &kFrameworkShell;

HINSTANCE Success()
{
    return reinterpret_cast<HINSTANCE>(static_cast<INT_PTR>(PLEXO_SHELL_SUCCESS));
}

} // namespace

const QYLinkShell& QYGetLinkShell()
{
    return *g_pShell;
}

void QYSetLinkShell(const QYLinkShell* pShell)
{
    g_pShell = pShell != nullptr ? pShell : &kFrameworkShell;
}

std::vector<CString> QYBrowserArguments(const CString& strBrowser, const CString& strAddress)
{
    const CString strArgument = PlexoNonOptionArgument(strAddress);
    std::string entry = static_cast<const char*>(strBrowser);
    entry = entry.substr(0, entry.find(':'));
    std::vector<CString> argv;
    bool bPlaced = false;
    size_t pos = 0;
    while (pos < entry.size()) {
        const size_t start = entry.find_first_not_of(" \t", pos);
        if (start == std::string::npos)
            break;
        const size_t end = std::min(entry.find_first_of(" \t", start), entry.size());
        std::string arg = entry.substr(start, end - start);
        const size_t mark = arg.find("%s");
        if (!argv.empty() && mark != std::string::npos) {
            arg.replace(mark, 2, static_cast<const char*>(strArgument));
            bPlaced = true;
        }
        argv.emplace_back(arg.c_str());
        pos = end;
    }
    if (!argv.empty() && !bPlaced)
        argv.push_back(strArgument);
    return argv;
}

HINSTANCE QYOpenLink(const CString& strAddress, INT nShowCmd)
{
    const QYLinkShell& shell = QYGetLinkShell();
    HINSTANCE hResult = shell.pfnShellExecute("open", strAddress, nShowCmd);
    if (reinterpret_cast<INT_PTR>(hResult) > 32)
        return hResult;
    if (const char* pszBrowser = shell.pfnGetEnv("BROWSER")) {
        const std::vector<CString> argv = QYBrowserArguments(pszBrowser, strAddress);
        if (!argv.empty() && shell.pfnStartProcess(argv))
            return Success();
    }
    if (shell.pfnStartProcess({CString("xdg-open"), PlexoNonOptionArgument(strAddress)}))
        return Success();
    return hResult;
}
