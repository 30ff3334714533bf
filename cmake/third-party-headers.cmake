# nlohmann/json and RapidXml are installed Debian packages. Their headers are
# linked into a private folder of the build tree so that the cross compiler
# sees exactly these two libraries and nothing else of /usr/include.
set(NOTCH_THIRD_PARTY_INCLUDE ${CMAKE_BINARY_DIR}/third-party-include)
file(MAKE_DIRECTORY ${NOTCH_THIRD_PARTY_INCLUDE})
foreach(library nlohmann rapidxml)
  set(source /usr/include/${library})
  if(NOT EXISTS ${source})
    message(FATAL_ERROR "${source} is missing: run scripts/setup")
  endif()
  file(CREATE_LINK ${source} ${NOTCH_THIRD_PARTY_INCLUDE}/${library} SYMBOLIC)
endforeach()

add_library(notch_third_party INTERFACE)
target_include_directories(notch_third_party SYSTEM INTERFACE ${NOTCH_THIRD_PARTY_INCLUDE})
