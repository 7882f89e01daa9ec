# `cmake --install`: the programs in bin/, the companion files of the editor
# (Velomar.exe, the user guide) and the sample project in share/velomar/, and a
# desktop entry with its icon so the editor shows in the desktop's menu.
include(GNUInstallDirs)
set(VELOMAR_SHARE_DIR ${CMAKE_INSTALL_DATADIR}/velomar)

foreach(program velomarforge velomar velomarforge-cli)
  if(TARGET ${program})
    install(TARGETS ${program} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  endif()
endforeach()

install(FILES "${PROJECT_SOURCE_DIR}/resources/VelomarForge User Guide.htm"
  DESTINATION ${VELOMAR_SHARE_DIR})
# Built only where MinGW-w64 is present; the editor's build needs it.
install(FILES ${VELOMAR_BIN_DIR}/Velomar.exe DESTINATION ${VELOMAR_SHARE_DIR} OPTIONAL)
install(DIRECTORY ${PROJECT_SOURCE_DIR}/examples/sample DESTINATION ${VELOMAR_SHARE_DIR}
  USE_SOURCE_PERMISSIONS)  # the sample's tool stays executable

if(TARGET velomarforge)
  install(FILES ${PROJECT_SOURCE_DIR}/resources/velomarforge.desktop
    DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  # The runtime's icon, as PNG for the desktop.
  find_program(VELOMAR_CONVERT convert)
  if(VELOMAR_CONVERT)
    set(png ${CMAKE_BINARY_DIR}/velomarforge.png)
    add_custom_command(OUTPUT ${png}
      COMMAND ${VELOMAR_CONVERT} "${PROJECT_SOURCE_DIR}/resources/velomar.ico[0]" ${png}
      DEPENDS ${PROJECT_SOURCE_DIR}/resources/velomar.ico COMMENT "Desktop icon")
    add_custom_target(velomarforge_icon ALL DEPENDS ${png})
    install(FILES ${png} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/32x32/apps)
  endif()
endif()
