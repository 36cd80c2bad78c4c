# Precompiled headers: most of the time a window or test source takes to compile goes into
# parsing the same Qt and Google Test headers again. The headers a target can reach are
# precompiled once for every target that reaches the same ones under the same macros, and
# their sources read them from there. The sources still include what they use, so a build
# without (-DORVANE_PCH=OFF) compiles the same.
option(ORVANE_PCH "Precompile the Qt and Google Test headers" ON)

set(ORVANE_PCH_CORE <QByteArray> <QDir> <QFile> <QFileInfo> <QObject> <QString>
    <QStringList> <QLoggingCategory> <memory> <string> <vector>)
set(ORVANE_PCH_GUI <QColor> <QImage> <QPainter> <QPixmap>)
set(ORVANE_PCH_WIDGETS <QAbstractButton> <QApplication> <QLabel> <QWidget>)
set(ORVANE_PCH_TEST <QTest>)
set(ORVANE_PCH_GTEST <gtest/gtest.h>)
# A target of fewer sources that shares its headers with no other gains less than they cost.
set(ORVANE_PCH_MIN_SOURCES 4)

# Collects in ${out} every library `target` links, directly or through other targets.
function(orvane_linked_libraries target out)
  set(seen ${${out}})
  get_target_property(type ${target} TYPE)
  if(type STREQUAL "INTERFACE_LIBRARY")
    get_target_property(libs ${target} INTERFACE_LINK_LIBRARIES)
  else()
    get_target_property(libs ${target} LINK_LIBRARIES)
    get_target_property(public ${target} INTERFACE_LINK_LIBRARIES)
    list(APPEND libs ${public})
  endif()
  foreach(lib IN LISTS libs)
    if(lib AND NOT lib IN_LIST seen)
      list(APPEND seen ${lib})
      if(TARGET ${lib})
        orvane_linked_libraries(${lib} seen)
      endif()
    endif()
  endforeach()
  set(${out} ${seen} PARENT_SCOPE)
endfunction()

# The headers `target` would precompile, in ${out}, and its C++ sources' count; no headers
# for a target without C++ sources or one that reaches neither Qt nor Google Test.
# ${key_out} names what else a precompiled header depends on: the target's own compile
# options (an optimisation level of its own, the sanitizers or not), the Qt modules it
# links (each defines a QT_*_LIB macro that Qt's headers test) and, with Qt Test, its
# folder (Qt Test's folder macros name it).
function(orvane_pch_headers target out key_out count_out)
  get_target_property(sources ${target} SOURCES)
  list(FILTER sources INCLUDE REGEX "\\.cpp$")
  list(LENGTH sources count)
  set(${count_out} ${count} PARENT_SCOPE)
  set(${out} "" PARENT_SCOPE)
  if(count EQUAL 0)
    return()
  endif()
  set(libs)
  orvane_linked_libraries(${target} libs)
  set(headers)
  # Each library the target links brings its own set of headers.
  foreach(pair IN ITEMS "Qt6::Core=CORE" "Qt6::Gui=GUI" "Qt6::Widgets=WIDGETS" "Qt6::Test=TEST"
                        "GTest::gtest=GTEST" "GTest::gtest_main=GTEST")
    string(REPLACE "=" ";" pair "${pair}")
    list(GET pair 0 library)
    list(GET pair 1 set_name)
    if(library IN_LIST libs)
      list(APPEND headers ${ORVANE_PCH_${set_name}})
    endif()
  endforeach()
  list(REMOVE_DUPLICATES headers)
  get_target_property(options ${target} COMPILE_OPTIONS)
  if(ORVANE_SANITIZE)
    get_target_property(plain ${target} ORVANE_PLAIN_TEST_CODE)
    string(APPEND options "|${plain}")
  endif()
  set(qt_modules ${libs})
  list(FILTER qt_modules INCLUDE REGEX "^Qt6::")
  list(SORT qt_modules)
  set(key "${headers}|${options}|${qt_modules}")
  if("Qt6::Test" IN_LIST libs)
    get_target_property(folder ${target} SOURCE_DIR)
    string(APPEND key "|${folder}")
  endif()
  string(MD5 key "${key}")
  set(${out} ${headers} PARENT_SCOPE)
  set(${key_out} ${key} PARENT_SCOPE)
endfunction()

# First pass: counts the targets of each set of headers and macros, and picks the one that
# makes the header for all: one without macros of its own, as a precompiled header can
# only be read by a compile that defines every macro it was made under.
function(orvane_plan_shared_pch target)
  orvane_pch_headers(${target} headers key count)
  if(NOT headers)
    return()
  endif()
  get_property(sharers GLOBAL PROPERTY ORVANE_PCH_SHARERS_${key})
  if(NOT sharers)
    set(sharers 0)
  endif()
  math(EXPR sharers "${sharers} + 1")
  set_property(GLOBAL PROPERTY ORVANE_PCH_SHARERS_${key} ${sharers})
  get_property(maker GLOBAL PROPERTY ORVANE_PCH_MAKER_${key})
  get_target_property(definitions ${target} COMPILE_DEFINITIONS)
  if(NOT maker AND NOT definitions)
    set_property(GLOBAL PROPERTY ORVANE_PCH_MAKER_${key} ${target})
  endif()
endfunction()

# Second pass: the maker of a shared header makes it, the others of its set read it (each
# made again cost as much as compiling three sources); a target of a set with no maker
# makes its own. The compiler's -Winvalid-pch, an error with ORVANE_WERROR, says so if a
# target ever reads a header made under other macros.
function(orvane_precompile_headers target)
  orvane_pch_headers(${target} headers key count)
  if(NOT headers)
    return()
  endif()
  get_property(maker GLOBAL PROPERTY ORVANE_PCH_MAKER_${key})
  get_property(sharers GLOBAL PROPERTY ORVANE_PCH_SHARERS_${key})
  if(maker AND sharers GREATER 1)
    if(maker STREQUAL target)
      target_precompile_headers(${target} PRIVATE ${headers})
    else()
      target_precompile_headers(${target} REUSE_FROM ${maker})
    endif()
    return()
  endif()
  if(NOT count LESS ORVANE_PCH_MIN_SOURCES)
    target_precompile_headers(${target} PRIVATE ${headers})
  endif()
endfunction()

# Every library and program of the tree below `dir`, except the rules, which stay free of
# Qt and compile quickly as they are: first counted, then given their headers.
function(orvane_pch_targets_under dir out)
  set(found ${${out}})
  get_property(targets DIRECTORY ${dir} PROPERTY BUILDSYSTEM_TARGETS)
  foreach(target IN LISTS targets)
    get_target_property(type ${target} TYPE)
    if(type MATCHES "^(STATIC_LIBRARY|OBJECT_LIBRARY|EXECUTABLE)$"
       AND NOT target STREQUAL "orvane_game")
      list(APPEND found ${target})
    endif()
  endforeach()
  get_property(subdirs DIRECTORY ${dir} PROPERTY SUBDIRECTORIES)
  foreach(sub IN LISTS subdirs)
    orvane_pch_targets_under(${sub} found)
  endforeach()
  set(${out} ${found} PARENT_SCOPE)
endfunction()

function(orvane_precompile_headers_under dir)
  set(targets)
  orvane_pch_targets_under(${dir} targets)
  foreach(target IN LISTS targets)
    orvane_plan_shared_pch(${target})
  endforeach()
  foreach(target IN LISTS targets)
    orvane_precompile_headers(${target})
  endforeach()
endfunction()
