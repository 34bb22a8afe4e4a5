// Builds enhanced-metafile bytes record by record for the player's tests,
// straight from the published record layout (little-endian on this machine).
#pragma once

#include "framework/gdi/EmfFormat.h"

#include <cstring>
#include <initializer_list>
#include <vector>

class EmfBuilder {
public:
    // frame in 0.01 mm; reference device 1920x1080 pixels on 508x286 mm
    // unless given.
    explicit EmfBuilder(RECT frame = {0, 0, 2540, 2540}, WORD handles = 8, SIZE device = {960, 540},
                        SIZE millimetres = {254, 143})
        : m_frame(frame), m_handles(handles), m_device(device), m_millimetres(millimetres)
    {
    }

    // A record of the type with the given 32-bit fields after type and size.
    EmfBuilder &Add(DWORD type, std::initializer_list<DWORD> fields) { return AddBytes(type, Pack(fields)); }
    EmfBuilder &AddBytes(DWORD type, const std::vector<BYTE> &body)
    {
        std::vector<BYTE> record = Pack({type, static_cast<DWORD>(8 + Padded(body.size()))});
        record.insert(record.end(), body.begin(), body.end());
        record.resize(8 + Padded(body.size()), 0);
        m_records.push_back(record);
        return *this;
    }

    static std::vector<BYTE> Pack(std::initializer_list<DWORD> fields)
    {
        std::vector<BYTE> bytes(fields.size() * 4);
        size_t at = 0;
        for (DWORD f : fields) {
            std::memcpy(bytes.data() + at, &f, 4);
            at += 4;
        }
        return bytes;
    }
    static void Append(std::vector<BYTE> &to, const std::vector<BYTE> &more)
    {
        to.insert(to.end(), more.begin(), more.end());
    }

    std::vector<BYTE> Bytes() const
    {
        std::vector<BYTE> body = Pack({0, 0, 0, 0}); // bounds
        Append(body, Pack({DWORD(m_frame.left), DWORD(m_frame.top), DWORD(m_frame.right), DWORD(m_frame.bottom)}));
        size_t total = 88;
        for (const auto &r : m_records)
            total += r.size();
        total += 20; // EOF record
        Append(body,
               Pack({Emf::kSignature, Emf::kVersion, DWORD(total), DWORD(m_records.size() + 2), DWORD(m_handles), 0, 0,
                     0, DWORD(m_device.cx), DWORD(m_device.cy), DWORD(m_millimetres.cx), DWORD(m_millimetres.cy)}));
        std::vector<BYTE> bytes = Pack({Emf::HEADER, 88});
        Append(bytes, body);
        for (const auto &r : m_records)
            Append(bytes, r);
        Append(bytes, Pack({Emf::EOF_, 20, 0, 16, 20}));
        return bytes;
    }

private:
    static size_t Padded(size_t n) { return (n + 3) & ~size_t(3); }
    RECT m_frame;
    WORD m_handles;
    SIZE m_device, m_millimetres;
    std::vector<std::vector<BYTE>> m_records;
};
