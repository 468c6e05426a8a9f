# Compiles the help project: cmake -P CompileHelp.cmake with SOURCE_DIR,
# WORK_DIR, PROJECT_FILE, OUTPUT, CHMCMD and ICONV set.
#
# The sources are UTF-8 so that they read well anywhere; the compiled help is
# for a Simplified Chinese system, so its text files are converted to code
# page 936 and the pages' charset declaration follows.
foreach(var SOURCE_DIR WORK_DIR PROJECT_FILE OUTPUT CHMCMD ICONV)
    if(NOT DEFINED ${var})
        message(FATAL_ERROR "CompileHelp.cmake: ${var} is not set")
    endif()
endforeach()

file(REMOVE_RECURSE ${WORK_DIR})
file(MAKE_DIRECTORY ${WORK_DIR})

file(GLOB sources RELATIVE ${SOURCE_DIR} ${SOURCE_DIR}/*)
foreach(name ${sources})
    if(name MATCHES "\\.(htm|html|hhc|hhk|hhp|css)$")
        file(READ ${SOURCE_DIR}/${name} text)
        string(REPLACE "charset=utf-8" "charset=gb2312" text "${text}")
        file(WRITE ${WORK_DIR}/${name}.utf8 "${text}")
        execute_process(
            COMMAND ${ICONV} -f UTF-8 -t GBK -o ${WORK_DIR}/${name} ${WORK_DIR}/${name}.utf8
            RESULT_VARIABLE rc ERROR_VARIABLE err)
        if(NOT rc EQUAL 0)
            message(FATAL_ERROR "Help page ${name} cannot be converted to code page 936: ${err}")
        endif()
        file(REMOVE ${WORK_DIR}/${name}.utf8)
    else()
        file(COPY ${SOURCE_DIR}/${name} DESTINATION ${WORK_DIR})
    endif()
endforeach()

execute_process(
    # The scan reports links to pages that do not exist.
    COMMAND ${CHMCMD} --html-scan --verbosity 5 ${PROJECT_FILE}
    WORKING_DIRECTORY ${WORK_DIR}
    RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE out)
string(REGEX REPLACE "\\.hhp$" ".chm" compiled ${PROJECT_FILE})
set(compiled ${WORK_DIR}/${compiled})
if(NOT rc EQUAL 0 OR NOT EXISTS ${compiled})
    message(FATAL_ERROR "chmcmd could not compile ${PROJECT_FILE} (exit ${rc}):\n${out}")
endif()
string(REGEX MATCHALL "(Error|Warning)[^\n]*" problems "${out}")
if(problems)
    list(JOIN problems "\n" problems)
    message(FATAL_ERROR "chmcmd found problems in the help pages:\n${problems}")
endif()
file(READ ${compiled} signature LIMIT 4 HEX)
if(NOT signature STREQUAL "49545346")  # "ITSF"
    message(FATAL_ERROR "${compiled} is no compiled help file")
endif()
file(COPY_FILE ${compiled} ${OUTPUT})
