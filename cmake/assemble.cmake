# Small DOS programs assembled with nasm at build time: the sample game's GP2.EXE program and
# the DOS stand-ins of the tests.
find_program(PSO_NASM nasm)
if(NOT PSO_NASM)
  message(FATAL_ERROR "nasm is needed to build the DOS programs: run tools/install-deps.sh")
endif()

# Assembles `src` (flat binary, tests/fixtures/samplegame on the include path) into `out`.
function(pso_assemble out src)
  add_custom_command(OUTPUT ${out}
    COMMAND ${PSO_NASM} -f bin -I ${CMAKE_SOURCE_DIR}/tests/fixtures/samplegame/ -o ${out} ${src}
    DEPENDS ${src} ${CMAKE_SOURCE_DIR}/tests/fixtures/samplegame/mz.inc
    COMMENT "Assembling ${src}" VERBATIM)
endfunction()

# Writes the bytes of `bin` into a header as the array `name`.
function(pso_embed header bin name)
  add_custom_command(OUTPUT ${header}
    COMMAND ${CMAKE_COMMAND} -DIN=${bin} -DOUT=${header} -DNAME=${name}
            -P ${CMAKE_SOURCE_DIR}/cmake/embed_bytes.cmake
    DEPENDS ${bin} ${CMAKE_SOURCE_DIR}/cmake/embed_bytes.cmake VERBATIM)
endfunction()
