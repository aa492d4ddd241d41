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
  # The Qt libraries share the precompiled headers of the lowest, platform.
  if(NOT folder MATCHES "^(textcore|syllabify)$")
    kolorat_share_pch(${target} QT)
  endif()
  # Every text the program shows is German: a Latin-1 literal would garble it.
  target_compile_definitions(${target} PRIVATE QT_NO_CAST_FROM_ASCII)
endfunction()

# kolorat_share_pch(<target> <kind>): with KOLORAT_PCH, the first target of a
# kind compiles the headers KOLORAT_PCH_HEADERS_<kind> once and every later
# one reuses them, which needs the same compiler flags on all of them.
function(kolorat_share_pch target kind)
  if(NOT KOLORAT_PCH)
    return()
  endif()
  get_property(owner GLOBAL PROPERTY KOLORAT_PCH_OWNER_${kind})
  if(owner)
    target_precompile_headers(${target} REUSE_FROM ${owner})
  else()
    set_property(GLOBAL PROPERTY KOLORAT_PCH_OWNER_${kind} ${target})
    target_precompile_headers(${target} PRIVATE ${KOLORAT_PCH_HEADERS_${kind}})
  endif()
endfunction()
