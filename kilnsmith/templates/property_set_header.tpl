{Header opening}
//------------------------------------------------------
// «Description».
//------------------------------------------------------

#include "QYBaseProperties.h"

class «Class» : public CQYBaseProperties
{
	DECLARE_SERIAL(«Class»)

// Construction/Destruction
public:

	// Constructor with ID.
	«Class»(int nCurID = QY_CUSTOM_PROP_ID);
	
	// Copy constructor. 
	«Class»(const «Class»& propComp);
	
	// Destructor. 
	virtual ~«Class»();

	virtual CQYBaseProperties* Copy();

// Attributes
protected:
	// QYDO:Add your properties items below.

public:
	
	// Sets this set of font properties equal to another. 
	«Class»& operator=(const «Class»& propEdit);

	// Determines if another set of fill properties is equal to this one. 
	BOOL operator==(const «Class» propEdit) const;

	virtual void Serialize(CArchive& ar);

// Implementation
public:

{Diagnostics declarations}

};
inline CQYBaseProperties* «Class»::Copy()
{
	return new «Class»(*this);
}
{GuardClose}
