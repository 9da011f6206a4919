# A full checklist is some 300 000 lines, each its own block of memory: glibc's allocator spends
# about as much on making and freeing them as the program spends on reading them. mimalloc makes a
# start or a switch of checklist markedly cheaper. Windows keeps its own heap; the sanitizers bring
# their own allocator.
option(KORVANE_MIMALLOC "Link mimalloc as the program's allocator (not on Windows or with sanitizers)" ON)
if(KORVANE_MIMALLOC AND NOT WIN32 AND NOT KORVANE_SANITIZE AND NOT KORVANE_FUZZ)
  find_package(mimalloc 2 REQUIRED)
  set(KORVANE_WITH_MIMALLOC ON)
endif()

# korvane_fast_allocator(<target>): the executable's malloc and free are mimalloc's. Kept as needed
# though no symbol of it is named: it replaces malloc for every library of the process.
function(korvane_fast_allocator target)
  if(KORVANE_WITH_MIMALLOC)
    target_link_libraries(${target} PRIVATE mimalloc)
    target_link_options(${target} PRIVATE LINKER:--no-as-needed)
  endif()
endfunction()
