# Installs the build into a folder of its own and checks the installation:
#   - `cmake --install` puts exactly the program, its help pages, its desktop
#     entry and its icon where a system keeps them;
#   - the desktop entry starts the installed program with the installed icon;
#   - the installed program starts offscreen and keeps running;
#   - the help browser, run from the installed bin/ folder, shows the help
#     pages installed there.
# Called by CTest with -D BUILD_DIR=... -D SOURCE_DIR=... -D PREFIX=...
# -D HELP_CHECK=<the installed_help_check program>.
cmake_minimum_required(VERSION 3.21)

function(fail)
  string(JOIN "" message ${ARGN})
  message(FATAL_ERROR "${message}")
endfunction()

file(REMOVE_RECURSE "${PREFIX}")
execute_process(
  COMMAND ${CMAKE_COMMAND} -E env --unset=DESTDIR
          ${CMAKE_COMMAND} --install "${BUILD_DIR}" --prefix "${PREFIX}"
  RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(NOT result EQUAL 0)
  fail("cmake --install failed:\n${output}")
endif()

# What is installed, and nothing else: no test or benchmark program, no library.
set(expected
  bin/vorbelia
  share/applications/vorbelia.desktop
  share/icons/hicolor/scalable/apps/vorbelia.svg)
file(GLOB help_pages RELATIVE "${SOURCE_DIR}/assets/help" "${SOURCE_DIR}/assets/help/*.htm")
foreach(page IN LISTS help_pages)
  list(APPEND expected share/vorbelia/help/${page})
endforeach()
file(GLOB_RECURSE installed LIST_DIRECTORIES false RELATIVE "${PREFIX}" "${PREFIX}/*")
list(SORT expected)
list(SORT installed)
if(NOT installed STREQUAL expected)
  string(REPLACE ";" "\n  " installed "${installed}")
  string(REPLACE ";" "\n  " expected "${expected}")
  fail("installed:\n  ${installed}\nexpected:\n  ${expected}")
endif()
foreach(page IN LISTS help_pages)
  file(SHA256 "${SOURCE_DIR}/assets/help/${page}" source_hash)
  file(SHA256 "${PREFIX}/share/vorbelia/help/${page}" installed_hash)
  if(NOT source_hash STREQUAL installed_hash)
    fail("share/vorbelia/help/${page} differs from assets/help/${page}")
  endif()
endforeach()

# The desktop entry names the program and the icon by the names they are
# installed under, so that the desktop finds both on its search paths.
set(entry "${PREFIX}/share/applications/vorbelia.desktop")
file(STRINGS "${entry}" exec REGEX "^Exec=")
file(STRINGS "${entry}" icon REGEX "^Icon=")
if(NOT exec STREQUAL "Exec=vorbelia" OR NOT icon STREQUAL "Icon=vorbelia")
  fail("the desktop entry starts '${exec}' with '${icon}'")
endif()
find_program(desktop_file_validate desktop-file-validate)
if(desktop_file_validate)
  execute_process(COMMAND ${desktop_file_validate} "${entry}"
    RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
  if(NOT result EQUAL 0 OR NOT output STREQUAL "")
    fail("desktop-file-validate: ${output}")
  endif()
endif()

# The installed program, started offscreen, is still running after a few
# seconds: it found what it loads at start and shows its splash.
execute_process(COMMAND "${PREFIX}/bin/vorbelia" TIMEOUT 4
  RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(NOT result MATCHES "timeout")
  fail("the installed program ended (${result}) within 4 s:\n${output}")
endif()

# The help browser from the installed bin/ folder, beside the program.
file(COPY "${HELP_CHECK}" DESTINATION "${PREFIX}/bin")
get_filename_component(help_check "${HELP_CHECK}" NAME)
execute_process(COMMAND "${PREFIX}/bin/${help_check}" TIMEOUT 30
  RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(NOT result EQUAL 0)
  fail("the help pages installed are not the ones shown (${result}):\n${output}")
endif()
message(STATUS "installed into ${PREFIX}:\n${output}")
