install(FILES ${CMAKE_SOURCE_DIR}/packaging/dorvane-pellar.desktop
              ${CMAKE_SOURCE_DIR}/packaging/dorvane-hyperterminal.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)

# Manual pages made from the programs' own --help at build time.
if(UNIX AND NOT CMAKE_CROSSCOMPILING)
  set(manDir ${CMAKE_BINARY_DIR}/man)
  set(manPages "")
  foreach(entry "pellarctl|set up PELLAR and QM270 network modules from the command line"
                "DorvaneHyperTerminal|serial terminal for a device's console")
    string(REPLACE "|" ";" entry "${entry}")
    list(GET entry 0 program)
    list(GET entry 1 summary)
    add_custom_command(OUTPUT ${manDir}/${program}.1.gz
      COMMAND ${CMAKE_COMMAND} -E make_directory ${manDir}
      COMMAND ${CMAKE_COMMAND} -DPROGRAM=$<TARGET_FILE:${program}> -DNAME=${program} -DVERSION=${PROJECT_VERSION}
              "-DSUMMARY=${summary}" -DOUTPUT=${manDir}/${program}.1.gz
              -P ${CMAKE_SOURCE_DIR}/packaging/help_to_man.cmake
      DEPENDS ${program} ${CMAKE_SOURCE_DIR}/packaging/help_to_man.cmake
      COMMENT "Manual page of ${program} from its --help"
      VERBATIM)
    list(APPEND manPages ${manDir}/${program}.1.gz)
  endforeach()
  add_custom_target(pellar_man_pages ALL DEPENDS ${manPages})
  install(FILES ${manPages} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endif()

set(CPACK_GENERATOR "DEB")
set(CPACK_PACKAGE_NAME "dorvane-pellar")
set(CPACK_PACKAGE_VENDOR "Dorvane")
set(CPACK_PACKAGE_CONTACT "Dorvane Technical Support <support@dorvane.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
set(CPACK_PACKAGE_DESCRIPTION "DorvanePELLAR, the installer's tool with its windows; pellarctl, the same \
functions from the command line; and DorvaneHyperTerminal, the serial terminal the tool starts.")
set(CPACK_DEBIAN_PACKAGE_SECTION "utils")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS OFF)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6widgets6 (>= 6.4), libqt6network6 (>= 6.4), libqt6serialport6 (>= 6.4), qt6-qpa-plugins, iproute2")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# The programs go out without their debug information.
set(CPACK_STRIP_FILES ON)
include(CPack)
