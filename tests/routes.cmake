# A recorded way through each story level, replayed through the real play screen: the level must
# be finishable, and the statistics at the flag must match the recording.
foreach(level IN ITEMS TumboWorld1 TumboWorld2 Blorp1 Blorp2 SpacePirate1 SpacePirate2 RobotCity1
                       RobotCity2 RoundWorld1 RoundWorld2)
  add_test(NAME route_${level}
    COMMAND tumbo_tests --gtest_filter=Routes.${level}
    WORKING_DIRECTORY ${CMAKE_BINARY_DIR})
  set_tests_properties(route_${level} PROPERTIES
    ENVIRONMENT "SDL_VIDEODRIVER=dummy;SDL_AUDIODRIVER=dummy"
    TIMEOUT 600)
endforeach()
