// The handle table and the stock objects.
#include "framework/gdi/GdiObjectData.h"

#include <cstring>
#include <mutex>
#include <unordered_map>

namespace {

struct Table {
    std::mutex mutex;
    std::unordered_map<HGDIOBJ, std::shared_ptr<GdiObjectData>> objects;
    uintptr_t next = 1;
    std::unordered_map<int, HGDIOBJ> stock;
};

Table &TheTable()
{
    static Table *table = new Table; // lives for the whole process: stock handles stay valid at exit
    return *table;
}

std::shared_ptr<GdiObjectData> MakeSolidBrush(COLORREF c)
{
    auto b = std::make_shared<BrushData>();
    b->color = c;
    return b;
}

std::shared_ptr<GdiObjectData> MakePen(UINT style, COLORREF c)
{
    auto p = std::make_shared<PenData>();
    p->style = style;
    p->width = 0;
    p->color = c;
    return p;
}

std::shared_ptr<GdiObjectData> MakeFont(const char *face, LONG height, LONG weight, BYTE pitchFamily)
{
    auto f = std::make_shared<FontData>();
    f->logFont.lfHeight = height;
    f->logFont.lfWeight = weight;
    f->logFont.lfCharSet = ANSI_CHARSET;
    f->logFont.lfPitchAndFamily = pitchFamily;
    std::strncpy(f->logFont.lfFaceName, face, LF_FACESIZE - 1);
    return f;
}

std::shared_ptr<GdiObjectData> MakeDefaultPalette()
{
    // The twenty static colours of the default palette.
    static const COLORREF colors[] = {RGB(0, 0, 0),       RGB(128, 0, 0),     RGB(0, 128, 0),     RGB(128, 128, 0),
                                      RGB(0, 0, 128),     RGB(128, 0, 128),   RGB(0, 128, 128),   RGB(192, 192, 192),
                                      RGB(192, 220, 192), RGB(166, 202, 240), RGB(255, 251, 240), RGB(160, 160, 164),
                                      RGB(128, 128, 128), RGB(255, 0, 0),     RGB(0, 255, 0),     RGB(255, 255, 0),
                                      RGB(0, 0, 255),     RGB(255, 0, 255),   RGB(0, 255, 255),   RGB(255, 255, 255)};
    auto p = std::make_shared<PaletteData>();
    p->entries.assign(std::begin(colors), std::end(colors));
    return p;
}

std::shared_ptr<GdiObjectData> MakeStock(int index)
{
    switch (index) {
    case WHITE_BRUSH: return MakeSolidBrush(RGB(255, 255, 255));
    case LTGRAY_BRUSH: return MakeSolidBrush(RGB(192, 192, 192));
    case GRAY_BRUSH: return MakeSolidBrush(RGB(128, 128, 128));
    case DKGRAY_BRUSH: return MakeSolidBrush(RGB(64, 64, 64));
    case BLACK_BRUSH: return MakeSolidBrush(RGB(0, 0, 0));
    case NULL_BRUSH: {
        auto b = std::make_shared<BrushData>();
        b->style = BS_NULL;
        return b;
    }
    case WHITE_PEN: return MakePen(PS_SOLID, RGB(255, 255, 255));
    case BLACK_PEN: return MakePen(PS_SOLID, RGB(0, 0, 0));
    case NULL_PEN: return MakePen(PS_NULL, RGB(0, 0, 0));
    case OEM_FIXED_FONT: return MakeFont("Terminal", 12, FW_NORMAL, FIXED_PITCH | FF_MODERN);
    case ANSI_FIXED_FONT: return MakeFont("Courier", 13, FW_NORMAL, FIXED_PITCH | FF_MODERN);
    case ANSI_VAR_FONT: return MakeFont("MS Sans Serif", 13, FW_NORMAL, VARIABLE_PITCH | FF_SWISS);
    case SYSTEM_FONT: return MakeFont("System", 16, FW_BOLD, VARIABLE_PITCH | FF_SWISS);
    case DEVICE_DEFAULT_FONT: return MakeFont("System", 16, FW_BOLD, VARIABLE_PITCH | FF_SWISS);
    case SYSTEM_FIXED_FONT: return MakeFont("Fixedsys", 15, FW_NORMAL, FIXED_PITCH | FF_MODERN);
    case DEFAULT_GUI_FONT: return MakeFont("MS Shell Dlg", -11, FW_NORMAL, VARIABLE_PITCH | FF_SWISS);
    case DEFAULT_PALETTE: return MakeDefaultPalette();
    default: return nullptr;
    }
}

} // namespace

namespace GdiHandles {

HGDIOBJ Insert(std::shared_ptr<GdiObjectData> data)
{
    if (!data)
        return nullptr;
    Table &t = TheTable();
    std::lock_guard<std::mutex> lock(t.mutex);
    // Handles are multiples of 16 so they never look like small integers.
    HGDIOBJ h = reinterpret_cast<HGDIOBJ>(t.next++ << 4);
    t.objects.emplace(h, std::move(data));
    return h;
}

std::shared_ptr<GdiObjectData> Lookup(HGDIOBJ h)
{
    if (!h)
        return nullptr;
    Table &t = TheTable();
    std::lock_guard<std::mutex> lock(t.mutex);
    auto it = t.objects.find(h);
    return it == t.objects.end() ? nullptr : it->second;
}

bool Remove(HGDIOBJ h)
{
    Table &t = TheTable();
    std::lock_guard<std::mutex> lock(t.mutex);
    auto it = t.objects.find(h);
    if (it == t.objects.end())
        return false;
    if (it->second->stock)
        return true;
    t.objects.erase(it);
    return true;
}

HGDIOBJ Stock(int index)
{
    Table &t = TheTable();
    {
        std::lock_guard<std::mutex> lock(t.mutex);
        auto it = t.stock.find(index);
        if (it != t.stock.end())
            return it->second;
    }
    std::shared_ptr<GdiObjectData> data = MakeStock(index);
    if (!data)
        return nullptr;
    data->stock = true;
    HGDIOBJ h = Insert(std::move(data));
    std::lock_guard<std::mutex> lock(t.mutex);
    auto [it, inserted] = t.stock.emplace(index, h);
    if (!inserted) // another thread made it first; keep one handle per stock object
        t.objects.erase(h);
    return it->second;
}

size_t Count()
{
    Table &t = TheTable();
    std::lock_guard<std::mutex> lock(t.mutex);
    return t.objects.size();
}

} // namespace GdiHandles
