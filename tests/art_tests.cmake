# Checks of the art generator itself (keying, manifest bookkeeping, seamless scenery).
add_test(NAME art_generator COMMAND ${Python3_EXECUTABLE} ${CMAKE_SOURCE_DIR}/tools/art/test_art.py)
