#pragma once
// A main window whose client area takes the child windows, as the program's main window
// does; shown at the given size, and removed as the client area again when it goes.
//
//   testsupport::MdiHost host(1000, 720);
//   QVERIFY(QTest::qWaitForWindowExposed(&host.main));
#include "ui/forms.h"

#include <QMainWindow>
#include <QMdiArea>

namespace testsupport {

struct MdiHost {
    QMainWindow main;
    QMdiArea *area = new QMdiArea;

    MdiHost(int width, int height)
    {
        main.setCentralWidget(area);
        main.resize(width, height);
        ui::SetMdiArea(area);
        main.show();
    }
    ~MdiHost() { ui::SetMdiArea(nullptr); }
    MdiHost(const MdiHost &) = delete;
    MdiHost &operator=(const MdiHost &) = delete;
};

} // namespace testsupport
