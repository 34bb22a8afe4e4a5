// A command bound to one data model: the root of the commands that act on
// one component, one link or one list of components.  The model is neither
// owned nor reference counted.
#pragma once

#include "library/model/QYBaseCommand.h"

class CQYDataModel;

class CQYCommand : public CQYBaseCommand {
    DECLARE_DYNAMIC(CQYCommand)
public:
    explicit CQYCommand(CQYDataModel* pModel);
    ~CQYCommand() override = default;

    // Does nothing and succeeds; concrete commands do their change.
    BOOL Execute() override;

    virtual void SetModel(CQYDataModel* pModel);
    virtual CQYDataModel* GetModel();

protected:
    CQYDataModel* m_pModel;
};
