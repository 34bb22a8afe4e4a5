// The layout macros: scale, rotate, align, same size, spacing and drawing
// order of a list of components, each made of one single-component command
// per component it affects.  A macro works out what its sub-commands do when
// it runs; its undo and redo are macros of type 0 that replay the
// sub-commands' inverses or copies without working anything out again.
#pragma once

#include "library/model/QYCommandMacro.h"
#include "library/model/QYCompList.h"

#include <vector>

class CQYDrawComponent;
class CQYSingleCompCommand;

// What the six macros share: a type, a component list and the sub-command
// of each component.
class CQYLayoutMacro : public CQYCommandMacro {
    DECLARE_DYNAMIC(CQYLayoutMacro)
public:
    ~CQYLayoutMacro() override;

    int m_nType = 0;
    CQYCompList* GetComponentList() { return &m_list; }
    virtual void SetMainComponent(CQYDrawComponent* pComp);
    CQYDrawComponent* GetMainComponent() { return m_pMainComp; }

protected:
    explicit CQYLayoutMacro(CQYDataModel* pModel);
    // A new, empty macro of the class with type 0, the same main component
    // and components.
    CQYBaseCommandMacro* NewEmptyMacro() override;
    virtual CQYLayoutMacro* NewOfSameClass() = 0;
    // The sub-commands in order, each with the component it acts on.
    std::vector<CQYSingleCompCommand*> SubCommands();
    // Runs every sub-command from head to tail; TRUE.
    BOOL RunAll();
    // Loads the description of entry nType of the ids (nCount of them);
    // types outside them get the fallback.
    static void SprintType(CString& strText, int nType, const UINT* pIds, int nCount, UINT nFallback);

    CQYCompList m_list;
    // One reference.
    CQYDrawComponent* m_pMainComp = nullptr;
};

class CQYScaleCommand : public CQYLayoutMacro {
    DECLARE_DYNAMIC(CQYScaleCommand)
public:
    explicit CQYScaleCommand(CQYDataModel* pModel);
    // A scale-extend for each component that is not a connector, then the
    // whole list joins the component list.
    void AddComponents(CQYCompList* pList, float fScaleX, float fScaleY, int nSpot);
    BOOL Execute() override;
    void Sprint(CString& strText) override;

protected:
    CQYLayoutMacro* NewOfSameClass() override;
};

class CQYRotateCommand : public CQYLayoutMacro {
    DECLARE_DYNAMIC(CQYRotateCommand)
public:
    explicit CQYRotateCommand(CQYDataModel* pModel);
    void AddComponents(CQYCompList* pList, int nAngle);
    BOOL Execute() override;
    void Sprint(CString& strText) override;

protected:
    CQYLayoutMacro* NewOfSameClass() override;
};

// Types: 1 top, 2 middle, 3 bottom, 4 left, 5 center, 6 right.
class CQYAlignCommand : public CQYLayoutMacro {
    DECLARE_DYNAMIC(CQYAlignCommand)
public:
    explicit CQYAlignCommand(CQYDataModel* pModel);
    void AddComponent(CQYDrawComponent* pComp);
    void AddComponents(CQYCompList* pList);
    BOOL Execute() override;
    void Sprint(CString& strText) override;

protected:
    CQYLayoutMacro* NewOfSameClass() override;
};

// Types: 1 same width, 2 same height, 3 same size; the factors are worked
// out against the main component when the components are added.
class CQYSizeCommand : public CQYLayoutMacro {
    DECLARE_DYNAMIC(CQYSizeCommand)
public:
    explicit CQYSizeCommand(CQYDataModel* pModel);
    void AddComponents(CQYCompList* pList);
    BOOL Execute() override;
    void Sprint(CString& strText) override;

protected:
    CQYLayoutMacro* NewOfSameClass() override;
};

// Types: 1 across, 2 down.
class CQYSpacingCommand : public CQYLayoutMacro {
    DECLARE_DYNAMIC(CQYSpacingCommand)
public:
    explicit CQYSpacingCommand(CQYDataModel* pModel);
    void AddComponent(CQYDrawComponent* pComp);
    void AddComponents(CQYCompList* pList);
    BOOL Execute() override;
    void Sprint(CString& strText) override;

protected:
    CQYLayoutMacro* NewOfSameClass() override;
};

// Types: 1 to front, 2 to back, 3 forward, 4 backward.  The selected
// components keep their order among themselves whatever the selection
// order, and a selected block already at the top (bottom) stays.
class CQYOrderCommand : public CQYLayoutMacro {
    DECLARE_DYNAMIC(CQYOrderCommand)
public:
    explicit CQYOrderCommand(CQYDataModel* pModel);
    void AddComponent(CQYDrawComponent* pComp);
    void AddComponents(CQYCompList* pList);
    BOOL Execute() override;
    void Sprint(CString& strText) override;

protected:
    CQYLayoutMacro* NewOfSameClass() override;

private:
    // Puts the sub-commands in the order they must run in and gives each
    // its new position.
    void PlanPositions();
};
