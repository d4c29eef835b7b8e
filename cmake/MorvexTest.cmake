# morvex_test(NAME [ALONE] src... LIBS lib...)
# One GoogleTest executable, run under Wine; each test case is one ctest test.
# ALONE: the cases measure how quickly a window answers, or hold a popup open
# that another test program's window would close by taking the focus on the
# shared display, so they run while no other test runs.
function(morvex_test name)
  cmake_parse_arguments(T "ALONE" "" "SOURCES;LIBS" ${ARGN})
  set(serial "")
  if(T_ALONE)
    set(serial RUN_SERIAL TRUE)
  endif()
  add_executable(${name} ${T_SOURCES} ${T_UNPARSED_ARGUMENTS})
  target_link_libraries(${name} PRIVATE ${T_LIBS} gmock gtest)
  # Console subsystem: tests print to stdout.
  target_link_options(${name} PRIVATE -mconsole)
  gtest_discover_tests(${name}
    WORKING_DIRECTORY ${MORVEX_OUT}
    DISCOVERY_TIMEOUT 120
    PROPERTIES TIMEOUT 300 ${serial} ENVIRONMENT "MORVEX_BUILD_DIR=${CMAKE_BINARY_DIR}")
endfunction()

# morvex_scaled_screenshots(NAME FILTER)
# The screenshot tests of NAME (those FILTER, a GoogleTest filter, selects)
# once more at 125 % and 150 % display scaling, 120 and 144 dpi, each in a
# Wine prefix and on a virtual display of its own (tools/wine-env.sh); named
# dpi120.<test>, dpi144.<test>. One test at a time per display, beside the
# tests on the other displays.
function(morvex_scaled_screenshots name filter)
  foreach(dpi 120 144)
    gtest_discover_tests(${name}
      WORKING_DIRECTORY ${MORVEX_OUT}
      DISCOVERY_TIMEOUT 120
      TEST_PREFIX "dpi${dpi}."
      TEST_FILTER "${filter}"
      PROPERTIES TIMEOUT 300 RESOURCE_LOCK "morvex_display_dpi${dpi}" ENVIRONMENT "MORVEX_BUILD_DIR=${CMAKE_BINARY_DIR}"
                 ENVIRONMENT_MODIFICATION "MORVEX_DPI=set:${dpi}")
  endforeach()
endfunction()
