# Stored integers kept exactly, 32-bit images of the oldest layout, truncated and damaged
# compressed skins and their messages, re-entrant painting.
vtskin_add_gtest(vt_skin_fault_tests
  ${CMAKE_CURRENT_LIST_DIR}/TestOldestLayoutBitmaps.cpp
  ${CMAKE_CURRENT_LIST_DIR}/TestSkinLoadMessages.cpp
  ${CMAKE_CURRENT_LIST_DIR}/TestStoredIntegers.cpp
  LIBS vt_skin)
