#pragma once
// A window built at run time from a window template: placed on the work area by its
// placement mode, scaled to the screen's dots per inch, with its controls, fonts, colours,
// images, links and skin buttons. A derived window handles close, commands and its
// initialisation by overriding the three handlers.
#include "templateformat.h"

#include <QFont>
#include <QWidget>

#include <map>

namespace uninst {

enum : int { WindowCreated = 1, WindowNotCreated = -1 };

// The screen's scale in thousandths (1000 at 96 dots per inch).
int ScreenScale();

// The top-left corner of a window of `size` placed on `workArea` by `mode` (1 to 8), moved
// by the offsets and kept inside the work area.
QPoint PlaceWindow(const QRect &workArea, QSize size, uint32_t mode, int xOffset, int yOffset);

// The colour of a colour value or marker (0x00BBGGRR, or the system colours).
QColor TemplateColour(uint32_t value, const QPalette &system);

class TemplateWindow : public QWidget {
    Q_OBJECT
public:
    TemplateWindow();

    // Builds the window (or, for a template without WS_VISIBLE, the controls inside
    // `parent`): 1, -2 not a template, -6 out of memory, -1 a control could not be made
    // (the others are made).
    int create(const ByteString &bytes, QWidget *parent = nullptr);
    // The widget that holds the controls: this window, or the parent given to create().
    QWidget *host() const { return host_; }
    bool isOwnWindow() const { return host_ == this; }

    QWidget *control(uint32_t id) const;
    const WindowRecord &record() const { return window_; }
    const std::vector<ControlRecord> &controls() const { return controls_; }
    int scale() const { return scale_; }

protected:
    // True when handled; the base handles only the initialisation.
    virtual bool onClose() { return false; }
    virtual bool onCommand(uint32_t id, int notification) { return false; }
    virtual bool onInitDialog() { return true; }

    void closeEvent(QCloseEvent *event) override;

private:
    int createControl(const ControlRecord &record);
    void applyColours(QWidget *widget, const ControlRecord &record);

    int scale_;
    QWidget *host_ = nullptr;
    WindowRecord window_;
    std::vector<ControlRecord> controls_;
    std::map<uint32_t, QWidget *> byId_;
    QFont normalFont_, boldFont_, linkFont_;
};

} // namespace uninst
