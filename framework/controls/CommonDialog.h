// Common dialogs run Qt's own dialogs (never the desktop's native ones)
// modally over their owner, whose window is disabled meanwhile. A program
// or a test may drive the Qt dialog: the hook, when set, runs once the Qt
// dialog is ready and showing.
#pragma once

#include "framework/controls/Dialog.h"

#include <functional>

class QDialog;

using PlexoCommonDialogHook = std::function<void(QDialog *)>;
// Installs the hook (an empty function removes it); returns the old one.
PlexoCommonDialogHook PlexoSetCommonDialogHook(PlexoCommonDialogHook hook);

namespace CommonDialogs {
// The owner's top-level window: the given window, else the main window.
HWND Owner(CWnd *pParentWnd);
// Runs the Qt dialog modally over the owner (disabled meanwhile) and
// returns whether it was accepted.
bool Run(QDialog &dialog, HWND hOwner);
} // namespace CommonDialogs
