# The sounds the build makes: the score reader, the same bytes on every run, clean ends and loops.
add_dependencies(tumbo_tests sound)
add_test(NAME sound_generator COMMAND ${TUMBO_PYTHON} ${CMAKE_SOURCE_DIR}/tools/sound/test_sound.py)
set_tests_properties(sound_generator PROPERTIES
  ENVIRONMENT "PYTHONDONTWRITEBYTECODE=1" LABELS no-sanitizer TIMEOUT 300)
