// A composite command bound to one data model: the root of the layout
// macros (align, size, spacing, order, scale, rotate).
#pragma once

#include "library/model/QYBaseCommandMacro.h"

class CQYDataModel;

class CQYCommandMacro : public CQYBaseCommandMacro {
    DECLARE_DYNAMIC(CQYCommandMacro)
public:
    explicit CQYCommandMacro(CQYDataModel* pModel);
    ~CQYCommandMacro() override = default;

    virtual void SetModel(CQYDataModel* pModel);
    virtual CQYDataModel* GetModel();

    // A plain macro on the same model; derived macros that build their own
    // inverse and copy need not override it.
    CQYBaseCommandMacro* NewEmptyMacro() const override;
    // The description of the first command held, or the unknown-command
    // text when there is none.
    void Sprint(CString& strText) const override;

protected:
    CQYDataModel* m_pModel;
};
