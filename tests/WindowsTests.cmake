# The Windows build's tests beyond the offscreen ones, all under Wine.
#
# On a desktop: the window tests again with Qt's windows platform, each on an
# X server of its own with openbox, as on Linux. Wine keeps one server per
# prefix, holding the display of the program that started it; these tests
# take turns in a prefix of their own, and each ends its Wine when it ends.
set(desktop_prefix ${CMAKE_BINARY_DIR}/wine/desktop-prefix)
set(with_desktop ${CMAKE_CURRENT_SOURCE_DIR}/display/with-desktop.sh)
kelvora_wine_prefix("wine desktop" wineDesktop ${desktop_prefix})
foreach(name tst_Dispatch tst_IdChart tst_Kelvora tst_WholeRoom tst_Windows)
    add_test(NAME "${name} on a desktop" COMMAND bash ${with_desktop}
        ${CMAKE_CROSSCOMPILING_EMULATOR} $<TARGET_FILE:${name}>)
    set_tests_properties("${name} on a desktop" PROPERTIES TIMEOUT 300
        ENVIRONMENT "QT_ASSUME_STDERR_HAS_CONSOLE=1;WINEPREFIX=${desktop_prefix}"
        FIXTURES_REQUIRED wineDesktop RESOURCE_LOCK wineDesktop LABELS windows)
endforeach()

# What a user downloads: kelvora.exe unpacked from the zip, with only what the
# zip holds beside it, shows its main window.
add_test(NAME "zip shows the main window" COMMAND bash ${with_desktop}
    bash ${CMAKE_CURRENT_SOURCE_DIR}/wine/zip-shows-window.sh
    ${CMAKE_BINARY_DIR}/kelvora-${PROJECT_VERSION}-win64.zip)
set_tests_properties("zip shows the main window" PROPERTIES TIMEOUT 300
    ENVIRONMENT "WINEPREFIX=${desktop_prefix}"
    FIXTURES_REQUIRED wineDesktop RESOURCE_LOCK wineDesktop LABELS windows)

# What a user installs: the installer, run silently, installs what the zip
# holds, runs, refuses to touch a running Kelvora, and uninstalls, leaving a
# file of the user's and nothing of its own.
add_test(NAME "installer installs, runs and uninstalls" COMMAND bash ${with_desktop}
    bash ${CMAKE_CURRENT_SOURCE_DIR}/wine/installer.sh
    ${CMAKE_BINARY_DIR}/kelvora-${PROJECT_VERSION}-setup.exe
    ${CMAKE_BINARY_DIR}/kelvora-${PROJECT_VERSION}-win64.zip)
set_tests_properties("installer installs, runs and uninstalls" PROPERTIES TIMEOUT 300
    ENVIRONMENT "WINEPREFIX=${desktop_prefix}"
    FIXTURES_REQUIRED wineDesktop RESOURCE_LOCK wineDesktop LABELS windows)

# The captions fit at Windows' usual display scales, 125 % and 150 %: Windows
# and Wine set a resolution of 120 or 144 dpi for the session, and Qt's windows
# platform scales by it, fonts and all, as QT_SCALE_FACTOR on the offscreen
# platform does not. The resolution is the prefix's, so these have their own.
set(dpi_prefix ${CMAKE_BINARY_DIR}/wine/dpi-prefix)
kelvora_wine_prefix("wine dpi" wineDpi ${dpi_prefix})
foreach(scale "120|1.25" "144|1.5")
    string(REPLACE "|" ";" scale "${scale}")
    list(GET scale 0 dpi)
    list(GET scale 1 ratio)
    add_test(NAME "tst_Layout at ${dpi} dpi" COMMAND bash ${with_desktop}
        ${CMAKE_CROSSCOMPILING_EMULATOR} --dpi ${dpi} $<TARGET_FILE:tst_Layout>)
    set_tests_properties("tst_Layout at ${dpi} dpi" PROPERTIES TIMEOUT 300
        ENVIRONMENT "QT_ASSUME_STDERR_HAS_CONSOLE=1;WINEPREFIX=${dpi_prefix};KELVORA_DEVICE_PIXEL_RATIO=${ratio}"
        FIXTURES_REQUIRED wineDpi RESOURCE_LOCK wineDpi LABELS windows)
endforeach()
