# tavreno_add_game(NAME SOURCES file... [LINK library...]): a game's static
# library NAME_game (its sources, its pictures from resources/*.svg under the
# resource prefix /NAME, its help page help/NAME.html) and its program NAME,
# installed and registered for the launcher (TavrenoInstall.cmake).
function(tavreno_add_game name)
  cmake_parse_arguments(GAME "" "" "SOURCES;LINK" ${ARGN})
  file(GLOB pictures RELATIVE ${CMAKE_CURRENT_SOURCE_DIR} CONFIGURE_DEPENDS resources/*.svg)
  add_library(${name}_game STATIC ${GAME_SOURCES})
  target_include_directories(${name}_game PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
  target_link_libraries(${name}_game PUBLIC shell ${GAME_LINK})
  tavreno_add_pictures(${name}_game /${name} ${pictures})
  qt_add_resources(${name}_game ${name}_help PREFIX /help BASE help FILES help/${name}.html)
  add_executable(${name} main.cpp)
  target_link_libraries(${name} PRIVATE ${name}_game)
  # Installed with its menu entry and icons, and listed in the launcher.
  tavreno_register_game(${name})
  # Every game's library, for the programs that play them all (the soak).
  set_property(GLOBAL APPEND PROPERTY TAVRENO_GAME_LIBRARIES ${name}_game)
endfunction()
