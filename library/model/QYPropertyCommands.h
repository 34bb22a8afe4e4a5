// The remaining undoable edits: a component's or the form's two colours,
// the form's size, one point of a component, one end of a link moved to
// another port, and grouping and ungrouping.
#pragma once

#include "framework/base/CRect.h"
#include "library/model/QYCompCommandBases.h"

#include <utility>
#include <vector>

class CQYColorChangeCommand : public CQYSingleCompCommand {
    DECLARE_DYNAMIC(CQYColorChangeCommand)
public:
    CQYColorChangeCommand(CQYDataModel* pModel, CQYDrawComponent* pComp, COLORREF crBack, COLORREF crText);
    int GetCommandID() override;
    // Sets the two colours of the component's property set; the model's
    // modified flag is left alone.
    BOOL Execute() override;
    CQYBaseCommand* GetUndoCommand() override;
    CQYBaseCommand* GetRedoCommand() override;
    void Sprint(CString& strText) override;

private:
    COLORREF m_crNewBack;
    COLORREF m_crOldBack = 0;
    COLORREF m_crNewText;
    COLORREF m_crOldText = 0;
};

class CQYFormColorChangeCommand : public CQYSingleCompCommand {
    DECLARE_DYNAMIC(CQYFormColorChangeCommand)
public:
    CQYFormColorChangeCommand(CQYDataModel* pModel, CQYDrawComponent* pComp, COLORREF crBack, COLORREF crText);
    int GetCommandID() override;
    // The component's and the form's colours (SetFormColors).  The old
    // colours of both are remembered: the two may have differed, and the
    // inverse gives each its own back.
    BOOL Execute() override;
    CQYBaseCommand* GetUndoCommand() override;
    CQYBaseCommand* GetRedoCommand() override;
    void Sprint(CString& strText) override;

    // The component gets these colours instead of the form's.
    void SetComponentColors(COLORREF crBack, COLORREF crText);

private:
    COLORREF m_crNewBack;
    COLORREF m_crOldBack = 0;
    COLORREF m_crNewText;
    COLORREF m_crOldText = 0;
    bool m_bOwnCompColors = false;
    COLORREF m_crCompBack = 0;
    COLORREF m_crCompText = 0;
    COLORREF m_crOldCompBack = 0;
    COLORREF m_crOldCompText = 0;
};

class CQYFormSizeCommand : public CQYSingleCompCommand {
    DECLARE_DYNAMIC(CQYFormSizeCommand)
public:
    CQYFormSizeCommand(CQYDataModel* pModel, CQYDrawComponent* pComp, int nLeft, int nTop, int nRight, int nBottom);
    int GetCommandID() override;
    BOOL Execute() override;
    CQYBaseCommand* GetUndoCommand() override;
    CQYBaseCommand* GetRedoCommand() override;
    void Sprint(CString& strText) override;

private:
    CRect m_rectNew;
    CRect m_rectOld;
};

class CQYSizeSpotCommand : public CQYSingleCompCommand {
    DECLARE_DYNAMIC(CQYSizeSpotCommand)
public:
    CQYSizeSpotCommand(CQYDataModel* pModel, CQYDrawComponent* pComp, int nIndex, int dx, int dy);
    int GetCommandID() override;
    // Offsets one point; FALSE when the component is not on the page.
    BOOL Execute() override;
    CQYBaseCommand* GetUndoCommand() override;
    CQYBaseCommand* GetRedoCommand() override;
    void Sprint(CString& strText) override;

private:
    int m_nRecordedIndex = 0;
    int m_nIndex;
    int m_dx;
    int m_dy;
};

// The port left is the to-port accessor, the port joined the from-port one.
class CQYSizePortCommand : public CQYLinkCompCommand {
    DECLARE_DYNAMIC(CQYSizePortCommand)
public:
    CQYSizePortCommand(CQYDataModel* pModel, CQYDrawComponent* pLink, int nIndex, int dx, int dy);
    int GetCommandID() override;
    // Lets go of the port left, binds the end to the port joined, moves the
    // point; FALSE (nothing changed) when the link is not on the page.
    BOOL Execute() override;
    CQYBaseCommand* GetUndoCommand() override;
    CQYBaseCommand* GetRedoCommand() override;
    void Sprint(CString& strText) override;

private:
    int m_nRecordedIndex = 0;
    int m_nIndex;
    int m_dx;
    int m_dy;
};

// What grouping or ungrouping changes of the page besides the group:
// where the members (or the group) stood and every tab order, recorded
// when the command runs so that its inverse puts all of it back.
struct QY_GROUP_PLACES {
    std::vector<std::pair<CQYDrawComponent*, int>> indices; // component, index in the drawing order
    std::vector<std::pair<CQYDrawComponent*, int>> tabOrders;
    bool IsEmpty() const { return indices.empty(); }
};

class CQYGroupCommand : public CQYListCompCommand {
    DECLARE_DYNAMIC(CQYGroupCommand)
public:
    // The group may be NULL: the command then makes one when it first runs.
    CQYGroupCommand(CQYDataModel* pModel, CQYCompList* pList, CQYDrawComponent* pGroup);
    ~CQYGroupCommand() override;
    int GetCommandID() override;
    // FALSE (nothing done, the group untouched) for an empty list.
    BOOL Execute() override;
    // An ungroup carrying the members, which puts them back at their places.
    CQYBaseCommand* GetUndoCommand() override;
    CQYBaseCommand* GetRedoCommand() override;
    void Sprint(CString& strText) override;

    CQYDrawComponent* GetGroup() { return m_pGroup; }
    // The group returns to this place (the inverse of an ungroup).
    void SetRestore(const QY_GROUP_PLACES& places) { m_restore = places; }

private:
    CQYDrawComponent* m_pGroup = nullptr;
    QY_GROUP_PLACES m_restore;
    QY_GROUP_PLACES m_recorded;
};

class CQYUnGroupCommand : public CQYListCompCommand {
    DECLARE_DYNAMIC(CQYUnGroupCommand)
public:
    // Takes the group's members now, so that the inverse rebuilds the group.
    CQYUnGroupCommand(CQYDataModel* pModel, CQYDrawComponent* pGroup);
    ~CQYUnGroupCommand() override;
    int GetCommandID() override;
    BOOL Execute() override;
    // A group command with the members that puts the group back at its place.
    CQYBaseCommand* GetUndoCommand() override;
    CQYBaseCommand* GetRedoCommand() override;
    void Sprint(CString& strText) override;

    // The members return to these places (the inverse of a group).
    void SetRestore(const QY_GROUP_PLACES& places) { m_restore = places; }

private:
    CQYDrawComponent* m_pGroup;
    QY_GROUP_PLACES m_restore;
    QY_GROUP_PLACES m_recorded;
};
