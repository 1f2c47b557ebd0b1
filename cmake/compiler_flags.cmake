# Compile and link flags by compiler and platform. Included by the top
# CMakeLists.txt after the options are set.
include(CheckCXXCompilerFlag)
include(CheckLinkerFlag)

if(MSVC)
  # The sources hold Chinese text in UTF-8; without /utf-8 MSVC reads them
  # in the system's code page, and the execution character set would be that
  # code page too.
  add_compile_options(/utf-8)
  if(QUILLET_SANITIZE OR QUILLET_BUILD_FUZZ)
    message(FATAL_ERROR "The sanitizer and fuzzer builds need GCC or Clang.")
  endif()
endif()

if(QUILLET_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all
                      -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
endif()
if(QUILLET_BUILD_FUZZ)
  # Coverage for everything; the fuzz targets link the fuzzer's main.
  add_compile_options(-fsanitize=fuzzer-no-link,address,undefined
                      -fno-sanitize-recover=all)
  add_link_options(-fsanitize=address,undefined)
endif()

# The hardening Debian builds its packages with (dpkg-buildflags), where the
# compiler and linker have it: stack protector, fortified libc calls where the
# code is optimised, and on ELF systems read-only relocations bound at
# start-up. The sanitizers and the fuzzer bring their own checks, with which
# _FORTIFY_SOURCE does not mix. MSVC's counterparts (/GS, /DYNAMICBASE,
# /NXCOMPAT) are its defaults. MinGW has the first two only through libssp,
# which every program linking the installed static library would then have
# to name as well; a MinGW build goes without them, with Windows' address
# randomisation and no-execute data, which its linker turns on.
if(NOT MSVC AND NOT MINGW AND NOT QUILLET_SANITIZE AND NOT QUILLET_BUILD_FUZZ)
  check_cxx_compiler_flag(-fstack-protector-strong QUILLET_HAVE_STACK_PROTECTOR)
  if(QUILLET_HAVE_STACK_PROTECTOR)
    add_compile_options(-fstack-protector-strong)
  endif()
  add_compile_options(
    "$<$<CONFIG:Release,RelWithDebInfo,MinSizeRel>:-U_FORTIFY_SOURCE;-D_FORTIFY_SOURCE=2>")
  if(CMAKE_EXECUTABLE_FORMAT STREQUAL "ELF")
    check_linker_flag(CXX "LINKER:-z,relro,-z,now" QUILLET_HAVE_RELRO_NOW)
    if(QUILLET_HAVE_RELRO_NOW)
      add_link_options(LINKER:-z,relro LINKER:-z,now)
    endif()
  endif()
endif()

# A Windows program built with MinGW carries its C++ runtime inside, so that
# quillet-lunar.exe runs on its own, without MinGW's DLLs beside it.
if(MINGW)
  add_link_options(-static)
endif()

# Warnings for the project's own targets.
function(quillet_warnings target)
  if(MSVC)
    target_compile_options(${target} PRIVATE /W4)
  else()
    target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic)
  endif()
endfunction()
