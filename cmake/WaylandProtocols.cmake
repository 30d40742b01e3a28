# C bindings of Wayland protocols, made by wayland-scanner at build time.
find_package(PkgConfig REQUIRED)
pkg_check_modules(WAYLAND_CLIENT REQUIRED IMPORTED_TARGET wayland-client)
pkg_get_variable(WAYLAND_PROTOCOLS_DIR wayland-protocols pkgdatadir)
find_program(WAYLAND_SCANNER wayland-scanner REQUIRED)

# wayland_protocols(<target> <xml>...): the target gets each protocol's client header and code.
function(wayland_protocols target)
  set(out ${CMAKE_BINARY_DIR}/generated/wayland)
  file(MAKE_DIRECTORY ${out})
  foreach(xml IN LISTS ARGN)
    get_filename_component(name ${xml} NAME_WE)
    add_custom_command(
      OUTPUT ${out}/${name}-client.h ${out}/${name}-protocol.c
      COMMAND ${WAYLAND_SCANNER} client-header ${xml} ${out}/${name}-client.h
      COMMAND ${WAYLAND_SCANNER} private-code ${xml} ${out}/${name}-protocol.c
      DEPENDS ${xml} VERBATIM)
    target_sources(${target} PRIVATE ${out}/${name}-client.h ${out}/${name}-protocol.c)
  endforeach()
  target_include_directories(${target} PRIVATE ${out})
  target_link_libraries(${target} PRIVATE PkgConfig::WAYLAND_CLIENT)
endfunction()
