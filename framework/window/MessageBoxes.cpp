// Message boxes. Every box reaches the installed message-box handler (the
// same one that reports the framework's exceptions); the handler made here
// shows a Qt message box on a desktop and, under the offscreen platform
// (tests, servers), logs the text and answers the default button, so that
// nothing blocks and no question is answered with a button it does not have.
#include "framework/object/Exceptions.h"
#include "framework/window/InputApi.h"
#include "framework/window/MessageBoxApi.h"
#include "framework/window/WindowInternals.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

#include <cstdio>

namespace {

// The box being shown; boxes may nest (a handler may show another).
struct BoxContext {
    bool bActive = false;
    CString strCaption;
    HWND hOwner = nullptr;
};

BoxContext &CurrentBox()
{
    thread_local BoxContext context;
    return context;
}

CString &TitleOverride()
{
    static CString strTitle;
    return strTitle;
}

QMessageBox::StandardButton QtButton(int nID)
{
    switch (nID) {
    case IDOK: return QMessageBox::Ok;
    case IDCANCEL: return QMessageBox::Cancel;
    case IDABORT: return QMessageBox::Abort;
    case IDRETRY: return QMessageBox::Retry;
    case IDIGNORE: return QMessageBox::Ignore;
    case IDYES: return QMessageBox::Yes;
    case IDNO: return QMessageBox::No;
    default: return QMessageBox::NoButton;
    }
}

QMessageBox::Icon QtIcon(UINT nType)
{
    switch (nType & MB_ICONMASK) {
    case MB_ICONHAND: return QMessageBox::Critical;
    case MB_ICONQUESTION: return QMessageBox::Question;
    case MB_ICONEXCLAMATION: return QMessageBox::Warning;
    case MB_ICONASTERISK: return QMessageBox::Information;
    default: return QMessageBox::NoIcon;
    }
}

// "\r\n" is one line break.
QString DisplayText(LPCTSTR lpszText)
{
    QString text = QString::fromUtf8(lpszText ? lpszText : "");
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    return text;
}

int ShowOnDesktop(LPCTSTR lpszText, UINT nType)
{
    const BoxContext &box = CurrentBox();
    HWND hOwner = box.bActive ? box.hOwner : GetActiveWindow();
    QWidget *owner = hOwner ? WindowCore::Widget(hOwner) : nullptr;
    CString strCaption = box.bActive ? box.strCaption : PlexoGetMessageBoxTitle();
    QMessageBox dialog(QtIcon(nType), QString::fromUtf8(static_cast<LPCTSTR>(strCaption)), DisplayText(lpszText),
                       QMessageBox::NoButton, owner ? owner->window() : nullptr);
    int anIDs[3];
    int nButtons = PlexoMessageBoxButtons(nType, anIDs);
    for (int i = 0; i < nButtons; ++i)
        dialog.addButton(QtButton(anIDs[i]));
    dialog.setDefaultButton(QtButton(PlexoMessageBoxDefault(nType)));
    dialog.setWindowModality(Qt::ApplicationModal);
    dialog.exec();
    for (int i = 0; i < nButtons; ++i) {
        if (dialog.clickedButton() == dialog.button(QtButton(anIDs[i])))
            return anIDs[i];
    }
    // Closed by Escape or the caption button: Cancel where there is one.
    for (int i = 0; i < nButtons; ++i) {
        if (anIDs[i] == IDCANCEL)
            return IDCANCEL;
    }
    return nButtons == 1 ? anIDs[0] : PlexoMessageBoxDefault(nType);
}

int ShowMessage(LPCTSTR lpszText, UINT nType, UINT)
{
    auto *app = qobject_cast<QApplication *>(QCoreApplication::instance());
    if (!app || QGuiApplication::platformName() == QLatin1String("offscreen")) {
        std::fprintf(stderr, "Plexo: %s\n", DisplayText(lpszText).toUtf8().constData());
        return PlexoMessageBoxDefault(nType);
    }
    return ShowOnDesktop(lpszText, nType);
}

const bool g_installed = []() {
    AfxMessageBoxHandler previous = AfxSetMessageBoxHandler(&ShowMessage);
    if (previous)
        AfxSetMessageBoxHandler(previous); // a program's own handler stays
    return true;
}();

} // namespace

int PlexoMessageBoxButtons(UINT uType, int *pnIDs)
{
    switch (uType & MB_TYPEMASK) {
    case MB_OKCANCEL:
        pnIDs[0] = IDOK;
        pnIDs[1] = IDCANCEL;
        return 2;
    case MB_ABORTRETRYIGNORE:
        pnIDs[0] = IDABORT;
        pnIDs[1] = IDRETRY;
        pnIDs[2] = IDIGNORE;
        return 3;
    case MB_YESNOCANCEL:
        pnIDs[0] = IDYES;
        pnIDs[1] = IDNO;
        pnIDs[2] = IDCANCEL;
        return 3;
    case MB_YESNO:
        pnIDs[0] = IDYES;
        pnIDs[1] = IDNO;
        return 2;
    case MB_RETRYCANCEL:
        pnIDs[0] = IDRETRY;
        pnIDs[1] = IDCANCEL;
        return 2;
    default: pnIDs[0] = IDOK; return 1;
    }
}

int PlexoMessageBoxDefault(UINT uType)
{
    int anIDs[3];
    int nButtons = PlexoMessageBoxButtons(uType, anIDs);
    int nIndex = static_cast<int>((uType & MB_DEFMASK) >> 8);
    return nIndex < nButtons ? anIDs[nIndex] : anIDs[0];
}

void PlexoSetMessageBoxTitle(LPCTSTR lpszTitle)
{
    TitleOverride() = lpszTitle ? lpszTitle : "";
}

CString PlexoGetMessageBoxTitle()
{
    if (!TitleOverride().IsEmpty())
        return TitleOverride();
    return CString(QCoreApplication::applicationName().toUtf8().constData());
}

CString PlexoGetMessageBoxCaption()
{
    const BoxContext &box = CurrentBox();
    return box.bActive ? box.strCaption : PlexoGetMessageBoxTitle();
}

HWND PlexoGetMessageBoxOwner()
{
    const BoxContext &box = CurrentBox();
    return box.bActive ? box.hOwner : GetActiveWindow();
}

int MessageBox(HWND hWnd, LPCTSTR lpText, LPCTSTR lpCaption, UINT uType)
{
    return PlexoShowMessageBox(hWnd, lpText, lpCaption ? lpCaption : "Error", uType, 0);
}

int PlexoShowMessageBox(HWND hWnd, LPCTSTR lpText, LPCTSTR lpCaption, UINT uType, UINT nIDHelp)
{
    BoxContext saved = CurrentBox();
    BoxContext &box = CurrentBox();
    box.bActive = true;
    box.strCaption = lpCaption ? CString(lpCaption) : PlexoGetMessageBoxTitle();
    box.hOwner = hWnd ? hWnd : GetActiveWindow();

    AfxMessageBoxHandler handler = AfxSetMessageBoxHandler(nullptr);
    AfxSetMessageBoxHandler(handler);
    int nResult = PlexoMessageBoxDefault(uType);
    try {
        if (handler)
            nResult = handler(lpText ? lpText : "", uType, nIDHelp);
        else
            std::fprintf(stderr, "Plexo: %s\n", lpText ? lpText : "");
    } catch (...) {
        CurrentBox() = saved;
        throw;
    }
    CurrentBox() = saved;
    return nResult;
}

BOOL MessageBeep(UINT)
{
    QApplication::beep();
    return TRUE;
}
