# Kelvora for Windows, cross-built with mingw-w64 against a Qt for Windows
# (tools/windows/qt.sh builds one).
#
# kelvora.exe carries its icon and version as resources. It and the test
# programs are written to bin/, where windows-runtime copies what they load:
# Qt's DLLs and plugins and the compiler's runtime. windows-packages then
# lays out a folder with what the program alone needs, zips it, and wraps the
# same files in a per-user NSIS installer:
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

# The folder the zip holds and the installer installs.
set(package_name kelvora-${PROJECT_VERSION}-win64)
set(stage ${CMAKE_BINARY_DIR}/${package_name})
set(zip ${CMAKE_BINARY_DIR}/${package_name}.zip)
set(setup ${CMAKE_BINARY_DIR}/kelvora-${PROJECT_VERSION}-setup.exe)
set(readme ${PROJECT_SOURCE_DIR}/packaging/windows/README.txt)
# With Windows' line ends, for the Notepad of Windows 7 and 8 (it starts with a
# byte-order mark, so that they also read it as UTF-8).
configure_file(${readme} ${CMAKE_BINARY_DIR}/README.txt @ONLY NEWLINE_STYLE CRLF)
set(nsis_script ${PROJECT_SOURCE_DIR}/packaging/windows/kelvora.nsi)
find_program(MAKENSIS makensis REQUIRED)

set(stage_commands
    COMMAND ${CMAKE_COMMAND} -E rm -rf ${stage}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${stage}/platforms ${stage}/styles
    COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_FILE:kelvora> ${qt_dlls} ${runtime_dlls} ${stage}
    COMMAND ${CMAKE_STRIP} ${stage}/kelvora.exe
    COMMAND ${CMAKE_COMMAND} -E copy ${CMAKE_BINARY_DIR}/README.txt ${stage})
foreach(plugin IN LISTS program_plugins)
    get_filename_component(folder ${plugin} DIRECTORY)
    list(APPEND stage_commands COMMAND ${CMAKE_COMMAND} -E copy
        ${qt_prefix}/plugins/${plugin} ${stage}/${folder})
endforeach()
add_custom_command(OUTPUT ${zip} ${setup}
    ${stage_commands}
    COMMAND ${CMAKE_COMMAND} -E rm -f ${zip}
    COMMAND ${CMAKE_COMMAND} -E chdir ${CMAKE_BINARY_DIR}
        ${CMAKE_COMMAND} -E tar cf ${zip} --format=zip ${package_name}
    COMMAND ${MAKENSIS} -V2 -INPUTCHARSET UTF8 -DVERSION=${PROJECT_VERSION} -DSTAGE=${stage}
        -DICON=${KELVORA_ICO} -DOUTFILE=${setup} ${nsis_script}
    DEPENDS kelvora windows-runtime ${CMAKE_BINARY_DIR}/README.txt ${nsis_script}
        ${KELVORA_ICO}
    COMMENT "Packing ${package_name}.zip and kelvora-${PROJECT_VERSION}-setup.exe"
    VERBATIM)
add_custom_target(windows-packages ALL DEPENDS ${zip} ${setup})
