# Skin object model tests (layout, painting, hit testing, visibility, regions, cloning).
vtskin_add_gtest(vt_skin_objects_tests
  ${CMAKE_CURRENT_LIST_DIR}/TestSkinObjectModel.cpp
  ${CMAKE_CURRENT_LIST_DIR}/TestSkinObjectTree.cpp
  ${CMAKE_CURRENT_LIST_DIR}/TestSkinObjectPaint.cpp
  LIBS vt_skin)
