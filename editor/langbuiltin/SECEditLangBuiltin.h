// The C configuration built into the program: custom resource 103 of type
// "SECEDITLANGCONFIG", the archive form of resources/CustomResource103.ini
// made at build time.  Loading this library registers it; programs that
// want to be explicit call SECEditRegisterBuiltinLangConfig at start.
#pragma once

#include "framework/base/WinTypes.h"

// Registers the resource (again); harmless to call more than once.
void SECEditRegisterBuiltinLangConfig();
// The bytes of the resource body.
const BYTE *SECEditGetBuiltinLangConfig(DWORD *pnSize);
