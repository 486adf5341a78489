# Run by CTest as it reads the tests: asks one test program for its
# GoogleTest cases and adds each case as a test of its own, run through
# tools/run-case.sh. A good listing is kept beside the program and used until
# the program is built again; a listing that failed is never kept.
#
# A listing fails when the program cannot be run, ends with an exit code
# other than 0, runs out of time, reports a crash of Wine's, prints a line
# that is not part of a case list, or lists no case. Such a listing is asked
# once more (under Wine one program start in several hundred fails before
# the program runs, printing nothing); a program that lists its cases only
# then is named on standard error as "listed only when asked again:
# PROGRAM". One whose listing fails twice gets a single test,
# PROGRAM.ListingFailed, that fails with the reason, so that the run fails
# and names it while every other program's cases still run.

set(ORLENTA_CASE_LISTING_SCRIPT "${CMAKE_CURRENT_LIST_FILE}")

# Runs the listing once. Sets CASES (a list of Suite.Case names) on success,
# or REASON on failure, in the caller's scope.
function(orlenta_ask_for_cases)
  cmake_parse_arguments(A "" "EXECUTABLE;WORKING_DIRECTORY;TIMEOUT" "EMULATOR" ${ARGN})
  execute_process(
    COMMAND ${A_EMULATOR} "${A_EXECUTABLE}" --gtest_list_tests
    WORKING_DIRECTORY "${A_WORKING_DIRECTORY}"
    TIMEOUT ${A_TIMEOUT}
    OUTPUT_VARIABLE output
    ERROR_VARIABLE errors
    RESULT_VARIABLE result)
  set(CASES "" PARENT_SCOPE)
  set(shown "${output}${errors}")
  string(LENGTH "${shown}" length)
  if(length EQUAL 0)
    set(shown "(it printed nothing)")
  elseif(length GREATER 2000)
    string(SUBSTRING "${shown}" 0 2000 shown)
    string(APPEND shown "\n(...)")
  endif()
  if(NOT "${result}" STREQUAL "0")
    set(REASON "the listing ended with: ${result}\n${shown}" PARENT_SCOPE)
    return()
  endif()
  # Under Wine a program that crashes on its main thread ends with 0 once
  # the crash's report is written (to standard error): its list may be cut.
  if("\n${output}\n${errors}" MATCHES "\n(wine: Unhandled |Unhandled exception: )")
    set(REASON "the listing crashed\n${shown}" PARENT_SCOPE)
    return()
  endif()

  # One line each: drop the comments GoogleTest adds to parameterized cases
  # and keep brackets and semicolons away from CMake's list splitting (no
  # line of a case list holds them).
  string(REPLACE "\r" "" lines "${output}")
  string(REGEX REPLACE " +#[^\n]*" "" lines "${lines}")
  foreach(mark "[" "]" ";")
    string(REPLACE "${mark}" "?" lines "${lines}")
  endforeach()
  string(REPLACE "\n" ";" lines "${lines}")
  set(cases)
  set(suite)
  foreach(line IN LISTS lines)
    if(line STREQUAL "" OR line MATCHES "^Running main\\(\\) from ")
      continue()
    elseif(line MATCHES "^([A-Za-z0-9_/]+)\\.$")
      set(suite "${CMAKE_MATCH_1}")
    elseif(line MATCHES "^  ([A-Za-z0-9_/]+)$" AND suite)
      list(APPEND cases "${suite}.${CMAKE_MATCH_1}")
    else()
      set(REASON "the listing printed a line that is not part of a case list: \"${line}\"\n${shown}" PARENT_SCOPE)
      return()
    endif()
  endforeach()
  if(NOT cases)
    set(REASON "the listing named no case\n${shown}" PARENT_SCOPE)
    return()
  endif()
  set(CASES "${cases}" PARENT_SCOPE)
endfunction()

# Adds the program's cases (see the top of this file).
#   PROGRAM            the program's name, for messages and the failing test
#   EXECUTABLE         the program
#   EMULATOR           what runs it (empty for a native program)
#   RUNNER             tools/run-case.sh
#   CACHE              the file that keeps a good listing
#   WORKING_DIRECTORY  where the cases run
#   SERIAL             TRUE when every case of the program runs alone
#   TIMEOUT            seconds a case may take
#   LISTING_TIMEOUT    seconds a listing may take
#   CMAKE_COMMAND      cmake, for the test that reports a failed listing
#   DEFINED_IN         the file that calls this (a listing older than it is
#                      made again)
function(orlenta_list_cases)
  cmake_parse_arguments(A "" "PROGRAM;EXECUTABLE;RUNNER;CACHE;WORKING_DIRECTORY;SERIAL;TIMEOUT;LISTING_TIMEOUT;CMAKE_COMMAND;DEFINED_IN"
                        "EMULATOR" ${ARGN})
  if(EXISTS "${A_CACHE}"
     AND "${A_CACHE}" IS_NEWER_THAN "${A_EXECUTABLE}"
     AND "${A_CACHE}" IS_NEWER_THAN "${ORLENTA_CASE_LISTING_SCRIPT}"
     AND "${A_CACHE}" IS_NEWER_THAN "${A_DEFINED_IN}")
    include("${A_CACHE}")
    return()
  endif()
  file(REMOVE "${A_CACHE}")

  set(ask EXECUTABLE "${A_EXECUTABLE}" WORKING_DIRECTORY "${A_WORKING_DIRECTORY}"
          TIMEOUT "${A_LISTING_TIMEOUT}" EMULATOR ${A_EMULATOR})
  if(NOT EXISTS "${A_EXECUTABLE}")
    set(REASON "the program ${A_EXECUTABLE} is not built")
  else()
    orlenta_ask_for_cases(${ask})
    if(NOT CASES)
      set(first "${REASON}")
      orlenta_ask_for_cases(${ask})
      if(CASES)
        message("listed only when asked again: ${A_PROGRAM} (the first time: ${first})")
      endif()
    endif()
  endif()
  if(NOT CASES)
    # A test that prints the reason and fails: cmake's echo ends with 0, and
    # WILL_FAIL turns that into a failure.
    set(name "${A_PROGRAM}.ListingFailed")
    add_test("${name}" "${A_CMAKE_COMMAND}" -E echo "${A_PROGRAM} could not list its cases: ${REASON}")
    set_tests_properties("${name}" PROPERTIES WILL_FAIL TRUE)
    return()
  endif()

  # The runner, the emulator and the program: the same for every case.
  set(program "[==[${A_RUNNER}]==]")
  foreach(word IN LISTS A_EMULATOR)
    string(APPEND program " [==[${word}]==]")
  endforeach()
  string(APPEND program " [==[${A_EXECUTABLE}]==]")
  set(script "")
  foreach(case IN LISTS CASES)
    set(command "${program} --gtest_filter=${case} --gtest_also_run_disabled_tests")
    # Suites whose name ends in "Focus" need the display's keyboard focus,
    # which the windows of cases running beside them would take away.
    set(serial "${A_SERIAL}")
    if(case MATCHES "^[^.]*Focus\\.")
      set(serial TRUE)
    endif()
    string(APPEND script "add_test(${case} ${command})\n"
      "set_tests_properties(${case} PROPERTIES WORKING_DIRECTORY [==[${A_WORKING_DIRECTORY}]==]"
      " TIMEOUT ${A_TIMEOUT} RUN_SERIAL ${serial} SKIP_RETURN_CODE 77)\n")
    if(case MATCHES "(^|[./])DISABLED_")
      string(APPEND script "set_tests_properties(${case} PROPERTIES DISABLED TRUE)\n")
    endif()
  endforeach()
  # Written whole under another name first, so that a run stopped half-way
  # leaves no partial list behind.
  file(WRITE "${A_CACHE}.new" "${script}")
  file(RENAME "${A_CACHE}.new" "${A_CACHE}")
  include("${A_CACHE}")
endfunction()
