vtskin_add_gtest(vt_skin_png_tests TestPng.cpp LIBS vt_skin ZLIB::ZLIB)
