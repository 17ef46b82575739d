# bb_rc_templates(TARGET target SCRIPT file.rc OUTPUT file.cpp), in any folder
# after res/ (which includes this file first).
# Generates the dialog and menu tables of a resource script (res/DialogTemplate.h)
# at build time and adds them to `target`. The generator is a small C++ tool
# built for the build machine: a target of this build natively, a compile with
# the build machine's own compiler in the cross builds.
include_guard(GLOBAL)

set(BB_RC2TEMPLATE_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/RcScript.cpp
    ${CMAKE_CURRENT_LIST_DIR}/TemplateWriter.cpp
    ${CMAKE_CURRENT_LIST_DIR}/Rc2TemplateMain.cpp)
set(BB_RC2TEMPLATE_HEADERS
    ${CMAKE_CURRENT_LIST_DIR}/RcScript.h
    ${CMAKE_CURRENT_LIST_DIR}/TemplateWriter.h)

if(CMAKE_CROSSCOMPILING)
    find_program(BB_HOST_CXX NAMES c++ g++ REQUIRED)
    set(BB_RC2TEMPLATE ${CMAKE_BINARY_DIR}/tools/rc2template CACHE INTERNAL "the generator")
    add_custom_command(OUTPUT ${BB_RC2TEMPLATE}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/tools
        COMMAND ${BB_HOST_CXX} -std=c++20 -O1 -I${CMAKE_SOURCE_DIR} ${BB_RC2TEMPLATE_SOURCES} -o ${BB_RC2TEMPLATE}
        DEPENDS ${BB_RC2TEMPLATE_SOURCES} ${BB_RC2TEMPLATE_HEADERS}
        COMMENT "Building rc2template for the build machine")
    add_custom_target(rc2template DEPENDS ${BB_RC2TEMPLATE})
    set(BB_RC2TEMPLATE_FILE ${BB_RC2TEMPLATE} CACHE INTERNAL "the generator, a file of this build")
else()
    add_executable(rc2template ${BB_RC2TEMPLATE_SOURCES})
    set_target_properties(rc2template PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tools)
    set(BB_RC2TEMPLATE $<TARGET_FILE:rc2template> CACHE INTERNAL "the generator")
    set(BB_RC2TEMPLATE_FILE "" CACHE INTERNAL "")
endif()

function(bb_rc_templates)
    cmake_parse_arguments(G "" "TARGET;SCRIPT;OUTPUT" "" ${ARGN})
    add_custom_command(OUTPUT ${G_OUTPUT}
        COMMAND ${BB_RC2TEMPLATE} ${G_SCRIPT} ${G_OUTPUT}
        DEPENDS rc2template ${BB_RC2TEMPLATE_FILE} ${G_SCRIPT}
        COMMENT "Generating the dialog tables of ${G_SCRIPT}")
    target_sources(${G_TARGET} PRIVATE ${G_OUTPUT})
    add_dependencies(${G_TARGET} rc2template)
endfunction()
