# The game as a player gets it: installed into a scratch DESTDIR, started from elsewhere with a
# scratch HOME; and the two ways it must refuse to start.
add_test(NAME installed_game
  COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/installed_game_test.sh ${CMAKE_BINARY_DIR})
set_tests_properties(installed_game PROPERTIES LABELS no-sanitizer TIMEOUT 300)
