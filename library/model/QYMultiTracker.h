// The outline of one component during a drag, size or rotate gesture.  The
// outline is drawn with an inverting pen: drawing it again at the same place
// takes it off the screen.  Compiled into the model library, where the
// selection's tracking state uses it.
#pragma once

#include "framework/gdi/Pen.h"
#include "framework/object/Object.h"

class CDC;
class CQYDrawComponent;

class CQYMultiTracker : public CObject {
    DECLARE_SERIAL(CQYMultiTracker)
public:
    explicit CQYMultiTracker(CQYDrawComponent* pComp = nullptr);
    CQYMultiTracker(const CQYMultiTracker&) = delete;
    CQYMultiTracker& operator=(const CQYMultiTracker&) = delete;
    ~CQYMultiTracker() override;

    // The component as an archived object.
    void Serialize(CArchive& ar) override;
    // The component's own track outline; its auxiliary rectangle becomes
    // its track rectangle first.
    virtual void DrawTrack(CDC* pDC);
    // The rectangular outline by the component's type value: one rectangle
    // (0, 100), a second inset by 14 (101), or a form frame with a caption
    // bar (102); nothing for other values.
    virtual void DrawOutline(CDC* pDC);

    // Nothing for the same component; else releases the old one and holds
    // the new one.
    void SetComponent(CQYDrawComponent* pComp);
    CQYDrawComponent* GetComponent() const { return m_pComp; }

    CQYDrawComponent* m_pComp = nullptr;
    CPen m_pen;
};
