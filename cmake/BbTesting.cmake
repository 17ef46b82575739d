option(BB_BUILD_TESTS "Build the tests" ON)

if(BB_BUILD_TESTS)
    enable_testing()
    set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
    set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
    if(NOT EXISTS /usr/src/googletest/CMakeLists.txt)
        message(FATAL_ERROR "GoogleTest sources missing: apt-get install googletest")
    endif()
    add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
    include(GoogleTest)
endif()

# bb_add_gtest(NAME exe TIER unit|win32|e2e AREA area SOURCES ... [LIBS ...])
# A GoogleTest executable under build/<preset>/tests, its cases discovered by
# ctest and labelled with tier and area ("ctest -L binding").
function(bb_add_gtest)
    cmake_parse_arguments(T "" "NAME;TIER;AREA" "SOURCES;LIBS" ${ARGN})
    add_executable(${T_NAME} ${T_SOURCES})
    target_link_libraries(${T_NAME} PRIVATE ${T_LIBS} GTest::gmock GTest::gtest_main)
    set_target_properties(${T_NAME} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
    target_compile_definitions(${T_NAME} PRIVATE
        BB_SOURCE_DIR="${CMAKE_SOURCE_DIR}"
        BB_PROGRAM_DIR="${BB_PROGRAM_DIR}")
    gtest_discover_tests(${T_NAME}
        DISCOVERY_MODE PRE_TEST
        DISCOVERY_TIMEOUT 120
        PROPERTIES TIMEOUT 300)
    # Discovered tests cannot carry a list-valued LABELS property through
    # gtest_discover_tests; the folder's labels apply to every test in it.
    set_property(DIRECTORY APPEND PROPERTY LABELS ${T_TIER} ${T_AREA})
endfunction()

# bb_add_script_test(NAME name TIER tier AREA area COMMAND ...)
# A test that runs a command (a shell script of tests/e2e, say).
function(bb_add_script_test)
    cmake_parse_arguments(T "" "NAME;TIER;AREA" "COMMAND" ${ARGN})
    add_test(NAME ${T_NAME} COMMAND ${T_COMMAND})
    set_tests_properties(${T_NAME} PROPERTIES LABELS "${T_TIER};${T_AREA}" TIMEOUT 900)
endfunction()

# bb_add_layer(name [DEPS targets...] [WIN32_LIBS libs...] [POSIX_LIBS libs...])
# One static library per layer folder: its own *.cpp, plus win32/*.cpp on
# Windows or posix/*.cpp elsewhere, plus headless/*.cpp everywhere. New files
# join the build at the next configure (CONFIGURE_DEPENDS).
function(bb_add_layer name)
    cmake_parse_arguments(L "" "" "DEPS;WIN32_LIBS;POSIX_LIBS" ${ARGN})
    set(dir ${CMAKE_CURRENT_SOURCE_DIR})
    file(GLOB srcs CONFIGURE_DEPENDS ${dir}/*.cpp ${dir}/headless/*.cpp)
    if(BB_WIN32)
        file(GLOB plat CONFIGURE_DEPENDS ${dir}/win32/*.cpp)
    else()
        file(GLOB plat CONFIGURE_DEPENDS ${dir}/posix/*.cpp)
    endif()
    list(APPEND srcs ${plat})
    if(srcs)
        add_library(${name} STATIC ${srcs})
        target_link_libraries(${name} PUBLIC ${L_DEPS})
        if(BB_WIN32)
            target_link_libraries(${name} PUBLIC ${L_WIN32_LIBS})
        else()
            target_link_libraries(${name} PUBLIC ${L_POSIX_LIBS})
        endif()
    else()
        add_library(${name} INTERFACE)
        target_link_libraries(${name} INTERFACE ${L_DEPS})
    endif()
endfunction()
