# The Debian package (CPack), made by scripts/package.sh from what
# cmake/install.cmake installs, plus the manual pages and the files Debian wants
# in /usr/share/doc. The Windows release files are made by the script itself.
set(VELOMAR_MAINTAINER "Harlune <velomar@harlune.example>" CACHE STRING
  "Maintainer of the Debian package")

# For scripts/package.sh, which names the Windows release files.
file(CONFIGURE OUTPUT ${CMAKE_BINARY_DIR}/package/version CONTENT "${PROJECT_VERSION}\n")

# Manual pages and the changelog, compressed as Debian wants them.
set(doc_dir ${CMAKE_INSTALL_DATADIR}/doc/velomar)
string(TIMESTAMP VELOMAR_RELEASE_DATE "%a, %d %b %Y %H:%M:%S +0000" UTC)
configure_file(${PROJECT_SOURCE_DIR}/resources/debian/changelog.in
  ${CMAKE_BINARY_DIR}/package/changelog @ONLY)
set(compressed ${CMAKE_BINARY_DIR}/package/changelog.gz)
set(inputs ${CMAKE_BINARY_DIR}/package/changelog)
foreach(program velomar velomarforge velomarforge-cli)
  list(APPEND compressed ${CMAKE_BINARY_DIR}/package/${program}.1.gz)
  list(APPEND inputs ${PROJECT_SOURCE_DIR}/resources/man/${program}.1)
endforeach()
foreach(in out IN ZIP_LISTS inputs compressed)
  add_custom_command(OUTPUT ${out}
    COMMAND gzip -9n < ${in} > ${out}.tmp
    COMMAND ${CMAKE_COMMAND} -E rename ${out}.tmp ${out}
    DEPENDS ${in} VERBATIM)
endforeach()
add_custom_target(velomar_package_docs ALL DEPENDS ${compressed})
list(POP_FRONT compressed changelog)
install(FILES ${compressed} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${changelog} ${PROJECT_SOURCE_DIR}/resources/debian/copyright
  DESTINATION ${doc_dir})

# scripts/package.sh packs a finished build (scripts/build.sh): CPack's
# preinstall step need not walk every target again (it took half a minute).
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME velomar)
set(CPACK_PACKAGE_VENDOR Harlune)
set(CPACK_PACKAGE_CONTACT "${VELOMAR_MAINTAINER}")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The sound libraries are loaded with the first sound, so no link names them.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libcanberra0, libasound2")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS xorriso)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "autorun menus for CD and DVD discs")
# CPack puts the summary first and indents the rest; the empty line is a paragraph break.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Velomar makes the menu a disc shows when it is put in: a 640 x 440 window
with a background picture or gradient, logos that slide into place and text
links that run a program or open a document, folder or web address.

This package holds the editor (velomarforge), its command-line twin
(velomarforge-cli), the Linux runtime (velomar), the Windows runtime
Velomar.exe that the editor copies onto every disc, the user guide and a
sample project.")
include(CPack)
