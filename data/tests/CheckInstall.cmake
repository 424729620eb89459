# Installs the build into an empty root under /usr, as a package would, and
# checks that exactly the expected files land there, that the program is
# executable and that the desktop entry names what was installed.
# Usage: cmake -D BUILD_DIR=<build> -D WORK_DIR=<scratch> -P CheckInstall.cmake

cmake_minimum_required(VERSION 3.25)

set(root ${WORK_DIR}/root)
file(REMOVE_RECURSE ${WORK_DIR})
file(MAKE_DIRECTORY ${root})

set(ENV{DESTDIR} ${root})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix /usr
                RESULT_VARIABLE result OUTPUT_VARIABLE log ERROR_VARIABLE log)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "cmake --install failed (${result}):\n${log}")
endif()

set(expected
  usr/bin/reelwick
  usr/share/applications/net.ostrun.Reelwick.desktop
  usr/share/metainfo/net.ostrun.Reelwick.metainfo.xml
  usr/share/man/man1/reelwick.1.gz
  usr/share/doc/reelwick/copyright)
foreach(size 16 32 48 64 128 256)
  list(APPEND expected usr/share/icons/hicolor/${size}x${size}/apps/net.ostrun.Reelwick.png)
endforeach()
list(SORT expected)

file(GLOB_RECURSE found LIST_DIRECTORIES false RELATIVE ${root} ${root}/*)
list(SORT found)
if(NOT found STREQUAL expected)
  set(missing ${expected})
  list(REMOVE_ITEM missing ${found})
  set(extra ${found})
  list(REMOVE_ITEM extra ${expected})
  message(FATAL_ERROR "installed files differ\n  missing: ${missing}\n  unexpected: ${extra}")
endif()

file(GET_RUNTIME_DEPENDENCIES EXECUTABLES ${root}/usr/bin/reelwick
     RESOLVED_DEPENDENCIES_VAR libs UNRESOLVED_DEPENDENCIES_VAR unresolved)
if(NOT libs MATCHES "libmpv" OR NOT libs MATCHES "libQt6Widgets")
  message(FATAL_ERROR "usr/bin/reelwick is not the player: it links ${libs}")
endif()
execute_process(COMMAND test -x ${root}/usr/bin/reelwick RESULT_VARIABLE not_executable)
if(not_executable)
  message(FATAL_ERROR "usr/bin/reelwick is not executable")
endif()

# The launcher runs the installed program and shows the installed icon.
file(STRINGS ${root}/usr/share/applications/net.ostrun.Reelwick.desktop entry)
if(NOT "Exec=reelwick %U" IN_LIST entry OR NOT "Icon=net.ostrun.Reelwick" IN_LIST entry)
  message(FATAL_ERROR "the desktop entry does not start reelwick with its icon:\n${entry}")
endif()
file(READ ${root}/usr/share/metainfo/net.ostrun.Reelwick.metainfo.xml metainfo)
if(NOT metainfo MATCHES "<launchable type=\"desktop-id\">net.ostrun.Reelwick.desktop</launchable>")
  message(FATAL_ERROR "the metainfo does not launch the installed desktop entry")
endif()

list(LENGTH found count)
message(STATUS "${count} files installed where expected")
file(REMOVE_RECURSE ${WORK_DIR})
