# Install rules: the program to bin/, its manual pages to the man tree, the
# English page in man1 and the German one in de/man1, and the Debian change
# log to the documentation directory. Where gzip is at hand the pages and
# the log are installed compressed, as Debian and most man readers expect.
include(GNUInstallDirs)

install(TARGETS ausweichregeln RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

find_program(AUSWEICH_GZIP gzip)
mark_as_advanced(AUSWEICH_GZIP)
file(MAKE_DIRECTORY "${PROJECT_BINARY_DIR}/packed")

# Installs the file SOURCE (relative to the source tree) as DIRECTORY/NAME,
# or as DIRECTORY/NAME.gz where gzip is found.
function(ausweich_install_packed source directory name)
  set(input "${PROJECT_SOURCE_DIR}/${source}")
  if(NOT AUSWEICH_GZIP)
    install(FILES "${input}" DESTINATION "${directory}" RENAME "${name}")
    return()
  endif()
  string(MAKE_C_IDENTIFIER "${source}" id)
  set(packed "${PROJECT_BINARY_DIR}/packed/${id}.gz")
  # -n leaves the name and the time stamp out, so the file is reproducible.
  add_custom_command(OUTPUT "${packed}"
    COMMAND "${CMAKE_COMMAND}" -DGZIP=${AUSWEICH_GZIP} -DINPUT=${input}
            -DOUTPUT=${packed} -P "${PROJECT_SOURCE_DIR}/cmake/gzip_file.cmake"
    DEPENDS "${input}" "${PROJECT_SOURCE_DIR}/cmake/gzip_file.cmake"
    COMMENT "Compressing ${source}"
    VERBATIM)
  add_custom_target(packed_${id} ALL DEPENDS "${packed}")
  install(FILES "${packed}" DESTINATION "${directory}" RENAME "${name}.gz")
endfunction()

ausweich_install_packed(man/ausweichregeln.1 "${CMAKE_INSTALL_MANDIR}/man1" ausweichregeln.1)
ausweich_install_packed(man/ausweichregeln.de.1 "${CMAKE_INSTALL_MANDIR}/de/man1" ausweichregeln.1)
ausweich_install_packed(packaging/changelog.Debian "${CMAKE_INSTALL_DOCDIR}" changelog.Debian)
