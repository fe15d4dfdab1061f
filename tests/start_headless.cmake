# The game itself, started headless with no usable sound device, on the classic SDL 1.2 and on the
# SDL 1.2 layer over SDL2 that newer distributions ship instead.
set(TUMBO_SDL_CLASSIC_DIR /usr/lib/x86_64-linux-gnu)
set(TUMBO_SDL_LAYER_DIR /usr/lib/x86_64-linux-gnu/sdl12-compat)
foreach(library IN ITEMS classic layer)
  if(library STREQUAL "classic")
    set(dir ${TUMBO_SDL_CLASSIC_DIR})
  else()
    set(dir ${TUMBO_SDL_LAYER_DIR})
  endif()
  add_test(NAME starts_without_sound_on_sdl_${library}
    COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/start_headless.sh ${TUMBO_GAME_DIR} ${dir})
  set_tests_properties(starts_without_sound_on_sdl_${library} PROPERTIES TIMEOUT 120)
endforeach()
