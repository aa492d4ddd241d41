# kolorat_add_library(<folder> [SOURCES <files...>] [PUBLIC <targets...>] [PRIVATE <targets...>])
# The library kolorat_<folder> of src/<folder>. Its users write
# #include "<folder>/name.h"; the include path it exports holds a link to its
# own folder and nothing else, so a header of a library that is not linked
# is not found. PUBLIC names what its headers include, PRIVATE what only its
# sources include.
function(kolorat_add_library folder)
  cmake_parse_arguments(L "" "" "SOURCES;PUBLIC;PRIVATE" ${ARGN})
  set(target kolorat_${folder})
  if(NOT L_SOURCES)
    file(GLOB L_SOURCES CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
  endif()
  add_library(${target} STATIC ${L_SOURCES})
  set(root ${PROJECT_BINARY_DIR}/include/${folder})
  file(MAKE_DIRECTORY ${root})
  file(CREATE_LINK ${CMAKE_CURRENT_SOURCE_DIR} ${root}/${folder} SYMBOLIC)
  target_include_directories(${target} PUBLIC ${root})
  target_link_libraries(${target} PUBLIC ${L_PUBLIC} PRIVATE ${L_PRIVATE})
  # Every text the program shows is German: a Latin-1 literal would garble it.
  target_compile_definitions(${target} PRIVATE QT_NO_CAST_FROM_ASCII)
endfunction()
