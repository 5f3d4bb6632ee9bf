install(FILES ${CMAKE_SOURCE_DIR}/packaging/dorvane-pellar.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)

set(CPACK_GENERATOR "DEB")
set(CPACK_PACKAGE_NAME "dorvane-pellar")
set(CPACK_PACKAGE_VENDOR "Dorvane")
set(CPACK_PACKAGE_CONTACT "Dorvane Technical Support <support@dorvane.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
set(CPACK_DEBIAN_PACKAGE_SECTION "utils")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS OFF)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6widgets6 (>= 6.4), libqt6network6 (>= 6.4), libqt6serialport6 (>= 6.4), qt6-qpa-plugins, iproute2")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
include(CPack)
