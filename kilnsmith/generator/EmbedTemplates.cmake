# Run as a script: turns every TEMPLATE_DIR/*.tpl into a byte array of the
# C++ source OUTPUT, with the table that TemplateLibrary.h declares.  Bytes
# go in as they are, so tabs, trailing blanks and UTF-8 text survive.
file(GLOB templates "${TEMPLATE_DIR}/*.tpl")
list(SORT templates)

set(arrays "")
set(entries "")
foreach(path IN LISTS templates)
    get_filename_component(name "${path}" NAME_WE)
    file(READ "${path}" hex HEX)
    string(LENGTH "${hex}" hexLength)
    math(EXPR size "${hexLength} / 2")
    string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
    string(APPEND arrays "const unsigned char k_${name}[] = {${bytes}0x00};\n")
    string(APPEND entries "    {\"${name}\", reinterpret_cast<const char *>(k_${name}), ${size}},\n")
endforeach()
list(LENGTH templates count)

set(content "// Made by the build from kilnsmith/templates/*.tpl; do not edit.
#include \"kilnsmith/generator/TemplateLibrary.h\"

namespace {
${arrays}} // namespace

const TemplateEntry g_templateEntries[] = {
${entries}};
const size_t g_nTemplateEntryCount = ${count};
")

file(WRITE "${OUTPUT}" "${content}")
