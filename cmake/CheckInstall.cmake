# SPDX-License-Identifier: GPL-3.0-or-later
# Installs a build into a scratch prefix and checks that the desktop finds what
# it needs: the programs run, every menu entry names an installed program and
# icon, the document type has its icon and the program that opens it, and the
# menu entries and the type file pass the desktop's own tools where those are
# installed.
#
#   cmake -DBUILD_DIR=... -DSTAGE=... -P CheckInstall.cmake

cmake_minimum_required(VERSION 3.25)

set(errors "")
function(fail message)
  set(errors "${errors}  ${message}\n" PARENT_SCOPE)
endfunction()

file(REMOVE_RECURSE "${STAGE}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${STAGE}"
                RESULT_VARIABLE rc OUTPUT_QUIET ERROR_VARIABLE out)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "cmake --install failed:\n${out}")
endif()

set(share "${STAGE}/share")
set(mime_type application/x-mvconf-document)
string(REPLACE "/" "-" mime_icon "${mime_type}")
foreach(path bin/mvconf bin/fwload share/doc/mvconf/mvconf.html
        share/applications/mvconf.desktop share/applications/fwload.desktop
        share/mime/packages/mvconf.xml share/icons/hicolor/scalable/mimetypes/${mime_icon}.svg)
  if(NOT EXISTS "${STAGE}/${path}")
    fail("missing ${path}")
  endif()
endforeach()
if(NOT errors STREQUAL "")
  message(FATAL_ERROR "Installation in ${STAGE} is incomplete:\n${errors}")
endif()

# Both programs answer --version without a display.
foreach(program mvconf fwload)
  execute_process(COMMAND "${STAGE}/bin/${program}" --version
                  RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT rc EQUAL 0 OR out STREQUAL "")
    fail("${program} --version: exit ${rc} ${err}")
  endif()
endforeach()

# What each menu entry names has to be installed.
foreach(entry mvconf fwload)
  file(STRINGS "${share}/applications/${entry}.desktop" exec REGEX "^Exec=")
  file(STRINGS "${share}/applications/${entry}.desktop" icon REGEX "^Icon=")
  string(REGEX REPLACE "^Exec=([^ ]+).*" "\\1" exec "${exec}")
  string(REGEX REPLACE "^Icon=" "" icon "${icon}")
  if(NOT EXISTS "${STAGE}/bin/${exec}")
    fail("${entry}.desktop starts '${exec}', which is not installed")
  endif()
  if(NOT EXISTS "${share}/icons/hicolor/scalable/apps/${icon}.svg")
    fail("${entry}.desktop shows icon '${icon}', which is not installed")
  endif()
endforeach()

# A double-click on a document starts mvconf with the file.
file(STRINGS "${share}/applications/mvconf.desktop" mime_line REGEX "^MimeType=")
string(REPLACE "\\;" ";" mime_line "${mime_line}")
if(NOT mime_line STREQUAL "MimeType=${mime_type};")
  fail("mvconf.desktop does not take ${mime_type}: '${mime_line}'")
endif()
file(STRINGS "${share}/applications/mvconf.desktop" exec_line REGEX "^Exec=")
if(NOT exec_line MATCHES "%[fFuU]")
  fail("mvconf.desktop passes no file: '${exec_line}'")
endif()

find_program(VALIDATE desktop-file-validate)
if(VALIDATE)
  execute_process(COMMAND "${VALIDATE}" --no-hints "${share}/applications/mvconf.desktop"
                          "${share}/applications/fwload.desktop"
                  RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT rc EQUAL 0 OR NOT out STREQUAL "")
    fail("desktop-file-validate:\n${out}${err}")
  endif()
endif()

find_program(UPDATE_MIME update-mime-database)
if(UPDATE_MIME)
  execute_process(COMMAND "${UPDATE_MIME}" "${share}/mime" RESULT_VARIABLE rc
                  OUTPUT_QUIET ERROR_QUIET)
  set(globs "")
  if(EXISTS "${share}/mime/globs2")
    file(READ "${share}/mime/globs2" globs)
  endif()
  if(NOT rc EQUAL 0 OR NOT globs MATCHES "${mime_type}:\\*\\.mv8\n")
    fail("update-mime-database does not map *.mv8 to ${mime_type} (exit ${rc})")
  endif()
  file(READ "${share}/mime/packages/mvconf.xml" xml)
  string(REGEX MATCH "<icon name=\"([^\"]*)\"" icon_element "${xml}")
  if(icon_element AND NOT CMAKE_MATCH_1 STREQUAL mime_icon)
    fail("mvconf.xml names icon '${CMAKE_MATCH_1}', installed is '${mime_icon}'")
  endif()
endif()

if(NOT errors STREQUAL "")
  message(FATAL_ERROR "Installation in ${STAGE} is incomplete:\n${errors}")
endif()
