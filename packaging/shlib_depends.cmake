# Read by cpack (CPACK_PROJECT_CONFIG_FILE) as it makes a package: the Debian
# package's shared-library dependencies, from dpkg-shlibdeps on the program,
# the one binary the package holds. CPack's own discovery would start `file`
# once for each of the course's nearly 4,000 files to find that binary, which
# takes three minutes.
if(CPACK_GENERATOR STREQUAL "DEB")
  file(REMOVE_RECURSE "${EJTETO_SHLIBDEPS_DIR}")
  # dpkg-shlibdeps runs in a source package's folder and wants its control file.
  file(MAKE_DIRECTORY "${EJTETO_SHLIBDEPS_DIR}/debian")
  file(WRITE "${EJTETO_SHLIBDEPS_DIR}/debian/control" "")
  execute_process(COMMAND dpkg-shlibdeps -O "${EJTETO_PACKAGED_PROGRAM}"
                  WORKING_DIRECTORY "${EJTETO_SHLIBDEPS_DIR}"
                  OUTPUT_VARIABLE shlibs ERROR_VARIABLE shlibs_errors RESULT_VARIABLE shlibs_status
                  OUTPUT_STRIP_TRAILING_WHITESPACE)
  file(REMOVE_RECURSE "${EJTETO_SHLIBDEPS_DIR}")
  if(NOT shlibs_status STREQUAL "0" OR NOT shlibs MATCHES "^shlibs:Depends=(.+)$")
    message(FATAL_ERROR "dpkg-shlibdeps found no dependencies of ${EJTETO_PACKAGED_PROGRAM} "
                        "(${shlibs_status}): ${shlibs_errors}")
  endif()
  string(APPEND CPACK_DEBIAN_PACKAGE_DEPENDS ", ${CMAKE_MATCH_1}")
endif()
