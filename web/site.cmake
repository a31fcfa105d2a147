# Lays out the site in SITE from the page's files in SOURCE and the compiled
# program in PROGRAM (ausweichregeln.js, the Emscripten glue, and
# ausweichregeln.wasm):
#   index.html   with style.css, the glue, cards.js and app.js written into
#                it, so that one request brings the page and its scripts; the
#                page's own comments stay in its sources (a sixth of the
#                gzipped page): whole comment lines of the scripts and the
#                comments of the style are left out;
#   ausweichregeln.wasm, the program, which the page fetches from its head
#                and compiles while the rest of it loads (in binary: in base64
#                inside the page it would cost a third more, even gzipped);
#   manifest.webmanifest and icon.svg, as they are;
#   sw.js        the service worker, with the list of the site's files, which
#                it caches, and a version made from their contents, which
#                names its cache, so that every build that changes a file
#                replaces the cache.
function(read_file path variable)
  file(READ "${path}" content)
  # Written into a script element, the text must not close it early.
  string(FIND "${content}" "</script" closing)
  if(NOT closing EQUAL -1)
    message(FATAL_ERROR "${path} holds </script and cannot be written into the page")
  endif()
  set(${variable} "${content}" PARENT_SCOPE)
endfunction()

# The page's script `content` without its whole comment lines and the
# indentation of its lines (no string of the scripts spans lines).
function(without_comment_lines variable)
  string(REGEX REPLACE "\n[ \t]*//[^\n]*" "" stripped "\n${${variable}}")
  string(REGEX REPLACE "\n[ \t]+" "\n" stripped "${stripped}")
  set(${variable} "${stripped}" PARENT_SCOPE)
endfunction()

# The style `content` without its comments and its indentation.
function(without_style_comments variable)
  string(REGEX REPLACE "/\\*([^*]|\\*+[^*/])*\\*+/" "" stripped "${${variable}}")
  string(REGEX REPLACE "\n[ \t]+" "\n" stripped "${stripped}")
  set(${variable} "${stripped}" PARENT_SCOPE)
endfunction()

# Replaces the element `element` of the page with `replacement`.
function(put element replacement)
  string(FIND "${page}" "${element}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "index.html has no ${element}")
  endif()
  string(REPLACE "${element}" "${replacement}" page "${page}")
  set(page "${page}" PARENT_SCOPE)
endfunction()

file(READ "${SOURCE}/index.html" page)
read_file("${SOURCE}/style.css" style)
read_file("${SOURCE}/cards.js" cards)
read_file("${SOURCE}/app.js" script)
without_style_comments(style)
without_comment_lines(cards)
without_comment_lines(script)
read_file("${PROGRAM}/ausweichregeln.js" glue)
put("<link rel=\"stylesheet\" href=\"style.css\">" "<style>\n${style}</style>")
put("<script src=\"ausweichregeln.js\"></script>" "<script>\n${glue}</script>")
put("<script src=\"cards.js\"></script>" "<script>\n${cards}</script>")
put("<script src=\"app.js\"></script>" "<script>\n${script}</script>")
file(WRITE "${SITE}/index.html" "${page}")
foreach(name IN ITEMS manifest.webmanifest icon.svg)
  configure_file("${SOURCE}/${name}" "${SITE}/${name}" COPYONLY)
endforeach()
configure_file("${PROGRAM}/ausweichregeln.wasm" "${SITE}/ausweichregeln.wasm" COPYONLY)

# index.html is listed as ./, the address of the site.
set(SITE_FILES "\"./\", \"ausweichregeln.wasm\", \"manifest.webmanifest\", \"icon.svg\"")
set(digests "")
foreach(name IN ITEMS index.html ausweichregeln.wasm manifest.webmanifest icon.svg)
  file(SHA256 "${SITE}/${name}" digest)
  string(APPEND digests "${name} ${digest}\n")
endforeach()
string(SHA256 version "${digests}")
string(SUBSTRING "${version}" 0 16 SITE_VERSION)
configure_file("${SOURCE}/sw.js" "${SITE}/sw.js" @ONLY)
