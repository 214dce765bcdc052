# SPDX-License-Identifier: GPL-3.0-or-later
# The tests of the Qt-free cores. They build wherever the cores build,
# cross-built for Windows too, where they run under Wine. A test that is
# bound to one system by nature (file modes, pipes, pseudo-terminals, COM
# ports) sits in a file of its own, "<test>_posix.cpp" or "<test>_win32.cpp",
# and becomes an executable of that name on its system only.
set(MV_CORE_TESTS
    benchboard/test_bench_board
    config/test_backup_listing config/test_codecs config/test_derivat config/test_document_compare
    config/test_document_data config/test_document_file config/test_phonebook_import config/test_profile_file
    config/test_records config/test_transfer_backup
    fwload/test_boot_loader fwload/test_command_line fwload/test_download_protocol fwload/test_firmware_image
    link/test_link_framing link/test_record_frames link/test_simulated_telephone link/test_transfer_chains
    link/test_transfer_runner
    serial/test_serial_port serial/test_trace)

set(MV_CORE_SUPPORT support/TestSupport.cpp support/LinkFakes.cpp support/DocumentVariants.cpp)
if(NOT WIN32)
  list(APPEND MV_CORE_SUPPORT support/PtyLine.cpp)
endif()
add_library(mvcoretestsupport STATIC ${MV_CORE_SUPPORT})
target_include_directories(mvcoretestsupport PUBLIC ${CMAKE_CURRENT_SOURCE_DIR}/support)
target_link_libraries(mvcoretestsupport PUBLIC mvconfig mvlink GTest::gtest GTest::gmock)

# Under Wine the test data is reached through the drive of the build folder:
# Wine takes "/work/..." as "\work\..." on the current drive, which is Z:, the whole Unix tree.
function(mv_add_core_test name source)
  add_executable(${name} ${source})
  # The COM port under Wine: one wired to an echo for each run of the test.
  if(WIN32 AND CMAKE_CROSSCOMPILING_EMULATOR AND name STREQUAL "test_serial_port_win32")
    set_target_properties(${name} PROPERTIES CROSSCOMPILING_EMULATOR "${CMAKE_CROSSCOMPILING_EMULATOR};--echo-com;12")
  endif()
  target_link_libraries(${name} PRIVATE mvcoretestsupport mvsimphone mvbootsim mvfwshell mvbenchboard
                        GTest::gtest_main)
  gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 60
                       PROPERTIES ENVIRONMENT "MV_TEST_DATA=${CMAKE_CURRENT_SOURCE_DIR}/data")
endfunction()

if(WIN32)
  set(MV_TEST_PLATFORM win32)
else()
  set(MV_TEST_PLATFORM posix)
endif()
set(MV_CORE_TEST_SOURCES)
foreach(test IN LISTS MV_CORE_TESTS)
  get_filename_component(name ${test} NAME)
  if(EXISTS ${CMAKE_CURRENT_SOURCE_DIR}/${test}.cpp)
    mv_add_core_test(${name} ${test}.cpp)
    list(APPEND MV_CORE_TEST_SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/${test}.cpp)
  endif()
  set(own ${CMAKE_CURRENT_SOURCE_DIR}/${test}_${MV_TEST_PLATFORM}.cpp)
  if(EXISTS ${own})
    mv_add_core_test(${name}_${MV_TEST_PLATFORM} ${own})
  endif()
endforeach()
