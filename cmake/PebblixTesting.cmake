include(GoogleTest)
find_package(GTest REQUIRED)

# Tests never touch the player's own registry or need a display: every test process gets a
# throw-away registry path, the offscreen platform and a private runtime folder (Qt insists on
# 0700 when running as root). The game they start speaks English whatever the desktop speaks.
set(PEBBLIX_TEST_RUNTIME_DIR ${CMAKE_BINARY_DIR}/test-runtime)
file(MAKE_DIRECTORY ${PEBBLIX_TEST_RUNTIME_DIR})
file(CHMOD ${PEBBLIX_TEST_RUNTIME_DIR} DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE)

set(PEBBLIX_TEST_ENVIRONMENT
    "QT_QPA_PLATFORM=offscreen"
    "XDG_RUNTIME_DIR=${PEBBLIX_TEST_RUNTIME_DIR}"
    "PEBBLIX_REGISTRY=${CMAKE_BINARY_DIR}/test-registry.sqlite"
    "LANGUAGE=en")

# pebblix_add_gtest(<target> SOURCES <files...> [LIBRARIES <libs...>] [TIMEOUT <seconds>]
#                   [LABELS <labels...>] [OWN_MAIN])
# Builds a GoogleTest executable and registers each of its cases with CTest. OWN_MAIN is for
# tests that bring their own main (for example one that creates the QApplication first).
function(pebblix_add_gtest target)
  cmake_parse_arguments(ARG "OWN_MAIN" "TIMEOUT" "SOURCES;LIBRARIES;LABELS" ${ARGN})
  if(NOT ARG_TIMEOUT)
    set(ARG_TIMEOUT 120)
  endif()
  add_executable(${target} ${ARG_SOURCES})
  target_link_libraries(${target} PRIVATE ${ARG_LIBRARIES} GTest::gtest GTest::gmock)
  if(NOT ARG_OWN_MAIN)
    target_link_libraries(${target} PRIVATE GTest::gtest_main)
  endif()
  gtest_discover_tests(${target}
    DISCOVERY_MODE PRE_TEST
    PROPERTIES TIMEOUT ${ARG_TIMEOUT} ENVIRONMENT "${PEBBLIX_TEST_ENVIRONMENT}" LABELS "${ARG_LABELS}")
endfunction()
