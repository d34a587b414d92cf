# Renders the user guide into a page of its own:
#   cmake -DCMARK_GFM=PATH -DSOURCE=GUIDE.md -DOUTPUT=GUIDE.html -P render-guide.cmake
#
# The guide links to its sections by the anchors GitHub makes of their
# headings, which cmark-gfm does not make: they are added here the same way
# (lower case, punctuation dropped, spaces as hyphens, -1, -2… for a repeated
# one). A link to no heading, or a picture that is not in docs/images, stops
# the build: the page would be shipped with it broken.
cmake_minimum_required(VERSION 3.25)

execute_process(COMMAND ${CMARK_GFM} --extension table --extension autolink ${SOURCE}
    OUTPUT_VARIABLE body RESULT_VARIABLE status ERROR_VARIABLE errors)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "cmark-gfm could not render ${SOURCE}: ${errors}")
endif()
# Text with ';' would be cut up by CMake's lists: it stands aside while the page
# is taken apart.
string(ASCII 26 semicolon)
string(REPLACE ";" "${semicolon}" body "${body}")

# A heading's anchor as the guide's links write it: bytes beyond ASCII
# percent-encoded, as cmark-gfm writes a link.
function(percent_encoded text out)
    string(HEX "${text}" hex)
    string(LENGTH "${text}" length)
    set(encoded "")
    if(length GREATER 0)
        math(EXPR last "${length} - 1")
        foreach(at RANGE ${last})
            math(EXPR hex_at "${at} * 2")
            string(SUBSTRING "${hex}" ${hex_at} 2 byte)
            if(byte MATCHES "^[89a-f]")
                string(TOUPPER "${byte}" byte)
                string(APPEND encoded "%${byte}")
            else()
                string(SUBSTRING "${text}" ${at} 1 character)
                string(APPEND encoded "${character}")
            endif()
        endforeach()
    endif()
    set(${out} "${encoded}" PARENT_SCOPE)
endfunction()

set(page "")
set(anchors "")
set(title "")
set(rest "${body}")
while(rest MATCHES "<h([1-6])>([^\n]*)</h[1-6]>")
    set(heading "${CMAKE_MATCH_0}")
    set(level "${CMAKE_MATCH_1}")
    set(inside "${CMAKE_MATCH_2}")
    string(REGEX REPLACE "<[^>]*>" "" text "${inside}")
    string(REGEX REPLACE "&[#a-zA-Z0-9]+${semicolon}" "" slug "${text}")
    if(title STREQUAL "")
        set(title "${text}")
    endif()
    string(TOLOWER "${slug}" slug)
    string(REGEX REPLACE "[!-,./:-@[-^`{-~${semicolon}]" "" slug "${slug}")
    string(REPLACE " " "-" slug "${slug}")
    set(anchor "${slug}")
    set(repeat 0)
    while("${anchor}" IN_LIST anchors)
        math(EXPR repeat "${repeat} + 1")
        set(anchor "${slug}-${repeat}")
    endwhile()
    list(APPEND anchors "${anchor}")
    string(FIND "${rest}" "${heading}" at)
    string(SUBSTRING "${rest}" 0 ${at} before)
    string(LENGTH "${heading}" length)
    math(EXPR after "${at} + ${length}")
    string(SUBSTRING "${rest}" ${after} -1 rest)
    string(APPEND page "${before}<h${level} id=\"${anchor}\">${inside}</h${level}>")
endwhile()
string(APPEND page "${rest}")

set(targets "")
foreach(anchor IN LISTS anchors)
    percent_encoded("${anchor}" encoded)
    list(APPEND targets "#${encoded}")
endforeach()
string(REGEX MATCHALL "href=\"#[^\"]*\"" links "${page}")
foreach(link IN LISTS links)
    string(REGEX REPLACE "^href=\"(.*)\"$" "\\1" link "${link}")
    if(NOT "${link}" IN_LIST targets)
        message(FATAL_ERROR "${SOURCE} links to ${link}, but none of its headings has that anchor")
    endif()
endforeach()
get_filename_component(folder ${SOURCE} DIRECTORY)
string(REGEX MATCHALL "src=\"[^\"]*\"" pictures "${page}")
foreach(picture IN LISTS pictures)
    string(REGEX REPLACE "^src=\"(.*)\"$" "\\1" picture "${picture}")
    if(NOT picture MATCHES "^images/[^/]+$" OR NOT EXISTS ${folder}/${picture})
        message(FATAL_ERROR "${SOURCE} shows ${picture}, which is not in ${folder}/images")
    endif()
endforeach()

string(REPLACE "${semicolon}" ";" page "${page}")
string(REPLACE "${semicolon}" ";" title "${title}")
file(WRITE ${OUTPUT} "<!DOCTYPE html>
<html lang=\"vi\">
<head>
<meta charset=\"utf-8\">
<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">
<title>${title}</title>
<style>
body { max-width: 60em; margin: 0 auto; padding: 0 1em; font-family: sans-serif; line-height: 1.5; }
img { max-width: 100%; }
table { border-collapse: collapse; }
th, td { border: 1px solid #999; padding: 0.2em 0.5em; text-align: left; vertical-align: top; }
code { background: #eee; }
blockquote { margin-left: 0; padding-left: 1em; border-left: 4px solid #ccc; }
</style>
</head>
<body>
${page}</body>
</html>
")
