// Keeps a controller's updates locked for a scope, so that every way out of
// an edit unlocks them again.
#pragma once

#include "editor/controller/SECEditController.h"

class SECEditUpdateLock {
public:
    explicit SECEditUpdateLock(SECEditController &controller) : m_controller(controller)
    {
        m_controller.LockUpdates(FALSE);
    }
    ~SECEditUpdateLock() { m_controller.LockUpdates(TRUE); }
    SECEditUpdateLock(const SECEditUpdateLock &) = delete;
    SECEditUpdateLock &operator=(const SECEditUpdateLock &) = delete;

private:
    SECEditController &m_controller;
};
