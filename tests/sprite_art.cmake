# The character, enemy and item pictures: checks that they fit the way the game draws them.
add_test(NAME sprite_art
  COMMAND ${TUMBO_PYTHON} -m unittest discover -s ${CMAKE_SOURCE_DIR}/tools/art -p test_sprites.py)
set_tests_properties(sprite_art PROPERTIES LABELS no-sanitizer TIMEOUT 300)
