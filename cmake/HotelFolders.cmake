# The one list of source folders. The program's build adds each folder that has a
# CMakeLists.txt; tests/ and bench/ add their mirror of each (tests/core/db for core/db).
set(HOTEL_SOURCE_FOLDERS
    platform/vb platform/profile platform/registry platform/system platform/com platform/crypt
    platform/ado platform/ui platform/controls
    inilib numberlib schema
    core/state core/crypto core/db core/login core/ui core/aids core/mainwindow core/windows
    frontdesk backoffice app uninstaller tools/hoteldb)

# hotel_add_folders(): add_subdirectory(folder) for every listed folder that has a
# CMakeLists.txt under the calling folder.
function(hotel_add_folders)
    foreach(dir ${HOTEL_SOURCE_FOLDERS})
        if(EXISTS ${CMAKE_CURRENT_SOURCE_DIR}/${dir}/CMakeLists.txt)
            add_subdirectory(${dir})
        endif()
    endforeach()
endfunction()
