# Checks of the installed tree and of the Debian package; they run with the
# other tests.
if(NOT KELVARO_BUILD_TESTS)
    return()
endif()

if(TARGET kelvaro)
    set(with_program 1)
else()
    set(with_program 0)
endif()
# The windows' frame on Wayland, where the build has it.
if(TARGET kelvaro_fixed_frame)
    set(frame_plugin ${KELVARO_PLUGIN_INSTALL_DIR}/wayland-decoration-client/kelvaro-fixed-frame.so)
else()
    set(frame_plugin "")
endif()
add_test(NAME packaging.install_tree
    COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/tests/check_install_tree.sh
        ${CMAKE_COMMAND} ${CMAKE_BINARY_DIR} ${with_program} ${KELVARO_RELEASE} ${PROJECT_VERSION}
        "${frame_plugin}")
set_tests_properties(packaging.install_tree PROPERTIES LABELS packaging)

# Without the program there is nothing for the package's dependencies to be
# computed from.
if(TARGET kelvaro)
    add_test(NAME packaging.debian_package
        COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/tests/check_debian_package.sh
            ${CMAKE_COMMAND} ${CMAKE_CPACK_COMMAND} ${CMAKE_BINARY_DIR} ${PROJECT_VERSION})
    set_tests_properties(packaging.debian_package PROPERTIES LABELS packaging TIMEOUT 300)
endif()
