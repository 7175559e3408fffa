# The outside conformance images that the picture decoder tests (tests/pictures)
# compare against: public BMP and GIF test suites, never part of this
# repository. yz_conformance is their folder (holding images/), or empty when
# this machine has none: the tests that need them are then skipped, saying so.
set(yz_conformance_help "the conformance images: the project's shared conformance/ folder \
(images/bmpsuite-2.8 and images/gif, described in its images/README.md); copy it beside the work \
tree as ../shared/conformance, or pass -DYZ_CONFORMANCE=<folder>")
set(YZ_CONFORMANCE "" CACHE PATH
  "Folder of the picture tests' conformance images (holding images/); empty: ../shared/conformance when it is there")
if(YZ_CONFORMANCE)
  if(NOT IS_DIRECTORY "${YZ_CONFORMANCE}/images")
    message(FATAL_ERROR "YZ_CONFORMANCE is ${YZ_CONFORMANCE}, which holds no images/ folder. "
      "It should hold ${yz_conformance_help}.")
  endif()
  get_filename_component(yz_conformance "${YZ_CONFORMANCE}" ABSOLUTE)
elseif(IS_DIRECTORY "${CMAKE_SOURCE_DIR}/../shared/conformance/images")
  get_filename_component(yz_conformance "${CMAKE_SOURCE_DIR}/../shared/conformance" ABSOLUTE)
else()
  set(yz_conformance "")
  message(STATUS "No conformance images: the decoder suite tests will be skipped. To run them, get ${yz_conformance_help}.")
endif()
