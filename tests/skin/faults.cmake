# Stored integers kept exactly through every variant and through painting.
vtskin_add_gtest(vt_skin_fault_tests
  ${CMAKE_CURRENT_LIST_DIR}/TestStoredIntegers.cpp
  LIBS vt_skin)
