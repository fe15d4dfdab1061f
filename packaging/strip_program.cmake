# Run at install time for one program (TUMBO_PROGRAM: its path under the prefix): strips it when the
# install asks for stripping (cmake --install --strip, and the package), as install(TARGETS) would.
if(CMAKE_INSTALL_DO_STRIP AND TUMBO_STRIP)
  execute_process(COMMAND "${TUMBO_STRIP}" --remove-section=.comment --remove-section=.note --strip-unneeded "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}/${TUMBO_PROGRAM}"
                  RESULT_VARIABLE failed)
  if(failed)
    message(FATAL_ERROR "could not strip ${TUMBO_PROGRAM}")
  endif()
endif()
