// Registration of the standard controls' window classes. Framework-internal.
#pragma once

#include "framework/controls/DialogManager.h"

// Registers every standard control class once (safe to call often).
void PlexoRegisterStandardControls();

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
