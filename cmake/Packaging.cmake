# The Debian package: `cpack -G DEB` in the build tree makes
# ausweichregeln_<version>-<release>_<arch>.deb with the program and both
# manual pages, installed under /usr.
set(CPACK_PACKAGE_NAME ausweichregeln)
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(AUSWEICH_PACKAGE_MAINTAINER
    "Seed 17844193 maintainers <maintainers@users.noreply.c-seed-17844193.example>"
    CACHE STRING "Maintainer field of the Debian package: Name <address>")
set(CPACK_PACKAGE_CONTACT "${AUSWEICH_PACKAGE_MAINTAINER}")
# Debian allows one Description field: the synopsis, then the long text,
# which holds the English paragraph and after it the German one.
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "give-way advisor for skippers (SeeSchStrO and KVR), in German")
set(CPACK_PACKAGE_DESCRIPTION_FILE "${PROJECT_SOURCE_DIR}/packaging/description.txt")
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The program carries its C++ run-time library inside and needs nothing but
# the C library; let dpkg-shlibdeps read the exact version off the binary
# where it can.
find_program(AUSWEICH_DPKG_SHLIBDEPS dpkg-shlibdeps)
mark_as_advanced(AUSWEICH_DPKG_SHLIBDEPS)
if(AUSWEICH_DPKG_SHLIBDEPS)
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
else()
  set(CPACK_DEBIAN_PACKAGE_DEPENDS "libc6")
endif()

# The copyright file of the package, in Debian's machine-readable format,
# made from LICENSE: the copyright line, and the licence text indented as a
# field's continuation lines (" ." for an empty line). Debian calls the MIT
# licence "Expat".
file(READ "${PROJECT_SOURCE_DIR}/LICENSE" licence)
string(REGEX MATCH "Copyright \\(c\\) ([^\n]+)" found "${licence}")
set(copyright "${CMAKE_MATCH_1}")
string(FIND "${licence}" "Permission is hereby granted" start)
if(NOT found OR start EQUAL -1)
  message(FATAL_ERROR "LICENSE: no copyright line or no licence text")
endif()
string(SUBSTRING "${licence}" ${start} -1 licence_text)
string(STRIP "${licence_text}" licence_text)
string(REPLACE "\n\n" "\n.\n" licence_text "${licence_text}")
string(REPLACE "\n" "\n " licence_text " ${licence_text}")
configure_file(packaging/copyright.in debian/copyright @ONLY)
install(FILES "${PROJECT_BINARY_DIR}/debian/copyright" DESTINATION "${CMAKE_INSTALL_DOCDIR}")

# Files of the Debian package alone, not of an installation from source,
# laid out from the root of the package: lintian's overrides, with the
# reasons in the file (lintian looks for them under /usr whatever the prefix).
file(REMOVE_RECURSE "${PROJECT_BINARY_DIR}/debian-only")
configure_file(packaging/lintian-overrides
  debian-only/usr/share/lintian/overrides/${CPACK_PACKAGE_NAME} COPYONLY)
set(CPACK_INSTALLED_DIRECTORIES "${PROJECT_BINARY_DIR}/debian-only;.")

# The source archive: `cpack --config CPackSourceConfig.cmake` makes
# ausweichregeln-<version>.tar.gz of the source tree, without what git
# ignores (the build trees) and without git's own files or node modules.
set(CPACK_VERBATIM_VARIABLES ON)
set(CPACK_SOURCE_GENERATOR TGZ)
# Into the build tree, wherever cpack is called, so that no archive lands in
# the sources and in the next archive.
set(CPACK_PACKAGE_DIRECTORY "${PROJECT_BINARY_DIR}")
set(CPACK_SOURCE_PACKAGE_FILE_NAME "${CPACK_PACKAGE_NAME}-${PROJECT_VERSION}")
# The patterns are matched against whole paths: the source and build trees'
# own paths stand in them with every character that means something in a
# pattern escaped. The build tree is left out wherever it is.
foreach(tree source binary)
  string(TOUPPER "PROJECT_${tree}_DIR" path)
  set(${tree} "${${path}}")
  foreach(special "\\" "." "+" "*" "?" "^" "$" "(" ")" "[" "]" "|")
    string(REPLACE "${special}" "\\${special}" ${tree} "${${tree}}")
  endforeach()
endforeach()
set(CPACK_SOURCE_IGNORE_FILES
  "/\\.git(/|$)"
  "/node_modules/"
  "^${source}/build[^/]*/"
  "^${source}/out/"
  "^${binary}/")

include(CPack)
