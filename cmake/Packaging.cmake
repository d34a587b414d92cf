# A Debian package of the installed tree. dpkg-shlibdeps works out the shared
# libraries' packages; the font is named by hand, since the windows are drawn
# for it and nothing links against it.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME kelvora)
set(CPACK_PACKAGE_VENDOR "Kelvora")
set(CPACK_PACKAGE_CONTACT "Kelvora developers <kelvora@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Cooling load of one room, for sizing its air conditioning")
set(CPACK_PACKAGE_DESCRIPTION "Kelvora computes the heat gains of one room (equipment, \
lighting, occupants, infiltration, glazing, envelope, roof and floor) and their average and \
maximum total, for engineers sizing its air conditioning. Its windows are in Vietnamese.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2")
set(CPACK_STRIP_FILES ON)
include(CPack)
