# cd_module(<name> [DEPS <libs...>] [UI_DEPS <libs...>])
#
# Builds folder <name> as the static library cd_<name> from <name>/*.cpp (logic: QtCore and
# QtNetwork only) and, when <name>/ui/*.cpp exists, cd_<name>_ui on top of it with QtWidgets.
# Sources are globbed so that a new file only needs to be dropped into its folder.
function(cd_module name)
    cmake_parse_arguments(ARG "" "" "DEPS;UI_DEPS" ${ARGN})
    file(GLOB logic_src CONFIGURE_DEPENDS
         ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
    list(FILTER logic_src INCLUDE REGEX "\\.cpp$|\\.h$")
    set(has_cpp FALSE)
    foreach(f ${logic_src})
        if(f MATCHES "\\.cpp$")
            set(has_cpp TRUE)
        endif()
    endforeach()
    if(has_cpp)
        add_library(cd_${name} STATIC ${logic_src})
        target_include_directories(cd_${name} PUBLIC ${PROJECT_SOURCE_DIR})
        target_link_libraries(cd_${name} PUBLIC Qt6::Core Qt6::Network ${ARG_DEPS})
    else()
        # A folder that has only headers so far.
        add_library(cd_${name} INTERFACE)
        target_include_directories(cd_${name} INTERFACE ${PROJECT_SOURCE_DIR})
        target_link_libraries(cd_${name} INTERFACE Qt6::Core Qt6::Network ${ARG_DEPS})
    endif()

    file(GLOB ui_src CONFIGURE_DEPENDS
         ${CMAKE_CURRENT_SOURCE_DIR}/ui/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/ui/*.h)
    if(ui_src)
        add_library(cd_${name}_ui STATIC ${ui_src})
        target_link_libraries(cd_${name}_ui PUBLIC cd_${name} Qt6::Widgets ${ARG_UI_DEPS})
    endif()
endfunction()

# cd_test(<name> SOURCES_DIR <dir> LIBS <libs...>): one GoogleTest executable per test folder.
# Under ctest every case is its own test (CD_TEST_SHARDS=0, for working on a folder), or every
# program runs as CD_TEST_SHARDS processes that split its cases between them (the full runs).
set(CD_TEST_SHARDS 0 CACHE STRING "Processes per test program under ctest; 0 runs each case alone")
function(cd_test name)
    cmake_parse_arguments(ARG "" "DIR" "LIBS" ${ARGN})
    file(GLOB test_src CONFIGURE_DEPENDS ${ARG_DIR}/*.cpp ${ARG_DIR}/*.h)
    add_executable(${name} ${test_src} ${PROJECT_SOURCE_DIR}/tests/test_main.cpp)
    if(CD_SANITIZE)
        target_sources(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests/asan_webengine.cpp)
        target_link_libraries(${name} PRIVATE ${CMAKE_DL_LIBS})
    endif()
    target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gmock Qt6::Test Qt6::Widgets)
    target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR} ${PROJECT_SOURCE_DIR}/tests)
    if(CD_TEST_SHARDS GREATER 0)
        # A few processes per program: starting a test program (Qt, and the sanitizer runtime in
        # the sanitizer build) costs far more than most of its cases, so a full run does not pay
        # it once per case.
        math(EXPR last_shard "${CD_TEST_SHARDS} - 1")
        foreach(shard RANGE ${last_shard})
            add_test(NAME ${name}_${shard} COMMAND ${name})
            set_tests_properties(${name}_${shard} PROPERTIES ENVIRONMENT
                "QT_QPA_PLATFORM=offscreen;GTEST_TOTAL_SHARDS=${CD_TEST_SHARDS};GTEST_SHARD_INDEX=${shard}")
        endforeach()
    else()
        gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60
                             PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
    endif()
endfunction()
