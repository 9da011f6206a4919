# Precompiled headers: Qt's and the test frameworks' headers are most of what each file costs to
# compile. Targets of one kind with the same flags share one (REUSE_FROM); a file that needs a
# header includes it all the same, so the build is the same without them (KORVANE_PCH=OFF).
option(KORVANE_PCH "Precompile Qt's and the test frameworks' headers" ON)

# korvane_precompile(<target> <core|widgets|gtest|qtest> [REUSE_FROM <target>])
function(korvane_precompile target kind)
  if(NOT KORVANE_PCH)
    return()
  endif()
  cmake_parse_arguments(PCH "" "REUSE_FROM" "" ${ARGN})
  if(kind STREQUAL "qtest" AND CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
    # Through a precompiled header libstdc++ no longer counts as a system header, and gcc 12 then
    # reports its std::string copies in these tests with the known false bounds of its inliner.
    target_compile_options(${target} PRIVATE -Wno-array-bounds -Wno-stringop-overread -Wno-stringop-overflow)
  endif()
  if(PCH_REUSE_FROM)
    target_precompile_headers(${target} REUSE_FROM ${PCH_REUSE_FROM})
    return()
  endif()
  set(dir ${PROJECT_SOURCE_DIR}/cmake/pch)
  if(kind STREQUAL "core")
    target_precompile_headers(${target} PRIVATE ${dir}/core.h)
  elseif(kind STREQUAL "widgets")
    target_precompile_headers(${target} PRIVATE ${dir}/widgets.h)
  elseif(kind STREQUAL "gtest")
    target_precompile_headers(${target} PRIVATE ${dir}/core.h <gtest/gtest.h>)
  elseif(kind STREQUAL "qtest")
    target_precompile_headers(${target} PRIVATE ${dir}/widgets.h <QTest> ${PROJECT_SOURCE_DIR}/src/app/TForm1.h)
  endif()
endfunction()
