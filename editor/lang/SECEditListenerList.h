// The listeners of a language configuration, in the order they were added.
// The list neither owns nor counts references to its listeners.
#pragma once

#include "editor/lang/SECEditHint.h"
#include "framework/collections/Collections.h"

class SECEditListenerList {
public:
    // Walks the list by index; a walk stays valid while the list is not
    // changed.
    class Iterator {
    public:
        explicit Iterator(const SECEditListenerList &list) : m_list(list) {}
        void First() { m_nIndex = 0; }
        void Last() { m_nIndex = m_list.GetCount() - 1; }
        void Next() { ++m_nIndex; }
        void Previous() { --m_nIndex; }
        BOOL IsDone() const { return m_nIndex < 0 || m_nIndex >= m_list.GetCount(); }
        SECEditObserver *Current() const { return IsDone() ? nullptr : m_list.GetAt(m_nIndex); }

    private:
        const SECEditListenerList &m_list;
        INT_PTR m_nIndex = 0;
    };

    void Add(SECEditObserver *pListener) { m_listeners.Add(pListener); }
    // Removes every occurrence of the listener.
    void Remove(SECEditObserver *pListener);
    INT_PTR GetCount() const { return m_listeners.GetSize(); }
    SECEditObserver *GetAt(INT_PTR nIndex) const { return static_cast<SECEditObserver *>(m_listeners.GetAt(nIndex)); }

private:
    CPtrArray m_listeners;
};
