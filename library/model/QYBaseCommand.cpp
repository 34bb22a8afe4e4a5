#include "library/model/QYBaseCommand.h"

IMPLEMENT_DYNAMIC(CQYBaseCommand, CObject)

void CQYBaseCommand::Serialize(CArchive&) {}
