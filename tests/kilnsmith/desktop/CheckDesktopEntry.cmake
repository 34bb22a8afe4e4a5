# Checks a desktop entry with desktop-file-validate and the icon it names:
# one PNG per size, whose header gives that size.
# Arguments: DESKTOP_FILE, ICON_DIR, ICON_SIZES.
file(STRINGS "${DESKTOP_FILE}" icon_line REGEX "^Icon=")
string(REGEX REPLACE "^Icon=" "" icon "${icon_line}")
if(icon STREQUAL "")
    message(FATAL_ERROR "${DESKTOP_FILE} names no icon")
endif()
foreach(size IN LISTS ICON_SIZES)
    set(png "${ICON_DIR}/${size}x${size}/apps/${icon}.png")
    if(NOT EXISTS "${png}")
        message(FATAL_ERROR "missing icon ${png}")
    endif()
    # Signature (8 bytes), IHDR length and type (8), then width and height.
    file(READ "${png}" header LIMIT 24 HEX)
    string(SUBSTRING "${header}" 0 16 signature)
    string(SUBSTRING "${header}" 32 8 width_hex)
    string(SUBSTRING "${header}" 40 8 height_hex)
    math(EXPR width "0x${width_hex}")
    math(EXPR height "0x${height_hex}")
    if(NOT signature STREQUAL "89504e470d0a1a0a" OR NOT width EQUAL size OR NOT height EQUAL size)
        message(FATAL_ERROR "${png} is not a ${size}x${size} PNG (${signature}, ${width}x${height})")
    endif()
endforeach()

find_program(VALIDATOR desktop-file-validate)
if(NOT VALIDATOR)
    # The test's skip pattern matches this line.
    message("desktop-file-validate is not installed: the entry is not checked")
    return()
endif()
execute_process(COMMAND "${VALIDATOR}" "${DESKTOP_FILE}" RESULT_VARIABLE rc
    OUTPUT_VARIABLE out ERROR_VARIABLE out)
if(NOT rc EQUAL 0 OR NOT out STREQUAL "")
    message(FATAL_ERROR "desktop-file-validate reports on ${DESKTOP_FILE}:\n${out}")
endif()
