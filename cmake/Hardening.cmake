# SPDX-License-Identifier: GPL-3.0-or-later
# The compile and link flags Debian builds its own packages with (fortified
# functions, strong stack protector, format checks, full RELRO with immediate
# binding; PIE is the compiler's default), as dpkg-buildflags gives them.
# They go in front of the build type's flags, so the build type still sets
# the optimisation; debug information is left out, as the package ships
# stripped programs. Meant for the Release build the package is made from.

if(MV_SANITIZE OR MV_FUZZ)
  message(FATAL_ERROR "MV_HARDEN is for the release build, not with MV_SANITIZE or MV_FUZZ")
endif()
find_program(MV_DPKG_BUILDFLAGS dpkg-buildflags)
if(NOT MV_DPKG_BUILDFLAGS)
  message(FATAL_ERROR "MV_HARDEN needs dpkg-buildflags (package dpkg-dev)")
endif()

function(mv_buildflags name out)
  # The file-prefix map dpkg-buildflags adds is taken from the working folder.
  execute_process(COMMAND ${CMAKE_COMMAND} -E env DEB_BUILD_MAINT_OPTIONS=hardening=+all
                          DEB_CXXFLAGS_MAINT_STRIP=-g ${MV_DPKG_BUILDFLAGS} --get ${name}
                  WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
                  OUTPUT_VARIABLE flags OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
  set(${out} "${flags}" PARENT_SCOPE)
endfunction()

mv_buildflags(CPPFLAGS mv_cppflags)
mv_buildflags(CXXFLAGS mv_cxxflags)
mv_buildflags(LDFLAGS mv_ldflags)
string(APPEND CMAKE_CXX_FLAGS " ${mv_cppflags} ${mv_cxxflags}")
string(APPEND CMAKE_EXE_LINKER_FLAGS " ${mv_ldflags}")
string(APPEND CMAKE_SHARED_LINKER_FLAGS " ${mv_ldflags}")
message(STATUS "Hardened build: ${mv_cppflags} ${mv_cxxflags} ${mv_ldflags}")
