# Theme components: the engine, theme lists and streams, the link.
vtskin_add_gtest(vt_theme_engine_tests
  TestEngine.cpp
  LIBS vt_theme)
