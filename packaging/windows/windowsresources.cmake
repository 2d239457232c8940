# On Windows each executable carries the icon and a version resource, so that
# Explorer shows them; elsewhere zav_windows_resources() does nothing.
set(ZAV_WINDOWS_PACKAGING "${CMAKE_CURRENT_LIST_DIR}")

if(WIN32)
    # The icon is made once from the PNGs that the Linux desktop uses.
    find_program(ZAV_ICOTOOL icotool REQUIRED)
    set(ZAV_ICON "${CMAKE_BINARY_DIR}/zav-utility.ico")
    get_filename_component(pngs "${ZAV_WINDOWS_PACKAGING}/.." ABSOLUTE)
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS
                 "${pngs}/zav-utility-48.png" "${pngs}/zav-utility-128.png" "${pngs}/zav-utility-256.png")
    execute_process(
        COMMAND ${ZAV_ICOTOOL} -c -o "${ZAV_ICON}" "${pngs}/zav-utility-48.png" "${pngs}/zav-utility-128.png"
                "--raw=${pngs}/zav-utility-256.png"
        RESULT_VARIABLE icon_result)
    if(NOT icon_result EQUAL 0)
        message(FATAL_ERROR "icotool could not make ${ZAV_ICON}")
    endif()
endif()

# zav_windows_resources(TARGET "Description shown in Explorer")
function(zav_windows_resources target description)
    if(NOT WIN32)
        return()
    endif()
    set(ZAV_EXECUTABLE "${target}")
    set(ZAV_DESCRIPTION "${description}")
    set(rc "${CMAKE_CURRENT_BINARY_DIR}/${target}.rc")
    configure_file("${ZAV_WINDOWS_PACKAGING}/version.rc.in" "${rc}" @ONLY)
    set_source_files_properties("${rc}" PROPERTIES OBJECT_DEPENDS "${ZAV_ICON}")
    target_sources(${target} PRIVATE "${rc}")
endfunction()
