# The converter that builds the story levels from their ASCII maps.
add_test(NAME level_converter
  COMMAND ${TUMBO_PYTHON} -m unittest discover -s ${CMAKE_SOURCE_DIR}/tools/levels -p "test_*.py")
set_tests_properties(level_converter PROPERTIES ENVIRONMENT "PYTHONDONTWRITEBYTECODE=1")
