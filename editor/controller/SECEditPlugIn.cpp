#include "editor/controller/SECEditPlugIn.h"

#include "editor/controller/SECEditEvent.h"

#include <algorithm>

IMPLEMENT_DYNAMIC(SECEditPlugIn, SECWndPlugIn)

BEGIN_MESSAGE_MAP(SECEditPlugIn, SECWndPlugIn)
END_MESSAGE_MAP()

SECEditPlugIn::SECEditPlugIn() : m_eventListener(*this) {}

SECEditPlugIn::~SECEditPlugIn()
{
    for (ISECEventListener *pListener : m_listeners)
        pListener->Release();
    m_listeners.clear();
}

SECEditPlugIn::EventListener::~EventListener() = default;

BOOL SECEditPlugIn::EventListener::Dispatch(SECEditEvent *pEvent)
{
    if (!pEvent)
        return FALSE;
    BOOL bHandled = FALSE;
    // Every listener sees the event, whatever the ones before answered.
    // A copy: a listener may add or remove listeners while it runs.
    std::vector<ISECEventListener *> listeners = m_owner.m_listeners;
    for (ISECEventListener *pListener : listeners) {
        if (pListener->Dispatch(pEvent))
            bHandled = TRUE;
    }
    return bHandled;
}

BOOL SECEditPlugIn::EventListener::AddListener(ISECEventListener *pListener)
{
    if (!pListener)
        return FALSE;
    pListener->AddRef();
    m_owner.m_listeners.push_back(pListener);
    return TRUE;
}

BOOL SECEditPlugIn::EventListener::RemoveListener(ISECEventListener *pListener)
{
    auto &listeners = m_owner.m_listeners;
    auto it = std::find(listeners.begin(), listeners.end(), pListener);
    if (it == listeners.end())
        return FALSE;
    listeners.erase(it);
    pListener->Release();
    return TRUE;
}

void SECEditPlugIn::EventListener::SetBuffer(SECEditTextBuffer *pBuffer)
{
    m_owner.m_pBuffer = pBuffer;
}

SECEditTextBuffer *SECEditPlugIn::EventListener::GetBuffer()
{
    return m_owner.m_pBuffer;
}

void SECEditPlugIn::EventListener::SetViewport(ISECViewport *pViewport)
{
    m_owner.m_pViewport = pViewport;
}

ISECViewport *SECEditPlugIn::EventListener::GetViewport()
{
    return m_owner.m_pViewport;
}

BOOL SECEditPlugIn::QueryInterface(const GUID &iid, void **ppv)
{
    if (iid == IID_ISECEventListener) {
        *ppv = static_cast<ISECEventListener *>(&m_eventListener);
        return TRUE;
    }
    *ppv = nullptr;
    return FALSE;
}

void SECEditPlugIn::Initialize(CWnd *pHost, ISECViewport *pViewport)
{
    AttachToView(pHost, pViewport);
}

void SECEditPlugIn::AttachToView(CWnd *pHost, ISECViewport *pViewport)
{
    m_pHostView = pHost;
    OnAttach(pViewport);
    m_hWnd = nullptr;
    PlugInTo(pHost);
}

void SECEditPlugIn::OnAttach(ISECViewport *pViewport)
{
    m_eventListener.SetViewport(pViewport);
}

bool SECEditPlugIn::IsEditorMessage(UINT message)
{
    switch (message) {
    case WM_CTLCOLOR:
    case WM_SETCURSOR:
    case WM_CONTEXTMENU:
    case WM_KEYDOWN:
    case WM_KEYUP:
    case WM_CHAR:
    case WM_COMMAND:
    case WM_TIMER: return true;
    default: return message >= WM_MOUSEMOVE && message <= WM_MOUSEWHEEL;
    }
}

bool SECEditPlugIn::IsExtraMessage(UINT) const
{
    return false;
}

BOOL SECEditPlugIn::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT *pResult)
{
    if (!IsEditorMessage(message) && !IsExtraMessage(message))
        return FALSE;
    return SECWndPlugIn::OnWndMsg(message, wParam, lParam, pResult);
}
