# SPDX-License-Identifier: GPL-3.0-or-later
# Where the Qt-free cores meet the operating system, one source file per
# platform stands behind a shared header: "<Name>Posix.cpp" on Linux,
# "<Name>Win32.cpp" on Windows. The build picks the file; the code never asks
# which platform it is on.
if(WIN32)
  set(MV_PLATFORM Win32)
  set(MV_OTHER_PLATFORM Posix)
  # The wide-character Win32 calls are the only ones that take every file name.
  add_compile_definitions(UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX)
  # One .exe without MinGW's runtime DLLs beside it.
  add_link_options(-static -static-libgcc -static-libstdc++)
else()
  set(MV_PLATFORM Posix)
  set(MV_OTHER_PLATFORM Win32)
endif()

# The .cpp files of folder for this platform: the shared ones and this
# platform's own, not the other's.
function(mv_platform_sources out folder)
  file(GLOB all CONFIGURE_DEPENDS ${folder}/*.cpp)
  list(FILTER all EXCLUDE REGEX "${MV_OTHER_PLATFORM}\\.cpp$")
  set(${out} ${all} PARENT_SCOPE)
endfunction()
