# The libraries a cross build takes from the build machine's Debian packages.
#
# CLI11 and nlohmann-json are headers only, but their CMake packages would put all of
# /usr/include on the include path, where the build machine's C library would shadow the
# target's. Each library's own folder is linked into a folder of its own instead, and a package
# file in CMake's redirects folder makes find_package() give the usual target.
#
# GoogleTest is built for the target from the sources Debian ships (the prebuilt library is for
# the build machine), as C++20 like everything else; it names its targets GTest::gtest_main
# and so on itself.

function(tavrel_host_headers package target header_folder)
  if(NOT EXISTS ${header_folder})
    message(FATAL_ERROR "${header_folder} is missing: install the Debian package of ${package}")
  endif()
  get_filename_component(name ${header_folder} NAME)
  set(root ${CMAKE_BINARY_DIR}/host-headers/${package})
  file(MAKE_DIRECTORY ${root})
  file(CREATE_LINK ${header_folder} ${root}/${name} SYMBOLIC)
  string(TOLOWER ${package} lower)
  file(WRITE ${CMAKE_FIND_PACKAGE_REDIRECTS_DIR}/${lower}-config.cmake
       "if(NOT TARGET ${target})\n"
       "  add_library(${target} INTERFACE IMPORTED GLOBAL)\n"
       "  target_include_directories(${target} SYSTEM INTERFACE ${root})\n"
       "endif()\n")
endfunction()

tavrel_host_headers(CLI11 CLI11::CLI11 /usr/include/CLI)
tavrel_host_headers(nlohmann_json nlohmann_json::nlohmann_json /usr/include/nlohmann)

if(TAVREL_BUILD_TESTS)
  set(googletest_source /usr/src/googletest)
  if(NOT EXISTS ${googletest_source}/CMakeLists.txt)
    message(FATAL_ERROR "${googletest_source} is missing: install the Debian package googletest")
  endif()
  set(BUILD_GMOCK ON CACHE BOOL "" FORCE)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  add_subdirectory(${googletest_source} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)
  file(WRITE ${CMAKE_FIND_PACKAGE_REDIRECTS_DIR}/gtest-config.cmake "set(GTest_FOUND TRUE)\n")
endif()
