# Applied per target so that dependencies keep their own flags.
function(vtskin_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic)
endfunction()
