// SECEditPlugIn: the layer between the window plug-in and the editor's
// controller. It filters which of the host's messages the editor sees,
// remembers the view it is attached to, and carries the controller's
// event-listener interface with its child listeners, the buffer the
// controller serves and the viewport it draws through.
#pragma once

#include "editor/controller/ISECEventListener.h"
#include "editor/plugin/SECWndPlugIn.h"

#include <vector>

class ISECViewport;
class SECEditTextBuffer;

class SECEditPlugIn : public SECWndPlugIn {
    DECLARE_DYNAMIC(SECEditPlugIn)
public:
    SECEditPlugIn();
    // Releases every child listener still in the list.
    ~SECEditPlugIn() override;

    // The event-listener interface, with the buffer and viewport links.
    class EventListener : public ISECEventListener {
    public:
        explicit EventListener(SECEditPlugIn &owner) : m_owner(owner) {}
        ~EventListener() override;
        // The plug-in's lifetime is its owner's: nothing is counted.
        int AddRef() override { return 1; }
        int Release() override { return 1; }
        BOOL Dispatch(SECEditEvent *pEvent) override;
        BOOL AddListener(ISECEventListener *pListener) override;
        BOOL RemoveListener(ISECEventListener *pListener) override;
        virtual void SetBuffer(SECEditTextBuffer *pBuffer);
        virtual SECEditTextBuffer *GetBuffer();
        virtual void SetViewport(ISECViewport *pViewport);
        virtual ISECViewport *GetViewport();

    private:
        SECEditPlugIn &m_owner;
    };

    // The identifier look-up: the event-listener interface only.
    BOOL QueryInterface(const GUID &iid, void **ppv);
    EventListener &GetEventListener() { return m_eventListener; }

    virtual void Initialize(CWnd *pHost, ISECViewport *pViewport);
    // Stores the host, takes the viewport and plugs into the host window.
    virtual void AttachToView(CWnd *pHost, ISECViewport *pViewport);
    virtual void OnAttach(ISECViewport *pViewport);

    CWnd *GetHostView() const { return m_pHostView; }
    // Whether the filter lets a message through to the controller's map.
    static bool IsEditorMessage(UINT message);

    // Offers the message to the map only when the filter lets it through.
    BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT *pResult) override;

protected:
    // Messages the controller adds to the filter (focus, input method).
    virtual bool IsExtraMessage(UINT message) const;

    DECLARE_MESSAGE_MAP()

private:
    EventListener m_eventListener;
    std::vector<ISECEventListener *> m_listeners;
    SECEditTextBuffer *m_pBuffer = nullptr;
    ISECViewport *m_pViewport = nullptr;
    CWnd *m_pHostView = nullptr;
};
