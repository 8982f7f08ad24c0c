# The back office windows by name, for the main window to open (RegisterBackOfficeWindows).
hotel_add_window_library(NAME backoffice_windows SOURCES register.cpp
    LIBS backoffice_adminarea backoffice_log backoffice_stats backoffice_tax)
