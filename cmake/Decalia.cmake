# Shared build settings and the helpers every layer folder uses.

add_library(decalia_warnings INTERFACE)
target_compile_options(decalia_warnings INTERFACE -Wall -Wextra -Wpedantic -Wshadow
  -Wnon-virtual-dtor -Wold-style-cast -Wcast-align -Wunused -Woverloaded-virtual
  -Wconversion -Wsign-conversion -Wnull-dereference -Wdouble-promotion -Wformat=2
  -Wimplicit-fallthrough)

if(DECALIA_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer
    -fno-sanitize-recover=undefined)
  add_link_options(-fsanitize=address,undefined)
endif()

if(WIN32)
  # Programs and the texture library carry their runtime, so the program folder
  # needs no compiler DLLs beside it.
  add_compile_definitions(WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601)
  add_link_options(-static -static-libgcc -static-libstdc++)
endif()

# Sources of one host only live in a posix/ or windows/ subfolder.
if(WIN32)
  set(DECALIA_OTHER_HOST posix)
  set(DECALIA_THIS_HOST windows)
else()
  set(DECALIA_OTHER_HOST windows)
  set(DECALIA_THIS_HOST posix)
endif()
function(decalia_drop_other_host list_var)
  set(kept ${${list_var}})
  list(FILTER kept EXCLUDE REGEX "/${DECALIA_OTHER_HOST}/")
  set(${list_var} ${kept} PARENT_SCOPE)
endfunction()

# The folder a program and its data are laid out in: the demo simulator tree.
set(DECALIA_SIM_DIR ${PROJECT_BINARY_DIR}/sim)
set(DECALIA_APP_DIR "${DECALIA_SIM_DIR}/Kestrelworks Software/Decalia")

# One static library per layer folder; sources are found by globbing so that a
# new file needs no edit here. A folder with no sources yet is an interface.
function(decalia_library name dir)
  cmake_parse_arguments(ARG "" "" "DEPS" ${ARGN})
  file(GLOB_RECURSE srcs CONFIGURE_DEPENDS ${dir}/*.cpp)
  decalia_drop_other_host(srcs)
  if(srcs)
    add_library(${name} STATIC ${srcs})
    target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
    target_link_libraries(${name} PUBLIC ${ARG_DEPS} PRIVATE decalia_warnings)
  else()
    add_library(${name} INTERFACE)
    target_include_directories(${name} INTERFACE ${PROJECT_SOURCE_DIR}/src)
    target_link_libraries(${name} INTERFACE ${ARG_DEPS})
  endif()
endfunction()

# One test program per tests/ folder, linking only the layer it tests.
function(decalia_tests name dir)
  cmake_parse_arguments(ARG "" "" "LIBS" ${ARGN})
  file(GLOB srcs CONFIGURE_DEPENDS ${dir}/*.cpp ${dir}/${DECALIA_THIS_HOST}/*.cpp)
  if(NOT srcs)
    return()
  endif()
  add_executable(${name} ${srcs})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} decalia_test_support
    GTest::gtest_main GTest::gmock decalia_warnings)
  target_compile_definitions(${name} PRIVATE DECALIA_SOURCE_DIR="${DECALIA_TEST_HOST_ROOT}${PROJECT_SOURCE_DIR}")
  if(CMAKE_CROSSCOMPILING)
    # Listing the tests runs the program under the emulator: done by ctest.
    gtest_discover_tests(${name} DISCOVERY_TIMEOUT 120 DISCOVERY_MODE PRE_TEST)
  else()
    gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60)
  endif()
endfunction()
