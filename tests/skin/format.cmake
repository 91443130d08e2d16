# Skin files: the compression envelope, filters and registries, layouts old and new,
# object records, round trips, damaged files.
vtskin_add_gtest(vt_skin_format_tests
  ${CMAKE_CURRENT_LIST_DIR}/TestSkinZlib.cpp
  ${CMAKE_CURRENT_LIST_DIR}/TestSkinFileFilters.cpp
  ${CMAKE_CURRENT_LIST_DIR}/TestSkinFileLayouts.cpp
  ${CMAKE_CURRENT_LIST_DIR}/TestSkinFileRoundTrip.cpp
  LIBS vt_skin)
