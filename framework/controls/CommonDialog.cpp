// Running Qt's dialogs for the common dialogs.
#include "framework/controls/CommonDialog.h"

#include "framework/app/Document.h"
#include "framework/window/MessageApi.h"
#include "framework/window/WindowApi.h"
#include "framework/window/WindowInternals.h"

#include <QDialog>
#include <QTimer>
#include <QWindow>
#include <QWidget>

namespace {

PlexoCommonDialogHook &Hook()
{
    static PlexoCommonDialogHook hook;
    return hook;
}

} // namespace

PlexoCommonDialogHook PlexoSetCommonDialogHook(PlexoCommonDialogHook hook)
{
    PlexoCommonDialogHook old = Hook();
    Hook() = std::move(hook);
    return old;
}

HWND CommonDialogs::Owner(CWnd *pParentWnd)
{
    HWND hOwner = pParentWnd ? pParentWnd->GetSafeHwnd() : nullptr;
    if (!hOwner)
        if (CWnd *pMain = AfxGetMainWnd())
            hOwner = pMain->GetSafeHwnd();
    return hOwner && IsWindow(hOwner) ? GetTopLevelWindow(hOwner) : nullptr;
}

bool CommonDialogs::Run(QDialog &dialog, HWND hOwner)
{
    if (QWidget *ownerWidget = hOwner ? WindowCore::Widget(hOwner) : nullptr) {
        // The owner is only the dialog's transient parent, never its widget
        // parent: disabling the owner below would disable a child widget's
        // whole tree, the dialog with it.
        dialog.setWindowFlags(dialog.windowFlags() | Qt::Dialog);
        dialog.winId();
        if (QWindow *ownerWindow = ownerWidget->window()->windowHandle())
            dialog.windowHandle()->setTransientParent(ownerWindow);
        QRect over = ownerWidget->frameGeometry();
        dialog.adjustSize();
        dialog.move(over.center() - QPoint(dialog.width() / 2, dialog.height() / 2));
    }
    dialog.setWindowModality(Qt::ApplicationModal);
    bool ownerEnabled = hOwner && IsWindowEnabled(hOwner);
    if (ownerEnabled)
        EnableWindow(hOwner, FALSE);
    if (Hook()) {
        PlexoCommonDialogHook hook = Hook();
        QTimer::singleShot(0, &dialog, [hook, &dialog]() { hook(&dialog); });
    }
    bool accepted = dialog.exec() == QDialog::Accepted;
    if (ownerEnabled && IsWindow(hOwner))
        EnableWindow(hOwner, TRUE);
    // Whatever Qt's loop left in our queue runs now.
    PlexoDrainMessages();
    return accepted;
}
