# CPack's settings for the Windows installer, korvane-<version>-setup.exe, made from a folder laid
# out as an install (bin/ with the program and its libraries, share/korvane/sample, docs/). What
# differs per build comes on the command line, as cpack takes its values last:
#   cpack --config installer.cmake -D "CPACK_INSTALLED_DIRECTORIES=<folder>;." \
#     -D CPACK_PACKAGE_VERSION=<x.y.z> -D CPACK_PACKAGE_FILE_NAME=korvane-<x.y.z>-setup \
#     -D CPACK_PACKAGE_DIRECTORY=<folder>
# NSIS.template.in beside this file is the installer's script.
set(CPACK_GENERATOR NSIS)
set(CPACK_INSTALL_CMAKE_PROJECTS "")
set(CPACK_MODULE_PATH "${CMAKE_CURRENT_LIST_DIR}")
set(CPACK_PACKAGE_NAME Korvane)
set(CPACK_PACKAGE_VENDOR "The Korvane developers")
set(CPACK_PACKAGE_DESCRIPTION "A checklist of the quests of an online role-playing game")
set(CPACK_PACKAGE_INSTALL_DIRECTORY Korvane)
set(CPACK_PACKAGE_INSTALL_REGISTRY_KEY Korvane)
set(CPACK_NSIS_PACKAGE_NAME Korvane)
set(CPACK_NSIS_DISPLAY_NAME "Korvane クエスト帳")
set(CPACK_NSIS_INSTALL_ROOT "$LOCALAPPDATA\\Programs")
set(CPACK_NSIS_UNINSTALL_NAME Uninstall)
set(CPACK_NSIS_COMPRESSOR lzma)
set(CPACK_NSIS_MUI_ICON "${CMAKE_CURRENT_LIST_DIR}/../../resources/icons/korvane.ico")
set(CPACK_NSIS_MUI_UNIICON "${CPACK_NSIS_MUI_ICON}")
# The script is UTF-8 (the Japanese names), which makensis on Linux is told.
set(CPACK_NSIS_EXECUTABLE_PRE_ARGUMENTS -INPUTCHARSET UTF8)
