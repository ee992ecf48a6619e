# Our own targets link this to get the warning set; warnings are errors.
add_library(morwick_warnings INTERFACE)
if(MSVC)
  target_compile_options(morwick_warnings INTERFACE /W4 /WX)
else()
  target_compile_options(morwick_warnings INTERFACE -Wall -Wextra -Wpedantic -Werror)
endif()
