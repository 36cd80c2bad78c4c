# Precompiled headers: most of the time a window or test source takes to compile goes into
# parsing the same Qt and Google Test headers again. Each target of several sources that
# reaches Qt or Google Test precompiles the headers it can reach, once; its sources read
# them from there. The sources still include what they use, so a build without
# (-DORVANE_PCH=OFF) compiles the same.
option(ORVANE_PCH "Precompile the Qt and Google Test headers" ON)

set(ORVANE_PCH_CORE <QByteArray> <QDir> <QFile> <QFileInfo> <QObject> <QString>
    <QStringList> <QLoggingCategory> <memory> <string> <vector>)
set(ORVANE_PCH_GUI <QColor> <QImage> <QPainter> <QPixmap>)
set(ORVANE_PCH_WIDGETS <QAbstractButton> <QApplication> <QLabel> <QWidget>)
set(ORVANE_PCH_TEST <QTest>)
set(ORVANE_PCH_GTEST <gtest/gtest.h>)
# A target with fewer sources gains less than its header costs.
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

function(orvane_precompile_headers target)
  get_target_property(sources ${target} SOURCES)
  list(FILTER sources INCLUDE REGEX "\\.cpp$")
  list(LENGTH sources count)
  if(count LESS ORVANE_PCH_MIN_SOURCES)
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
  if(headers)
    target_precompile_headers(${target} PRIVATE ${headers})
  endif()
endfunction()

# Every library and program of the tree below `dir`, except the rules, which stay free of
# Qt and compile quickly as they are.
function(orvane_precompile_headers_under dir)
  get_property(targets DIRECTORY ${dir} PROPERTY BUILDSYSTEM_TARGETS)
  foreach(target IN LISTS targets)
    get_target_property(type ${target} TYPE)
    if(type MATCHES "^(STATIC_LIBRARY|EXECUTABLE)$" AND NOT target STREQUAL "orvane_game")
      orvane_precompile_headers(${target})
    endif()
  endforeach()
  get_property(subdirs DIRECTORY ${dir} PROPERTY SUBDIRECTORIES)
  foreach(sub IN LISTS subdirs)
    orvane_precompile_headers_under(${sub})
  endforeach()
endfunction()
