// The code generator's file names: the bytes as a class name, whose header
// and source are written into an empty folder.  A name that names plain
// files inside the folder, within the folder's file-name limit, must be
// written, and the folder then holds those files and nothing else (no
// temporary file stays behind).
#include "kilnsmith/generator/CodeGenerator.h"
#include "kilnsmith/generator/GeneratedFileNames.h"
#include "support/FuzzTempFile.h"

#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <iterator>
#include <string>

namespace fs = std::filesystem;

namespace {

// The output folder of this process, emptied before each input and removed
// at the end.
struct OutputFolder {
    explicit OutputFolder(const std::string &folder) : path(folder) {}
    ~OutputFolder()
    {
        std::error_code error;
        fs::remove_all(path, error);
    }
    OutputFolder(const OutputFolder &) = delete;
    OutputFolder &operator=(const OutputFolder &) = delete;

    bool Reset() const
    {
        std::error_code error;
        fs::remove_all(path, error);
        return fs::create_directories(path, error);
    }

    fs::path path;
};

// TRUE when the generator must manage to write the file of this name.
bool MustBeWritten(const CString &strClass, const CString &strFileName, size_t limit)
{
    return IsSafeClassName(strClass) && static_cast<size_t>(strFileName.GetLength()) <= limit;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static FuzzTempFile marker(".names");
    static const OutputFolder output(std::string(marker.Path()) + ".out");
    if (size > 1024 || !output.Reset())
        return 0;
    const long nLimit = ::pathconf(output.path.c_str(), _PC_NAME_MAX);
    const size_t limit = nLimit > 0 ? static_cast<size_t>(nLimit) : 255;

    const CString strClass(reinterpret_cast<const char *>(data), static_cast<int>(size));
    CCodeGenerator generator(output.path.string().c_str());
    const bool bHeader = generator.WriteDrawComponentHeader(strClass, "d") != FALSE;
    const bool bSource = generator.WriteDrawComponentSource(strClass, "d") != FALSE;
    const bool bHeaderWanted = MustBeWritten(strClass, GetHeaderFileName(strClass), limit);
    const bool bSourceWanted = MustBeWritten(strClass, GetSourceFileName(strClass), limit);
    if ((bHeaderWanted && !bHeader) || (bSourceWanted && !bSource))
        std::abort(); // a file that can exist was not written
    const auto files = std::distance(fs::directory_iterator(output.path), fs::directory_iterator());
    if (files != static_cast<long>(bHeader) + static_cast<long>(bSource))
        std::abort(); // something besides the written files stayed
    return 0;
}
