// A toolbox item as the canvas needs it for a drop: its name, the type
// code of the component it makes, its data string and the transparent
// colour of its picture, and the "Form ToolBox Item" transfer form without
// the picture.  The picture, the drawing and the item's full form belong
// to the toolbox itself.
#pragma once

#include "framework/base/CString.h"
#include "framework/object/GlobalMemory.h"
#include "framework/object/Object.h"

class COleDataObject;

class CQYToolBoxItem : public CObject {
    DECLARE_SERIAL(CQYToolBoxItem)
public:
    CQYToolBoxItem() = default;

    // The transfer form: name, type code, data string and transparent
    // colour, then the fields a derived item adds.  No class record and no
    // version.
    virtual void SerializeData(CArchive& ar);

    CString GetName() const { return m_strName; }
    void SetName(LPCTSTR lpszName) { m_strName = lpszName; }
    int GetType() const { return m_nType; }
    void SetType(int nType) { m_nType = nType; }
    CString GetData() const { return m_strData; }
    void SetData(LPCTSTR lpszData) { m_strData = lpszData; }
    COLORREF GetTransparentColor() const { return m_crTransparent; }
    void SetTransparentColor(COLORREF crColor) { m_crTransparent = crColor; }

    CString m_strName = "Object Name";
    int m_nType = 1000;
    CString m_strData;
    COLORREF m_crTransparent = 0xFFFFFF;
};

// The process-wide format number of "Form ToolBox Item".
UINT QYGetToolBoxItemFormat();

// Reads the data object's "Form ToolBox Item" data into the item; FALSE
// when there is none or it cannot be read (the item may then be partly
// filled).
BOOL QYReadToolBoxItem(CQYToolBoxItem* pItem, COleDataObject* pDataObject);
// The same from the bytes of the data.
BOOL QYReadToolBoxItemBytes(CQYToolBoxItem* pItem, const BYTE* pBytes, size_t nSize);
// The item's transfer form in a new shared memory block, as a drag offers
// it.
HGLOBAL QYWriteToolBoxItemData(CQYToolBoxItem* pItem);
