# Warnings are errors in our own targets only (Qt and third-party headers are system includes).
function(orb_warnings target)
    target_compile_options(${target} PRIVATE -Wall -Wextra -Werror)
endfunction()

# Sources of one folder, listed by pattern so that each subsystem owns its folder.
function(orb_collect out)
    set(files)
    foreach(dir ${ARGN})
        file(GLOB found CONFIGURE_DEPENDS
            ${dir}/*.h ${dir}/*.cpp ${dir}/*.ui ${dir}/*.qrc)
        list(APPEND files ${found})
    endforeach()
    set(${out} ${files} PARENT_SCOPE)
endfunction()

# One host library per hostapi/ folder: its declarations (for moc) and its reference implementation.
function(orb_host_library target folder)
    orb_collect(sources ${ORB_HOSTAPI_DIR}/${folder} ${CMAKE_CURRENT_SOURCE_DIR}/${folder})
    if(NOT sources)
        # A host library without sources yet: headers only.
        add_library(${target} INTERFACE)
        add_library(OrbDrawingWidgets::${target} ALIAS ${target})
        target_include_directories(${target} INTERFACE
            $<BUILD_INTERFACE:${ORB_HOSTAPI_DIR}>
            $<INSTALL_INTERFACE:${CMAKE_INSTALL_INCLUDEDIR}/OrbDrawingWidgets/hostapi>)
        install(TARGETS ${target} EXPORT OrbDrawingWidgetsTargets)
        return()
    endif()
    add_library(${target} SHARED ${sources})
    orb_autogen_refresh(${target})
    add_library(OrbDrawingWidgets::${target} ALIAS ${target})
    target_include_directories(${target} PUBLIC
        $<BUILD_INTERFACE:${ORB_HOSTAPI_DIR}>
        $<INSTALL_INTERFACE:${CMAKE_INSTALL_INCLUDEDIR}/OrbDrawingWidgets/hostapi>)
    target_include_directories(${target} PRIVATE ${CMAKE_CURRENT_SOURCE_DIR}/${folder})
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
    orb_autogen_refresh(${name})
    target_link_libraries(${name} PRIVATE Qt5::Test OrbDrawingWidgets orbfakes ${T_LIBS})
    orb_warnings(${name})
    add_test(NAME ${name} COMMAND ${name})
    set_tests_properties(${name} PROPERTIES LABELS "${T_LABEL}"
        ENVIRONMENT "QT_QPA_PLATFORM=offscreen;XDG_RUNTIME_DIR=${CMAKE_BINARY_DIR}/xdg-runtime;ASAN_OPTIONS=detect_leaks=1;LSAN_OPTIONS=suppressions=${CMAKE_SOURCE_DIR}/tests/lsan.supp;UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1"
        TIMEOUT 300)
endfunction()

# Adds every immediate subfolder that carries a CMakeLists.txt.
function(orb_add_subfolders)
    file(GLOB children LIST_DIRECTORIES true ${CMAKE_CURRENT_SOURCE_DIR}/*)
    foreach(child ${children})
        if(IS_DIRECTORY ${child} AND EXISTS ${child}/CMakeLists.txt)
            add_subdirectory(${child})
        endif()
    endforeach()
endfunction()

# Links a host library to others: PUBLIC items, then PRIVATE items (dropped for header-only ones).
function(orb_host_link target)
    cmake_parse_arguments(L "" "" "PUBLIC;PRIVATE" ${ARGN})
    get_target_property(type ${target} TYPE)
    if(type STREQUAL "INTERFACE_LIBRARY")
        target_link_libraries(${target} INTERFACE ${L_PUBLIC})
    else()
        target_link_libraries(${target} PUBLIC ${L_PUBLIC} PRIVATE ${L_PRIVATE})
    endif()
endfunction()

# Ninja does not rerun moc/uic when a re-glob adds a header or form to a target; dropping the
# autogen timestamp at configure time makes the next build rescan (cheap: results are cached).
function(orb_autogen_refresh target)
    file(REMOVE ${CMAKE_CURRENT_BINARY_DIR}/${target}_autogen/timestamp)
endfunction()
