# The fuzz targets (tests/fuzz), one per file the game reads. Built normally they replay, through
# replay_main.cpp, their seeds (tests/fuzz/seeds) and every stored finding (tests/fuzz/findings) as
# tests; built for `make fuzz` (TUMBO_FUZZ) they are libFuzzer programs, run by tools/fuzz.sh.
set(TUMBO_FUZZ_SOURCE ${CMAKE_CURRENT_SOURCE_DIR}/fuzz)
# target name: the seed and finding folder it reads
set(TUMBO_FUZZ_TARGETS level_play level_editor save_file gamepad_file)
set(TUMBO_FUZZ_INPUTS_level_play level)
set(TUMBO_FUZZ_INPUTS_level_editor level)
set(TUMBO_FUZZ_INPUTS_save_file save)
set(TUMBO_FUZZ_INPUTS_gamepad_file gamepad)

add_library(tumbo_fuzz_support STATIC ${TUMBO_FUZZ_SOURCE}/fuzz_support.cpp)
target_link_libraries(tumbo_fuzz_support PUBLIC tumbogame)
target_compile_definitions(tumbo_fuzz_support PRIVATE TUMBO_GAME_DIR="${TUMBO_GAME_DIR}")
add_custom_target(fuzz-targets)

foreach(target IN LISTS TUMBO_FUZZ_TARGETS)
  set(program fuzz_${target})
  if(TUMBO_FUZZ)
    add_executable(${program} ${TUMBO_FUZZ_SOURCE}/${target}_fuzz.cpp)
    target_link_options(${program} PRIVATE -fsanitize=fuzzer)
  else()
    add_executable(${program} ${TUMBO_FUZZ_SOURCE}/${target}_fuzz.cpp ${TUMBO_FUZZ_SOURCE}/replay_main.cpp)
    set(inputs ${TUMBO_FUZZ_SOURCE}/seeds/${TUMBO_FUZZ_INPUTS_${target}})
    # A target with no finding stored yet has no findings folder.
    if(EXISTS ${TUMBO_FUZZ_SOURCE}/findings/${TUMBO_FUZZ_INPUTS_${target}})
      list(APPEND inputs ${TUMBO_FUZZ_SOURCE}/findings/${TUMBO_FUZZ_INPUTS_${target}})
    endif()
    # The story levels as built are seeds too.
    if(TUMBO_FUZZ_INPUTS_${target} STREQUAL "level")
      list(APPEND inputs ${TUMBO_GAME_DIR}/Levels)
    endif()
    add_test(NAME fuzz_replay_${target} COMMAND ${program} ${inputs})
    set_tests_properties(fuzz_replay_${target} PROPERTIES ENVIRONMENT "${TUMBO_TEST_ENV}" TIMEOUT 600)
  endif()
  target_link_libraries(${program} PRIVATE tumbo_fuzz_support)
  add_dependencies(fuzz-targets ${program})
  foreach(data IN ITEMS art levels)
    if(TARGET ${data})
      add_dependencies(${program} ${data})
    endif()
  endforeach()
endforeach()
