# Compiles one language's help sources into its .chm with chmcmd, in a
# scratch copy of the folder, and stops on any warning or error: a warning
# there means a page or picture is missing from the compiled help.
#   cmake -DCHMCMD=<chmcmd> -DHELP_DIR=<help/en> -DWORK_DIR=<scratch>
#         -DOUTPUT=<bin/english.chm> -P tools/compile-help.cmake
cmake_minimum_required(VERSION 3.25)
foreach(v CHMCMD HELP_DIR WORK_DIR OUTPUT)
    if(NOT ${v})
        message(FATAL_ERROR "${v} must be given")
    endif()
endforeach()

file(GLOB project "${HELP_DIR}/*.hhp")
get_filename_component(project_name "${project}" NAME)
file(STRINGS "${project}" compiled REGEX "^Compiled file=")
string(REGEX REPLACE "^Compiled file=" "" compiled "${compiled}")

file(REMOVE_RECURSE "${WORK_DIR}")
file(COPY "${HELP_DIR}/" DESTINATION "${WORK_DIR}")
execute_process(COMMAND "${CHMCMD}" "${project_name}"
    WORKING_DIRECTORY "${WORK_DIR}"
    RESULT_VARIABLE status
    OUTPUT_VARIABLE out
    ERROR_VARIABLE err)
set(log "${out}${err}")
string(REGEX MATCHALL "[^\n]*(Warning|Error|exception)[^\n]*" problems "${log}")
if(NOT status EQUAL 0 OR problems OR NOT EXISTS "${WORK_DIR}/${compiled}")
    message(FATAL_ERROR "chmcmd ${project_name} (status ${status}):\n${log}")
endif()
file(COPY_FILE "${WORK_DIR}/${compiled}" "${OUTPUT}")
message(STATUS "${compiled}: compiled without warnings")
