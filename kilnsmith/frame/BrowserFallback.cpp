#include "kilnsmith/frame/BrowserFallback.h"

#include "framework/shell/Processes.h"
#include "framework/shell/ShellExecute.h"

#include <cstdlib>

namespace {

std::vector<CString> SplitAt(const CString &text, char separator)
{
    std::vector<CString> parts;
    CString part;
    for (int i = 0; i < text.GetLength(); ++i) {
        const char c = text[i];
        if (c == separator || (separator == ' ' && c == '\t')) {
            if (!part.IsEmpty())
                parts.push_back(part);
            part.Empty();
        } else {
            part += c;
        }
    }
    if (!part.IsEmpty())
        parts.push_back(part);
    return parts;
}

// One word of a $BROWSER command with "%s" and "%%" filled in; bUsed tells
// whether the address went in.
CString FillWord(const CString &word, const CString &strAddress, bool &bUsed)
{
    CString filled;
    for (int i = 0; i < word.GetLength(); ++i) {
        if (word[i] == '%' && i + 1 < word.GetLength()) {
            if (word[i + 1] == 's') {
                filled += strAddress;
                bUsed = true;
                ++i;
                continue;
            }
            if (word[i + 1] == '%') {
                filled += '%';
                ++i;
                continue;
            }
        }
        filled += word[i];
    }
    return filled;
}

} // namespace

std::vector<std::vector<CString>> BrowserFallbackCommands(const CString &strAddress, LPCTSTR lpszBrowserVariable)
{
    // The browser must not take the address for one of its options.
    const CString strArgument = PlexoNonOptionArgument(strAddress);
    std::vector<std::vector<CString>> commands;
    if (lpszBrowserVariable != nullptr) {
        for (const CString &command : SplitAt(CString(lpszBrowserVariable), ':')) {
            std::vector<CString> argv;
            bool bUsed = false;
            for (const CString &word : SplitAt(command, ' '))
                argv.push_back(FillWord(word, strArgument, bUsed));
            if (argv.empty())
                continue;
            if (!bUsed)
                argv.push_back(strArgument);
            commands.push_back(argv);
        }
    }
    commands.push_back({CString("xdg-open"), strArgument});
    return commands;
}

INT_PTR OpenWithFallbackBrowser(const CString &strAddress)
{
    for (const std::vector<CString> &argv : BrowserFallbackCommands(strAddress, ::getenv("BROWSER"))) {
        if (PlexoStartProcess(argv))
            return PLEXO_SHELL_SUCCESS;
    }
    return SE_ERR_FNF;
}
