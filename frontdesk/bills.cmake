# The rich-text bill viewers: the guest bill and the food bill, their texts and toolbar.
hotel_add_window_library(NAME frontdesk_bills
    SOURCES customerprintstatements.cpp foodbill.cpp frmcustomerprint.cpp frmfoodtxtview.cpp
            guestbill.cpp richtextviewer.cpp viewericons.cpp
    LIBS platform_controls)
