#include "framework/gdi/EmfPlayer.h"

#include "framework/gdi/EnhMetaFile.h"

#include <algorithm>
#include <cmath>

namespace {

// Deeper SAVEDC nesting than this is refused rather than followed.
constexpr size_t kMaxSaveDepth = 1024;
// Extents the composed mapping is expressed in: large enough that the
// scale is exact for ordinary ratios, small enough to stay within 32 bits.
constexpr double kExtentUnits = 16777216.0;

LONG RoundLong(double v)
{
    return static_cast<LONG>(std::floor(v + 0.5));
}

bool Finite(double v)
{
    return std::isfinite(v) && std::fabs(v) < 1e9;
}

} // namespace

EmfPlayer::EmfPlayer(HDC hdc, const BYTE *bytes, size_t size)
    : m_hdc(hdc), m_dc(CDC::FromHandle(hdc)), m_file(bytes, size)
{
}

EmfPlayer::~EmfPlayer()
{
    End();
}

bool EmfPlayer::Play(const RECT &targetLogical)
{
    if (!m_dc || m_file.Size() < Emf::kHeaderMinSize)
        return false;
    Begin(targetLogical);
    size_t at = 0;
    while (at + 8 <= m_file.Size()) {
        const DWORD type = m_file.U32(at);
        const DWORD size = m_file.U32(at + 4);
        if (size < 8 || size > m_file.Size() - at)
            break;
        if (type == Emf::EOF_)
            break;
        Emf::Reader record(m_file.Data() + at, size);
        PlayRecord(type, record);
        at += size;
    }
    End();
    return true;
}

void EmfPlayer::Begin(const RECT &targetLogical)
{
    Emf::Reader &h = m_file;
    const RECT frame = h.Rect(24);
    m_objects.assign(std::max<size_t>(h.U16(56), 1), nullptr);
    m_refDevice = SIZE{h.I32(72), h.I32(76)};
    m_refMillimetres = SIZE{h.I32(80), h.I32(84)};
    if (m_refDevice.cx > 0 && m_refDevice.cy > 0 && m_refMillimetres.cx > 0 && m_refMillimetres.cy > 0) {
        m_refPerHimetricX = m_refDevice.cx / (m_refMillimetres.cx * 100.0);
        m_refPerHimetricY = m_refDevice.cy / (m_refMillimetres.cy * 100.0);
    } else {
        m_refDevice = SIZE{1920, 1080};
        m_refMillimetres = SIZE{508, 286};
    }
    // Headers that carry the reference size in micrometres give the exact ratio.
    const LONG umX = h.I32(100), umY = h.I32(104);
    if (h.U32(4) >= 108 && h.Ok() && umX > 0 && umY > 0 && m_refDevice.cx > 0 && m_refDevice.cy > 0) {
        m_refPerHimetricX = m_refDevice.cx / (umX / 10.0);
        m_refPerHimetricY = m_refDevice.cy / (umY / 10.0);
    }
    // The frame in whole reference pixels, so a frame made from a pixel
    // rectangle plays at exactly the size it was recorded.
    const double left = std::round(frame.left * m_refPerHimetricX);
    const double top = std::round(frame.top * m_refPerHimetricY);
    double width = std::round(frame.right * m_refPerHimetricX) - left;
    double height = std::round(frame.bottom * m_refPerHimetricY) - top;
    if (width == 0)
        width = 1;
    if (height == 0)
        height = 1;

    POINT corners[2] = {{targetLogical.left, targetLogical.top}, {targetLogical.right, targetLogical.bottom}};
    m_dc->LPtoDP(corners, 2);
    // In double: a target rectangle may be wider than the int range.
    m_scaleX = (static_cast<double>(corners[1].x) - corners[0].x) / width;
    m_scaleY = (static_cast<double>(corners[1].y) - corners[0].y) / height;
    m_offsetX = corners[0].x - m_scaleX * left;
    m_offsetY = corners[0].y - m_scaleY * top;

    HRGN clip = CreateRectRgn(0, 0, 0, 0);
    if (GetClipRgn(m_hdc, clip) == 1)
        m_baseClip = clip;
    else
        DeleteObject(clip);

    m_savedLevel = m_dc->SaveDC();
    m_began = true;
    // The metafile starts from the default attributes and objects.
    m_dc->SelectObject(GetStockObject(BLACK_PEN));
    m_dc->SelectObject(GetStockObject(WHITE_BRUSH));
    m_dc->SetTextColor(RGB(0, 0, 0));
    m_dc->SetBkColor(RGB(255, 255, 255));
    m_dc->SetBkMode(OPAQUE);
    m_dc->SetROP2(R2_COPYPEN);
    m_dc->SetTextAlign(TA_LEFT | TA_TOP | TA_NOUPDATECP);
    m_dc->SetPolyFillMode(ALTERNATE);
    m_dc->SetBrushOrg(0, 0);
    m_dc->MoveTo(0, 0);
    m_map = Mapping{};
    ApplyMapping();
}

void EmfPlayer::End()
{
    if (!m_began)
        return;
    m_began = false;
    // Restoring first deselects the metafile's objects, then they can go.
    m_dc->RestoreDC(m_savedLevel);
    for (HGDIOBJ &object : m_objects)
        if (object) {
            DeleteObject(object);
            object = nullptr;
        }
    if (m_baseClip)
        DeleteObject(m_baseClip);
    m_baseClip = nullptr;
}

// The metafile's page-to-reference-device ratio of its metric mapping modes.
void EmfPlayer::MetricRatio(double &rx, double &ry) const
{
    double mmPerUnit = 0;
    switch (m_map.mapMode) {
    case MM_LOMETRIC: mmPerUnit = 0.1; break;
    case MM_HIMETRIC: mmPerUnit = 0.01; break;
    case MM_LOENGLISH: mmPerUnit = 0.254; break;
    case MM_HIENGLISH: mmPerUnit = 0.0254; break;
    case MM_TWIPS: mmPerUnit = 25.4 / 1440; break;
    default: rx = ry = 1; return;
    }
    rx = mmPerUnit * m_refDevice.cx / m_refMillimetres.cx;
    ry = -mmPerUnit * m_refDevice.cy / m_refMillimetres.cy;
}

void EmfPlayer::ApplyMapping()
{
    double rx = 1, ry = 1;
    double winX = 0, winY = 0, vpX = 0, vpY = 0;
    if (m_map.mapMode == MM_ISOTROPIC || m_map.mapMode == MM_ANISOTROPIC) {
        rx = static_cast<double>(m_map.viewportExt.cx) / m_map.windowExt.cx;
        ry = static_cast<double>(m_map.viewportExt.cy) / m_map.windowExt.cy;
        if (m_map.mapMode == MM_ISOTROPIC) {
            const double both = std::min(std::fabs(rx), std::fabs(ry));
            rx = std::copysign(both, rx);
            ry = std::copysign(both, ry);
        }
    } else {
        MetricRatio(rx, ry);
    }
    winX = m_map.windowOrg.x;
    winY = m_map.windowOrg.y;
    vpX = m_map.viewportOrg.x;
    vpY = m_map.viewportOrg.y;
    // target = offset + scale * (viewportOrg + (world(x) - windowOrg) * ratio)
    //        = k * (x - wo) + vo, with wo the window origin in the metafile's units.
    const double kx = m_scaleX * rx * m_map.m11;
    const double ky = m_scaleY * ry * m_map.m22;
    if (!Finite(kx) || !Finite(ky) || kx == 0 || ky == 0)
        return;
    const double woX = std::round((winX - m_map.dx) / m_map.m11), woY = std::round((winY - m_map.dy) / m_map.m22);
    const double voX = m_offsetX + m_scaleX * (vpX + (m_map.dx - winX) * rx) + kx * woX;
    const double voY = m_offsetY + m_scaleY * (vpY + (m_map.dy - winY) * ry) + ky * woY;
    if (!Finite(woX) || !Finite(woY) || !Finite(voX) || !Finite(voY))
        return;
    // Played at the recorded size, the metafile's own extents keep its
    // rounding exact; otherwise the ratio goes into large extents.
    const bool ownExtents =
        m_map.mapMode == MM_ANISOTROPIC && m_scaleX == 1 && m_scaleY == 1 && m_map.m11 == 1 && m_map.m22 == 1;
    LONG windowX, windowY, viewportX, viewportY;
    if (ownExtents) {
        windowX = m_map.windowExt.cx, windowY = m_map.windowExt.cy;
        viewportX = m_map.viewportExt.cx, viewportY = m_map.viewportExt.cy;
    } else {
        const double unitsX = std::clamp(std::round(kExtentUnits / std::fabs(kx)), 1.0, kExtentUnits);
        const double unitsY = std::clamp(std::round(kExtentUnits / std::fabs(ky)), 1.0, kExtentUnits);
        windowX = static_cast<LONG>(unitsX), windowY = static_cast<LONG>(unitsY);
        viewportX = RoundLong(kx * unitsX), viewportY = RoundLong(ky * unitsY);
    }
    if (viewportX == 0 || viewportY == 0)
        return;
    m_dc->SetMapMode(MM_ANISOTROPIC);
    m_dc->SetWindowExt(windowX, windowY);
    m_dc->SetViewportExt(viewportX, viewportY);
    m_dc->SetWindowOrg(static_cast<int>(woX), static_cast<int>(woY));
    m_dc->SetViewportOrg(RoundLong(voX), RoundLong(voY));
}

void EmfPlayer::PlayRecord(DWORD type, Emf::Reader r)
{
    if (PlayStateRecord(type, r) || PlayMappingRecord(type, r) || PlayObjectRecord(type, r) ||
        PlayClipRecord(type, r) || PlayLineRecord(type, r) || PlayShapeRecord(type, r) || PlayPathRecord(type) ||
        PlayRegionRecord(type, r) || PlayTransferRecord(type, r) || PlayTextRecord(type, r) ||
        PlayGradientRecord(type, r))
        return;
    // Comments, colour management and anything unknown: skipped by size.
}

bool EmfPlayer::PlayStateRecord(DWORD type, Emf::Reader r)
{
    switch (type) {
    case Emf::SETBKMODE:
    case Emf::SETPOLYFILLMODE:
    case Emf::SETROP2:
    case Emf::SETSTRETCHBLTMODE:
    case Emf::SETTEXTALIGN:
    case Emf::SETTEXTCOLOR:
    case Emf::SETBKCOLOR:
    case Emf::SETARCDIRECTION:
    case Emf::SETBRUSHORGEX:
    case Emf::RESTOREDC:
        if (!r.Has(8, type == Emf::SETBRUSHORGEX ? 8 : 4))
            return true;
        break;
    default: break;
    }
    const DWORD value = r.U32(8);
    switch (type) {
    case Emf::SETBKMODE: m_dc->SetBkMode(static_cast<int>(value)); return true;
    case Emf::SETPOLYFILLMODE: m_dc->SetPolyFillMode(static_cast<int>(value)); return true;
    case Emf::SETROP2: m_dc->SetROP2(static_cast<int>(value)); return true;
    case Emf::SETSTRETCHBLTMODE: m_dc->SetStretchBltMode(static_cast<int>(value)); return true;
    case Emf::SETTEXTALIGN: m_dc->SetTextAlign(value); return true;
    case Emf::SETTEXTCOLOR: m_dc->SetTextColor(value); return true;
    case Emf::SETBKCOLOR: m_dc->SetBkColor(value); return true;
    case Emf::SETARCDIRECTION: m_dc->SetArcDirection(static_cast<int>(value)); return true;
    case Emf::SETBRUSHORGEX: m_dc->SetBrushOrg(r.I32(8), r.I32(12)); return true;
    case Emf::SAVEDC:
        if (m_savedMaps.size() < kMaxSaveDepth) {
            m_dc->SaveDC();
            m_savedMaps.push_back(m_map);
        }
        return true;
    case Emf::RESTOREDC: {
        // Only relative levels within what the metafile itself saved.
        const LONG relative = static_cast<LONG>(value);
        if (relative >= 0 || static_cast<size_t>(-static_cast<long long>(relative)) > m_savedMaps.size())
            return true;
        m_dc->RestoreDC(relative);
        m_map = m_savedMaps[m_savedMaps.size() + relative];
        m_savedMaps.resize(m_savedMaps.size() + relative);
        return true;
    }
    default: return false;
    }
}

bool EmfPlayer::PlayMappingRecord(DWORD type, Emf::Reader r)
{
    switch (type) {
    case Emf::SETMAPMODE:
    case Emf::SETWINDOWORGEX:
    case Emf::SETVIEWPORTORGEX:
    case Emf::SETWINDOWEXTEX:
    case Emf::SETVIEWPORTEXTEX:
    case Emf::SCALEWINDOWEXTEX:
    case Emf::SCALEVIEWPORTEXTEX:
    case Emf::SETWORLDTRANSFORM:
    case Emf::MODIFYWORLDTRANSFORM: break;
    default: return false;
    }
    const LONG a = r.I32(8);
    if (type == Emf::SETMAPMODE) {
        if (r.Ok() && a >= MM_TEXT && a <= MM_ANISOTROPIC) {
            m_map.mapMode = a;
            ApplyMapping();
        }
        return true;
    }
    const LONG b = r.I32(12);
    if (!r.Ok())
        return true;
    switch (type) {
    case Emf::SETWINDOWORGEX: m_map.windowOrg = POINT{a, b}; break;
    case Emf::SETVIEWPORTORGEX: m_map.viewportOrg = POINT{a, b}; break;
    case Emf::SETWINDOWEXTEX:
        if (a && b && (m_map.mapMode == MM_ISOTROPIC || m_map.mapMode == MM_ANISOTROPIC))
            m_map.windowExt = SIZE{a, b};
        break;
    case Emf::SETVIEWPORTEXTEX:
        if (a && b && (m_map.mapMode == MM_ISOTROPIC || m_map.mapMode == MM_ANISOTROPIC))
            m_map.viewportExt = SIZE{a, b};
        break;
    case Emf::SCALEWINDOWEXTEX:
    case Emf::SCALEVIEWPORTEXTEX: {
        const LONG xDenom = b, yNum = r.I32(16), yDenom = r.I32(20);
        SIZE &ext = type == Emf::SCALEWINDOWEXTEX ? m_map.windowExt : m_map.viewportExt;
        if (!r.Ok() || !xDenom || !yDenom)
            return true;
        const long long cx = static_cast<long long>(ext.cx) * a / xDenom;
        const long long cy = static_cast<long long>(ext.cy) * yNum / yDenom;
        if (cx && cy && std::llabs(cx) < (1ll << 31) && std::llabs(cy) < (1ll << 31))
            ext = SIZE{static_cast<LONG>(cx), static_cast<LONG>(cy)};
        break;
    }
    case Emf::SETWORLDTRANSFORM: WorldTransform(r, 4); break;
    case Emf::MODIFYWORLDTRANSFORM: WorldTransform(r, r.U32(32)); break;
    default: break;
    }
    ApplyMapping();
    return true;
}

// XFORM at offset 8; modes: 1 identity, 2 left multiply, 3 right multiply, 4 set.
void EmfPlayer::WorldTransform(Emf::Reader &r, DWORD mode)
{
    const double m11 = r.F32(8), m12 = r.F32(12), m21 = r.F32(16), m22 = r.F32(20), dx = r.F32(24), dy = r.F32(28);
    if (!r.Ok())
        return;
    for (double v : {m11, m12, m21, m22, dx, dy})
        if (!Finite(v))
            return;
    Mapping &m = m_map;
    switch (mode) {
    case 1: m.m11 = 1, m.m12 = 0, m.m21 = 0, m.m22 = 1, m.dx = 0, m.dy = 0; break;
    case 4: m.m11 = m11, m.m12 = m12, m.m21 = m21, m.m22 = m22, m.dx = dx, m.dy = dy; break;
    case 2:   // new = given * current
    case 3: { // new = current * given
        const double a[6] = {m11, m12, m21, m22, dx, dy};
        const double c[6] = {m.m11, m.m12, m.m21, m.m22, m.dx, m.dy};
        const double *p = mode == 2 ? a : c, *q = mode == 2 ? c : a;
        m.m11 = p[0] * q[0] + p[1] * q[2];
        m.m12 = p[0] * q[1] + p[1] * q[3];
        m.m21 = p[2] * q[0] + p[3] * q[2];
        m.m22 = p[2] * q[1] + p[3] * q[3];
        m.dx = p[4] * q[0] + p[5] * q[2] + q[4];
        m.dy = p[4] * q[1] + p[5] * q[3] + q[5];
        break;
    }
    default: break;
    }
}

BOOL PlayEnhMetaFile(HDC hdc, HENHMETAFILE hemf, const RECT *lpRect)
{
    size_t size = 0;
    const BYTE *bytes = EnhMetaFiles::Bytes(hemf, &size);
    if (!hdc || !bytes || !lpRect)
        return FALSE;
    EmfPlayer player(hdc, bytes, size);
    return player.Play(*lpRect) ? TRUE : FALSE;
}
