add_subdirectory(quillet_lunar)

quillet_add_test(icalendar_test
  SOURCES icalendar_test.cpp
  LIBS quillet_icalendar)

# The rest run quillet-lunar and other programs through POSIX processes; a
# Windows build's files are held to the build machine's by tests/windows.
if(WIN32)
  return()
endif()

# Two independent iCalendar parsers that Debian packages read the files
# quillet-lunar ics writes: libical (through this small lister) and
# python3-icalendar (ics_read_icalendar.py); both list the same fields.
find_package(PkgConfig REQUIRED)
pkg_check_modules(LIBICAL REQUIRED IMPORTED_TARGET libical)
add_executable(ics_read_libical ics_read_libical.cpp)
target_link_libraries(ics_read_libical PRIVATE PkgConfig::LIBICAL)
quillet_warnings(ics_read_libical)
# The lister is a few lines of the tests' own; under the sanitizers'
# interceptors libical's string handling takes minutes over the whole range,
# so it is built plain, like the parser it drives.
if(QUILLET_SANITIZE)
  target_compile_options(ics_read_libical PRIVATE -fno-sanitize=all)
  target_link_options(ics_read_libical PRIVATE -fno-sanitize=all)
endif()

# python3-icalendar is Debian's, for Debian's python3, whatever else is first
# on the PATH.
find_program(QUILLET_DEBIAN_PYTHON python3 PATHS /usr/bin NO_DEFAULT_PATH
             REQUIRED)

# quillet-lunar ics as a user runs it.
quillet_add_test(ics_cli_test
  SOURCES ics_cli_test.cpp)
target_compile_definitions(ics_cli_test PRIVATE
  QUILLET_LUNAR_PROGRAM="$<TARGET_FILE:quillet-lunar>")
add_dependencies(ics_cli_test quillet-lunar)

# Its files read back by both parsers, every event checked against the
# library over 1901..2100.
quillet_add_test(ics_readers_test
  SOURCES ics_readers_test.cpp
  LIBS quillet_monthview
  LABELS slow)
target_compile_definitions(ics_readers_test PRIVATE
  QUILLET_LUNAR_PROGRAM="$<TARGET_FILE:quillet-lunar>"
  ICS_READ_LIBICAL="$<TARGET_FILE:ics_read_libical>"
  ICS_READ_ICALENDAR="${CMAKE_CURRENT_SOURCE_DIR}/ics_read_icalendar.py"
  DEBIAN_PYTHON="${QUILLET_DEBIAN_PYTHON}")
add_dependencies(ics_readers_test quillet-lunar ics_read_libical)

# Imported into khal, a calendar client: its listing shows the events.
add_test(NAME ics.khal
  COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/check_khal.sh
          $<TARGET_FILE:quillet-lunar>)
set_tests_properties(ics.khal PROPERTIES LABELS slow)
