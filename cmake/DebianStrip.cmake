# SPDX-License-Identifier: GPL-3.0-or-later
# Runs in CPack after it has installed the package's files into its staging
# folder: strips the programs as Debian's own packages are stripped, the
# compiler's notes (.comment, .note) included.
find_program(MV_STRIP strip REQUIRED)
file(GLOB_RECURSE programs LIST_DIRECTORIES false "${CPACK_TEMPORARY_DIRECTORY}/*/bin/*")
foreach(program IN LISTS programs)
  execute_process(COMMAND ${MV_STRIP} --remove-section=.comment --remove-section=.note
                          "${program}" COMMAND_ERROR_IS_FATAL ANY)
endforeach()
if(NOT programs)
  message(FATAL_ERROR "No programs to strip below ${CPACK_TEMPORARY_DIRECTORY}")
endif()
