vtskin_add_gtest(vt_skin_export_tests TestExport.cpp LIBS vt_skin ZLIB::ZLIB)
