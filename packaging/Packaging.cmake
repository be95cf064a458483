# Installing and the Debian package. `cmake --install` puts the editor, rungpad-cli, the desktop
# entry, the MIME type, the icons and the man page under the prefix; `cpack -G DEB` packages the
# same tree, with its dependencies worked out from the shared libraries the programs link.
include(GNUInstallDirs)

set(RUNGPAD_PACKAGING_DIR ${CMAKE_CURRENT_LIST_DIR})
set(RUNGPAD_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/rungpad)

# Man pages and the changelog are installed compressed, as Debian expects; gzip -n keeps the
# bytes reproducible.
function(rungpad_gzip_file source output)
    add_custom_command(OUTPUT ${output}
                       COMMAND gzip -9nc ${source} > ${output}
                       DEPENDS ${source} VERBATIM)
endfunction()

configure_file(${RUNGPAD_PACKAGING_DIR}/changelog ${PROJECT_BINARY_DIR}/packaging/changelog @ONLY)
rungpad_gzip_file(${PROJECT_BINARY_DIR}/packaging/changelog
                  ${PROJECT_BINARY_DIR}/packaging/changelog.gz)
set(RUNGPAD_MAN_PAGES ${PROJECT_SOURCE_DIR}/src/cli/rungpad-cli.1)
if(TARGET rungpad)
    list(APPEND RUNGPAD_MAN_PAGES ${PROJECT_SOURCE_DIR}/src/gui/rungpad.1)
endif()
set(RUNGPAD_COMPRESSED ${PROJECT_BINARY_DIR}/packaging/changelog.gz)
foreach(page ${RUNGPAD_MAN_PAGES})
    get_filename_component(name ${page} NAME)
    rungpad_gzip_file(${page} ${PROJECT_BINARY_DIR}/packaging/${name}.gz)
    install(FILES ${PROJECT_BINARY_DIR}/packaging/${name}.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
    list(APPEND RUNGPAD_COMPRESSED ${PROJECT_BINARY_DIR}/packaging/${name}.gz)
endforeach()
add_custom_target(rungpad_compressed_docs ALL DEPENDS ${RUNGPAD_COMPRESSED})
install(FILES ${RUNGPAD_PACKAGING_DIR}/copyright ${PROJECT_BINARY_DIR}/packaging/changelog.gz
        DESTINATION ${RUNGPAD_DOC_DIR})
# The user guide the editor's Help menu opens: the README and docs/ with its pictures.
install(FILES ${PROJECT_SOURCE_DIR}/README.md DESTINATION ${RUNGPAD_DOC_DIR})
install(DIRECTORY ${PROJECT_SOURCE_DIR}/docs/ DESTINATION ${RUNGPAD_DOC_DIR}/docs
        FILES_MATCHING PATTERN "*.md" PATTERN "*.png")

set(CPACK_PACKAGE_NAME rungpad)
set(CPACK_PACKAGE_VENDOR "The Rungpad developers")
set(CPACK_PACKAGE_CONTACT "Rungpad developers <rungpad@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "ladder program editor for CNC machine tools")
set(CPACK_PACKAGE_DESCRIPTION
    "Rungpad draws PLC ladder networks on a grid of numbered lines, checks every
address as it is typed, converts the diagram into the instruction list and the
binary image the controller runs, and prints it. rungpad-cli makes every output
scriptable and compares programs, also as a git diff driver.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION electronics)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-wqy-zenhei")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://rungpad.example.org/")
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
include(CPack)
