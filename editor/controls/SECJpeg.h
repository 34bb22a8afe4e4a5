// A device-independent bitmap read from and written to JPEG files through
// the framework's codec.  Pictures always decode to 24 bits (displays are
// true-colour); a failing decode or encode leaves the picture as it was.
#pragma once

#include "editor/controls/SECImage.h"
#include "editor/controls/SECJpegFileAdapter.h"

class SECJpeg : public SECImage {
    DECLARE_SERIAL(SECJpeg)
public:
    SECJpeg();

    BOOL ReadFormat(CFile *pFile) override;
    BOOL WriteFormat(CFile *pFile) override;

    // The library's messages of the last read or write.
    const SECJpegFile::Messages &Messages() const { return m_messages; }

    int m_nImageBytes = 0;
    BOOL m_bQuantize = FALSE;
    int m_nQuality = Jpeg::kDefaultQuality;

private:
    // The picture as top-down rows of width x 3 blue-green-red bytes.
    std::vector<unsigned char> TopDownBgrRows() const;

    SECJpegFile::Messages m_messages;
};
