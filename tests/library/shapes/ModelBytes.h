// Saving a data model into bytes and loading bytes into one, as a document
// file would, without a file.
#pragma once

#include "../model/ArchiveBytes.h"

#include "library/model/QYDataModel.h"

inline Bytes SaveModel(CQYDataModel& model)
{
    return StoreRecord(model);
}

// The archive exception's cause, or -1 when the document loaded.
inline int LoadModel(CQYDataModel& model, const Bytes& bytes)
{
    return LoadRecord(model, bytes);
}
