# Kelvora for Windows, cross-built with mingw-w64 against a Qt for Windows
# (tools/windows/qt.sh builds one).
#
# kelvora.exe carries its icon and version as resources. It and the test
# programs are written to bin/, where windows-runtime copies what they load:
# Qt's DLLs and plugins and the compiler's runtime. windows-packages then
# lays out a folder with what the program alone needs, the README and the user
# guide as a page with its pictures, zips it, and wraps the same files in a
# per-user NSIS installer:
#   kelvora-VERSION-win64.zip   kelvora-VERSION-setup.exe

enable_language(RC)
set(KELVORA_ICO ${PROJECT_SOURCE_DIR}/data/icons/org.kelvora.kelvora.ico)
configure_file(${PROJECT_SOURCE_DIR}/src/kelvora.rc.in kelvora.rc @ONLY)
target_sources(kelvora PRIVATE ${CMAKE_CURRENT_BINARY_DIR}/kelvora.rc)
# A desktop program: no console window opens beside it. mingw's runtime calls
# main() for it as it is; Qt's own entry point would want main's arguments.
set_target_properties(kelvora PROPERTIES WIN32_EXECUTABLE ON qt_no_entrypoint ON)

# Qt's CMake files sit in PREFIX/lib/cmake/Qt6, its DLLs in PREFIX/bin.
cmake_path(SET qt_prefix NORMALIZE "${Qt6_DIR}/../../..")
set(qt_dlls Core Gui Widgets)
list(TRANSFORM qt_dlls REPLACE "^(.+)$" "${qt_prefix}/bin/Qt6\\1.dll")
# The compiler's runtime, which Qt's DLLs need as well as the program.
set(runtime_dlls "")
foreach(dll libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
    execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${dll}
        OUTPUT_VARIABLE path OUTPUT_STRIP_TRAILING_WHITESPACE)
    if(NOT IS_ABSOLUTE "${path}" OR NOT EXISTS "${path}")
        message(FATAL_ERROR "${CMAKE_CXX_COMPILER} does not know where ${dll} is")
    endif()
    list(APPEND runtime_dlls "${path}")
endforeach()
# Plugins by folder: the program's platform and the native style; the tests
# also draw offscreen.
set(program_plugins platforms/qwindows.dll styles/qwindowsvistastyle.dll)
set(test_plugins platforms/qoffscreen.dll)

set(bin ${CMAKE_BINARY_DIR}/bin)
set(copy_runtime
    COMMAND ${CMAKE_COMMAND} -E make_directory ${bin}/platforms ${bin}/styles
    COMMAND ${CMAKE_COMMAND} -E copy_if_different ${qt_dlls} ${qt_prefix}/bin/Qt6Test.dll
        ${runtime_dlls} ${bin})
foreach(plugin IN LISTS program_plugins test_plugins)
    get_filename_component(folder ${plugin} DIRECTORY)
    list(APPEND copy_runtime COMMAND ${CMAKE_COMMAND} -E copy_if_different
        ${qt_prefix}/plugins/${plugin} ${bin}/${folder})
endforeach()
add_custom_target(windows-runtime ALL ${copy_runtime} VERBATIM)
add_dependencies(kelvora windows-runtime)

# What the zip holds and the installer installs, as FOLDER|FILE, FOLDER being
# where in the package ("." for its top). The stage folder, and so the zip,
# and the installer's File and Delete lines are all made from this one list.
set(shipped ".|$<TARGET_FILE:kelvora>" ".|${CMAKE_BINARY_DIR}/README.txt" ".|${KELVORA_GUIDE}")
foreach(file IN LISTS qt_dlls runtime_dlls)
    list(APPEND shipped ".|${file}")
endforeach()
foreach(plugin IN LISTS program_plugins)
    get_filename_component(folder ${plugin} DIRECTORY)
    list(APPEND shipped "${folder}|${qt_prefix}/plugins/${plugin}")
endforeach()
foreach(picture IN LISTS KELVORA_GUIDE_IMAGES)
    list(APPEND shipped "images|${picture}")
endforeach()

set(package_name kelvora-${PROJECT_VERSION}-win64)
set(stage ${CMAKE_BINARY_DIR}/${package_name})
set(zip ${CMAKE_BINARY_DIR}/${package_name}.zip)
set(setup ${CMAKE_BINARY_DIR}/kelvora-${PROJECT_VERSION}-setup.exe)
set(readme ${PROJECT_SOURCE_DIR}/packaging/windows/README.txt)
# With Windows' line ends, for the Notepad of Windows 7 and 8 (it starts with a
# byte-order mark, so that they also read it as UTF-8).
configure_file(${readme} ${CMAKE_BINARY_DIR}/README.txt @ONLY NEWLINE_STYLE CRLF)
set(nsis_script ${PROJECT_SOURCE_DIR}/packaging/windows/kelvora.nsi)
set(nsis_files ${CMAKE_BINARY_DIR}/files.nsh)
find_program(MAKENSIS makensis REQUIRED)

# The stage, and the installer's two macros over the same files: one installs
# them from the stage (kelvora.exe stripped there), one deletes them and then
# the folders they made, which RMDir leaves where the user has put a file.
set(stage_commands COMMAND ${CMAKE_COMMAND} -E rm -rf ${stage})
set(folders "")
set(installs "")
set(deletes "")
set(removes "")
set(depends "")
foreach(entry IN LISTS shipped)
    string(REPLACE "|" ";" entry "${entry}")
    list(GET entry 0 folder)
    list(GET entry 1 file)
    set(name "$<PATH:GET_FILENAME,${file}>")
    # The folder in the stage, and as the installer names it: $INSTDIR, or
    # $INSTDIR\FOLDER.
    set(staged ${stage})
    set(at "$INSTDIR")
    if(NOT folder STREQUAL ".")
        string(APPEND staged "/${folder}")
        string(REPLACE "/" "\\" windows_folder "${folder}")
        string(APPEND at "\\${windows_folder}")
    endif()
    if(NOT folder IN_LIST folders)
        list(APPEND folders ${folder})
        list(APPEND stage_commands COMMAND ${CMAKE_COMMAND} -E make_directory ${staged})
        string(APPEND installs "    SetOutPath \"${at}\"\n")
        if(NOT folder STREQUAL ".")
            string(PREPEND removes "    RMDir \"${at}\"\n")
        endif()
    endif()
    list(APPEND stage_commands COMMAND ${CMAKE_COMMAND} -E copy ${file} ${staged})
    string(APPEND installs "    File \"${staged}/${name}\"\n")
    string(APPEND deletes "    Delete \"${at}\\${name}\"\n")
    if(NOT file MATCHES "^\\$<")
        list(APPEND depends ${file})
    endif()
endforeach()
file(GENERATE OUTPUT ${nsis_files} CONTENT "; Written by cmake/Windows.cmake from its list of shipped files.
!macro INSTALL_FILES
${installs}!macroend
!macro DELETE_FILES
${deletes}${removes}!macroend
")

add_custom_command(OUTPUT ${zip} ${setup}
    ${stage_commands}
    COMMAND ${CMAKE_STRIP} ${stage}/$<TARGET_FILE_NAME:kelvora>
    COMMAND ${CMAKE_COMMAND} -E rm -f ${zip}
    COMMAND ${CMAKE_COMMAND} -E chdir ${CMAKE_BINARY_DIR}
        ${CMAKE_COMMAND} -E tar cf ${zip} --format=zip ${package_name}
    COMMAND ${MAKENSIS} -V2 -INPUTCHARSET UTF8 -DVERSION=${PROJECT_VERSION}
        -DFILES=${nsis_files} -DICON=${KELVORA_ICO} -DOUTFILE=${setup} ${nsis_script}
    DEPENDS kelvora windows-runtime guide ${depends} ${nsis_script} ${nsis_files} ${KELVORA_ICO}
    COMMENT "Packing ${package_name}.zip and kelvora-${PROJECT_VERSION}-setup.exe"
    VERBATIM)
add_custom_target(windows-packages ALL DEPENDS ${zip} ${setup})
