# Writes a C++ source that holds the fill texture files as byte arrays, so
# the library carries its textures without any file beside the program.
# Inputs: TEXTURE_DIR (folder of fill_<id>.bmp files), OUTPUT (the .cpp).
file(GLOB texture_files "${TEXTURE_DIR}/fill_*.bmp")
list(SORT texture_files)
set(arrays "")
set(table "")
foreach(path IN LISTS texture_files)
    get_filename_component(name "${path}" NAME_WE)
    string(REPLACE "fill_" "" id "${name}")
    file(READ "${path}" hex HEX)
    string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
    string(LENGTH "${hex}" hex_length)
    math(EXPR size "${hex_length} / 2")
    string(APPEND arrays "const unsigned char kTexture${id}[] = {${bytes}};\n")
    string(APPEND table "    {${id}, kTexture${id}, ${size}},\n")
endforeach()
file(WRITE "${OUTPUT}.tmp"
"// Generated from library/pickers/textures by EmbedTextures.cmake; do not edit.
#include \"library/pickers/QYFillTextureData.h\"

namespace {
${arrays}} // namespace

const QYEmbeddedTexture qyEmbeddedTextures[] = {
${table}};
const int qyEmbeddedTextureCount = sizeof(qyEmbeddedTextures) / sizeof(qyEmbeddedTextures[0]);
")
file(COPY_FILE "${OUTPUT}.tmp" "${OUTPUT}" ONLY_IF_DIFFERENT)
