# The layers and what each may use. A layer's sources include headers only from the layers it
# builds on, and its library links only to theirs; both are checked here, so a call or an include
# that goes up a layer fails the build instead of slowly bending the design.
#
# layer: folder under src/ and library quibnote_<layer>; the layers it may include, itself first.
set(quibnote_layers platform keyout store engine clip calc ui app)
set(quibnote_uses_platform platform)
set(quibnote_uses_keyout keyout platform)
set(quibnote_uses_store store keyout platform)
set(quibnote_uses_engine engine store keyout platform)
set(quibnote_uses_clip clip store keyout platform)
set(quibnote_uses_calc calc engine store keyout platform)
set(quibnote_uses_ui ui clip calc engine store keyout platform)
set(quibnote_uses_app app ui clip calc engine store keyout platform)

# Includes: every quoted include of a layer's own files names a folder it may use. The desktop
# backends under src/platform/ stand beside the layers and are left to their own builds.
foreach(layer IN LISTS quibnote_layers)
  file(GLOB sources ${PROJECT_SOURCE_DIR}/src/${layer}/*.cpp ${PROJECT_SOURCE_DIR}/src/${layer}/*.h)
  foreach(source IN LISTS sources)
    file(STRINGS ${source} includes REGEX "^#include \"[a-z0-9_]+/")
    foreach(line IN LISTS includes)
      string(REGEX REPLACE "^#include \"([a-z0-9_]+)/.*" "\\1" used "${line}")
      if(NOT used IN_LIST quibnote_uses_${layer})
        message(FATAL_ERROR "${source}: the ${layer} layer includes from ${used}: ${line}")
      endif()
    endforeach()
  endforeach()
endforeach()

# Links: each layer's whole library, with only the libraries below it, must link into a program.
# A function that calls up a layer leaves an undefined symbol and fails this link.
if(CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang" AND NOT APPLE)
  file(WRITE ${CMAKE_BINARY_DIR}/layer_check_main.cpp "int main() { return 0; }\n")
  foreach(layer IN LISTS quibnote_layers)
    add_executable(layer_check_${layer} ${CMAKE_BINARY_DIR}/layer_check_main.cpp)
    target_link_libraries(layer_check_${layer}
                          PRIVATE "$<LINK_LIBRARY:WHOLE_ARCHIVE,quibnote_${layer}>")
  endforeach()
endif()
