// The undoable commands that put components on the page, take them off,
// move them, and attach or detach a connector with its ports.  Each does its
// work through one direct edit of the data model; a command that takes
// components off records where they stood, so that its inverse puts them
// back at their places in the drawing order with their tab orders.
#pragma once

#include "library/model/QYCompCommandBases.h"
#include "library/model/QYLinkBonds.h"

#include <memory>

class CQYAddCompCommand : public CQYSingleCompCommand {
    DECLARE_DYNAMIC(CQYAddCompCommand)
public:
    CQYAddCompCommand(CQYDataModel* pModel, CQYDrawComponent* pComp);

    int GetCommandID() override;
    // Appends the component on top with the next tab order; an inverse of a
    // removal puts it back where it stood.
    BOOL Execute() override;
    CQYBaseCommand* GetUndoCommand() override;
    CQYBaseCommand* GetRedoCommand() override;
    void Sprint(CString& strText) override;

    // Makes the command put the component back at this place.
    void SetPlace(int nIndex, int nTabOrder);

private:
    int m_nIndex = -1;
    int m_nTabOrder = 0;
};

class CQYRemoveCompCommand : public CQYSingleCompCommand {
    DECLARE_DYNAMIC(CQYRemoveCompCommand)
public:
    CQYRemoveCompCommand(CQYDataModel* pModel, CQYDrawComponent* pComp);

    int GetCommandID() override;
    BOOL Execute() override;
    CQYBaseCommand* GetUndoCommand() override;
    CQYBaseCommand* GetRedoCommand() override;
    void Sprint(CString& strText) override;

private:
    int m_nIndex = -1;
    int m_nTabOrder = 0;
};

class CQYMoveCompCommand : public CQYSingleCompCommand {
    DECLARE_DYNAMIC(CQYMoveCompCommand)
public:
    CQYMoveCompCommand(CQYDataModel* pModel, CQYDrawComponent* pComp, int dx, int dy);

    // The layout macros set the offset they computed before running it.
    void SetOffset(int dx, int dy)
    {
        m_dx = dx;
        m_dy = dy;
    }
    int GetDx() const { return m_dx; }
    int GetDy() const { return m_dy; }

    int GetCommandID() override;
    BOOL Execute() override;
    CQYBaseCommand* GetUndoCommand() override;
    CQYBaseCommand* GetRedoCommand() override;
    void Sprint(CString& strText) override;

private:
    int m_dx;
    int m_dy;
};

class CQYAddCompsCommand : public CQYListCompCommand {
    DECLARE_DYNAMIC(CQYAddCompsCommand)
public:
    CQYAddCompsCommand(CQYDataModel* pModel, CQYCompList* pList);

    int GetCommandID() override;
    BOOL Execute() override;
    CQYBaseCommand* GetUndoCommand() override;
    CQYBaseCommand* GetRedoCommand() override;
    void Sprint(CString& strText) override;

    // Makes the command put the components back where they stood (places
    // in the order they were taken out) and tie the bonds that were cut.
    void SetPlaces(const CQYCompPlaces& places, std::shared_ptr<CQYLinkBonds> bonds);

private:
    CQYCompPlaces m_places;
    std::shared_ptr<CQYLinkBonds> m_bonds;
};

class CQYRemoveCompsCommand : public CQYListCompCommand {
    DECLARE_DYNAMIC(CQYRemoveCompsCommand)
public:
    CQYRemoveCompsCommand(CQYDataModel* pModel, CQYCompList* pList);

    int GetCommandID() override;
    // Takes every listed component on the page off (FALSE when none was);
    // with SetCutBonds, first cuts their port and connector bonds.
    BOOL Execute() override;
    CQYBaseCommand* GetUndoCommand() override;
    CQYBaseCommand* GetRedoCommand() override;
    void Sprint(CString& strText) override;

    // The removal also cuts the bonds between ports and connectors of the
    // listed components, and its inverse ties them again.
    void SetCutBonds(BOOL bCut) { m_bCutBonds = bCut; }

private:
    CQYCompPlaces m_places;
    BOOL m_bCutBonds = FALSE;
    std::shared_ptr<CQYLinkBonds> m_bonds;
};

class CQYMoveCompsCommand : public CQYListCompCommand {
    DECLARE_DYNAMIC(CQYMoveCompsCommand)
public:
    CQYMoveCompsCommand(CQYDataModel* pModel, CQYCompList* pList, int dx, int dy);

    int GetCommandID() override;
    BOOL Execute() override;
    CQYBaseCommand* GetUndoCommand() override;
    CQYBaseCommand* GetRedoCommand() override;
    void Sprint(CString& strText) override;

private:
    int m_dx;
    int m_dy;
};

class CQYAddLinkCommand : public CQYLinkCompCommand {
    DECLARE_DYNAMIC(CQYAddLinkCommand)
public:
    CQYAddLinkCommand(CQYDataModel* pModel, CQYDrawComponent* pLink);

    int GetCommandID() override;
    // Binds the ends to the ports that are set, then adds the link.
    BOOL Execute() override;
    CQYBaseCommand* GetUndoCommand() override;
    CQYBaseCommand* GetRedoCommand() override;
    void Sprint(CString& strText) override;

    void SetPlace(int nIndex, int nTabOrder);

private:
    int m_nIndex = -1;
    int m_nTabOrder = 0;
};

class CQYRemoveLinkCommand : public CQYLinkCompCommand {
    DECLARE_DYNAMIC(CQYRemoveLinkCommand)
public:
    CQYRemoveLinkCommand(CQYDataModel* pModel, CQYDrawComponent* pLink);

    int GetCommandID() override;
    // Lets go of the ports that are set, then takes the link off.
    BOOL Execute() override;
    CQYBaseCommand* GetUndoCommand() override;
    CQYBaseCommand* GetRedoCommand() override;
    void Sprint(CString& strText) override;

private:
    int m_nIndex = -1;
    int m_nTabOrder = 0;
};
