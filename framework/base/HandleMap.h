// CHandleMap<HANDLE_TYPE, CLASS>: the map from a handle to the object that
// wraps it, one per wrapper kind (device contexts, drawing objects, windows,
// menus).  A handle has either a permanent object (one the program created
// or attached; the map only points at it) or, when FromHandle is asked for a
// handle nobody attached, a temporary wrapper the map owns until the idle
// clean-up or the handle's end.
//
// Threads: the framework is called from the GUI thread only, the thread
// that runs the application object and its message loop.  Windows, menus,
// device contexts and drawing objects live in widgets and painters that Qt
// lets only that thread use, and a temporary wrapper handed out by
// FromHandle is freed by the idle clean-up of that thread, so a pointer
// taken on another thread could be freed under it whatever the map did.
// The maps therefore take no locks; work that runs elsewhere (loading,
// computing) hands its results to the GUI thread before they meet a handle.
#pragma once

#include <memory>
#include <unordered_map>

template <class HANDLE_TYPE, class CLASS>
class CHandleMap {
public:
    // The permanent object of the handle; NULL when none.
    CLASS *LookupPermanent(HANDLE_TYPE h) const
    {
        auto it = m_permanent.find(h);
        return it != m_permanent.end() ? it->second : nullptr;
    }
    // The temporary wrapper of the handle; NULL when none.
    CLASS *LookupTemporary(HANDLE_TYPE h) const
    {
        auto it = m_temporary.find(h);
        return it != m_temporary.end() ? it->second.get() : nullptr;
    }
    // The permanent object, else the temporary wrapper; NULL when neither.
    CLASS *Lookup(HANDLE_TYPE h) const
    {
        CLASS *pObject = LookupPermanent(h);
        return pObject != nullptr ? pObject : LookupTemporary(h);
    }

    // Makes pObject the handle's permanent object.
    void SetPermanent(HANDLE_TYPE h, CLASS *pObject) { m_permanent[h] = pObject; }
    // Forgets the handle's permanent object when it is pObject (another
    // object attached to the handle since stays).
    void RemovePermanent(HANDLE_TYPE h, const CLASS *pObject)
    {
        auto it = m_permanent.find(h);
        if (it != m_permanent.end() && it->second == pObject)
            m_permanent.erase(it);
    }

    // The handle's temporary wrapper; when it has none, make() builds one
    // (a std::unique_ptr<CLASS>, or null to give none) and the map keeps it.
    template <class MAKE>
    CLASS *TemporaryFor(HANDLE_TYPE h, MAKE make)
    {
        if (CLASS *pTemp = LookupTemporary(h))
            return pTemp;
        std::unique_ptr<CLASS> pMade = make();
        if (!pMade)
            return nullptr;
        CLASS *pResult = pMade.get();
        m_temporary.emplace(h, std::move(pMade));
        return pResult;
    }

    // Deletes the handle's temporary wrapper, if any, after release(wrapper)
    // (which detaches the handle the wrapper only borrowed).
    template <class RELEASE>
    void RemoveTemporary(HANDLE_TYPE h, RELEASE release)
    {
        auto it = m_temporary.find(h);
        if (it == m_temporary.end())
            return;
        std::unique_ptr<CLASS> pTemp = std::move(it->second);
        m_temporary.erase(it);
        release(*pTemp);
    }
    // Deletes every temporary wrapper, each after release(wrapper).
    template <class RELEASE>
    void DeleteTemporaries(RELEASE release)
    {
        auto temporaries = std::move(m_temporary);
        m_temporary.clear();
        for (auto &entry : temporaries)
            release(*entry.second);
    }

private:
    std::unordered_map<HANDLE_TYPE, CLASS *> m_permanent;
    std::unordered_map<HANDLE_TYPE, std::unique_ptr<CLASS>> m_temporary;
};
