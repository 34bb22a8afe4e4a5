#include "ViewTestSupport.h"

IMPLEMENT_DYNCREATE(CTestDiagramView, CQYBaseView)
