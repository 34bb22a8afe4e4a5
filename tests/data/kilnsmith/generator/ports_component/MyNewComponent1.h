#if !defined(AFC_MYNEWCOMPONENT1_H__12345678_9ABC_ABCD_0123_456789ABCDEF__INCLUDED_)
#define AFC_MYNEWCOMPONENT1_H__12345678_9ABC_ABCD_0123_456789ABCDEF__INCLUDED_

#if _MSC_VER > 1000
#pragma once
#endif // _MSC_VER > 1000

//------------------------------------------------------
// Component.
//------------------------------------------------------


#include "QYDrawPortsComponent.h"

class QY_EXT_CLASS CMyNewComponent1 : public CQYDrawPortsComponent  
{
protected:
	DECLARE_SERIAL(CMyNewComponent1);
public:

	// constructor
	CMyNewComponent1();

	// Copy constructor.
	CMyNewComponent1(const CMyNewComponent1& src);

	// Destructor.
	virtual ~CMyNewComponent1();

	// Creates the button component from a CRect object.
	virtual void Create(CRect &rcPos,CString strCaption = "");
public:

	// Assignment operator.
	CMyNewComponent1& operator=(const CMyNewComponent1& src);

	// Creates a copy of this component.
	virtual CQYDrawComponent* Copy() const;

	virtual void GeometryUpdated(CQYArea* pRgn);

	// .
	virtual CRect GetRect();

	// Get the point of control.
	virtual void GetNormalSpotLocation(CArray<CPoint,CPoint>* parSpot);

	// Rotate component.
	virtual void RotateComponent(int nAngle, float fOX, float fOY);

	// Rotate component.
	virtual void RotateTrackComponent(int nAngle, float fOX, float fOY);

public:

	// Serializes the data.
	virtual void Serialize(CArchive &ar);
	
	// Save document.
	virtual BOOL SaveDocument(LPCTSTR lpszPathName);

	// Open document.
	virtual BOOL OpenDocument(LPCTSTR lpszPathName);
	
	// Get file.
	CFile *GetFile(LPCTSTR lpszFileName, UINT nOpenFlags,CFileException* pError);
	
	// Release file.
	virtual void ReleaseFile(CFile* pFile, BOOL bAbort);

public:

	//Draw flat status.

	// Draws custom tracker.
	virtual void OnDrawTrackCustom(CDC *pDC);

	// Creates GDI objects and sets up the device context for drawing. 
	virtual void PrepareDC(CDC* pDC);

	// Draws the flat status of the component.
	virtual void OnDrawFlat(CDC *pDC);

	// Draws shadow of component.
	virtual void OnDrawShadow(CDC *pDC);

	// Draws the 3D status of the component.
	virtual void OnDraw3d(CDC *pDC);

	// Frees GDI objects and restores the state of the device context.
	virtual void ClearDC(CDC* pDC);
	// Implementation

public:

#ifdef _DEBUG
	virtual void AssertValid() const;
	virtual void Dump(CDumpContext& dc) const;
#endif

};


#endif // !defined(AFC_MYNEWCOMPONENT1_H__12345678_9ABC_ABCD_0123_456789ABCDEF__INCLUDED_)
