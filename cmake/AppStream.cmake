# The AppStream data that software centres read: installed into <datadir>/metainfo, named after
# its component id, and validated offline as a test (appstreamcli from Debian's appstream).
if(NOT TARGET tavrin)
  return()
endif()

set(TAVRIN_METAINFO ${PROJECT_SOURCE_DIR}/data/io.github.brindlecote.tavrin.metainfo.xml)
install(FILES ${TAVRIN_METAINFO} DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

add_test(NAME appstream_validate COMMAND appstreamcli validate --no-net ${TAVRIN_METAINFO})
