# The user guide as a web page, for whoever reads it outside the source tree:
# the Windows zip and installer and the Debian package ship it, with the
# pictures it shows beside it in images/.
#
# cmark-gfm renders the Markdown (with GitHub's tables); render-guide.cmake
# makes a page of it and gives each heading the anchor GitHub gives it, which
# the guide's own links name.
#   KELVORA_GUIDE         the page, written by the target "guide"
#   KELVORA_GUIDE_IMAGES  the pictures it shows, in docs/images/
find_program(CMARK_GFM cmark-gfm)
if(NOT CMARK_GFM)
    message(FATAL_ERROR "cmark-gfm not found; it renders the user guide (Debian: cmark-gfm)")
endif()
set(guide_source ${PROJECT_SOURCE_DIR}/docs/huong-dan-su-dung.md)
set(KELVORA_GUIDE ${CMAKE_BINARY_DIR}/huong-dan-su-dung.html)

# The pictures are read from the guide itself, so that a new one ships with it.
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${guide_source})
file(STRINGS ${guide_source} picture_lines REGEX "\\]\\(images/")
# (No ']' in what is kept: CMake's lists would take it for a bracket.)
string(REGEX MATCHALL "\\(images/[^)]+\\)" pictures "${picture_lines}")
set(KELVORA_GUIDE_IMAGES "")
foreach(picture IN LISTS pictures)
    string(REGEX REPLACE "^\\((.*)\\)$" "${PROJECT_SOURCE_DIR}/docs/\\1" picture "${picture}")
    list(APPEND KELVORA_GUIDE_IMAGES ${picture})
endforeach()
list(REMOVE_DUPLICATES KELVORA_GUIDE_IMAGES)

add_custom_command(OUTPUT ${KELVORA_GUIDE}
    COMMAND ${CMAKE_COMMAND} -DCMARK_GFM=${CMARK_GFM} -DSOURCE=${guide_source}
        -DOUTPUT=${KELVORA_GUIDE} -P ${CMAKE_CURRENT_LIST_DIR}/render-guide.cmake
    DEPENDS ${guide_source} ${KELVORA_GUIDE_IMAGES} ${CMAKE_CURRENT_LIST_DIR}/render-guide.cmake
    COMMENT "Rendering the user guide"
    VERBATIM)
add_custom_target(guide ALL DEPENDS ${KELVORA_GUIDE})
