// Plays an enhanced metafile's records onto a device context. The
// metafile's own mapping (mapping mode, window, viewport, the scaling part
// of its world transform) is composed with the placement of its frame in
// the target rectangle and set on the target as one anisotropic mapping,
// so records' logical coordinates go to the target unchanged. Every field
// is checked against its record; a record that does not hold together is
// skipped. Framework-internal.
#pragma once

#include "framework/gdi/CDC.h"
#include "framework/gdi/EmfFormat.h"

#include <vector>

class EmfPlayer {
public:
    EmfPlayer(HDC hdc, const BYTE *bytes, size_t size);
    ~EmfPlayer();
    EmfPlayer(const EmfPlayer &) = delete;
    EmfPlayer &operator=(const EmfPlayer &) = delete;

    bool Play(const RECT &targetLogical);

private:
    struct Mapping {
        int mapMode = MM_TEXT;
        POINT windowOrg{0, 0};
        POINT viewportOrg{0, 0};
        SIZE windowExt{1, 1};
        SIZE viewportExt{1, 1};
        double m11 = 1, m12 = 0, m21 = 0, m22 = 1, dx = 0, dy = 0; // world transform
    };

    void Begin(const RECT &targetLogical);
    void End();
    void ApplyMapping();
    void MetricRatio(double &rx, double &ry) const;
    void PlayRecord(DWORD type, Emf::Reader r);
    bool PlayStateRecord(DWORD type, Emf::Reader r);
    bool PlayMappingRecord(DWORD type, Emf::Reader r);
    bool PlayObjectRecord(DWORD type, Emf::Reader r);
    bool PlayClipRecord(DWORD type, Emf::Reader r);
    bool PlayLineRecord(DWORD type, Emf::Reader r);
    bool PlayShapeRecord(DWORD type, Emf::Reader r);
    bool PlayPathRecord(DWORD type);
    bool PlayRegionRecord(DWORD type, Emf::Reader r);
    bool PlayTransferRecord(DWORD type, Emf::Reader r);
    bool PlayTextRecord(DWORD type, Emf::Reader r);
    bool PlayGradientRecord(DWORD type, Emf::Reader r);

    // Objects: index 0 is reserved; stock objects are named with the top bit set.
    HGDIOBJ Object(DWORD index) const;
    void StoreObject(DWORD index, HGDIOBJ object);
    void DeleteSlot(DWORD index);
    void CreateBrushFromDib(Emf::Reader &r, bool mono);
    void WorldTransform(Emf::Reader &r, DWORD mode);

    // Regions and DIBs carried in records.
    HRGN RegionFromData(Emf::Reader &r, size_t offset, DWORD count, bool toTargetDevice) const;
    const BITMAPINFO *CheckedDib(Emf::Reader &r, size_t offBmi, size_t cbBmi, size_t offBits, size_t cbBits, UINT usage,
                                 const void **bits) const;
    void KeepWithinBaseClip();

    template <typename Point16or32>
    bool ReadPoints(Emf::Reader &r, size_t offset, DWORD count, std::vector<POINT> &points) const;
    bool ReadPolyCounts(Emf::Reader &r, bool small, std::vector<POINT> &points, std::vector<INT> &counts) const;

    HDC m_hdc;
    CDC *m_dc;
    Emf::Reader m_file;
    std::vector<HGDIOBJ> m_objects;
    Mapping m_map;
    std::vector<Mapping> m_savedMaps;
    // Reference-device pixels to target-device pixels.
    double m_scaleX = 1, m_scaleY = 1, m_offsetX = 0, m_offsetY = 0;
    double m_refPerHimetricX = 96.0 / 2540, m_refPerHimetricY = 96.0 / 2540;
    SIZE m_refDevice{0, 0}, m_refMillimetres{0, 0};
    HRGN m_baseClip = nullptr;
    int m_savedLevel = 0;
    bool m_began = false;
};
