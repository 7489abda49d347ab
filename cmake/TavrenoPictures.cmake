# tavreno_add_pictures(TARGET PREFIX SVG...): renders the SVG sources to picture
# files at build time and compiles them into TARGET under the resource PREFIX,
# uncompressed, so that the programs show them straight from their memory.
function(tavreno_add_pictures target prefix)
  if(NOT ARGN)
    return()
  endif()
  set(out "${CMAKE_CURRENT_BINARY_DIR}/pictures${prefix}")
  set(sources "")
  set(pictures "")
  foreach(svg IN LISTS ARGN)
    get_filename_component(name "${svg}" NAME_WE)
    get_filename_component(path "${svg}" ABSOLUTE)
    list(APPEND sources "${path}")
    list(APPEND pictures "${out}/${name}.pix")
  endforeach()
  add_custom_command(OUTPUT ${pictures}
    COMMAND render_pictures "${out}" ${sources}
    DEPENDS render_pictures ${sources}
    COMMENT "Rendering the pictures of ${target}")
  string(REPLACE "/" "_" resource "${target}${prefix}")
  qt_add_resources(${target} "${resource}_pictures" PREFIX "${prefix}" BASE "${out}" OPTIONS --no-compress
    FILES ${pictures})
endfunction()
