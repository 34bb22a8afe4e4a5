#if !defined(AFC_MYNEWCOMPONENT1_H__12345678_9ABC_ABCD_0123_456789ABCDEF__INCLUDED_)
#define AFC_MYNEWCOMPONENT1_H__12345678_9ABC_ABCD_0123_456789ABCDEF__INCLUDED_

#if _MSC_VER > 1000
#pragma once
#endif // _MSC_VER > 1000

///////////////////////////////////////
// New control.
///////////////////////////////////////


#include "QYHyLinkComponent.h"
#define QY_COMP_DIAMOND (QY_COMP_CUSTOM+1)

class QY_EXT_CLASS CMyNewComponent1 : public CQYHyLinkComponent  
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

	// Execute event.
	virtual void DoEvent();
public:
	// WM_CHAR message.
	virtual void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);

	// WM_LBUTTONDOWN message.
	virtual void OnLButtonDown(UINT nFlags, CPoint point); 

	// WM_LBUTTONDBLCLK message.
	virtual void OnLButtonDblClk(UINT nFlags, CPoint point);

	// WM_LBUTTONUP message.
	virtual void OnLButtonUp(UINT nFlags, CPoint point);

	// WM_RBUTTONDOWN message.
	virtual void OnRButtonDown(UINT nFlags, CPoint point); 

	// WM_RBUTTONDBLCLK message.
	virtual void OnRButtonDblClk(UINT nFlags, CPoint point);

	// WM_RBUTTONUP message.
	virtual void OnRButtonUp(UINT nFlags, CPoint point);

	// WM_MOUSEMOVE message.
	virtual void OnMouseMove(UINT nFlags, CPoint point);

	// WM_KEYDOWN message.
	virtual void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);

	// WM_KEYUP message.
	virtual void OnKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags);

	// WM_SETCURSOT message.
	BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);

	// WM_COMMAND message.
	virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);

	// WM_KILLFOCUS message.
	virtual void OnKillFocus(CWnd* pNewWnd);

	//	WM_SETFOCUS message.
	virtual  void OnSetFocus(CWnd* pOldWnd);

	// Cancel mode.
	virtual void OnCancelMode();

public:

	// Assignment operator.
	CMyNewComponent1& operator=(const CMyNewComponent1& src);

	// Creates a copy of this component.
	virtual CQYDrawComponent* Copy() const;

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

	// Draws shadow of component.
	virtual void OnDrawShadow(CDC *pDC);

	// Draws the flat status of the component.
	virtual void OnDrawFlat(CDC *pDC);

	// Draws the 3D status of the component.
	virtual void OnDraw3d(CDC *pDC);

	// Draws the Select status of the component.
	virtual void OnDrawSelect(CDC *pDC,CRect rcTotal);

	// Frees GDI objects and restores the state of the device context.
	virtual void ClearDC(CDC* pDC);
	// Implementation

public:

#ifdef _DEBUG
	virtual void AssertValid() const;
	virtual void Dump(CDumpContext& dc) const;
#endif

protected:
	
	// Set the properties of the component.
	virtual void OnCustomProperties();

};

#endif // !defined(AFC_MYNEWCOMPONENT1_H__12345678_9ABC_ABCD_0123_456789ABCDEF__INCLUDED_)
