# What the Debian package holds: the programs, the desktop integration and the documentation, all
# under /usr; the dependencies found by dpkg-shlibdeps besides the font; one version everywhere.
cmake_minimum_required(VERSION 3.25)
function(fail text)
  message(FATAL_ERROR "${DEB}: ${text}")
endfunction()

# dpkg-deb ACTION DEB [FIELD]
function(deb_query out action)
  execute_process(COMMAND dpkg-deb ${action} ${DEB} ${ARGN} OUTPUT_VARIABLE text RESULT_VARIABLE status
                  OUTPUT_STRIP_TRAILING_WHITESPACE)
  if(NOT status EQUAL 0)
    fail("dpkg-deb ${action} ${ARGN} failed (${status})")
  endif()
  set(${out} "${text}" PARENT_SCOPE)
endfunction()

# The last column of `dpkg-deb --contents` is the path, "./usr/bin/brivane".
deb_query(listing --contents)
string(REPLACE "\n" ";" lines "${listing}")
set(paths)
foreach(line IN LISTS lines)
  string(REGEX REPLACE "^.* \\./" "/" path "${line}")
  string(REGEX REPLACE "/$" "" path "${path}")
  list(APPEND paths "${path}")
  if(NOT path MATCHES "^/usr(/|$)")
    fail("installs outside /usr: ${path}")
  endif()
endforeach()

set(icons)
foreach(size IN ITEMS 16 22 24 32 48 64 128 256)
  list(APPEND icons /usr/share/icons/hicolor/${size}x${size}/apps/io.github.brivane.Brivane.png)
endforeach()
foreach(required IN ITEMS
    /usr/bin/brivane
    /usr/bin/brivane-cli
    /usr/share/applications/io.github.brivane.Brivane.desktop
    /usr/share/metainfo/io.github.brivane.Brivane.metainfo.xml
    /usr/share/mime/packages/io.github.brivane.Brivane.xml
    /usr/share/icons/hicolor/scalable/apps/io.github.brivane.Brivane.svg
    ${icons}
    /usr/share/man/man1/brivane.1.gz
    /usr/share/man/man1/brivane-cli.1.gz
    /usr/share/doc/brivane/copyright
    /usr/share/doc/brivane/changelog.gz)
  if(NOT required IN_LIST paths)
    fail("lacks ${required}; it holds:\n${listing}")
  endif()
endforeach()

# "fonts-nanum, libc6 (>= 2.34), ..." -> the package names.
deb_query(depends --field Depends)
string(REGEX REPLACE " *\\([^)]*\\)" "" names "${depends}")
string(REPLACE ", " ";" names "${names}")
foreach(dependency IN ITEMS fonts-nanum qt6-translations-l10n libc6 libstdc++6 libqt6core6 libqt6widgets6 libqt6charts6 libqt6svg6)
  if(NOT dependency IN_LIST names)
    fail("Depends lacks ${dependency}: ${depends}")
  endif()
endforeach()

foreach(field IN ITEMS Maintainer Description Section Homepage)
  deb_query(value --field ${field})
  if(value STREQUAL "")
    fail("has no ${field} field")
  endif()
endforeach()

# The package version is the project's; the newest release in the metadata, the manual pages and
# the newest changelog entry must name it too, or software centres, man and apt show another one.
deb_query(version --field Version)
if(NOT version STREQUAL VERSION)
  fail("version ${version}, the project's is ${VERSION}")
endif()
file(READ ${PACKAGING_DIR}/io.github.brivane.Brivane.metainfo.xml metainfo)
if(NOT metainfo MATCHES "<release version=\"([^\"]+)\"")
  fail("the metainfo lists no release")
endif()
if(NOT CMAKE_MATCH_1 STREQUAL VERSION)
  fail("the metainfo's newest release is ${CMAKE_MATCH_1}, the project's version ${VERSION}")
endif()
foreach(page IN ITEMS brivane brivane-cli)
  file(STRINGS ${MAN_DIR}/${page}.1 title REGEX "^\\.TH ")
  if(NOT title MATCHES "\"Brivane ${VERSION}\"")
    fail("${page}(1) is titled '${title}', the project's version is ${VERSION}")
  endif()
endforeach()
file(STRINGS ${PACKAGING_DIR}/changelog first LIMIT_COUNT 1)
if(NOT first MATCHES "^brivane \\(${VERSION}\\) ")
  fail("the changelog's newest entry is '${first}', the project's version ${VERSION}")
endif()
