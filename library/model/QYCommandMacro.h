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

protected:
    CQYDataModel* m_pModel;
};
