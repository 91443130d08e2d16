# The skin-backed theme, the flat theme and the contact sheet (golden sheets of the demo
# skins, built in memory by the demo-skin generator's library).
vtskin_add_gtest(vt_theme_skin_tests
  TestSkinFileFamilies.cpp
  TestSkinFileWindow.cpp
  TestSkinFileLoad.cpp
  TestContactSheet.cpp
  LIBS vt_theme vt_demoskins vt_cli)
