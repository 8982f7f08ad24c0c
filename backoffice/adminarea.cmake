# The administration area's statements: rooms, accounts, catalogue and settings.
hotel_add_window_library(NAME backoffice_adminstatements
    SOURCES catalogstatements.cpp roomstatements.cpp settingsstatements.cpp userstatements.cpp)
# The administration window with its five tabs, the room editor and the user rights editor.
hotel_add_window_library(NAME backoffice_adminarea
    SOURCES accountguards.cpp floateditor.cpp frmadminarea.cpp frmadminarea_catalog.cpp frmadminarea_controls.cpp
            frmadminarea_rooms.cpp frmadminarea_settings.cpp frmadminarea_users.cpp frmroomadminfloat.cpp
            usereditfloat.cpp
    LIBS backoffice_adminstatements core_crypto platform_controls)
