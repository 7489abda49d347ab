# What a program brings to the desktop once installed: its program in bin/, a
# menu entry (.desktop), its icon as SVG and as 48 and 128 pixel PNG under
# share/icons/hicolor/, and, for a game, a line in the launcher's catalog.
include(GNUInstallDirs)

set(TAVRENO_APP_PREFIX "org.tavreno")
set(TAVRENO_GENERIC_ICON "${PROJECT_SOURCE_DIR}/resources/common/newgame.svg")
set(TAVRENO_ICON_SIZES 48 128)

# The picture that stands for a program: its own icon.svg, else its new-game
# button picture, else the suite's generic one. A new icon.svg is noticed at
# the next build.
function(tavreno_icon_source dir out)
  file(GLOB own CONFIGURE_DEPENDS "${dir}/icon.svg")
  if(own)
    set(${out} "${own}" PARENT_SCOPE)
  elseif(EXISTS "${dir}/resources/230.svg")
    set(${out} "${dir}/resources/230.svg" PARENT_SCOPE)
  else()
    set(${out} "${TAVRENO_GENERIC_ICON}" PARENT_SCOPE)
  endif()
endfunction()

# The English line of a game in the README's table, or nothing.
function(tavreno_readme_line name out)
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS "${PROJECT_SOURCE_DIR}/README.md")
  file(STRINGS "${PROJECT_SOURCE_DIR}/README.md" rows REGEX "^\\| ${name} \\| ")
  set(line "")
  if(rows)
    list(GET rows 0 row)
    string(REGEX REPLACE "^\\| ${name} \\| (.*) \\|$" "\\1" line "${row}")
    string(SUBSTRING "${line}" 0 1 first)
    string(TOUPPER "${first}" first)
    string(SUBSTRING "${line}" 1 -1 rest)
    set(line "${first}${rest}")
  endif()
  set(${out} "${line}" PARENT_SCOPE)
endfunction()

# tavreno_install_program(TARGET NAME name ICON svg COMMENT_FR text [COMMENT text] [ID id] [KEYWORDS k;...])
# Installs the program TARGET with its menu entry and icons; the entry's
# command is the installed program's full path, known only at install time.
function(tavreno_install_program target)
  cmake_parse_arguments(P "" "NAME;ICON;COMMENT_FR;COMMENT;ID" "KEYWORDS" ${ARGN})
  set(id "${TAVRENO_APP_PREFIX}.${target}")
  if(P_ID)
    set(id "${P_ID}")
  endif()
  if(NOT P_COMMENT)
    set(P_COMMENT "${P_COMMENT_FR}")
  endif()
  install(TARGETS ${target} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

  set(keywords "")
  foreach(k IN LISTS P_KEYWORDS)
    string(APPEND keywords "${k};")
  endforeach()
  set(entry "${CMAKE_CURRENT_BINARY_DIR}/desktop/${id}.desktop.in")
  file(WRITE "${entry}" "[Desktop Entry]
Type=Application
Name=${P_NAME}
Name[fr]=${P_NAME}
Comment=${P_COMMENT}
Comment[fr]=${P_COMMENT_FR}
Exec=%BINDIR%/${target}
TryExec=%BINDIR%/${target}
Icon=${id}
Terminal=false
Categories=Education;Game;KidsGame;
Keywords=${keywords}
")
  install(CODE "
    file(READ \"${entry}\" entry)
    string(REPLACE \"%BINDIR%\" \"\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}\" entry \"\${entry}\")
    file(WRITE \"${CMAKE_CURRENT_BINARY_DIR}/desktop/${id}.desktop\" \"\${entry}\")
    file(INSTALL DESTINATION \"\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_DATADIR}/applications\"
         TYPE FILE FILES \"${CMAKE_CURRENT_BINARY_DIR}/desktop/${id}.desktop\")")

  install(FILES "${P_ICON}" DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps RENAME ${id}.svg)
  set(pngs "")
  foreach(size IN LISTS TAVRENO_ICON_SIZES)
    set(png "${CMAKE_CURRENT_BINARY_DIR}/icons/${size}/${id}.png")
    add_custom_command(OUTPUT "${png}" COMMAND render_icon ${size} "${png}" "${P_ICON}"
      DEPENDS render_icon "${P_ICON}" COMMENT "Rendering the ${size} pixel icon of ${target}")
    install(FILES "${png}" DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
    list(APPEND pngs "${png}")
  endforeach()
  add_custom_target(${target}_icons ALL DEPENDS ${pngs})
endfunction()

# A game for the launcher: its name, its title on the button, its one line for
# the parent (description.txt beside its CMakeLists) and its picture.
function(tavreno_register_game name)
  set(dir "${CMAKE_CURRENT_SOURCE_DIR}")
  string(SUBSTRING "${name}" 0 1 first)
  string(TOUPPER "${first}" first)
  string(SUBSTRING "${name}" 1 -1 rest)
  set(title "${first}${rest}")
  set(description "")
  if(EXISTS "${dir}/description.txt")
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS "${dir}/description.txt")
    file(STRINGS "${dir}/description.txt" lines ENCODING UTF-8)
    list(GET lines 0 description)
  endif()
  tavreno_icon_source("${dir}" icon)
  tavreno_readme_line(${name} english)
  tavreno_install_program(${name} NAME "${title}" ICON "${icon}" COMMENT_FR "${description}" COMMENT "${english}"
    KEYWORDS jeu enfant école ${name})
  install(FILES "${icon}" DESTINATION ${CMAKE_INSTALL_DATADIR}/tavreno/icons RENAME ${name}.svg)
  set_property(GLOBAL APPEND PROPERTY TAVRENO_GAMES ${name})
  set_property(GLOBAL PROPERTY TAVRENO_GAME_TITLE_${name} "${title}")
  set_property(GLOBAL PROPERTY TAVRENO_GAME_DESCRIPTION_${name} "${description}")
  set_property(GLOBAL PROPERTY TAVRENO_GAME_ICON_${name} "${icon}")
endfunction()

# The launcher's catalogs, once every game is registered: one beside the
# launcher in the build tree (full paths), one installed under share/tavreno/
# (programs found beside the launcher, icons beside the catalog). A line per
# game: name, title, description, icon, program.
function(tavreno_write_catalogs)
  get_property(games GLOBAL PROPERTY TAVRENO_GAMES)
  set(built "")
  set(installed "")
  foreach(name IN LISTS games)
    get_property(title GLOBAL PROPERTY TAVRENO_GAME_TITLE_${name})
    get_property(description GLOBAL PROPERTY TAVRENO_GAME_DESCRIPTION_${name})
    get_property(icon GLOBAL PROPERTY TAVRENO_GAME_ICON_${name})
    string(APPEND built "${name}\t${title}\t${description}\t${icon}\t$<TARGET_FILE:${name}>\n")
    string(APPEND installed "${name}\t${title}\t${description}\ticons/${name}.svg\t${name}\n")
  endforeach()
  file(GENERATE OUTPUT "${CMAKE_BINARY_DIR}/launcher/games.tsv" CONTENT "${built}")
  file(GENERATE OUTPUT "${CMAKE_BINARY_DIR}/launcher/installed/games.tsv" CONTENT "${installed}")
  install(FILES "${CMAKE_BINARY_DIR}/launcher/installed/games.tsv" DESTINATION ${CMAKE_INSTALL_DATADIR}/tavreno)
endfunction()
