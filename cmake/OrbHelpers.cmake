# Warnings are errors in our own targets only (Qt and third-party headers are system includes).
function(orb_warnings target)
    target_compile_options(${target} PRIVATE -Wall -Wextra -Werror)
endfunction()

# One host library per hostapi/ folder: the contract headers it implements (API, relative to
# hostapi/, listed so that moc sees them) and its reference implementation (SOURCES, relative to host/).
function(orb_host_library target folder)
    cmake_parse_arguments(H "" "" "API;SOURCES" ${ARGN})
    list(TRANSFORM H_API PREPEND ${ORB_HOSTAPI_DIR}/)
    list(TRANSFORM H_SOURCES PREPEND ${CMAKE_CURRENT_SOURCE_DIR}/)
    add_library(${target} SHARED ${H_API} ${H_SOURCES})
    add_library(OrbDrawingWidgets::${target} ALIAS ${target})
    target_include_directories(${target} PUBLIC
        $<BUILD_INTERFACE:${ORB_HOSTAPI_DIR}>
        $<INSTALL_INTERFACE:${CMAKE_INSTALL_INCLUDEDIR}/OrbDrawingWidgets/hostapi>)
    target_include_directories(${target} PRIVATE ${CMAKE_CURRENT_SOURCE_DIR} ${CMAKE_CURRENT_SOURCE_DIR}/${folder})
    target_link_libraries(${target} PUBLIC Qt5::Core Qt5::Gui Qt5::Widgets Qt5::Sql Qt5::Xml)
    orb_warnings(${target})
    install(TARGETS ${target} EXPORT OrbDrawingWidgetsTargets
        LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}
        ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR}
        RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endfunction()

# A QtTest suite: one executable, registered with ctest under its folder's label.
function(orb_add_test name)
    cmake_parse_arguments(T "" "LABEL" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${T_SOURCES})
    target_link_libraries(${name} PRIVATE Qt5::Test OrbDrawingWidgets orbfakes ${T_LIBS})
    orb_warnings(${name})
    add_test(NAME ${name} COMMAND ${name})
    set_tests_properties(${name} PROPERTIES LABELS "${T_LABEL}"
        ENVIRONMENT "QT_QPA_PLATFORM=offscreen;XDG_RUNTIME_DIR=${CMAKE_BINARY_DIR}/xdg-runtime;ASAN_OPTIONS=detect_leaks=1;LSAN_OPTIONS=suppressions=${CMAKE_SOURCE_DIR}/tests/lsan.supp;UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1"
        TIMEOUT 300)
endfunction()

# Links a host library to others.
function(orb_host_link target)
    cmake_parse_arguments(L "" "" "PUBLIC;PRIVATE" ${ARGN})
    target_link_libraries(${target} PUBLIC ${L_PUBLIC} PRIVATE ${L_PRIVATE})
endfunction()
