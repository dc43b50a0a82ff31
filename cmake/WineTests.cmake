# Tests of Windows programs run under Wine, in the build folder's own prefix on
# a private X display; a fixture starts and stops that session around them.
if(NOT WIN32)
  return()
endif()

# The kind of prefix this build's programs run in: a 32-bit one for the i686
# build, a 64-bit one (wine64) for the x86_64 build. The session script reads
# it from the build folder.
if(CMAKE_SIZEOF_VOID_P EQUAL 8)
  set(PANDOR7_WINE_ARCH win64)
else()
  set(PANDOR7_WINE_ARCH win32)
endif()
file(WRITE ${PROJECT_BINARY_DIR}/wine-arch "${PANDOR7_WINE_ARCH}\n")

set(PANDOR7_WINE_RUN ${PROJECT_SOURCE_DIR}/scripts/wine-run.sh)
set(PANDOR7_WINE_SESSION ${PROJECT_SOURCE_DIR}/scripts/wine-session.sh)

add_test(NAME wine_session_start COMMAND ${PANDOR7_WINE_SESSION} start ${PROJECT_BINARY_DIR})
set_tests_properties(wine_session_start PROPERTIES FIXTURES_SETUP wine TIMEOUT 180)
add_test(NAME wine_session_stop COMMAND ${PANDOR7_WINE_SESSION} stop ${PROJECT_BINARY_DIR})
set_tests_properties(wine_session_stop PROPERTIES FIXTURES_CLEANUP wine TIMEOUT 60)

# Screens of other resolutions for the tests of the scaled layout: each has a
# prefix of its own, started in the running session by a fixture of its own,
# so that only the tests that need it pay for it.
set(PANDOR7_TEST_DPIS 120 144)
foreach(dpi ${PANDOR7_TEST_DPIS})
  add_test(NAME wine_session_start_dpi${dpi} COMMAND ${PANDOR7_WINE_SESSION} start ${PROJECT_BINARY_DIR} ${dpi})
  set_tests_properties(wine_session_start_dpi${dpi} PROPERTIES
    FIXTURES_SETUP wine_dpi${dpi} FIXTURES_REQUIRED wine TIMEOUT 180)
  add_test(NAME wine_session_stop_dpi${dpi} COMMAND ${PANDOR7_WINE_SESSION} stop ${PROJECT_BINARY_DIR} ${dpi})
  set_tests_properties(wine_session_stop_dpi${dpi} PROPERTIES
    FIXTURES_CLEANUP wine_dpi${dpi} FIXTURES_REQUIRED wine TIMEOUT 60)
endforeach()

# add_wine_test(NAME name COMMAND program [args...] [TIMEOUT seconds] [DPI dpi])
# Runs a Windows program under Wine; with DPI, in the prefix of that
# resolution (one of PANDOR7_TEST_DPIS), which the program finds in its
# environment as PANDOR7_WINE_DPI.
function(add_wine_test)
  cmake_parse_arguments(ARG "" "NAME;TIMEOUT;DPI" "COMMAND" ${ARGN})
  if(NOT ARG_TIMEOUT)
    set(ARG_TIMEOUT 120)
  endif()
  add_test(NAME ${ARG_NAME} COMMAND ${PANDOR7_WINE_RUN} ${PROJECT_BINARY_DIR} ${ARG_COMMAND})
  set_tests_properties(${ARG_NAME} PROPERTIES FIXTURES_REQUIRED wine TIMEOUT ${ARG_TIMEOUT} RUN_SERIAL TRUE)
  if(ARG_DPI)
    set_tests_properties(${ARG_NAME} PROPERTIES FIXTURES_REQUIRED "wine;wine_dpi${ARG_DPI}"
      ENVIRONMENT PANDOR7_WINE_DPI=${ARG_DPI})
  endif()
endfunction()

# add_session_test(NAME name COMMAND script [args...] [TIMEOUT seconds])
# Runs a host script that drives Windows programs itself (end-to-end tests); it
# finds the session in PANDOR7_BUILD.
function(add_session_test)
  cmake_parse_arguments(ARG "" "NAME;TIMEOUT" "COMMAND" ${ARGN})
  if(NOT ARG_TIMEOUT)
    set(ARG_TIMEOUT 120)
  endif()
  add_test(NAME ${ARG_NAME} COMMAND ${ARG_COMMAND})
  set_tests_properties(${ARG_NAME} PROPERTIES FIXTURES_REQUIRED wine TIMEOUT ${ARG_TIMEOUT} RUN_SERIAL TRUE
    ENVIRONMENT "PANDOR7_BUILD=${PROJECT_BINARY_DIR};PANDOR7_SOURCE=${PROJECT_SOURCE_DIR}")
endfunction()
