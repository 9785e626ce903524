# cmake -DMETAINFO=FILE -DVERSION=X.Y.Z -P CheckMetainfo.cmake
# Validates the AppStream metainfo without the network, strictly (otherwise a missing content
# rating is only a note), and checks that its newest release (the first one listed) is the
# project's version, so that a version bump cannot forget it.
execute_process(COMMAND appstreamcli validate --no-net --strict ${METAINFO}
                RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE out)
message("${out}")
if(NOT status EQUAL 0)
  message(FATAL_ERROR "appstreamcli validate --no-net --strict failed (status ${status})")
endif()
file(READ ${METAINFO} xml)
string(REGEX MATCH "<release version=\"([^\"]*)\"" first "${xml}")
if(NOT CMAKE_MATCH_1 STREQUAL VERSION)
  message(FATAL_ERROR "the newest release is '${CMAKE_MATCH_1}', the project's version ${VERSION}")
endif()
