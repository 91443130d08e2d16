# Skin bitmaps: storage, streams, drawing, kernels, regions, links and lists.
vtskin_add_gtest(vt_skin_bitmap_tests
  ${CMAKE_CURRENT_LIST_DIR}/TestBitmap.cpp
  ${CMAKE_CURRENT_LIST_DIR}/TestBitmapDraw.cpp
  ${CMAKE_CURRENT_LIST_DIR}/TestBitmapKernels.cpp
  LIBS vt_skin)
# LoadFromResource reads from the Qt resource system, as a program's own bitmaps would.
qt_add_resources(vt_skin_bitmap_tests vt_skin_bitmap_resources
  PREFIX "/bitmaps"
  BASE ${PROJECT_SOURCE_DIR}/tests/data/bitmap
  FILES ${PROJECT_SOURCE_DIR}/tests/data/bitmap/alpha-32bit-bottom-up.bmp)
