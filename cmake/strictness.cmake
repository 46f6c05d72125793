# How the program's own code is held to Qt's stricter rules, in one place.
# Every compiled target of src/, tools/ and bench/ links ejteto::strict
# PRIVATE; every target of tests/ links ejteto::strict_tests PRIVATE. Being
# PRIVATE, neither reaches the targets that link those libraries.

# The rules the tests obey too: no QString turned into bytes unnoticed, no
# text taken for an address, no narrowing in a connection, no Q_FOREACH.
add_library(ejteto_strict_common INTERFACE)
target_compile_definitions(ejteto_strict_common INTERFACE
  QT_NO_CAST_TO_ASCII
  QT_NO_URL_CAST_FROM_STRING
  QT_NO_NARROWING_CONVERSIONS_IN_CONNECT
  QT_NO_FOREACH)

# The program says for every text how it becomes a QString.
add_library(ejteto_strict INTERFACE)
target_compile_definitions(ejteto_strict INTERFACE QT_NO_CAST_FROM_ASCII)
target_link_libraries(ejteto_strict INTERFACE ejteto_strict_common)
add_library(ejteto::strict ALIAS ejteto_strict)

# Test tables compare against plain string literals; a run-time char* still
# never turns into a QString unnoticed.
add_library(ejteto_strict_tests INTERFACE)
target_compile_definitions(ejteto_strict_tests INTERFACE QT_RESTRICTED_CAST_FROM_ASCII)
target_link_libraries(ejteto_strict_tests INTERFACE ejteto_strict_common)
add_library(ejteto::strict_tests ALIAS ejteto_strict_tests)

# Fails the configure when a compiled target in `folder` or below does not
# link `strict` directly: a new target cannot slip past the rules.
function(ejteto_require_strict folder strict)
  get_property(targets DIRECTORY ${folder} PROPERTY BUILDSYSTEM_TARGETS)
  foreach(target IN LISTS targets)
    get_target_property(type ${target} TYPE)
    if(type MATCHES "^(EXECUTABLE|STATIC_LIBRARY|SHARED_LIBRARY|OBJECT_LIBRARY)$")
      get_target_property(sources ${target} SOURCES)
      # Qt's resource objects hold generated code only.
      if(sources MATCHES "\\.cpp" AND NOT target MATCHES "_resources_[0-9]+$")
        get_target_property(linked ${target} LINK_LIBRARIES)
        if(NOT strict IN_LIST linked)
          message(FATAL_ERROR "${target} (${folder}) must link ${strict} PRIVATE (cmake/strictness.cmake)")
        endif()
      endif()
    endif()
  endforeach()
  get_property(subfolders DIRECTORY ${folder} PROPERTY SUBDIRECTORIES)
  foreach(subfolder IN LISTS subfolders)
    ejteto_require_strict(${subfolder} ${strict})
  endforeach()
endfunction()
