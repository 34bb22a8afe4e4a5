{Header opening}
///////////////////////////////////////
// «Description»
///////////////////////////////////////

#include "QYBaseEndObject.h"

class «Class» : public CQYBaseEndObject  
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

public:

	// Assignment operator.
	«Class»& operator=(const «Class»& src);

	// Creates a copy of this component.
	virtual CQYBaseEndObject* Copy() const;

public:
	// Get near.
	int MoreNear(float fNumber) const;

	int ComputeAngle(CPoint ptStart,CPoint ptEnd);
public:

	// Serializes the data.
	virtual void Serialize(CArchive &ar);
	
public:

	//Draw flat status.

	// Creates GDI objects and sets up the device context for drawing. 
	virtual void PrepareDC(CDC* pDC);

	// Draws the 3D status of the component.
	virtual void OnDraw(CDC *pDC);

	// Frees GDI objects and restores the state of the device context.
	virtual void ClearDC(CDC* pDC);

	// Create arrow.
	virtual void BuildLineEnd();

public:

{Diagnostics declarations}
	// Set the properties of the component.
	virtual void OnTextEditProperties();

};
{GuardClose}
