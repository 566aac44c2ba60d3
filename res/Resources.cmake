# The framework's resource tables and our icons are compiled into the ui
# layer, so every layer that links it (and its tests) can read them.
file(GLOB vellora_res_files CONFIGURE_DEPENDS
     ${PROJECT_SOURCE_DIR}/res/*.json ${PROJECT_SOURCE_DIR}/res/icons/*.svg)
qt_add_resources(vellora_ui vellora_resources
                 PREFIX /vellora
                 BASE ${PROJECT_SOURCE_DIR}/res
                 FILES ${vellora_res_files})



# The help documents lie beside the executable, as in an installation.
file(GLOB vellora_help_documents CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/res/help/*)
set(vellora_help_outputs)
foreach(doc IN LISTS vellora_help_documents)
  get_filename_component(name ${doc} NAME)
  add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/bin/${name}
                     COMMAND ${CMAKE_COMMAND} -E copy_if_different ${doc} ${CMAKE_BINARY_DIR}/bin/${name}
                     DEPENDS ${doc} VERBATIM)
  list(APPEND vellora_help_outputs ${CMAKE_BINARY_DIR}/bin/${name})
endforeach()
add_custom_target(vellora_help_documents ALL DEPENDS ${vellora_help_outputs})
