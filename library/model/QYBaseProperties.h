// Property sets: the root set identified by an integer id, and the default
// set of every component (colours, line, fill, font, shadow, text layout,
// bullets, flags) with its cached drawing objects.
#pragma once

#include "framework/base/CString.h"
#include "framework/object/Object.h"
#include "library/model/QYFilePersistence.h"

#include <memory>

class CBitmap;
class CBrush;
class CDC;
class CFont;
class CPen;

// The default property set of every component.
#define QY_COMP_PROP_ID 5001
// The form's property set.
#define QY_FORM_PROP_ID 5020
// Extensions number their own sets from here on.
#define QY_CUSTOM_PROP_ID 5100

class CQYBaseProperties : public CObject {
    DECLARE_SERIAL(CQYBaseProperties)
public:
    CQYBaseProperties();
    explicit CQYBaseProperties(int nCurID);
    ~CQYBaseProperties() override = default;

    // The record: the id as one 32-bit value.
    void Serialize(CArchive& ar) override;
    // A new set of the same class and values, owned by the caller.
    virtual CQYBaseProperties* Copy();
    QY_DECLARE_FILE_PERSISTENCE()

    int GetPropId() const { return m_nPropId; }

protected:
    int m_nPropId;
};
