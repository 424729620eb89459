# Builds the Debian package with cpack and checks what dpkg-deb reads from it:
# the dependencies found by dpkg-shlibdeps, the maintainer and description,
# and the files it would install.
# Usage: cmake -D BUILD_DIR=<build> -D WORK_DIR=<scratch> -D CPACK=<cpack>
#              -P CheckPackage.cmake

cmake_minimum_required(VERSION 3.25)

file(REMOVE_RECURSE ${WORK_DIR})
file(MAKE_DIRECTORY ${WORK_DIR})
execute_process(COMMAND ${CPACK} -G DEB --config ${BUILD_DIR}/CPackConfig.cmake -B ${WORK_DIR}
                WORKING_DIRECTORY ${BUILD_DIR}
                RESULT_VARIABLE result OUTPUT_VARIABLE log ERROR_VARIABLE log)
file(GLOB debs ${WORK_DIR}/*.deb)
list(LENGTH debs count)
if(NOT result EQUAL 0 OR NOT count EQUAL 1)
  message(FATAL_ERROR "cpack made ${count} packages (exit ${result}):\n${log}")
endif()
get_filename_component(name ${debs} NAME)
if(NOT name MATCHES "^reelwick_[0-9]+\\.[0-9]+\\.[0-9]+_[a-z0-9]+\\.deb$")
  message(FATAL_ERROR "unexpected package file name ${name}")
endif()

function(field key out)
  execute_process(COMMAND dpkg-deb --field ${debs} ${key} OUTPUT_VARIABLE value
                  OUTPUT_STRIP_TRAILING_WHITESPACE)
  set(${out} "${value}" PARENT_SCOPE)
endfunction()

field(Package package)
field(Depends depends)
field(Maintainer maintainer)
field(Description description)
field(Section section)
field(Recommends recommends)
message(STATUS "${name}\n  Depends: ${depends}\n  Maintainer: ${maintainer}")

if(NOT package STREQUAL "reelwick")
  message(FATAL_ERROR "Package is '${package}'")
endif()
# Each dependency is a whole package name, optionally with a version.
foreach(needed libmpv2 libqt6widgets6 libqt6gui6 libqt6core6 libc6 qt6-qpa-plugins
       libfluidsynth3)
  if(NOT depends MATCHES "(^|, )${needed}( \\([^)]*\\))?(,|$)")
    message(FATAL_ERROR "Depends lacks ${needed}: ${depends}")
  endif()
endforeach()
# MIDI files need a General MIDI sound font: the small one, or the larger.
if(NOT depends MATCHES "(^|, )timgm6mb-soundfont \\| fluid-soundfont-gm(,|$)")
  message(FATAL_ERROR "Depends lacks a sound font: ${depends}")
endif()
# Web pages play through yt-dlp, and Qt's dialogs speak the user's language
# with Qt's translations; the program runs without either.
if(NOT recommends STREQUAL "yt-dlp, qt6-translations-l10n" OR depends MATCHES "yt-dlp|qt6-translations")
  message(FATAL_ERROR "yt-dlp and Qt's translations are not only recommended: '${recommends}', "
                      "Depends: ${depends}")
endif()
if(NOT maintainer MATCHES "^[^<]+ <[^@>]+@[^>]+>$")
  message(FATAL_ERROR "Maintainer is not 'name <address>': '${maintainer}'")
endif()
if(NOT description MATCHES "movie player" OR NOT description MATCHES "\n .*libmpv")
  message(FATAL_ERROR "Description lacks its summary or its long text:\n${description}")
endif()
if(NOT section STREQUAL "video")
  message(FATAL_ERROR "Section is '${section}'")
endif()

execute_process(COMMAND dpkg-deb --contents ${debs} OUTPUT_VARIABLE contents)
set(files
  ./usr/bin/reelwick
  ./usr/share/applications/net.ostrun.Reelwick.desktop
  ./usr/share/metainfo/net.ostrun.Reelwick.metainfo.xml
  ./usr/share/man/man1/reelwick.1.gz
  ./usr/share/doc/reelwick/copyright)
foreach(size 16 32 48 64 128 256)
  list(APPEND files ./usr/share/icons/hicolor/${size}x${size}/apps/net.ostrun.Reelwick.png)
endforeach()
foreach(f IN LISTS files)
  string(REPLACE "." "\\." pattern "${f}")
  if(NOT contents MATCHES " ${pattern}\n")
    message(FATAL_ERROR "the package lacks ${f}:\n${contents}")
  endif()
endforeach()
if(NOT contents MATCHES "-rwxr-xr-x root/root [ 0-9]+ [-0-9: ]+ \\./usr/bin/reelwick\n")
  message(FATAL_ERROR "usr/bin/reelwick is not an executable owned by root:\n${contents}")
endif()
message(STATUS "${name} holds the program, its desktop entry, icons and manual page")
file(REMOVE_RECURSE ${WORK_DIR})
