# The menu data's test sources, built natively and for Windows alike.
set(PANDOR7_MENU_TEST_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/description_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/line_list_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/menu_error_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/menu_tree_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/picture_check_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/settings_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/start_up_settings_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/strict_integer_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/test_bytes.cpp
  ${CMAKE_CURRENT_LIST_DIR}/wave_file_test.cpp
)
