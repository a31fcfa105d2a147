# Lays out the page in SITE beside the compiled program (ausweichregeln.js
# and .wasm), from the page's files in SOURCE:
#   index.html   with style.css and app.js written into it, which spares the
#                browser two requests before the program can start;
#   manifest.webmanifest and icon.svg, as they are;
#   sw.js        the service worker, with the list of the site's files, which
#                it caches, and a version made from their contents, which
#                names its cache, so that every build that changes a file
#                replaces the cache.
function(read_source name variable)
  file(READ "${SOURCE}/${name}" content)
  set(${variable} "${content}" PARENT_SCOPE)
endfunction()

read_source(index.html page)
read_source(style.css style)
read_source(app.js script)
foreach(part IN ITEMS "<link rel=\"stylesheet\" href=\"style.css\">" "<script src=\"app.js\"></script>")
  string(FIND "${page}" "${part}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "index.html has no ${part}")
  endif()
endforeach()
string(REPLACE "<link rel=\"stylesheet\" href=\"style.css\">" "<style>\n${style}</style>"
       page "${page}")
string(REPLACE "<script src=\"app.js\"></script>" "<script>\n${script}</script>" page "${page}")
file(WRITE "${SITE}/index.html" "${page}")
foreach(name IN ITEMS manifest.webmanifest icon.svg)
  configure_file("${SOURCE}/${name}" "${SITE}/${name}" COPYONLY)
endforeach()

set(files index.html manifest.webmanifest icon.svg ausweichregeln.js ausweichregeln.wasm)
set(digests "")
set(SITE_FILES "\"./\"")
foreach(name IN LISTS files)
  file(SHA256 "${SITE}/${name}" digest)
  string(APPEND digests "${name} ${digest}\n")
  string(APPEND SITE_FILES ", \"${name}\"")
endforeach()
string(SHA256 version "${digests}")
string(SUBSTRING "${version}" 0 16 SITE_VERSION)
configure_file("${SOURCE}/sw.js" "${SITE}/sw.js" @ONLY)
