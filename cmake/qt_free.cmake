# The physics (moist air, R12, chart calibration, the unit and room models)
# builds as libraries of the C++ standard library alone; the windows and
# pictures bind them to Qt in targets of their own. Three things hold that:
#   - a Qt-free library gets no Qt include path, so a Qt include in one of its
#     files does not compile;
#   - vorbelia_check_qt_free(), run once every target exists, stops the
#     configuration when Qt is linked into one of them, directly or through a
#     library it links, or when a Qt include path reaches one of them;
#   - the test build.qt_free_physics compiles a file that includes <QString>
#     with their settings and passes only when that include is not found.

# A static library of the current folder's given files that uses no Qt.
function(vorbelia_qt_free_library target)
  add_library(${target} STATIC ${ARGN})
  set_target_properties(${target} PROPERTIES AUTOMOC OFF AUTOUIC OFF AUTORCC OFF)
  target_include_directories(${target} PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
  vorbelia_target_defaults(${target})
  set_property(GLOBAL APPEND PROPERTY VORBELIA_QT_FREE_TARGETS ${target})
endfunction()

# The sources of the current folder, less those of its Qt-free library.
function(vorbelia_folder_sources out)
  file(GLOB sources CONFIGURE_DEPENDS RELATIVE ${CMAKE_CURRENT_SOURCE_DIR}
    ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
  if(ARGN)
    list(REMOVE_ITEM sources ${ARGN})
  endif()
  set(${out} ${sources} PARENT_SCOPE)
endfunction()

# Fails on the first Qt library, or include path within `qt_headers`, found
# in `target` or in what it links, `chain` naming the way there.
function(_vorbelia_refuse_qt target chain qt_headers)
  get_property(seen GLOBAL PROPERTY _VORBELIA_QT_FREE_SEEN)
  if(target IN_LIST seen)
    return()
  endif()
  set_property(GLOBAL APPEND PROPERTY _VORBELIA_QT_FREE_SEEN ${target})
  get_target_property(aliased ${target} ALIASED_TARGET)
  if(aliased)
    set(target ${aliased})
  endif()

  set(properties INTERFACE_LINK_LIBRARIES INTERFACE_INCLUDE_DIRECTORIES)
  get_target_property(imported ${target} IMPORTED)
  if(NOT imported)
    list(APPEND properties LINK_LIBRARIES INCLUDE_DIRECTORIES)
  endif()
  foreach(property IN LISTS properties)
    get_target_property(values ${target} ${property})
    if(NOT values)
      continue()
    endif()
    foreach(value IN LISTS values)
      if(property MATCHES "LINK_LIBRARIES$")
        if(value MATCHES "Qt[0-9]*::|(^|/)(lib)?Qt[0-9]+[A-Za-z]")
          message(FATAL_ERROR "${chain} links ${value}: the physics libraries use no Qt")
        endif()
        string(REGEX REPLACE "^\\$<LINK_ONLY:(.*)>$" "\\1" value "${value}")
        if(TARGET ${value})
          _vorbelia_refuse_qt(${value} "${chain} -> ${value}" "${qt_headers}")
        endif()
      else()
        foreach(qt_dir IN LISTS qt_headers)
          string(FIND "${value}" "${qt_dir}" at)
          if(at EQUAL 0)
            message(FATAL_ERROR "${chain} has Qt's include path ${value}: the physics libraries use no Qt")
          endif()
        endforeach()
      endif()
    endforeach()
  endforeach()
endfunction()

function(vorbelia_check_qt_free)
  get_target_property(qt_headers Qt6::Core INTERFACE_INCLUDE_DIRECTORIES)
  get_property(targets GLOBAL PROPERTY VORBELIA_QT_FREE_TARGETS)
  foreach(target IN LISTS targets)
    set_property(GLOBAL PROPERTY _VORBELIA_QT_FREE_SEEN "")
    _vorbelia_refuse_qt(${target} ${target} "${qt_headers}")
  endforeach()

  # Built only by the test, which passes when the compiler cannot find <QString>.
  add_library(qt_free_probe OBJECT EXCLUDE_FROM_ALL ${PROJECT_SOURCE_DIR}/cmake/qt_free_probe.cpp)
  set_target_properties(qt_free_probe PROPERTIES AUTOMOC OFF AUTOUIC OFF AUTORCC OFF)
  target_link_libraries(qt_free_probe PRIVATE ${targets})
  add_test(NAME build.qt_free_physics
    COMMAND ${CMAKE_COMMAND} --build ${CMAKE_BINARY_DIR} --target qt_free_probe)
  set_tests_properties(build.qt_free_physics PROPERTIES
    PASS_REGULAR_EXPRESSION "QString'?:? (No such file or directory|file not found)")
endfunction()
