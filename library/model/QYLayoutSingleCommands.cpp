#include "library/model/QYLayoutSingleCommands.h"

#include "library/model/QYCommandStrings.h"
#include "library/model/QYDataModel.h"
#include "library/model/QYDrawComponent.h"

#include <cmath>
#include <utility>

IMPLEMENT_DYNAMIC(CQYScaleExtendCommand, CQYSingleCompCommand)
IMPLEMENT_DYNAMIC(CQYRotateExtendCommand, CQYSingleCompCommand)
IMPLEMENT_DYNAMIC(CQYOrderSingleCommand, CQYSingleCompCommand)

namespace {

bool IsUsableFactor(float f)
{
    return std::isfinite(f) && f != 0.0f;
}

} // namespace

// Scale about a handle.

CQYScaleExtendCommand::CQYScaleExtendCommand(CQYDataModel* pModel, CQYDrawComponent* pComp, float fScaleX,
                                             float fScaleY, int nSpot)
    : CQYSingleCompCommand(pModel, pComp), m_fScaleX(fScaleX), m_fScaleY(fScaleY), m_nSpot(nSpot)
{
}

int CQYScaleExtendCommand::GetCommandID()
{
    return QY_CMD_SCALEEXTEND;
}

BOOL CQYScaleExtendCommand::Execute()
{
    if (!IsUsableFactor(m_fScaleX) || !IsUsableFactor(m_fScaleY))
        return FALSE;
    return m_pModel->ScaleComponent(m_pComp, m_fScaleX, m_fScaleY, m_nSpot);
}

int CQYScaleExtendCommand::MirrorSpot(int nSpot, float fInverseX, float fInverseY)
{
    // Each table maps a handle to its mirror; handles not listed stay.
    static const int kFlipY[8] = {6, 5, 4, 3, 2, 1, 0, 7};
    static const int kFlipX[8] = {2, 1, 0, 7, 6, 5, 4, 3};
    static const int kFlipBoth[8] = {4, 5, 6, 7, 0, 1, 2, 3};
    if (nSpot < 0 || nSpot > 7)
        return nSpot;
    const bool bFlipX = fInverseX < 0;
    const bool bFlipY = fInverseY < 0;
    if (bFlipX && bFlipY)
        return kFlipBoth[nSpot];
    if (bFlipX)
        return kFlipX[nSpot];
    if (bFlipY)
        return kFlipY[nSpot];
    return nSpot;
}

CQYBaseCommand* CQYScaleExtendCommand::GetUndoCommand() const
{
    const float fInverseX = 1.0f / m_fScaleX;
    const float fInverseY = 1.0f / m_fScaleY;
    return new CQYScaleExtendCommand(m_pModel, m_pComp, fInverseX, fInverseY,
                                     MirrorSpot(m_nSpot, fInverseX, fInverseY));
}

CQYBaseCommand* CQYScaleExtendCommand::GetRedoCommand() const
{
    return new CQYScaleExtendCommand(m_pModel, m_pComp, m_fScaleX, m_fScaleY, m_nSpot);
}

void CQYScaleExtendCommand::Sprint(CString& strText) const
{
    strText = QYLoadCommandString(IDS_QY_CMD_SCALE);
}

// Rotate about a centre.

CQYRotateExtendCommand::CQYRotateExtendCommand(CQYDataModel* pModel, CQYDrawComponent* pComp, int nAngle)
    : CQYSingleCompCommand(pModel, pComp), m_nAngle(nAngle)
{
}

int CQYRotateExtendCommand::GetCommandID()
{
    return QY_CMD_ROTATEEXTEND;
}

BOOL CQYRotateExtendCommand::Execute()
{
    if (m_nAngle == 0 || m_pComp == nullptr)
        return FALSE;
    if (!m_bHasCentre) {
        const CRect rect = m_pComp->GetRect();
        m_fCentreX = static_cast<float>((rect.left + rect.right) / 2);
        m_fCentreY = static_cast<float>((rect.top + rect.bottom) / 2);
        m_bHasCentre = true;
    }
    m_pBefore = std::make_shared<const CQYPointsSnapshot>(CQYPointsSnapshot::Take(m_pComp));
    if (!m_pModel->RotateComponentAbout(m_pComp, m_nAngle, m_fCentreX, m_fCentreY))
        return FALSE;
    // The turn itself keeps every path a rotation takes (links follow their
    // ports); the points then land exactly where the undone or redone state
    // had them.
    if (m_pEndOn != nullptr)
        m_pEndOn->Restore();
    m_pAfter = std::make_shared<const CQYPointsSnapshot>(CQYPointsSnapshot::Take(m_pComp));
    return TRUE;
}

CQYRotateExtendCommand* CQYRotateExtendCommand::NewTurn(int nAngle,
                                                        std::shared_ptr<const CQYPointsSnapshot> pEndOn) const
{
    auto* pCommand = new CQYRotateExtendCommand(m_pModel, m_pComp, nAngle);
    pCommand->m_bHasCentre = m_bHasCentre;
    pCommand->m_fCentreX = m_fCentreX;
    pCommand->m_fCentreY = m_fCentreY;
    pCommand->m_pEndOn = std::move(pEndOn);
    return pCommand;
}

CQYBaseCommand* CQYRotateExtendCommand::GetUndoCommand() const
{
    return NewTurn(-m_nAngle, m_pBefore);
}

CQYBaseCommand* CQYRotateExtendCommand::GetRedoCommand() const
{
    return NewTurn(m_nAngle, m_pAfter);
}

void CQYRotateExtendCommand::Sprint(CString& strText) const
{
    strText = QYLoadCommandString(IDS_QY_CMD_ROTATE);
}

// A move in the drawing order.

CQYOrderSingleCommand::CQYOrderSingleCommand(CQYDataModel* pModel, CQYDrawComponent* pComp, int nNewPosition)
    : CQYSingleCompCommand(pModel, pComp), m_nNewPosition(nNewPosition)
{
}

int CQYOrderSingleCommand::GetCommandID()
{
    return QY_CMD_ORDERSINGLE;
}

BOOL CQYOrderSingleCommand::Execute()
{
    m_nOldPosition = m_pModel->MoveInDrawingOrder(m_pComp, m_nNewPosition);
    return TRUE;
}

CQYBaseCommand* CQYOrderSingleCommand::GetUndoCommand() const
{
    // A command that moved nothing gets an inverse that moves nothing.
    return new CQYOrderSingleCommand(m_pModel, m_pComp, m_nOldPosition);
}

CQYBaseCommand* CQYOrderSingleCommand::GetRedoCommand() const
{
    return new CQYOrderSingleCommand(m_pModel, m_pComp, m_nNewPosition);
}

void CQYOrderSingleCommand::Sprint(CString& strText) const
{
    strText = QYLoadCommandString(IDS_QY_CMD_ORDERSINGLE);
}
