#include "framework/app/FilePrompt.h"

#include "framework/window/InputApi.h"
#include "framework/window/WindowInternals.h"

#include <QApplication>
#include <QFileDialog>
#include <QStringList>

namespace {

PlexoFilePromptHandler g_pfnHandler = nullptr;
PlexoFilePromptHandler g_pfnDefault = nullptr;

// "Name (*.ext)|*.ext|All Files (*)|*||" as Qt name filters.
QStringList QtFilters(LPCTSTR lpszFilter)
{
    QStringList parts = QString::fromUtf8(lpszFilter ? lpszFilter : "").split(QLatin1Char('|'));
    QStringList filters;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        if (parts[i].isEmpty())
            break;
        QString patterns = parts[i + 1];
        patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
        filters << parts[i].section(QLatin1Char('('), 0, 0).trimmed() + QLatin1String(" (") + patterns +
                       QLatin1Char(')');
    }
    return filters;
}

BOOL AskWithDialog(CString &strPath, BOOL bOpen, LPCTSTR lpszTitle, LPCTSTR lpszFilter, LPCTSTR lpszDefExt)
{
    if (QGuiApplication::platformName() == QLatin1String("offscreen"))
        return FALSE; // nobody to ask
    HWND hOwner = GetActiveWindow();
    QWidget *owner = hOwner ? WindowCore::Widget(hOwner) : nullptr;
    QFileDialog dialog(owner ? owner->window() : nullptr, QString::fromUtf8(lpszTitle ? lpszTitle : ""));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(bOpen ? QFileDialog::AcceptOpen : QFileDialog::AcceptSave);
    dialog.setFileMode(bOpen ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    dialog.setNameFilters(QtFilters(lpszFilter));
    if (lpszDefExt && *lpszDefExt)
        dialog.setDefaultSuffix(QString::fromUtf8(lpszDefExt).remove(0, lpszDefExt[0] == '.' ? 1 : 0));
    if (!strPath.IsEmpty())
        dialog.selectFile(QString::fromUtf8(static_cast<LPCTSTR>(strPath)));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return FALSE;
    strPath = dialog.selectedFiles().first().toUtf8().constData();
    return TRUE;
}

} // namespace

PlexoFilePromptHandler PlexoSetFilePromptHandler(PlexoFilePromptHandler pfnHandler)
{
    PlexoFilePromptHandler pfnOld = g_pfnHandler;
    g_pfnHandler = pfnHandler;
    return pfnOld;
}

void PlexoSetDefaultFilePrompt(PlexoFilePromptHandler pfnPrompt)
{
    g_pfnDefault = pfnPrompt;
}

BOOL PlexoPromptForFileName(CString &strPath, BOOL bOpen, LPCTSTR lpszTitle, LPCTSTR lpszFilter, LPCTSTR lpszDefExt)
{
    if (g_pfnHandler != nullptr)
        return g_pfnHandler(strPath, bOpen, lpszTitle, lpszFilter, lpszDefExt);
    if (QGuiApplication::platformName() == QLatin1String("offscreen"))
        return FALSE; // nobody to ask
    if (g_pfnDefault != nullptr)
        return g_pfnDefault(strPath, bOpen, lpszTitle, lpszFilter, lpszDefExt);
    return AskWithDialog(strPath, bOpen, lpszTitle, lpszFilter, lpszDefExt);
}
