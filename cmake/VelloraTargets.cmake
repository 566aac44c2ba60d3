# Helpers that give every target of ours the same warnings and layout.

function(vellora_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wshadow -Wfloat-conversion -Werror)
endfunction()

# vellora_include_root(<target> <folder> [FILES <header>...])
# A library's public include folder lies in the build tree and holds only a
# link to the library's own source folder (or to the named headers in it),
# at the path the folder has below src/. "ui/X.h" thus finds src/ui/X.h for
# a target that links vellora_ui, and nothing for one that does not: an
# include that points up the layers fails to compile.
function(vellora_include_root target folder)
  cmake_parse_arguments(R "" "" "FILES" ${ARGN})
  file(RELATIVE_PATH relative ${PROJECT_SOURCE_DIR}/src ${folder})
  set(root ${PROJECT_BINARY_DIR}/include/${target})
  if(R_FILES)
    set(links)
    foreach(header IN LISTS R_FILES)
      list(APPEND links ${folder}/${header} ${root}/${relative}/${header})
    endforeach()
  else()
    set(links ${folder} ${root}/${relative})
  endif()
  while(links)
    list(POP_FRONT links original link)
    get_filename_component(parent ${link} DIRECTORY)
    file(MAKE_DIRECTORY ${parent})
    if(IS_SYMLINK ${link})
      file(READ_SYMLINK ${link} old)
      if(NOT old STREQUAL original)
        file(REMOVE ${link})
      endif()
    endif()
    if(NOT IS_SYMLINK ${link})
      file(CREATE_LINK ${original} ${link} SYMBOLIC)
    endif()
  endwhile()
  target_include_directories(${target} PUBLIC ${root})
endfunction()

# vellora_layer(<target> [FILES <file>...] [EXCLUDE <file>...] [LIBS ...])
# A layer is one static library made of every source file in its folder
# (globbed, so that adding a file to a layer touches no build script), or of
# the FILES named, less the EXCLUDEd ones: one folder can hold two layers.
# Its headers are included as "<folder below src>/<Header>.h".
function(vellora_layer target)
  cmake_parse_arguments(L "" "" "FILES;EXCLUDE;LIBS" ${ARGN})
  if(L_FILES)
    set(names ${L_FILES})
  else()
    file(GLOB names CONFIGURE_DEPENDS RELATIVE ${CMAKE_CURRENT_SOURCE_DIR}
         ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
    if(L_EXCLUDE)
      list(REMOVE_ITEM names ${L_EXCLUDE})
    endif()
  endif()
  list(TRANSFORM names PREPEND ${CMAKE_CURRENT_SOURCE_DIR}/ OUTPUT_VARIABLE sources)
  add_library(${target} STATIC ${sources})
  if(L_FILES OR L_EXCLUDE)
    set(headers ${names})
    list(FILTER headers INCLUDE REGEX "\\.h$")
    vellora_include_root(${target} ${CMAKE_CURRENT_SOURCE_DIR} FILES ${headers})
  else()
    vellora_include_root(${target} ${CMAKE_CURRENT_SOURCE_DIR})
  endif()
  target_link_libraries(${target} PUBLIC ${L_LIBS})
  vellora_warnings(${target})
  vellora_sanitizers(${target})
endfunction()

# In the sanitizer builds (VELLORA_TSAN, VELLORA_ASAN) our libraries and the
# programs linking them are instrumented. Helper processes are not: the
# metafile helper runs under an address-space limit that a sanitizer's shadow
# memory could never fit in.
function(vellora_sanitizers target)
  if(VELLORA_TSAN)
    target_compile_options(${target} PUBLIC -fsanitize=thread -fno-omit-frame-pointer)
    target_link_options(${target} PUBLIC -fsanitize=thread)
  elseif(VELLORA_ASAN)
    # Undefined behaviour ends the program like a memory error, so a test
    # that meets it fails instead of printing a line nobody reads.
    target_compile_options(${target} PUBLIC -fsanitize=address,undefined -fno-sanitize-recover=undefined
                                            -fno-omit-frame-pointer)
    target_link_options(${target} PUBLIC -fsanitize=address,undefined)
  endif()
endfunction()
