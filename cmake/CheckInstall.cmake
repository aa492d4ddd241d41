# Installs the build into a fresh prefix and checks that every file the
# desktop needs is where it looks for it. Called by CTest with
# BUILD_DIR, PREFIX, DATA_DIR and ICON_SIZES.
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX}
  RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "cmake --install failed:\n${output}")
endif()

set(expected
  bin/kolorat
  share/applications/kolorat.desktop
  share/icons/hicolor/scalable/apps/kolorat.svg)
foreach(size ${ICON_SIZES})
  list(APPEND expected share/icons/hicolor/${size}x${size}/apps/kolorat.png)
endforeach()
if(EXISTS ${DATA_DIR}/KOLORATHELP.RTF)
  list(APPEND expected share/kolorat/KOLORATHELP.RTF)
endif()

set(missing "")
foreach(path ${expected})
  if(NOT EXISTS ${PREFIX}/${path})
    list(APPEND missing ${path})
  endif()
endforeach()
if(missing)
  message(FATAL_ERROR "missing after install: ${missing}")
endif()

# The program is executable, the entry starts it by name and shows our icon.
if(NOT IS_DIRECTORY ${PREFIX}/bin OR NOT EXISTS ${PREFIX}/bin/kolorat)
  message(FATAL_ERROR "bin/kolorat missing")
endif()
execute_process(COMMAND test -x ${PREFIX}/bin/kolorat RESULT_VARIABLE not_executable)
if(NOT not_executable EQUAL 0)
  message(FATAL_ERROR "bin/kolorat is not executable")
endif()
file(STRINGS ${PREFIX}/share/applications/kolorat.desktop entry)
foreach(line "Exec=kolorat" "Icon=kolorat" "Name=Kolorat" "Categories=Education;")
  list(FIND entry "${line}" found)
  if(found EQUAL -1)
    message(FATAL_ERROR "desktop entry lacks ${line}")
  endif()
endforeach()
# Each PNG has the size of the folder it sits in (PNG header: width and
# height as 32-bit big-endian numbers at bytes 16 and 20).
foreach(size ${ICON_SIZES})
  file(READ ${PREFIX}/share/icons/hicolor/${size}x${size}/apps/kolorat.png header LIMIT 24 HEX)
  string(SUBSTRING "${header}" 32 8 width_hex)
  string(SUBSTRING "${header}" 40 8 height_hex)
  math(EXPR width "0x${width_hex}")
  math(EXPR height "0x${height_hex}")
  if(NOT width EQUAL size OR NOT height EQUAL size)
    message(FATAL_ERROR "icon in ${size}x${size} is ${width}x${height}")
  endif()
endforeach()
file(REMOVE_RECURSE ${PREFIX})
message(STATUS "install tree complete: ${expected}")
