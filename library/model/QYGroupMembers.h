// What the data model asks of a group component when it groups and
// ungroups: the group class implements these next to its drawing, so the
// model reaches it without knowing the class.
#pragma once

#include "framework/base/WinTypes.h"

class CQYCompList;
class CQYDrawComponent;

class CQYGroupMembers {
public:
    virtual ~CQYGroupMembers() = default;

    // Appends a member (the group takes a reference); FALSE when refused.
    virtual BOOL AddComponent(CQYDrawComponent* pComp) = 0;
    // Takes a member out (giving its reference back).
    virtual void RemoveComponent(CQYDrawComponent* pComp) = 0;
    // The members in order.
    virtual CQYCompList* GetMemberList() = 0;
};

// The group side of a component, or NULL for a component that is no group.
CQYGroupMembers* QYGetGroupMembers(CQYDrawComponent* pComp);
