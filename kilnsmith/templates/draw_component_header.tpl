{Header opening}
//------------------------------------------------------
// «Description».
//------------------------------------------------------

#include "QYDrawComponent.h"

class «Class» : public CQYDrawComponent  
{
protected:
	DECLARE_SERIAL(«Class»);
public:

	// constructor
	«Class»();

	// Copy constructor.
	«Class»(const «Class»& src);

	// Destructor.
	virtual ~«Class»();

	// Creates the button component from a CRect object.
	virtual void Create(CRect &rcPos,CString strCaption = "");
public:

	// Assignment operator.
	«Class»& operator=(const «Class»& src);

	// Creates a copy of this component.
	virtual CQYDrawComponent* Copy() const;

	virtual void GeometryUpdated(CQYArea* pRgn);

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

{Diagnostics declarations}

protected:
	
	// Set the properties of the component.
	virtual void OnCustomProperties();
};
{GuardClose}
