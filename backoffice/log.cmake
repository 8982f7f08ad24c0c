# The activity log viewer "Brevant Logs".
hotel_add_window_library(NAME backoffice_log SOURCES frmlog.cpp logstatements.cpp LIBS platform_controls)
