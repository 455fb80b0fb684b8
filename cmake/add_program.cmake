# add_program(<dir> [NAME <binary>] [DEFINES <definition>...])
# Builds <dir>/main.cpp (relative to the calling CMakeLists.txt) into <build>/bin/<binary>, where
# <binary> defaults to the directory's name, and installs it. Every program is recorded in the
# global property SUITE_PROGRAMS, which the tests use to find what each test binary needs.
function(add_program dir)
    cmake_parse_arguments(PARSE_ARGV 1 ARG "" "NAME" "DEFINES")
    get_filename_component(name "${dir}" NAME)
    if(ARG_NAME)
        set(name "${ARG_NAME}")
    endif()
    add_executable(${name} "${CMAKE_CURRENT_SOURCE_DIR}/${dir}/main.cpp")
    target_compile_definitions(${name} PRIVATE ${ARG_DEFINES})
    set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY "${CMAKE_BINARY_DIR}/bin")
    install(TARGETS ${name} RUNTIME)
    set_property(GLOBAL APPEND PROPERTY SUITE_PROGRAMS ${name})
endfunction()
