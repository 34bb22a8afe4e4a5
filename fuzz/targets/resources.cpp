// Resources: string tables, menu tables (nesting and ends as the input
// makes them), accelerator tables and custom resources registered from the
// input, then looked up; and the input as a bitmap, icon and cursor image
// file registered under an id and loaded.
#include "framework/resources/ResourceImages.h"
#include "framework/resources/Resources.h"
#include "framework/window/InputApi.h"
#include "framework/window/MenuApi.h"
#include "support/FuzzInput.h"
#include "support/FuzzTempFile.h"

#include <array>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

namespace {

const UINT kFirstId = 61000;
const int kMaxEntries = 32;

const size_t kMaxText = 40;

// The registry keeps pointers to the tables and their texts: they live as
// long as the process and never move, and every input reuses them under the
// same ids.
struct Tables {
    char texts[kMaxEntries][kMaxText + 1] = {};
    std::array<RESOURCE_STRING, kMaxEntries> strings{};
    std::array<RESOURCE_MENU_ITEM, kMaxEntries> menu{};
    std::array<ACCEL, kMaxEntries> accelerators{};
    std::vector<BYTE> custom;
};

void RegisterFromInput(Tables &tables, FuzzInput &input)
{
    const int nEntries = static_cast<int>(input.TakeChoice(kMaxEntries + 1));
    for (int i = 0; i < nEntries; ++i) {
        const std::string text = input.TakeString(kMaxText);
        std::memcpy(tables.texts[i], text.c_str(), text.size() + 1);
        tables.strings[i] = {kFirstId + input.TakeChoice(8), tables.texts[i]};
        tables.menu[i] = {input.Take<uint16_t>(), input.Take<uint16_t>(), tables.texts[i]};
        tables.accelerators[i] = {input.Take<BYTE>(), input.Take<WORD>(), input.Take<WORD>()};
    }
    const std::string custom = input.TakeBytesAsString(input.Take<uint16_t>() % 512);
    tables.custom.assign(custom.begin(), custom.end());
    PlexoRegisterStrings(tables.strings.data(), nEntries);
    PlexoRegisterMenu(kFirstId, tables.menu.data(), nEntries);
    PlexoRegisterAccelerators(kFirstId, tables.accelerators.data(), nEntries);
    PlexoRegisterCustomResource("FUZZDATA", kFirstId, tables.custom.data(), static_cast<DWORD>(tables.custom.size()));
}

void LookUp(FuzzInput &input)
{
    char buffer[64];
    for (UINT id = kFirstId; id < kFirstId + 8; ++id)
        LoadString(nullptr, id, buffer, static_cast<int>(input.TakeChoice(sizeof buffer + 1)));
    std::vector<CMenuResourceItem> items;
    PlexoLoadMenuResource(kFirstId, items);
    HMENU hMenu = LoadMenu(nullptr, MAKEINTRESOURCE(kFirstId));
    if (hMenu != nullptr)
        DestroyMenu(hMenu);
    int nCount = 0;
    PlexoFindAccelerators(kFirstId, &nCount);
    HACCEL hAccel = LoadAccelerators(nullptr, MAKEINTRESOURCE(kFirstId));
    if (hAccel != nullptr)
        DestroyAcceleratorTable(hAccel);
    HRSRC hResource = FindResource(nullptr, MAKEINTRESOURCE(kFirstId), "FUZZDATA");
    if (hResource != nullptr) {
        HGLOBAL hData = LoadResource(nullptr, hResource);
        LockResource(hData);
        SizeofResource(nullptr, hResource);
        FreeResource(hData);
    }
}

void LoadImages(const std::vector<uint8_t> &bytes)
{
    static FuzzTempFile imageFile(".img");
    const char *path = imageFile.Write(bytes.data(), bytes.size());
    PlexoRegisterBitmap(kFirstId, path);
    PlexoRegisterIcon(kFirstId, path);
    PlexoRegisterCursor(kFirstId, path, 3, 3);
    PlexoLoadBitmapImage(kFirstId);
    PlexoLoadIconImage(MAKEINTRESOURCE(kFirstId), 16);
    QCursor cursor;
    PlexoLoadCursorResource(MAKEINTRESOURCE(kFirstId), cursor);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static Tables tables;
    FuzzInput input(data, size);
    const bool bImage = input.TakeChoice(2) == 1;
    if (bImage) {
        LoadImages(input.Rest());
        return 0;
    }
    RegisterFromInput(tables, input);
    LookUp(input);
    return 0;
}
