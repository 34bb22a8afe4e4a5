// Registration of the standard controls' window classes. Framework-internal.
#pragma once

#include "framework/controls/DialogManager.h"

// Registers every standard control class once (safe to call often).
void PlexoRegisterStandardControls();

// Registers one control's window class; for a function-local static, so a
// class is registered once however often its registration is called.
bool RegisterControlClass(LPCTSTR name, WNDPROC proc, UINT style);

// Each control's own registration.
void PlexoRegisterButtonClass();
void PlexoRegisterStaticClass();
void PlexoRegisterEditClass();
void PlexoRegisterListBoxClass();
void PlexoRegisterComboBoxClass();
void PlexoRegisterSpinClass();
void PlexoRegisterTabClass();
void PlexoRegisterListViewClass();
void PlexoRegisterToolTipClass();
void PlexoRegisterDialogClass();
