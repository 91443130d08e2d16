# Engine services for looking at one object from outside (paths, painting, thumbnails).
vtskin_add_gtest(vt_skin_preview_tests ${CMAKE_CURRENT_LIST_DIR}/TestSkinPreview.cpp LIBS vt_skin)
