#include "editor/text/SECEditMessage.h"

#include "framework/object/Exceptions.h"

#include <cstdio>

int SECEditMessageBox(LPCTSTR lpszText, UINT nType)
{
    // The installed handler is read by putting it back at once.
    AfxMessageBoxHandler handler = AfxSetMessageBoxHandler(nullptr);
    AfxSetMessageBoxHandler(handler);
    if (handler)
        return handler(lpszText, nType, 0);
    std::fprintf(stderr, "%s\n", lpszText ? lpszText : "");
    return 1;
}
