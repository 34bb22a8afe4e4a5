// The string-table entries of the data model: the names that the header
// and footer fields show, registered when the library loads.
#pragma once

#include "framework/base/CString.h"

#define IDS_QY_FIELD_PAGE 28044
#define IDS_QY_FIELD_FILE 28045
#define IDS_QY_FIELD_FILE_EXT 28046
#define IDS_QY_FIELD_FILE_AND_EXT 28047

void QYRegisterModelStrings();
// The text of an id; empty when the id is not registered.
CString QYLoadModelString(UINT nID);
