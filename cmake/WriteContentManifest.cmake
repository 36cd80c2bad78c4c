# Writes Data/manifest.txt in the program folder: one line per content file the game
# loads, "sha256  size  relative/path", sorted by path, then the list's own line. The game checks its content
# against it at start-up. Run as a script: cmake -DPROGRAM_DIR=<folder> -P <this file>.
# The file is rewritten only when a line changes, so an unchanged build installs the same
# manifest and does not touch its time stamp.

if(NOT PROGRAM_DIR)
  message(FATAL_ERROR "PROGRAM_DIR is not set")
endif()

# The same kinds of files the install rules carry.
file(GLOB top_files RELATIVE ${PROGRAM_DIR}
     ${PROGRAM_DIR}/*.dll ${PROGRAM_DIR}/*.zqi ${PROGRAM_DIR}/*.jpg)
file(GLOB_RECURSE data_files RELATIVE ${PROGRAM_DIR}
     ${PROGRAM_DIR}/Data/* ${PROGRAM_DIR}/help/*)
list(REMOVE_ITEM data_files Data/manifest.txt)
set(files ${top_files} ${data_files})
list(SORT files)

set(text "")
foreach(file IN LISTS files)
  file(SHA256 ${PROGRAM_DIR}/${file} digest)
  file(SIZE ${PROGRAM_DIR}/${file} size)
  string(APPEND text "${digest}  ${size}  ${file}\n")
endforeach()

# The list's own line last: the digest and size of every byte above it, so a list cut
# short or changed is told as damaged instead of passing off what it no longer lists.
string(SHA256 own_digest "${text}")
string(LENGTH "${text}" own_size)
string(APPEND text "${own_digest}  ${own_size}  Data/manifest.txt\n")

set(manifest ${PROGRAM_DIR}/Data/manifest.txt)
set(old "")
if(EXISTS ${manifest})
  file(READ ${manifest} old)
endif()
if(NOT old STREQUAL text)
  file(WRITE ${manifest} "${text}")
endif()
