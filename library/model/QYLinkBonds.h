// The bonds between ports and connectors among a set of components: which
// connectors each port lists and which ports each connector's ends are bound
// to.  Recorded before the components leave the page, cut, and tied again
// exactly as they were when the removal is undone.
#pragma once

#include <vector>

class CQYCompList;
class CQYDrawComponent;
class CQYPortComponent;

class CQYLinkBonds {
public:
    CQYLinkBonds() = default;
    CQYLinkBonds(const CQYLinkBonds&) = delete;
    CQYLinkBonds& operator=(const CQYLinkBonds&) = delete;
    ~CQYLinkBonds();

    // Records the bonds of the listed components (replacing what was
    // recorded); holds a reference on every port and connector named.
    void Record(CQYCompList* pList);
    // Every recorded port lets go of its connectors, every recorded
    // connector of its ports.
    void Cut();
    // Binds everything again as recorded.
    void Restore();
    void Clear();
    bool IsEmpty() const { return m_ports.empty() && m_links.empty(); }

private:
    struct PortBond {
        CQYPortComponent* pPort;
        std::vector<CQYDrawComponent*> links;
    };
    struct LinkBond {
        CQYDrawComponent* pLink;
        CQYPortComponent* pFrom;
        CQYPortComponent* pTo;
    };
    void RecordPorts(CQYDrawComponent* pComp);
    void RecordLink(CQYDrawComponent* pComp);

    std::vector<PortBond> m_ports;
    std::vector<LinkBond> m_links;
};
