// The fill texture files that the library carries inside itself (BMP files,
// generated into the build from library/pickers/textures).
#pragma once

#include "framework/base/WinTypes.h"

struct QYEmbeddedTexture {
    UINT nID;                   // the bitmap resource id
    const unsigned char* pData; // the whole .bmp file
    unsigned int nSize;
};

extern const QYEmbeddedTexture qyEmbeddedTextures[];
extern const int qyEmbeddedTextureCount;
