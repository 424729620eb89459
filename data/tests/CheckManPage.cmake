# Formats the manual page as man would and fails on any warning of groff.
# Usage: cmake -D PAGE=reelwick.1 -P CheckManPage.cmake

cmake_minimum_required(VERSION 3.25)
execute_process(
  COMMAND groff -t -man -ww -z -Tutf8 ${PAGE}
  RESULT_VARIABLE result ERROR_VARIABLE warnings OUTPUT_QUIET)
if(NOT result EQUAL 0 OR NOT warnings STREQUAL "")
  message(FATAL_ERROR "groff on ${PAGE} (exit ${result}):\n${warnings}")
endif()
execute_process(COMMAND groff -t -man -Tutf8 -P-cbou ${PAGE}
                OUTPUT_VARIABLE text RESULT_VARIABLE result)
foreach(section NAME SYNOPSIS DESCRIPTION FILES)
  if(NOT text MATCHES "\n${section}\n")
    message(FATAL_ERROR "the manual page has no ${section} section:\n${text}")
  endif()
endforeach()
message(STATUS "${PAGE}: no warnings")
