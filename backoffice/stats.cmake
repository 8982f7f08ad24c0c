# The revenue report "Report View": a month of daily figures as a chart.
hotel_add_window_library(NAME backoffice_stats
    SOURCES frmstats.cpp frmstats_chart.cpp statsstatements.cpp
    LIBS platform_controls)
