# The `format` target rewrites every C++ source of the project with the checked-in .clang-format;
# PSO_FORMAT_CHECK_COMMAND, run as the `format_check` test, fails on a file that differs from its
# formatted form. Without clang-format there is neither.
find_program(CLANG_FORMAT_EXE NAMES clang-format clang-format-14)
if(NOT CLANG_FORMAT_EXE)
  message(STATUS "clang-format not found: no format target, no format check")
  return()
endif()

set(pso_format_globs)
foreach(dir app platform storage gamedir trackfile packs laptimes setups ui sumfix data tests tools)
  list(APPEND pso_format_globs ${CMAKE_SOURCE_DIR}/${dir}/*.cpp ${CMAKE_SOURCE_DIR}/${dir}/*.h)
endforeach()
file(GLOB_RECURSE PSO_FORMAT_SOURCES CONFIGURE_DEPENDS ${pso_format_globs})

add_custom_target(format
  COMMAND ${CLANG_FORMAT_EXE} -i ${PSO_FORMAT_SOURCES}
  WORKING_DIRECTORY ${CMAKE_SOURCE_DIR}
  COMMENT "Formatting the sources with .clang-format"
  VERBATIM)

set(PSO_FORMAT_CHECK_COMMAND ${CLANG_FORMAT_EXE} --dry-run -Werror ${PSO_FORMAT_SOURCES})
