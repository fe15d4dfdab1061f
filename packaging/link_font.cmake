# Run at install time for one font (TUMBO_FONT_LINK: its path under the prefix, TUMBO_FONT_TARGET:
# the system font it is drawn with). The game's font names become links to the font packages'
# files, so no copy of a font goes out of date beside them. Under the same prefix (a /usr install,
# the Debian package) the link is relative, as Debian wants; otherwise it names the file itself.
set(prefix "${CMAKE_INSTALL_PREFIX}")
set(link "$ENV{DESTDIR}${prefix}/${TUMBO_FONT_LINK}")
get_filename_component(folder "${prefix}/${TUMBO_FONT_LINK}" DIRECTORY)
string(FIND "${TUMBO_FONT_TARGET}" "${prefix}/" at)
if(at EQUAL 0)
  file(RELATIVE_PATH target "${folder}" "${TUMBO_FONT_TARGET}")
else()
  set(target "${TUMBO_FONT_TARGET}")
endif()
get_filename_component(link_folder "${link}" DIRECTORY)
file(MAKE_DIRECTORY "${link_folder}")
message(STATUS "Installing: ${link} -> ${target}")
file(CREATE_LINK "${target}" "${link}" SYMBOLIC)
