# Helpers that give every target of ours the same warnings and layout.

function(vellora_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Werror)
endfunction()

# vellora_layer(<target> [LIBS ...])
# A layer is one static library made of every source file in its folder
# (globbed, so that adding a file to a layer touches no build script).
# Its headers are included as "<layer>/<Header>.h" relative to src/.
function(vellora_layer target)
  cmake_parse_arguments(L "" "" "LIBS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS
       ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
  add_library(${target} STATIC ${sources})
  target_include_directories(${target} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  target_link_libraries(${target} PUBLIC ${L_LIBS})
  vellora_warnings(${target})
  vellora_thread_sanitizer(${target})
endfunction()

# In the ThreadSanitizer build (VELLORA_TSAN) our libraries and the programs
# linking them are instrumented. Helper processes are not: the metafile
# helper runs under an address-space limit that the sanitizer's shadow
# memory could never fit in.
function(vellora_thread_sanitizer target)
  if(VELLORA_TSAN)
    target_compile_options(${target} PUBLIC -fsanitize=thread -fno-omit-frame-pointer)
    target_link_options(${target} PUBLIC -fsanitize=thread)
  endif()
endfunction()
