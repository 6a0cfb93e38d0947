# Common settings for every target of the project.
set(LUMA_WARNINGS -Wall -Wextra -Wpedantic -Wshadow -Wnon-virtual-dtor)
if(LUMA_WERROR)
  list(APPEND LUMA_WARNINGS -Werror)
endif()
if(LUMA_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  add_link_options(-fsanitize=address,undefined)
endif()

function(luma_setup_target target)
  target_compile_options(${target} PRIVATE ${LUMA_WARNINGS})
  target_compile_definitions(${target} PRIVATE QT_NO_CAST_FROM_ASCII QT_NO_NARROWING_CONVERSIONS_IN_CONNECT)
endfunction()

# luma_library(name SOURCES ... PUBLIC_LIBS ... PRIVATE_LIBS ...)
# Headers are included as "folder/File.h" from the repository root.
function(luma_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES;PUBLIC_LIBS;PRIVATE_LIBS" ${ARGN})
  add_library(${name} STATIC ${ARG_SOURCES})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
  target_link_libraries(${name} PUBLIC ${ARG_PUBLIC_LIBS} PRIVATE ${ARG_PRIVATE_LIBS})
  luma_setup_target(${name})
endfunction()

# luma_test(name LABEL core|app SOURCES ... LIBS ...)
function(luma_test name)
  cmake_parse_arguments(ARG "" "LABEL" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} test_support GTest::gtest GTest::gmock)
  luma_setup_target(${name})
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY "${CMAKE_BINARY_DIR}/tests")
  if(NOT ARG_LABEL)
    set(ARG_LABEL core)
  endif()
  gtest_discover_tests(${name}
    PROPERTIES LABELS ${ARG_LABEL} ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LUMA_BIN_DIR=${LUMA_RUNTIME_DIR};LUMA_TEST_DATA=${PROJECT_SOURCE_DIR}/tests/data"
    DISCOVERY_TIMEOUT 60)
endfunction()
