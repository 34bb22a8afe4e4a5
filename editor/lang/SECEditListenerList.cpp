#include "editor/lang/SECEditListenerList.h"

void SECEditListenerList::Remove(SECEditObserver *pListener)
{
    for (INT_PTR i = m_listeners.GetSize() - 1; i >= 0; --i)
        if (m_listeners.GetAt(i) == pListener)
            m_listeners.RemoveAt(i);
}
