// A device-independent bitmap read from and written to BMP files.
#pragma once

#include "editor/controls/SECImage.h"

class SECDib : public SECImage {
    DECLARE_SERIAL(SECDib)
public:
    SECDib() = default;

    // Reads the rest of the file as one BMP; FALSE for anything that is not
    // an uncompressed bottom-up picture of 1, 4, 8 or 24 bits whose rows lie
    // within the file.
    BOOL ReadFormat(CFile *pFile) override;
    BOOL WriteFormat(CFile *pFile) override;
};
