# Installation and packages: for Linux a Debian package with the stripped program, its gzipped
# manual page, the copyright, changelog, README and example site; for Windows a zip with one
# top-level folder holding the program, a README for Windows users, the manual as text, the
# licence and the example site, every text file with CR LF line ends.
include(GNUInstallDirs)

set(VUQ_PACKAGE_MAINTAINER "The vuq2html developers <nobody@localhost>"
    CACHE STRING "Name and address of whoever publishes the packages")
set(VUQ_PACKAGE_MAINTAINER_PLACEHOLDER "The vuq2html developers <nobody@localhost>")

set(CPACK_PACKAGE_NAME vuq2html)
set(CPACK_PACKAGE_VENDOR "The vuq2html developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY ${PROJECT_DESCRIPTION})
set(CPACK_PACKAGE_DESCRIPTION_FILE ${PROJECT_SOURCE_DIR}/packaging/debian/description.txt)
set(CPACK_PACKAGE_CONTACT ${VUQ_PACKAGE_MAINTAINER})
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_RESOURCE_FILE_README ${PROJECT_SOURCE_DIR}/README.md)
set(CPACK_STRIP_FILES ON)

if(WIN32)
  set(staging ${PROJECT_BINARY_DIR}/windows-package)
  set(crlf_copy ${PROJECT_SOURCE_DIR}/cmake/crlf_copy.cmake)
  configure_file(packaging/windows/README.txt ${PROJECT_BINARY_DIR}/README-windows.txt @ONLY)
  set(package_commands COMMAND ${CMAKE_COMMAND} -E rm -rf ${staging})
  foreach(pair IN ITEMS "${PROJECT_BINARY_DIR}/README-windows.txt|README.txt"
                        "${PROJECT_SOURCE_DIR}/LICENSE|LICENSE.txt"
                        "${PROJECT_SOURCE_DIR}/examples|examples")
    string(REPLACE "|" ";" pair "${pair}")
    list(GET pair 0 from)
    list(GET pair 1 to)
    list(APPEND package_commands COMMAND ${CMAKE_COMMAND} -DSOURCE=${from}
         -DDESTINATION=${staging}/${to} -P ${crlf_copy})
  endforeach()
  find_program(GROFF_PROGRAM groff)
  if(GROFF_PROGRAM)
    # The manual as plain text, for a system without man.
    list(APPEND package_commands
         COMMAND ${GROFF_PROGRAM} -man -Tascii -rHY=0 -P-cbou ${PROJECT_SOURCE_DIR}/doc/vuq2html.1
                 > ${PROJECT_BINARY_DIR}/vuq2html.txt
         COMMAND ${CMAKE_COMMAND} -DSOURCE=${PROJECT_BINARY_DIR}/vuq2html.txt
                 -DDESTINATION=${staging}/vuq2html.txt -P ${crlf_copy})
  else()
    message(WARNING "groff not found: the Windows package goes without its manual")
  endif()
  add_custom_target(windows_package_files ALL ${package_commands}
                    DEPENDS packaging/windows/README.txt doc/vuq2html.1 LICENSE
                    COMMENT "Laying out the Windows package's text files" VERBATIM)
  install(TARGETS vuq2html RUNTIME DESTINATION .)
  install(DIRECTORY ${staging}/ DESTINATION . PATTERN "HTML" EXCLUDE)

  set(CPACK_GENERATOR ZIP)
  set(CPACK_SYSTEM_NAME windows-x86_64)
  set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY ON)
else()
  # The changelog's first entry must be this version's.
  file(STRINGS packaging/debian/changelog.in changelog_top LIMIT_COUNT 1)
  if(NOT changelog_top MATCHES "^vuq2html \\(${PROJECT_VERSION}\\) ")
    message(FATAL_ERROR "packaging/debian/changelog.in has no entry for ${PROJECT_VERSION}")
  endif()
  configure_file(packaging/debian/changelog.in ${PROJECT_BINARY_DIR}/changelog @ONLY)
  find_program(GZIP_PROGRAM gzip REQUIRED)
  set(gzipped ${PROJECT_BINARY_DIR}/vuq2html.1.gz ${PROJECT_BINARY_DIR}/changelog.gz)
  add_custom_command(
      OUTPUT ${gzipped}
      COMMAND ${GZIP_PROGRAM} -9n -c ${PROJECT_SOURCE_DIR}/doc/vuq2html.1
              > ${PROJECT_BINARY_DIR}/vuq2html.1.gz
      COMMAND ${GZIP_PROGRAM} -9n -c ${PROJECT_BINARY_DIR}/changelog
              > ${PROJECT_BINARY_DIR}/changelog.gz
      DEPENDS doc/vuq2html.1 ${PROJECT_BINARY_DIR}/changelog
      COMMENT "Compressing the manual page and the changelog" VERBATIM)
  add_custom_target(compressed_documents ALL DEPENDS ${gzipped})

  install(TARGETS vuq2html RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  install(FILES ${PROJECT_BINARY_DIR}/vuq2html.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
  install(FILES packaging/debian/copyright ${PROJECT_BINARY_DIR}/changelog.gz README.md
          DESTINATION ${CMAKE_INSTALL_DOCDIR})
  install(DIRECTORY examples DESTINATION ${CMAKE_INSTALL_DOCDIR} PATTERN "HTML" EXCLUDE)

  set(CPACK_GENERATOR DEB)
  set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
  set(CPACK_DEBIAN_PACKAGE_SECTION text)
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
  # Directories the package shares with the system belong to root, as dpkg expects.
  set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
endif()
include(CPack)
