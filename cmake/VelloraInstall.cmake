# The installed layout: the executables, helpers, help documents and sample
# book together in <prefix>/lib/vellora (the application directory, so help
# and "[安装目录]" paths work), launchers in <prefix>/bin, and the desktop
# integration under <prefix>/share.

set(VELLORA_INSTALL_APPDIR lib/vellora)
set(icon_sizes 16 22 24 32 48 64 128 256)

# Icons at every usual size, drawn from the SVGs at build time.
set(icon_root ${CMAKE_BINARY_DIR}/icons)
set(icon_stamp ${icon_root}/.made)
add_custom_command(OUTPUT ${icon_stamp}
  COMMAND render-icons ${PROJECT_SOURCE_DIR}/res/icons/vellora.svg ${icon_root}/apps vellora ${icon_sizes}
  COMMAND render-icons ${PROJECT_SOURCE_DIR}/res/linux/application-x-vellora-book.svg ${icon_root}/mimetypes
          application-x-vellora-book ${icon_sizes}
  COMMAND ${CMAKE_COMMAND} -E touch ${icon_stamp}
  DEPENDS render-icons ${PROJECT_SOURCE_DIR}/res/icons/vellora.svg
          ${PROJECT_SOURCE_DIR}/res/linux/application-x-vellora-book.svg
  COMMENT "Rendering the desktop icons")
add_custom_target(desktop-icons ALL DEPENDS ${icon_stamp})

foreach(target vellora vellora-book vellora-emf2svg)
  if(TARGET ${target})
    install(TARGETS ${target} RUNTIME DESTINATION ${VELLORA_INSTALL_APPDIR})
  endif()
endforeach()

file(GLOB help_documents ${PROJECT_SOURCE_DIR}/res/help/*)
install(FILES ${help_documents} DESTINATION ${VELLORA_INSTALL_APPDIR})
install(DIRECTORY ${CMAKE_BINARY_DIR}/bin/samples DESTINATION ${VELLORA_INSTALL_APPDIR}
        PATTERN ".made" EXCLUDE)

foreach(name vellora vellora-book)
  set(relative ../${VELLORA_INSTALL_APPDIR})
  configure_file(${PROJECT_SOURCE_DIR}/res/linux/launcher.sh.in ${CMAKE_BINARY_DIR}/launchers/${name} @ONLY)
  install(PROGRAMS ${CMAKE_BINARY_DIR}/launchers/${name} DESTINATION bin)
endforeach()

install(FILES ${PROJECT_SOURCE_DIR}/res/linux/vellora.desktop DESTINATION share/applications)
install(FILES ${PROJECT_SOURCE_DIR}/res/linux/vellora-mime.xml DESTINATION share/mime/packages RENAME vellora.xml)
install(FILES ${PROJECT_SOURCE_DIR}/res/icons/vellora.svg DESTINATION share/icons/hicolor/scalable/apps)
install(FILES ${PROJECT_SOURCE_DIR}/res/linux/application-x-vellora-book.svg
        DESTINATION share/icons/hicolor/scalable/mimetypes)
foreach(size IN LISTS icon_sizes)
  install(FILES ${icon_root}/apps/${size}x${size}/vellora.png
          DESTINATION share/icons/hicolor/${size}x${size}/apps)
  install(FILES ${icon_root}/mimetypes/${size}x${size}/application-x-vellora-book.png
          DESTINATION share/icons/hicolor/${size}x${size}/mimetypes)
endforeach()

# A .deb of the same layout: cpack -G DEB in the build folder.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vellora)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION}.0)
set(CPACK_PACKAGE_CONTACT "Vellora <support@vellora.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Picture book compiler and reader (电子画册)")
set(CPACK_PACKAGE_DESCRIPTION "Vellora makes picture books from picture files and reads them page by page, with zoom, fit modes and automatic browsing.")
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-image-formats-plugins, qt6-qpa-plugins, qt6-translations-l10n, fonts-noto-cjk, shared-mime-info, xdg-utils")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
include(CPack)
