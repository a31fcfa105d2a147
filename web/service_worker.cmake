# Writes SITE/sw.js from TEMPLATE: the list of the site's FILES, which the
# worker caches, and a version made from their contents, which names its
# cache, so that every build that changes a file replaces the cache. FILES
# is separated by commas.
string(REPLACE "," ";" FILES "${FILES}")
set(digests "")
set(listed "\"./\"")
foreach(file IN LISTS FILES)
  file(SHA256 "${SITE}/${file}" digest)
  string(APPEND digests "${file} ${digest}\n")
  string(APPEND listed ", \"${file}\"")
endforeach()
string(SHA256 version "${digests}")
string(SUBSTRING "${version}" 0 16 SITE_VERSION)
set(SITE_FILES "${listed}")
configure_file("${TEMPLATE}" "${SITE}/sw.js" @ONLY)
