# SPDX-License-Identifier: GPL-3.0-or-later
# Installs a build into a scratch prefix and checks that the desktop finds what
# it needs: the programs run, every menu entry names an installed program and
# icon, the document type has its icon and the program that opens it, and the
# menu entries and the type file pass the desktop's own tools where those are
# installed. Then what the distribution needs: manual pages that render
# without warnings, software-centre metadata that validates, the completion,
# the help's doc-base registration, copyright and changelog, all of one version.
#
#   cmake -DBUILD_DIR=... -DSTAGE=... -DVERSION=... -DCOMPLETIONS_DIR=... -P CheckInstall.cmake

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
set(doc share/doc/mvconf)
set(metainfo share/metainfo/org.example.mvconf.metainfo.xml share/metainfo/org.example.fwload.metainfo.xml)
foreach(path bin/mvconf bin/fwload ${doc}/mvconf.html
        share/applications/mvconf.desktop share/applications/fwload.desktop
        share/mime/packages/mvconf.xml share/icons/hicolor/scalable/mimetypes/${mime_icon}.svg
        share/man/man1/mvconf.1.gz share/man/man1/fwload.1.gz ${metainfo}
        ${COMPLETIONS_DIR}/mvconf ${COMPLETIONS_DIR}/fwload
        ${doc}/copyright ${doc}/changelog.gz share/doc-base/mvconf)
  if(NOT EXISTS "${STAGE}/${path}")
    fail("missing ${path}")
  endif()
endforeach()
if(NOT errors STREQUAL "")
  message(FATAL_ERROR "Installation in ${STAGE} is incomplete:\n${errors}")
endif()

# Both programs answer --version without a display, with the package's
# version and the licence.
foreach(program mvconf fwload)
  execute_process(COMMAND "${STAGE}/bin/${program}" --version
                  RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT rc EQUAL 0 OR NOT out MATCHES "^${program} ${VERSION}\n" OR NOT out MATCHES "GPL-3.0-or-later")
    fail("${program} --version: exit ${rc}: '${out}' ${err}")
  endif()
endforeach()

# The changelog and the metadata's releases name the same version.
execute_process(COMMAND gzip -dc "${STAGE}/${doc}/changelog.gz" OUTPUT_VARIABLE changelog)
if(NOT changelog MATCHES "^mvconf \\(${VERSION}\\) ")
  fail("changelog.gz does not start with version ${VERSION}")
endif()
foreach(file IN LISTS metainfo)
  file(READ "${STAGE}/${file}" xml)
  if(NOT xml MATCHES "<release version=\"${VERSION}\"")
    fail("${file} has no release ${VERSION}")
  endif()
  string(REGEX MATCH "<launchable type=\"desktop-id\">([^<]*)<" launchable "${xml}")
  if(NOT EXISTS "${share}/applications/${CMAKE_MATCH_1}")
    fail("${file} launches '${CMAKE_MATCH_1}', which is not installed")
  endif()
endforeach()
file(STRINGS "${STAGE}/share/doc-base/mvconf" doc_base_files REGEX "^(Index|Files): ")
foreach(line IN LISTS doc_base_files)
  string(REGEX REPLACE "^[A-Za-z]+: " "" path "${line}")
  if(NOT path STREQUAL "${STAGE}/${doc}/mvconf.html")
    fail("doc-base registers '${path}'")
  endif()
endforeach()

# The manual pages render without a warning, as lintian renders them.
find_program(MAN man)
find_program(MANDOC mandoc)
foreach(page mvconf fwload)
  set(file "${STAGE}/share/man/man1/${page}.1.gz")
  if(MAN)
    execute_process(COMMAND ${CMAKE_COMMAND} -E env LC_ALL=C.UTF-8 MANWIDTH=80
                            "${MAN}" --warnings -E UTF-8 -l -Tutf8 -Z "${file}"
                    RESULT_VARIABLE rc OUTPUT_QUIET ERROR_VARIABLE err)
    if(NOT rc EQUAL 0 OR NOT err STREQUAL "")
      fail("man -l ${page}.1.gz: ${err}")
    endif()
  endif()
  if(MANDOC)
    execute_process(COMMAND "${MANDOC}" -T lint "${file}" RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
    if(NOT rc EQUAL 0 OR NOT out STREQUAL "" OR NOT err STREQUAL "")
      fail("mandoc -T lint ${page}.1.gz:\n${out}${err}")
    endif()
  endif()
endforeach()

find_program(APPSTREAMCLI appstreamcli)
if(APPSTREAMCLI)
  set(files "")
  foreach(file IN LISTS metainfo)
    list(APPEND files "${STAGE}/${file}")
  endforeach()
  execute_process(COMMAND "${APPSTREAMCLI}" validate --no-net --pedantic ${files}
                  RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT rc EQUAL 0 OR out MATCHES "[EWIP]: ")
    fail("appstreamcli validate:\n${out}${err}")
  endif()
endif()

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
