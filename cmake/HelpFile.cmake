# The help file Dirvane.chm: Chinese pages under resources/help (UTF-8),
# converted to the help viewer's code page 936 and compiled with chmcmd, the
# Free Pascal CHM compiler (Debian package fp-utils). The file lands next to
# Dirvane.exe, where the help menu looks for it.
find_program(DIRVANE_CHMCMD chmcmd)
if(NOT DIRVANE_CHMCMD)
    message(FATAL_ERROR
        "chmcmd was not found, so the help file Dirvane.chm cannot be compiled. "
        "Install the Free Pascal utilities: apt-get install fp-utils")
endif()
find_program(DIRVANE_ICONV iconv)
if(NOT DIRVANE_ICONV)
    message(FATAL_ERROR "iconv was not found; it converts the help pages to code page 936.")
endif()

get_target_property(_dirvane_exe_dir Dirvane RUNTIME_OUTPUT_DIRECTORY)
if(NOT _dirvane_exe_dir)
    set(_dirvane_exe_dir ${CMAKE_BINARY_DIR})
endif()
set(DIRVANE_HELP_FILE ${_dirvane_exe_dir}/Dirvane.chm)

file(GLOB DIRVANE_HELP_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/resources/help/*)
add_custom_command(
    OUTPUT ${DIRVANE_HELP_FILE}
    COMMAND ${CMAKE_COMMAND}
        -DSOURCE_DIR=${CMAKE_SOURCE_DIR}/resources/help
        -DWORK_DIR=${CMAKE_BINARY_DIR}/help
        -DPROJECT_FILE=Dirvane.hhp
        -DOUTPUT=${DIRVANE_HELP_FILE}
        -DCHMCMD=${DIRVANE_CHMCMD}
        -DICONV=${DIRVANE_ICONV}
        -P ${CMAKE_SOURCE_DIR}/cmake/CompileHelp.cmake
    DEPENDS ${DIRVANE_HELP_SOURCES} ${CMAKE_SOURCE_DIR}/cmake/CompileHelp.cmake
    COMMENT "Compiling the help file Dirvane.chm"
    VERBATIM)
add_custom_target(dirvane_help ALL DEPENDS ${DIRVANE_HELP_FILE})
# Whatever needs the program (the tests too) finds its help file beside it.
add_dependencies(Dirvane dirvane_help)
