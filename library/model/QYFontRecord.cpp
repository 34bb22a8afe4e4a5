#include "library/model/QYFontRecord.h"

#include "framework/object/Archive.h"

void QYStoreFontFields(CArchive& ar, const QYFontFields& fields)
{
    ar << fields.strFaceName;
    ar << fields.nPointSize << fields.crColor << fields.nHeight << fields.nWeight << fields.bItalic << fields.bUnderline
       << fields.bStrikeOut;
}

void QYLoadFontFields(CArchive& ar, const QYFontFields& fields)
{
    ar >> fields.strFaceName;
    ar >> fields.nPointSize >> fields.crColor >> fields.nHeight >> fields.nWeight >> fields.bItalic >>
        fields.bUnderline >> fields.bStrikeOut;
    if (fields.nWeight < 0 || fields.nWeight > 1000)
        AfxThrowArchiveException(CArchiveException::generic);
}
