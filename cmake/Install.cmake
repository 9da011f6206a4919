# cmake --install: Korvane as a desktop program. The places are worked out when the install runs
# (cmake/InstallLayout.cmake), so that they follow the prefix given to cmake --install:
#   <data>/korvane/korvane          the program; its folder is the data folder
#   <data>/applications/korvane.desktop
#   <data>/icons/hicolor/NxN/apps/korvane.png
#   <prefix>/bin/korvane            a link to the program, for the PATH
# <data> is <prefix>/share, or KORVANE_DATA_HOME when set (scripts/install sets it from
# XDG_DATA_HOME). The sample set is copied in only when none of the four data files is there.
install(CODE "
set(KORVANE_EXECUTABLE \"$<TARGET_FILE:korvane>\")
set(KORVANE_SOURCE_DIR \"${PROJECT_SOURCE_DIR}\")
set(KORVANE_DATADIR \"${CMAKE_INSTALL_DATADIR}\")
set(KORVANE_BINDIR \"${CMAKE_INSTALL_BINDIR}\")
")
install(SCRIPT ${CMAKE_CURRENT_LIST_DIR}/InstallLayout.cmake)
