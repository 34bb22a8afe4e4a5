// The canvas view's status-bar texts, message string and context menu.
#pragma once

// Registers them; the library does it when it loads.
void QYRegisterViewResources();
