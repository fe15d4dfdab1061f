# Installing the game as Debian lays out its games, and packing it as a .deb (make package):
#   <prefix>/games/tumbo-man, tumbo-man-fullscreen    the two builds
#   <prefix>/share/games/tumbo-man/                   pictures, fonts (links), sounds, story levels
#   <prefix>/share/applications, icons, metainfo, man/man6, doc/tumbo-man
# Each player's save, gamepad set-up, log and custom levels go to their own data folder, chosen by
# the programs at start-up; nothing is written into the installed tree.
include(GNUInstallDirs)

set(TUMBO_PACKAGE tumbo-man)
set(TUMBO_VERSION 1.0.0)
set(TUMBO_INSTALL_GAMESDIR games CACHE STRING "Folder of the programs, under the prefix")
set(TUMBO_INSTALL_GAMEDATADIR ${CMAKE_INSTALL_DATAROOTDIR}/games/${TUMBO_PACKAGE} CACHE STRING
    "Folder of the read-only game data, under the prefix")
set(TUMBO_MAINTAINER "Tumbo Man team <team@tumbo-man.example.org>" CACHE STRING "The package's maintainer")
set(TUMBO_PACKAGING_DIR ${CMAKE_CURRENT_LIST_DIR})

# An installed program finds its data from where it lies, so a tree installed under any prefix or
# DESTDIR works as it is; only the way from one folder to the other is built in.
file(RELATIVE_PATH TUMBO_DATA_FROM_PROGRAMS /prefix/${TUMBO_INSTALL_GAMESDIR} /prefix/${TUMBO_INSTALL_GAMEDATADIR})
set_property(SOURCE ${CMAKE_SOURCE_DIR}/app/game_folders.cpp APPEND PROPERTY COMPILE_DEFINITIONS
  TUMBO_DATA_FROM_PROGRAMS="${TUMBO_DATA_FROM_PROGRAMS}")

foreach(program IN ITEMS tumbo tumbo-fullscreen)
  string(REPLACE tumbo ${TUMBO_PACKAGE} installed_name ${program})
  install(PROGRAMS $<TARGET_FILE:${program}> DESTINATION ${TUMBO_INSTALL_GAMESDIR} RENAME ${installed_name})
  install(CODE "set(TUMBO_PROGRAM \"${TUMBO_INSTALL_GAMESDIR}/${installed_name}\")
    set(TUMBO_STRIP \"${CMAKE_STRIP}\")
    include(\"${TUMBO_PACKAGING_DIR}/strip_program.cmake\")")
endforeach()

install(DIRECTORY ${TUMBO_GAME_DIR}/gfx DESTINATION ${TUMBO_INSTALL_GAMEDATADIR} PATTERN Fonts EXCLUDE)
install(DIRECTORY ${TUMBO_GAME_DIR}/sfx ${TUMBO_GAME_DIR}/music DESTINATION ${TUMBO_INSTALL_GAMEDATADIR})
# Only the story levels: Levels/Custom of the build folder holds the developer's own levels.
install(DIRECTORY ${TUMBO_GAME_DIR}/Levels DESTINATION ${TUMBO_INSTALL_GAMEDATADIR}
  FILES_MATCHING PATTERN "*.level" PATTERN Custom EXCLUDE)

# The fonts: links to the system files the art generator copies them from, and the packages
# holding those files become the package's dependencies.
execute_process(COMMAND ${TUMBO_PYTHON} ${CMAKE_SOURCE_DIR}/tools/art/generate.py --font-sources
  OUTPUT_VARIABLE TUMBO_FONT_TABLE COMMAND_ERROR_IS_FATAL ANY)
string(REGEX REPLACE "\n$" "" TUMBO_FONT_TABLE "${TUMBO_FONT_TABLE}")
string(REPLACE "\n" ";" TUMBO_FONT_TABLE "${TUMBO_FONT_TABLE}")
set(TUMBO_FONT_PACKAGES)
foreach(line IN LISTS TUMBO_FONT_TABLE)
  string(REPLACE "\t" ";" pair "${line}")
  list(GET pair 0 game_path)
  list(GET pair 1 system_file)
  install(CODE "set(TUMBO_FONT_LINK \"${TUMBO_INSTALL_GAMEDATADIR}/${game_path}\")
    set(TUMBO_FONT_TARGET \"${system_file}\")
    include(\"${TUMBO_PACKAGING_DIR}/link_font.cmake\")")
  execute_process(COMMAND dpkg-query -S ${system_file} OUTPUT_VARIABLE owner RESULT_VARIABLE failed)
  if(failed)
    message(WARNING "No Debian package holds ${system_file}; the package will not depend on its font")
  else()
    string(REGEX REPLACE ":.*" "" owner "${owner}")
    list(APPEND TUMBO_FONT_PACKAGES ${owner})
  endif()
endforeach()
list(REMOVE_DUPLICATES TUMBO_FONT_PACKAGES)

# Desktop entry, icons (drawn with the art), AppStream data, manual pages, Debian's doc files.
install(FILES ${TUMBO_PACKAGING_DIR}/tumbo-man.desktop DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/applications)
install(DIRECTORY ${TUMBO_ICON_DIR}/hicolor DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/icons)
install(FILES ${TUMBO_PACKAGING_DIR}/org.example.tumbo_man.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/metainfo)

set(TUMBO_GZIP_DIR ${CMAKE_BINARY_DIR}/packaging)
set(TUMBO_GZIPPED)
foreach(source IN ITEMS tumbo-man.6 tumbo-man-fullscreen.6 changelog)
  set(out ${TUMBO_GZIP_DIR}/${source}.gz)
  # -n leaves out name and time: the same bytes on every build.
  add_custom_command(OUTPUT ${out}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${TUMBO_GZIP_DIR}
    COMMAND sh -c "gzip -9n -c \"$1\" > \"$2\"" gzip ${TUMBO_PACKAGING_DIR}/${source} ${out}
    DEPENDS ${TUMBO_PACKAGING_DIR}/${source} VERBATIM)
  list(APPEND TUMBO_GZIPPED ${out})
endforeach()
add_custom_target(packaging-docs ALL DEPENDS ${TUMBO_GZIPPED})
install(FILES ${TUMBO_GZIP_DIR}/tumbo-man.6.gz ${TUMBO_GZIP_DIR}/tumbo-man-fullscreen.6.gz
  DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
set(TUMBO_DOC_DIR ${CMAKE_INSTALL_DATAROOTDIR}/doc/${TUMBO_PACKAGE})
install(FILES ${TUMBO_PACKAGING_DIR}/copyright ${TUMBO_GZIP_DIR}/changelog.gz DESTINATION ${TUMBO_DOC_DIR})

# make package: the .deb. Library dependencies come from dpkg-shlibdeps, the fonts from above.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ${TUMBO_PACKAGE})
set(CPACK_PACKAGE_VERSION ${TUMBO_VERSION})
set(CPACK_PACKAGE_CONTACT ${TUMBO_MAINTAINER})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "side-scrolling platform game with a jetpack and a level editor")
# CPack puts the summary above this as the synopsis line.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Tumbo Man walks, jumps, swims, fires his jetpack and drives a captured tank
through ten story levels in five worlds, each with its own enemies and
scenery. Money found in the levels buys hats and a second look in the shop,
and a level editor makes new levels to play.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
string(REPLACE ";" ", " CPACK_DEBIAN_PACKAGE_DEPENDS "${TUMBO_FONT_PACKAGES}")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
include(CPack)
