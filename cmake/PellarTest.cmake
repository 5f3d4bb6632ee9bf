# One way to register a test program: every QtTest executable runs headless
# (offscreen platform) with its own empty settings and config folders, so no
# test reads or writes the user's real settings. Reverse name lookups read
# only the hosts file, so no test sends a name query from the machine.
function(pellar_add_test name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS;LABELS;ENV" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE Qt6::Test ${ARG_LIBS})
  add_test(NAME ${name} COMMAND ${name})
  set(testHome ${CMAKE_BINARY_DIR}/test-home/${name})
  file(MAKE_DIRECTORY ${testHome})
  set_tests_properties(${name} PROPERTIES
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;XDG_CONFIG_HOME=${testHome}/config;HOME=${testHome};PELLAR_BUILD_DIR=${CMAKE_BINARY_DIR};DORVANE_HOSTS_FILE=/etc/hosts;${ARG_ENV}"
    TIMEOUT 300)
  if(ARG_LABELS)
    set_tests_properties(${name} PROPERTIES LABELS "${ARG_LABELS}")
  endif()
endfunction()
