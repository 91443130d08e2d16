# Painting through the skin-backed theme leaves its shared objects as it found them.
vtskin_add_gtest(vt_theme_reentry_tests
  ${CMAKE_CURRENT_LIST_DIR}/TestSkinThemeReentry.cpp
  LIBS vt_theme vt_skin)
