# Debian's hardening: with AUSWEICH_HARDENING every target is built with the
# flags that dpkg-buildflags gives when all hardening features are on
# (fortified functions, stack protector, read-only relocations bound at
# start, position-independent executables), as a Debian package build
# would. DEB_BUILD_MAINT_OPTIONS and the other settings of dpkg-buildflags in
# the environment still apply. The package is built this way.
option(AUSWEICH_HARDENING "Build with Debian's hardening flags (dpkg-buildflags, dpkg-dev)" OFF)
set(AUSWEICH_HARDENED FALSE)
if(NOT AUSWEICH_HARDENING)
  return()
endif()

find_program(AUSWEICH_DPKG_BUILDFLAGS dpkg-buildflags)
mark_as_advanced(AUSWEICH_DPKG_BUILDFLAGS)
if(NOT AUSWEICH_DPKG_BUILDFLAGS)
  message(WARNING "dpkg-buildflags not found (Debian: dpkg-dev): the build is not hardened")
  return()
endif()

set(hardening "hardening=+all")
if(DEFINED ENV{DEB_BUILD_MAINT_OPTIONS})
  string(APPEND hardening " $ENV{DEB_BUILD_MAINT_OPTIONS}")
endif()
# Run from the source tree, so that the file-prefix map that dpkg-buildflags
# adds takes the source paths out of the program.
foreach(kind CPPFLAGS CFLAGS CXXFLAGS LDFLAGS)
  execute_process(
    COMMAND "${CMAKE_COMMAND}" -E env "DEB_BUILD_MAINT_OPTIONS=${hardening}"
            "${AUSWEICH_DPKG_BUILDFLAGS}" --get ${kind}
    WORKING_DIRECTORY "${PROJECT_SOURCE_DIR}"
    OUTPUT_VARIABLE flags
    OUTPUT_STRIP_TRAILING_WHITESPACE
    COMMAND_ERROR_IS_FATAL ANY)
  separate_arguments(deb_${kind} UNIX_COMMAND "${flags}")
endforeach()
string(JOIN " " shown ${deb_CPPFLAGS} ${deb_CXXFLAGS} ${deb_LDFLAGS})
message(STATUS "Hardened with dpkg-buildflags: ${shown}")

add_compile_options(
  "$<$<COMPILE_LANGUAGE:CXX>:${deb_CPPFLAGS};${deb_CXXFLAGS}>"
  "$<$<COMPILE_LANGUAGE:C>:${deb_CPPFLAGS};${deb_CFLAGS}>")
add_link_options(${deb_LDFLAGS})
set(AUSWEICH_HARDENED TRUE)
