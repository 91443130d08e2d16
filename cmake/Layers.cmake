# The libraries of src/ from the bottom up. A library may use the ones on lower rungs only;
# libraries that share a rung (separated by "|") are siblings and do not use each other.
# tests/layering/CheckLayering.cmake reads the same list to check every #include of src/.
set(VTSKIN_LAYERS rtl skin theme "controls|inspector" editor cli)

# vtskin_library_headers(target folder)
#
# Gives `target` an include root that holds only src/<folder> (a generated folder with one
# link named <folder>), exported PUBLIC. Headers keep their "folder/Header.h" spelling, and a
# target sees exactly the headers of the libraries it links, so an include of a library that
# is not linked fails to compile instead of working by accident.
function(vtskin_library_headers target folder)
  set(root ${PROJECT_BINARY_DIR}/include/${folder})
  file(MAKE_DIRECTORY ${root})
  # Made at every configure, so that a moved source tree never leaves a stale link behind.
  file(CREATE_LINK ${PROJECT_SOURCE_DIR}/src/${folder} ${root}/${folder} SYMBOLIC)
  target_include_directories(${target} PUBLIC ${root})
endfunction()
