# Compiler settings shared by every target of the project.

add_compile_definitions(
    QT_NO_FOREACH
    QT_NO_URL_CAST_FROM_STRING
    QT_DISABLE_DEPRECATED_UP_TO=0x060400
)

if(ENABLE_SANITIZERS)
    add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer)
    add_link_options(-fsanitize=address,undefined)
endif()

function(project_warnings target)
    if(MSVC)
        target_compile_options(${target} PRIVATE /W4)
    else()
        target_compile_options(${target} PRIVATE
            -Wall -Wextra -Wpedantic -Wshadow -Wformat-nonliteral
            # Qt's logging macros take their message after the category.
            $<$<CXX_COMPILER_ID:Clang>:-Wno-gnu-zero-variadic-macro-arguments>)
    endif()
endfunction()

# add_project_test(NAME SOURCES file... LIBS target... [LABELS l...] [TIMEOUT s])
# One Qt Test executable, registered with ctest to run headless. Suites run in
# well under a second, so a hang fails within TIMEOUT (30 s unless a suite
# needs more); one whose cases all skip (QSKIP) is reported as skipped.
function(add_project_test name)
    cmake_parse_arguments(T "" "TIMEOUT" "SOURCES;LIBS;LABELS" ${ARGN})
    if(NOT T_TIMEOUT)
        set(T_TIMEOUT 30)
    endif()
    add_executable(${name} ${T_SOURCES})
    project_warnings(${name})
    target_link_libraries(${name} PRIVATE Qt6::Test ${T_LIBS})
    add_test(NAME ${name} COMMAND ${name})
    set_tests_properties(${name} PROPERTIES
        ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LC_ALL=C.UTF-8"
        TIMEOUT ${T_TIMEOUT}
        # Qt Test counts initTestCase and cleanupTestCase as passed.
        SKIP_REGULAR_EXPRESSION "Totals: [0-2] passed, 0 failed, [1-9][0-9]* skipped"
        LABELS "${T_LABELS}")
endfunction()
