# Runs a validator on a file; exits 77 (skipped) when the validator is not installed.
if(NOT TOOL OR TOOL MATCHES "NOTFOUND")
    message("validator not installed: run scripts/deps.sh")
    cmake_language(EXIT 77)
endif()
execute_process(COMMAND ${TOOL} ${ARGS} ${FILE} RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "${FILE} does not validate")
endif()
