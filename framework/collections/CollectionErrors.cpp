#include "framework/collections/CollectionErrors.h"

#include "framework/object/Exceptions.h"

void ThrowCollectionOutOfMemory()
{
    AfxThrowMemoryException();
}

// The framework has no argument exception of its own; a request the
// collection cannot carry out is an unsupported operation.
void ThrowCollectionBadArgument()
{
    AfxThrowNotSupportedException();
}
