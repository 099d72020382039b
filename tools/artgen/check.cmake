# Runs artgen twice and compares what it writes, byte for byte, with the
# pictures committed in assets/images: the drawing must be repeatable and the
# committed files must be exactly what the generator draws.
#   cmake -DARTGEN=<artgen> -DWORK=<scratch directory> -DEXPECTED=<assets/images> -P check.cmake
foreach(run first second)
    set(dir ${WORK}/${run})
    file(REMOVE_RECURSE ${dir})
    execute_process(COMMAND ${ARTGEN} ${dir} RESULT_VARIABLE status)
    if(NOT status EQUAL 0)
        message(FATAL_ERROR "artgen failed (${status})")
    endif()
    file(GLOB made RELATIVE ${dir} ${dir}/*)
    file(GLOB committed RELATIVE ${EXPECTED} ${EXPECTED}/*)
    list(SORT made)
    list(SORT committed)
    if(NOT made STREQUAL committed)
        message(FATAL_ERROR "artgen writes [${made}] but assets/images holds [${committed}]")
    endif()
    foreach(name IN LISTS made)
        execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${dir}/${name} ${EXPECTED}/${name}
                        RESULT_VARIABLE differs)
        if(NOT differs EQUAL 0)
            list(APPEND changed "${run} run: ${name}")
        endif()
    endforeach()
endforeach()
if(changed)
    string(JOIN ", " changed ${changed})
    message(FATAL_ERROR "differs from the committed picture: ${changed}\n"
                        "Run `build/tools/artgen assets/images` and commit the pictures.")
endif()
message(STATUS "artgen draws exactly the committed pictures")
