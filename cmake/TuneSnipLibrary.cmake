# tunesnip_library(<folder> SOURCES <file>... [USES <folder>...] [LINKS <target>...])
# Builds src/<folder> into the static library ts_<folder>. Its headers are reached as
# "<folder>/Name.h" through an include root that holds src/<folder> alone, so a target sees only
# the headers of the libraries it links (its USES, and what they use in turn): an include of a
# folder that is not below it fails to compile.
function(tunesnip_library folder)
  cmake_parse_arguments(L "" "" "SOURCES;USES;LINKS" ${ARGN})
  set(target ts_${folder})
  add_library(${target} STATIC ${L_SOURCES})
  tunesnip_expose_folder(${target} ${folder})
  foreach(used ${L_USES})
    target_link_libraries(${target} PUBLIC ts_${used})
  endforeach()
  target_link_libraries(${target} PUBLIC ${L_LINKS})
endfunction()

# Gives `target` the include root <build>/layers/<folder>, in which <folder> stands for
# src/<folder>.
function(tunesnip_expose_folder target folder)
  set(root ${PROJECT_BINARY_DIR}/layers/${folder})
  file(MAKE_DIRECTORY ${root})
  file(CREATE_LINK ${PROJECT_SOURCE_DIR}/src/${folder} ${root}/${folder} SYMBOLIC)
  target_include_directories(${target} PUBLIC ${root})
endfunction()
