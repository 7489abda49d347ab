# tavreno_add_pictures(TARGET PREFIX SVG...): renders the SVG sources to bitmaps at
# build time and compiles them into TARGET under the resource PREFIX.
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
    list(APPEND pictures "${out}/${name}.bmp")
  endforeach()
  add_custom_command(OUTPUT ${pictures}
    COMMAND render_pictures "${out}" ${sources}
    DEPENDS render_pictures ${sources}
    COMMENT "Rendering the pictures of ${target}")
  string(REPLACE "/" "_" resource "${target}${prefix}")
  qt_add_resources(${target} "${resource}_pictures" PREFIX "${prefix}" BASE "${out}" FILES ${pictures})
endfunction()
