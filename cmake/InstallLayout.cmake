# Run by cmake --install (see Install.cmake); DESTDIR is honoured.

if(IS_ABSOLUTE "${KORVANE_DATADIR}")
  set(data_home "${KORVANE_DATADIR}")
else()
  set(data_home "${CMAKE_INSTALL_PREFIX}/${KORVANE_DATADIR}")
endif()
if(NOT "$ENV{KORVANE_DATA_HOME}" STREQUAL "")
  set(data_home "$ENV{KORVANE_DATA_HOME}")
endif()
set(app_dir "${data_home}/korvane")
set(bin_dir "${CMAKE_INSTALL_PREFIX}/${KORVANE_BINDIR}")
set(staged "$ENV{DESTDIR}")

# The program. The old file is removed first: a copy that is running keeps it open and goes on,
# and the new one takes the name. Nothing else in the folder is touched: it holds the user's data.
file(REMOVE "${staged}${app_dir}/korvane")
file(INSTALL DESTINATION "${app_dir}" TYPE EXECUTABLE FILES "${KORVANE_EXECUTABLE}")

set(data_files "クエスト.csv" "クエスト内容.txt" "クエスト報酬.txt" "クエストメモ.txt")
set(has_data FALSE)
foreach(name IN LISTS data_files)
  if(EXISTS "${staged}${app_dir}/${name}")
    set(has_data TRUE)
  endif()
endforeach()
if(has_data)
  message(STATUS "Kept the data in ${app_dir}")
else()
  file(GLOB sample "${KORVANE_SOURCE_DIR}/data/sample/*")
  file(INSTALL DESTINATION "${app_dir}" TYPE FILE FILES ${sample})
endif()

foreach(size 16 24 32 48 64 128 256)
  file(INSTALL DESTINATION "${data_home}/icons/hicolor/${size}x${size}/apps" TYPE FILE
       RENAME korvane.png FILES "${KORVANE_SOURCE_DIR}/resources/icons/korvane-${size}.png")
endforeach()

# A path as a value of the desktop entry: a backslash is written doubled.
function(korvane_entry_string path out)
  string(REPLACE "\\" "\\\\" value "${path}")
  set(${out} "${value}" PARENT_SCOPE)
endfunction()

# A path as the program of an Exec line (freedesktop.org's desktop entry rules): in double quotes
# when it holds a reserved character, with ", `, $ and \ escaped by a backslash inside them, then
# the backslashes doubled as for every value; % is written %%.
function(korvane_exec_argument path out)
  string(REPLACE "%" "%%" arg "${path}")
  if(arg MATCHES "[ \t\n\"'\\\\><~|&;$*?#()`]")
    string(REPLACE "\\" "\\\\\\\\" arg "${arg}")
    string(REPLACE "\"" "\\\\\"" arg "${arg}")
    string(REPLACE "`" "\\\\`" arg "${arg}")
    string(REPLACE "$" "\\\\$" arg "${arg}")
    set(arg "\"${arg}\"")
  endif()
  set(${out} "${arg}" PARENT_SCOPE)
endfunction()

file(READ "${KORVANE_SOURCE_DIR}/resources/korvane.desktop.in" entry)
korvane_exec_argument("${app_dir}/korvane" KORVANE_EXEC)
korvane_entry_string("${app_dir}/korvane" KORVANE_TRY_EXEC)
string(CONFIGURE "${entry}" entry @ONLY)
file(WRITE "${staged}${data_home}/applications/korvane.desktop" "${entry}")
message(STATUS "Installing: ${staged}${data_home}/applications/korvane.desktop")

file(MAKE_DIRECTORY "${staged}${bin_dir}")
file(REMOVE "${staged}${bin_dir}/korvane")
file(CREATE_LINK "${app_dir}/korvane" "${staged}${bin_dir}/korvane" SYMBOLIC)
message(STATUS "Installing: ${staged}${bin_dir}/korvane -> ${app_dir}/korvane")
