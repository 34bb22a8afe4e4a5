// CCriticalSection: a lock that one thread at a time holds, and that the
// holding thread may take again (each Lock needs its Unlock).
#pragma once

#include "framework/base/WinTypes.h"

#include <mutex>

class CCriticalSection {
public:
    CCriticalSection() = default;
    CCriticalSection(const CCriticalSection &) = delete;
    CCriticalSection &operator=(const CCriticalSection &) = delete;

    BOOL Lock()
    {
        m_mutex.lock();
        return TRUE;
    }
    // Call only while this thread holds the lock.
    BOOL Unlock()
    {
        m_mutex.unlock();
        return TRUE;
    }

private:
    std::recursive_mutex m_mutex;
};
