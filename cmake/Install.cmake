# Installing: the program and everything it loads beside itself (libraries, pictures,
# sounds, the manual) go to one folder, <prefix>/lib/orvane-cards by default, since the
# program finds its content through its own folder. <prefix>/bin/orvane-cards is a
# relative symbolic link to it; the program's folder is the link's target, not the
# link's place. The desktop entry, metainfo and icons go to the usual places under share/.
# The command-line analyser goes to <prefix>/bin itself.

include(GNUInstallDirs)

set(ORVANE_INSTALL_PROGRAM_DIR lib/orvane-cards
    CACHE STRING "Folder under the prefix for the program and its content")
set(ORVANE_INSTALL_DOC_DIR ${CMAKE_INSTALL_DATAROOTDIR}/doc/orvane-cards)

install(TARGETS orvane-cards RUNTIME DESTINATION ${ORVANE_INSTALL_PROGRAM_DIR})
# The command-line analyser needs no content beside it: straight into bin/, in a component
# of its own so that it can be installed alone (cmake --install ... --component analysis).
install(TARGETS orvane-analysis RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT analysis)

# The generated content: top-level files by kind, then the whole Data folder. The tests
# that share the folder stay behind.
install(DIRECTORY ${ORVANE_CONTENT_DIR}/
        DESTINATION ${ORVANE_INSTALL_PROGRAM_DIR}
        FILES_MATCHING
        PATTERN "*.dll"
        PATTERN "*.zqi"
        PATTERN "*.jpg"
        PATTERN "Data" EXCLUDE
        PATTERN "help" EXCLUDE)
install(DIRECTORY ${ORVANE_CONTENT_DIR}/Data DESTINATION ${ORVANE_INSTALL_PROGRAM_DIR})
install(DIRECTORY ${PROJECT_SOURCE_DIR}/content/help DESTINATION ${ORVANE_INSTALL_PROGRAM_DIR})
foreach(pair ${ORVANE_MANUAL_PICTURES})
  string(REPLACE "=" ";" names ${pair})
  list(GET names 0 source)
  list(GET names 1 target)
  install(FILES ${PROJECT_SOURCE_DIR}/docs/${source}
          DESTINATION ${ORVANE_INSTALL_PROGRAM_DIR}/help/pictures RENAME ${target})
endforeach()

# The link in bin/, made once in the build tree and installed as a link.
file(RELATIVE_PATH _program_from_bin /${CMAKE_INSTALL_BINDIR}
     /${ORVANE_INSTALL_PROGRAM_DIR}/orvane-cards)
set(_link_dir ${CMAKE_BINARY_DIR}/install-link)
file(MAKE_DIRECTORY ${_link_dir})
file(CREATE_LINK ${_program_from_bin} ${_link_dir}/orvane-cards SYMBOLIC)
install(FILES ${_link_dir}/orvane-cards DESTINATION ${CMAKE_INSTALL_BINDIR})

install(FILES ${PROJECT_SOURCE_DIR}/content/desktop/orvane-cards.desktop
        DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/applications)
install(FILES ${ORVANE_METAINFO} DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/metainfo)
install(FILES ${PROJECT_SOURCE_DIR}/content/desktop/orvane-cards.svg
        DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/icons/hicolor/scalable/apps)
if(ORVANE_BUILD_CONTENT)
  # The PNG sizes are drawn by the table generator.
  install(DIRECTORY ${ORVANE_ICON_DIR}/hicolor DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/icons)
endif()

install(FILES ${PROJECT_SOURCE_DIR}/LICENSE ${PROJECT_SOURCE_DIR}/content/licenses/CARD-DECKS.md
        DESTINATION ${ORVANE_INSTALL_DOC_DIR})
