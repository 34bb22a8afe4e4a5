// The picture shape: a rectangle showing a device-independent bitmap
// stretched to it, optionally leaving one colour of the picture unpainted.
// Nine connection ports; an empty picture draws as a cross.
#pragma once

#include "library/model/QYDrawPortsComponent.h"
#include "library/model/QYFactoryProduct.h"
#include "library/model/QYFilePersistence.h"
#include "library/shapes/QYImageBaseObj.h"

class CQYImageComponent : public CQYDrawPortsComponent, public CQYFactoryProduct {
    DECLARE_SERIAL(CQYImageComponent)
public:
    CQYImageComponent();
    // The same picture (a copy of its own), transparency flag and colour.
    CQYImageComponent(const CQYImageComponent& src);
    ~CQYImageComponent() override;
    CQYImageComponent& operator=(const CQYImageComponent& src);

    // The ports record, the picture (a BMP file image or the empty picture
    // record), then the transparency flag and colour as 4-byte values.
    void Serialize(CArchive& ar) override;
    QY_DECLARE_FILE_PERSISTENCE()

    // The rectangle's corners, then nine ports: the centre, the four
    // corners and the middles of the sides.
    void Create(CRect& rcPos, CString strCaption = "") override;
    CQYDrawComponent* Copy() override;
    // Bounding box of the points, stored as the position and returned.
    CRect GetRect() override;
    void OnDrawFlat(CDC* pDC) override;
    void OnDraw3d(CDC* pDC) override;
    void OnDrawShadow(CDC* pDC) override;

    // Reads a BMP file into the picture.  On success the rectangle takes
    // the picture's size at its top-left corner.  0 when the file cannot be
    // read (a missing file included); the rectangle and picture then stay.
    BOOL LoadImageFile(CString strPath) override;
    void SetTransparentColor(COLORREF crTransparent);
    void SetTransparent(BOOL bTransparent);
    // The mask (white where the picture has the transparent colour) and the
    // picture with those pixels black.
    void BuildTransparentMasks();

    CQYImageBaseObj* m_pImage;
    BOOL m_bTransparent = FALSE;
    COLORREF m_crTransparent;
    CQYImageBaseObj* m_pMaskImage = nullptr;
    CQYImageBaseObj* m_pMaskedImage = nullptr;

private:
    void DropMasks();
    void DrawPicture(CDC* pDC);
    void DrawTransparent(CDC* pDC, const CRect& rect);
};
