// MyNewClass.cpp : Defines the class behaviors for the application.
//

#include "stdafx.h"
#include "MyNewClass.h"

#ifdef _DEBUG
#undef THIS_FILE
static char THIS_FILE[]=__FILE__;
#define new DEBUG_NEW
#endif

//////////////////////////////////////////////////////////////////////
// Construction/Destruction
//////////////////////////////////////////////////////////////////////
CMyNewClass::CMyNewClass()
{

}

CMyNewClass::~CMyNewClass()
{

}
