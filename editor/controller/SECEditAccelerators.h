// Accelerator table 22502: the editor's keys, as virtual keys with their
// modifiers. Registered with the resources when the library loads; the
// framework maps desktop keys to these virtual keys.
#pragma once

#include "framework/resources/ResourceTypes.h"

// The table's entries and their number (for tests and tools).
const ACCEL *SECEditAcceleratorTable(int *pnCount);
// Makes sure the table is registered (idempotent).
void SECEditRegisterAccelerators();
