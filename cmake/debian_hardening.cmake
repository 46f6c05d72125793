# Debian's hardening flags, as dpkg-buildflags gives them with every hardening
# feature on (on Debian 12: the stack protector, FORTIFY_SOURCE, format
# checks, read-only relocations bound at start), for every target, so the package is built as Debian builds its own. The build
# type keeps its own optimisation and debug levels. Builds with sanitizers
# (scripts/sanitize, scripts/fuzz) go without: FORTIFY's checked functions
# hide accesses from AddressSanitizer.
find_program(DPKG_BUILDFLAGS dpkg-buildflags)
if(NOT DPKG_BUILDFLAGS)
  message(STATUS "dpkg-buildflags not found (package dpkg-dev): building without Debian's hardening flags")
  return()
endif()
if(CMAKE_CXX_FLAGS MATCHES "-fsanitize")
  return()
endif()

function(ejteto_buildflags name out)
  execute_process(COMMAND ${CMAKE_COMMAND} -E env DEB_BUILD_MAINT_OPTIONS=hardening=+all ${DPKG_BUILDFLAGS} --get ${name}
                  OUTPUT_VARIABLE flags OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
  separate_arguments(flags UNIX_COMMAND "${flags}")
  list(FILTER flags EXCLUDE REGEX "^-O[0-9s]?$|^-g$|^-ffile-prefix-map=|^-fdebug-prefix-map=")
  set(${out} ${flags} PARENT_SCOPE)
endfunction()

ejteto_buildflags(CPPFLAGS cppflags)
ejteto_buildflags(CXXFLAGS cxxflags)
ejteto_buildflags(LDFLAGS ldflags)
add_compile_options(${cppflags} ${cxxflags})
add_link_options(${ldflags})
message(STATUS "Debian hardening flags: ${cppflags} ${cxxflags} | ${ldflags}")
