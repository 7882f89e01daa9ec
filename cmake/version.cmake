# The one version of every program and package is project(... VERSION) in the
# top CMakeLists.txt. C++ code reads it from the generated velomar_version.h
# (link velomar_version); resource scripts take @PROJECT_VERSION@ and
# @PROJECT_VERSION_MAJOR/MINOR/PATCH@ through configure_file; CPack and
# scripts/package.sh name the release files with it (cmake/package.cmake).
configure_file(${CMAKE_CURRENT_LIST_DIR}/velomar_version.h.in
  ${CMAKE_BINARY_DIR}/generated/velomar_version.h @ONLY)
add_library(velomar_version INTERFACE)
target_include_directories(velomar_version INTERFACE ${CMAKE_BINARY_DIR}/generated)
