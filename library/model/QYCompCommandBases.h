// The shapes of the component commands: one component, a list of
// components, or a link with the two ports its ends are bound to.  Each
// holds a reference on the components it names for its whole life.
#pragma once

#include "library/model/QYCommand.h"
#include "library/model/QYCompList.h"

#include <vector>

class CQYDrawComponent;
class CQYPortComponent;

// Where a component stood in the model: its place in the drawing order and
// its tab order, recorded when a command takes it out so that the inverse
// puts it back there.
struct QY_COMP_PLACE {
    CQYDrawComponent* pComp;
    int nIndex;
    int nTabOrder;
    // The tab order it had before any component of the same removal left
    // (0 when not known); lets the whole removal be undone in one pass.
    int nOriginalTabOrder = 0;
};
typedef std::vector<QY_COMP_PLACE> CQYCompPlaces;

class CQYSingleCompCommand : public CQYCommand {
    DECLARE_DYNAMIC(CQYSingleCompCommand)
public:
    ~CQYSingleCompCommand() override;

    // Nothing when it is the same component; else the old one is released
    // and the new one held.
    virtual void SetComponent(CQYDrawComponent* pComp);
    virtual CQYDrawComponent* GetComponent();

protected:
    CQYSingleCompCommand(CQYDataModel* pModel, CQYDrawComponent* pComp);

    CQYDrawComponent* m_pComp = nullptr;
};

class CQYListCompCommand : public CQYCommand {
    DECLARE_DYNAMIC(CQYListCompCommand)
public:
    ~CQYListCompCommand() override = default;

    virtual CQYCompList* GetComponentList();
    // Appended (one reference) unless NULL or already listed.
    virtual void AddComponent(CQYDrawComponent* pComp);
    virtual void AddComponents(const CQYCompList* pList);
    // Removed (its reference given back) when listed.
    virtual void RemoveComponent(CQYDrawComponent* pComp);
    virtual void RemoveAllComponents();

protected:
    CQYListCompCommand(CQYDataModel* pModel, const CQYCompList* pList);

    CQYCompList m_list;
};

class CQYLinkCompCommand : public CQYSingleCompCommand {
    DECLARE_DYNAMIC(CQYLinkCompCommand)
public:
    ~CQYLinkCompCommand() override = default;

    virtual void SetToPort(CQYPortComponent* pPort);
    virtual CQYPortComponent* GetToPort();
    virtual void SetFromPort(CQYPortComponent* pPort);
    virtual CQYPortComponent* GetFromPort();

protected:
    CQYLinkCompCommand(CQYDataModel* pModel, CQYDrawComponent* pLink);
    // Binds the link's ends to the ports and enters it in their link lists.
    void AttachToPorts();
    // The reverse: out of the ports' lists, ends set free.
    void DetachFromPorts();

    CQYPortComponent* m_pToPort = nullptr;
    CQYPortComponent* m_pFromPort = nullptr;
};
