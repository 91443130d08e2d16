# The skin-backed theme, the flat theme and the contact sheet.
vtskin_add_gtest(vt_theme_skin_tests
  TestSkinFileFamilies.cpp
  TestSkinFileWindow.cpp
  TestSkinFileLoad.cpp
  LIBS vt_theme)
