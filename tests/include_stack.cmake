# The folders form a stack (CMakeLists.txt, TUMBO_FOLDER_STACK): an include from a folder above a
# file's own, or from one beside it, fails this test.
add_test(NAME include_stack
  COMMAND ${CMAKE_COMMAND} -DSOURCE_DIR=${CMAKE_SOURCE_DIR} "-DSTACK=${TUMBO_FOLDER_STACK}"
          -P ${CMAKE_CURRENT_SOURCE_DIR}/support/check_include_stack.cmake)
