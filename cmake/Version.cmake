# The version is set once, in project(); everything that shows or stores it includes the
# generated header through the orvane_version target.
set(ORVANE_VERSION_DIR ${CMAKE_BINARY_DIR}/generated)
configure_file(${CMAKE_CURRENT_LIST_DIR}/OrvaneVersion.h.in
               ${ORVANE_VERSION_DIR}/OrvaneVersion.h @ONLY)
add_library(orvane_version INTERFACE)
target_include_directories(orvane_version INTERFACE ${ORVANE_VERSION_DIR})
