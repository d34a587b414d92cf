# The Windows build's tests beyond the offscreen ones, all under Wine.
#
# On a desktop: the window tests again with Qt's windows platform, each on an
# X server of its own with openbox, as on Linux. Wine keeps one server per
# prefix, holding the display of the program that started it; these tests
# take turns in a prefix of their own, and each ends its Wine when it ends.
set(desktop_prefix ${CMAKE_BINARY_DIR}/wine/desktop-prefix)
set(with_desktop ${CMAKE_CURRENT_SOURCE_DIR}/display/with-desktop.sh)
kelvora_wine_prefix("wine desktop" wineDesktop ${desktop_prefix})
foreach(name tst_Dispatch tst_Kelvora tst_WholeRoom tst_Windows)
    add_test(NAME "${name} on a desktop" COMMAND bash ${with_desktop}
        ${CMAKE_CROSSCOMPILING_EMULATOR} $<TARGET_FILE:${name}>)
    set_tests_properties("${name} on a desktop" PROPERTIES TIMEOUT 300
        ENVIRONMENT "QT_ASSUME_STDERR_HAS_CONSOLE=1;WINEPREFIX=${desktop_prefix}"
        FIXTURES_REQUIRED wineDesktop RESOURCE_LOCK wineDesktop)
endforeach()

# What a user downloads: kelvora.exe unpacked from the zip, with only what the
# zip holds beside it, shows its main window.
add_test(NAME "zip shows the main window" COMMAND bash ${with_desktop}
    bash ${CMAKE_CURRENT_SOURCE_DIR}/wine/zip-shows-window.sh
    ${CMAKE_BINARY_DIR}/kelvora-${PROJECT_VERSION}-win64.zip)
set_tests_properties("zip shows the main window" PROPERTIES TIMEOUT 300
    ENVIRONMENT "WINEPREFIX=${desktop_prefix}"
    FIXTURES_REQUIRED wineDesktop RESOURCE_LOCK wineDesktop)
