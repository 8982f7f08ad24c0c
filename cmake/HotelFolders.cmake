# The one list of source folders. The program's build adds each of them; tests/ adds its mirror
# of each (tests/core/db for core/db), bench/ the mirrors it has. A folder that should be built
# but has no CMakeLists.txt fails the configure, and so does a missing test mirror or a folder
# of platform/ or core/ that the list forgets: a lost file must not drop a library or its tests
# unseen.
set(HOTEL_SOURCE_FOLDERS
    platform/vb platform/profile platform/registry platform/system platform/com platform/crypt
    platform/ado platform/ui platform/controls
    inilib numberlib schema
    core/state core/crypto core/db core/login core/ui core/aids core/mainwindow core/windows
    frontdesk backoffice app uninstaller tools/hoteldb)

# Stops the configure when `folder` has no CMakeLists.txt.
function(hotel_require_cmakelists folder)
    if(NOT EXISTS ${folder}/CMakeLists.txt)
        file(RELATIVE_PATH shown ${PROJECT_SOURCE_DIR} ${folder})
        message(FATAL_ERROR "${shown}/ has no CMakeLists.txt, so nothing in it would be built or tested. "
                            "Restore it, or remove the folder.")
    endif()
endfunction()

# hotel_add_folders([PRESENT_ONLY]): add_subdirectory(folder) for every listed folder under the
# calling folder; each must be there. PRESENT_ONLY (bench/) skips the folders it has no mirror of.
function(hotel_add_folders)
    cmake_parse_arguments(F "PRESENT_ONLY" "" "" ${ARGN})
    foreach(dir ${HOTEL_SOURCE_FOLDERS})
        set(folder ${CMAKE_CURRENT_SOURCE_DIR}/${dir})
        if(NOT IS_DIRECTORY ${folder})
            if(F_PRESENT_ONLY)
                continue()
            endif()
            file(RELATIVE_PATH shown ${PROJECT_SOURCE_DIR} ${folder})
            message(FATAL_ERROR "${shown}/ is missing: every source folder of HOTEL_SOURCE_FOLDERS "
                                "(cmake/HotelFolders.cmake) has its folder here.")
        endif()
        hotel_require_cmakelists(${folder})
        add_subdirectory(${dir})
    endforeach()
endfunction()

# hotel_add_topic_folders(): add_subdirectory for every folder below the calling one (the topics
# of the front desk and the back office, and their tests).
function(hotel_add_topic_folders)
    file(GLOB children LIST_DIRECTORIES true ${CMAKE_CURRENT_SOURCE_DIR}/*)
    foreach(child ${children})
        if(IS_DIRECTORY ${child})
            hotel_require_cmakelists(${child})
            add_subdirectory(${child})
        endif()
    endforeach()
endfunction()

# Every folder of platform/ and core/ is in the list.
function(hotel_check_folders_listed)
    foreach(area platform core)
        file(GLOB children LIST_DIRECTORIES true RELATIVE ${PROJECT_SOURCE_DIR} ${PROJECT_SOURCE_DIR}/${area}/*)
        foreach(child ${children})
            if(IS_DIRECTORY ${PROJECT_SOURCE_DIR}/${child} AND NOT child IN_LIST HOTEL_SOURCE_FOLDERS)
                message(FATAL_ERROR "${child}/ is not in HOTEL_SOURCE_FOLDERS (cmake/HotelFolders.cmake), "
                                    "so it would not be built. Add it there.")
            endif()
        endforeach()
    endforeach()
endfunction()
