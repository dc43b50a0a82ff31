# Tests of Windows programs run under Wine, in the build folder's own prefix on
# a private X display; a fixture starts and stops that session around them.
if(NOT WIN32)
  return()
endif()

set(PANDOR7_WINE_RUN ${PROJECT_SOURCE_DIR}/scripts/wine-run.sh)
set(PANDOR7_WINE_SESSION ${PROJECT_SOURCE_DIR}/scripts/wine-session.sh)

add_test(NAME wine_session_start COMMAND ${PANDOR7_WINE_SESSION} start ${PROJECT_BINARY_DIR})
set_tests_properties(wine_session_start PROPERTIES FIXTURES_SETUP wine TIMEOUT 180)
add_test(NAME wine_session_stop COMMAND ${PANDOR7_WINE_SESSION} stop ${PROJECT_BINARY_DIR})
set_tests_properties(wine_session_stop PROPERTIES FIXTURES_CLEANUP wine TIMEOUT 60)

# add_wine_test(NAME name COMMAND program [args...] [TIMEOUT seconds])
# Runs a Windows program under Wine.
function(add_wine_test)
  cmake_parse_arguments(ARG "" "NAME;TIMEOUT" "COMMAND" ${ARGN})
  if(NOT ARG_TIMEOUT)
    set(ARG_TIMEOUT 120)
  endif()
  add_test(NAME ${ARG_NAME} COMMAND ${PANDOR7_WINE_RUN} ${PROJECT_BINARY_DIR} ${ARG_COMMAND})
  set_tests_properties(${ARG_NAME} PROPERTIES FIXTURES_REQUIRED wine TIMEOUT ${ARG_TIMEOUT} RUN_SERIAL TRUE)
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
