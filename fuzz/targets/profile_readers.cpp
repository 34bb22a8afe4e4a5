// The private-profile and application-profile readers over an INI file of
// the input's bytes: section names, sections, strings, numbers and binary
// values, asked for with names and buffer sizes the input chooses.
#include "framework/settings/AppProfile.h"
#include "framework/settings/PrivateProfile.h"
#include "support/FuzzConfigHome.h"
#include "support/FuzzInput.h"
#include "support/FuzzTempFile.h"

#include <cstdint>
#include <string>
#include <vector>

namespace {

void ReadPrivateProfile(const char *path, const std::string &section, const std::string &key, DWORD nSize)
{
    std::vector<char> buffer(nSize + 1);
    GetPrivateProfileSectionNames(buffer.data(), nSize, path);
    GetPrivateProfileSection(section.c_str(), buffer.data(), nSize, path);
    GetPrivateProfileString(section.c_str(), key.c_str(), "default", buffer.data(), nSize, path);
    GetPrivateProfileString(section.c_str(), nullptr, "", buffer.data(), nSize, path);
    GetPrivateProfileString(nullptr, nullptr, "", buffer.data(), nSize, path);
    GetPrivateProfileInt(section.c_str(), key.c_str(), 7, path);
}

// The application profile lives in $XDG_CONFIG_HOME/<program>/<program>.ini.
void ReadAppProfile(const FuzzConfigHome &home, const uint8_t *data, size_t size, const std::string &section,
                    const std::string &key)
{
    if (!home.WriteProfile("plexofuzz", data, size))
        return;
    CAppProfile profile("plexofuzz");
    profile.GetProfileString(section.c_str(), key.c_str(), "default");
    profile.GetProfileInt(section.c_str(), key.c_str(), 3);
    LPBYTE pData = nullptr;
    UINT nBytes = 0;
    if (profile.GetProfileBinary(section.c_str(), key.c_str(), &pData, &nBytes))
        delete[] pData;
    CRegistryValue value;
    profile.QueryValue(section.c_str(), key.c_str(), value);
    profile.KeyExists(section.c_str());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static FuzzTempFile iniFile(".ini");
    static const FuzzConfigHome home(std::string(iniFile.Path()) + ".config");

    FuzzInput input(data, size);
    const std::string section = input.TakeString(24);
    const std::string key = input.TakeString(24);
    const DWORD nSize = input.Take<uint16_t>() % 4096;
    const std::vector<uint8_t> body = input.Rest();
    const char *path = iniFile.Write(body.data(), body.size());
    ReadPrivateProfile(path, section, key, nSize);
    ReadAppProfile(home, body.data(), body.size(), section, key);
    return 0;
}
