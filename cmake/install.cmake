# `cmake --install`: the programs in bin/, the companion files of the editor
# (Velomar.exe, the user guide) and the sample project in share/velomar/, and a
# desktop entry with its icon in every size so the editor shows in the desktop's
# menu, and the AppStream file that software centres list it by.
include(GNUInstallDirs)
set(VELOMAR_SHARE_DIR ${CMAKE_INSTALL_DATADIR}/velomar)

foreach(program velomarforge velomar velomarforge-cli)
  if(TARGET ${program})
    install(TARGETS ${program} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  endif()
endforeach()

# The guide as editor/wx makes it, its pictures inlined.
install(FILES "${VELOMAR_BIN_DIR}/VelomarForge User Guide.htm" DESTINATION ${VELOMAR_SHARE_DIR})
# Built only where MinGW-w64 is present; the editor's build needs it.
install(FILES ${VELOMAR_BIN_DIR}/Velomar.exe DESTINATION ${VELOMAR_SHARE_DIR} OPTIONAL)
install(DIRECTORY ${PROJECT_SOURCE_DIR}/examples/sample DESTINATION ${VELOMAR_SHARE_DIR})

if(TARGET velomarforge)
  install(FILES ${PROJECT_SOURCE_DIR}/resources/velomarforge.desktop
    DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  string(TIMESTAMP VELOMAR_RELEASE_DAY "%Y-%m-%d" UTC)
  configure_file(${PROJECT_SOURCE_DIR}/resources/velomarforge.metainfo.xml.in
    ${CMAKE_BINARY_DIR}/velomarforge.metainfo.xml @ONLY)
  install(FILES ${CMAKE_BINARY_DIR}/velomarforge.metainfo.xml
    DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
  install(FILES ${PROJECT_SOURCE_DIR}/resources/velomar.svg
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps RENAME velomarforge.svg)
  # Each size of the runtime's icon, as PNG for the desktop.
  find_program(VELOMAR_CONVERT convert)
  if(VELOMAR_CONVERT)
    set(index 0)
    foreach(size 16 24 32 48 256)
      set(png ${CMAKE_BINARY_DIR}/icons/${size}x${size}/velomarforge.png)
      add_custom_command(OUTPUT ${png}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/icons/${size}x${size}
        COMMAND ${VELOMAR_CONVERT} "${PROJECT_SOURCE_DIR}/resources/velomar.ico[${index}]" ${png}
        DEPENDS ${PROJECT_SOURCE_DIR}/resources/velomar.ico COMMENT "Desktop icon ${size}")
      list(APPEND pngs ${png})
      install(FILES ${png} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
      math(EXPR index "${index} + 1")
    endforeach()
    add_custom_target(velomarforge_icon ALL DEPENDS ${pngs})
  endif()
endif()
