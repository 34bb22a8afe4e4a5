// The single-component commands the layout macros are made of: scale about
// a fixed handle, rotate about a centre, and a move in the drawing order.
#pragma once

#include "library/model/QYCompCommandBases.h"
#include "library/model/QYPointsSnapshot.h"

#include <memory>

class CQYScaleExtendCommand : public CQYSingleCompCommand {
    DECLARE_DYNAMIC(CQYScaleExtendCommand)
public:
    CQYScaleExtendCommand(CQYDataModel* pModel, CQYDrawComponent* pComp, float fScaleX, float fScaleY, int nSpot);

    int GetCommandID() override;
    // FALSE (nothing done) when both factors are 1, or either is 0 or not
    // finite: no component is collapsed and no inverse divides by zero.
    BOOL Execute() override;
    // Factors 1/fx and 1/fy, the spot mirrored along each flipped axis.
    CQYBaseCommand* GetUndoCommand() const override;
    CQYBaseCommand* GetRedoCommand() const override;
    void Sprint(CString& strText) const override;

    float GetScaleX() const { return m_fScaleX; }
    float GetScaleY() const { return m_fScaleY; }
    int GetSpot() const { return m_nSpot; }
    // The handle that stays in place when a scale by these factors is
    // undone.
    static int MirrorSpot(int nSpot, float fInverseX, float fInverseY);

private:
    float m_fScaleX;
    float m_fScaleY;
    int m_nSpot;
};

class CQYRotateExtendCommand : public CQYSingleCompCommand {
    DECLARE_DYNAMIC(CQYRotateExtendCommand)
public:
    CQYRotateExtendCommand(CQYDataModel* pModel, CQYDrawComponent* pComp, int nAngle);

    int GetCommandID() override;
    // FALSE for an angle of 0.  The first run takes the centre of the
    // component's rectangle and keeps it: the inverse and the redo copy turn
    // about that same point.  A turn rounds every point, so the command also
    // keeps the points before and after it: the inverse and the redo copy
    // end on those exactly, and an undo puts the shape back where it was.
    BOOL Execute() override;
    CQYBaseCommand* GetUndoCommand() const override;
    CQYBaseCommand* GetRedoCommand() const override;
    void Sprint(CString& strText) const override;

    int GetAngle() const { return m_nAngle; }

private:
    CQYRotateExtendCommand* NewTurn(int nAngle, std::shared_ptr<const CQYPointsSnapshot> pEndOn) const;

    int m_nAngle;
    bool m_bHasCentre = false;
    float m_fCentreX = 0;
    float m_fCentreY = 0;
    // The points before and after the last run; what a run ends on.
    std::shared_ptr<const CQYPointsSnapshot> m_pBefore;
    std::shared_ptr<const CQYPointsSnapshot> m_pAfter;
    std::shared_ptr<const CQYPointsSnapshot> m_pEndOn;
};

class CQYOrderSingleCommand : public CQYSingleCompCommand {
    DECLARE_DYNAMIC(CQYOrderSingleCommand)
public:
    CQYOrderSingleCommand(CQYDataModel* pModel, CQYDrawComponent* pComp, int nNewPosition);

    int GetCommandID() override;
    // Moves the component to the position (0 = bottom) when it is valid and
    // differs from the current one; TRUE in every case.
    BOOL Execute() override;
    CQYBaseCommand* GetUndoCommand() const override;
    CQYBaseCommand* GetRedoCommand() const override;
    void Sprint(CString& strText) const override;

    void SetNewPosition(int nPosition) { m_nNewPosition = nPosition; }
    int GetNewPosition() const { return m_nNewPosition; }

private:
    int m_nNewPosition;
    int m_nOldPosition = -1; // -1: nothing moved
};
