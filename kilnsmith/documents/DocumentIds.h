// Resource and command ids of the source documents, their views and child
// frames.
#pragma once

// The document template's resource (menu, icon and document string) and the
// child frame's icon.
#define IDR_KILNSMITH_DOCUMENT 102
// The "Select Language" dialog and its list box.
#define IDD_SELECT_LANGUAGE 108
#define IDC_LANGUAGE_LIST 1001

// Controller commands reached through command routing only.
#define ID_PSEUDO_INTELLISENSE 32780
#define ID_SET_LANGUAGE 32785
// The context menu's "Toggle Page Break": no part of the program handles it.
#define ID_TOGGLE_PAGE_BREAK 32787
