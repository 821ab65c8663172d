# Manual pages go compressed and reproducibly (-n: no name or time stamp), as Debian installs them.
find_program(GZIP gzip REQUIRED)

# zylox_install_manual_page(PAGE COMPONENT NAME): installs PAGE (a source file in section 1) as
# PAGE.gz with the component NAME's files.
function(zylox_install_manual_page page)
  cmake_parse_arguments(ARG "" "COMPONENT" "" ${ARGN})
  get_filename_component(name ${page} NAME)
  set(compressed ${CMAKE_CURRENT_BINARY_DIR}/${name}.gz)
  add_custom_command(OUTPUT ${compressed}
    COMMAND ${GZIP} -9nc ${CMAKE_CURRENT_SOURCE_DIR}/${page} > ${compressed}
    DEPENDS ${page})
  add_custom_target(${name}_manual_page ALL DEPENDS ${compressed})
  install(FILES ${compressed} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1 COMPONENT ${ARG_COMPONENT})
endfunction()
