#pragma once
// The base of every window of the program. A Form carries its own name as objectName
// ("frmBooking"), is loaded once (Form_Load runs before it is first shown), shown modally
// or not, hidden, and unloaded (Form_QueryUnload and Form_Unload may cancel); an unloaded
// form is destroyed, so the next use starts from a fresh instance. Positions and sizes are
// twips; for a child window of the main window they are those of its frame in the main
// window's client area.
//
// As a FormObject, a form hands itself to the settings component that saves and restores
// window positions.
#include "ui/formobject.h"

#include <QMdiSubWindow>
#include <QPointer>
#include <QWidget>
#include <optional>

namespace ui {

enum class FormKind {
    TopLevel,   // a window of its own
    MdiChild,   // lives in the main window's client area (see SetMdiArea)
};

// How Show shows.
inline constexpr int vbModeless = 0;
inline constexpr int vbModal = 1;

// WindowState values.
inline constexpr int vbNormal = 0;
inline constexpr int vbMinimized = 1;
inline constexpr int vbMaximized = 2;

// Why a form unloads (the UnloadMode handed to Form_QueryUnload).
inline constexpr int vbFormControlMenu = 0;   // the user closed it
inline constexpr int vbFormCode = 1;   // Unload in code
inline constexpr int vbAppWindows = 2;
inline constexpr int vbAppTaskManager = 3;
inline constexpr int vbFormMDIForm = 4;   // the main window is closing
inline constexpr int vbFormOwner = 5;

class Form : public QWidget, public FormObject {
    Q_OBJECT
public:
    explicit Form(const QString &name, FormKind kind = FormKind::TopLevel, QWidget *parent = nullptr);
    ~Form() override;

    FormKind Kind() const { return kind_; }

    // Loads the form when it is not loaded: places a child window in the main window's
    // client area, then runs Form_Load. Nothing is shown.
    void Load();
    bool IsLoaded() const { return loaded_; }

    // Loads when needed, shows and brings to the front. Modal: returns when the form has
    // been hidden or unloaded (a nested event loop runs meanwhile). A child window that
    // appears is made no larger than the visible part of the client area (as far as its
    // content allows) and opens wholly inside it when it fits there, else at its top left.
    void Show(int mode = vbModeless);
    void Hide();
    // Runs Form_QueryUnload and Form_Unload; false when one of them cancelled. The form is
    // then hidden and destroyed once control returns to the event loop.
    bool Unload(int mode = vbFormCode);

    QString Caption() const { return windowTitle(); }
    void SetCaption(const QString &caption) { setWindowTitle(caption); }

    // Twips. Left/Top/Width/Height are the outer frame; ScaleWidth/ScaleHeight the inside.
    int Left() const override;
    int Top() const override;
    int Width() const override;
    int Height() const override;
    int ScaleWidth() const;
    int ScaleHeight() const;
    void SetLeft(int twips);
    void SetTop(int twips);
    void SetWidth(int twips);
    void SetHeight(int twips);
    // As the runtime's Move: what is left out stays as it is.
    void Move(int left, std::optional<int> top = std::nullopt, std::optional<int> width = std::nullopt,
              std::optional<int> height = std::nullopt);
    void Move(int left, int top, int width, int height) override;

    int WindowState() const override;
    void SetWindowState(int state) override;

    // The primary screen.
    const ScreenObject &Screen() const override;

    // The widget that is the window on screen: the child window's frame, or the form itself.
    QWidget *Frame() const;
    QMdiSubWindow *SubWindow() const { return subWindow_; }

signals:
    void loaded();
    void unloaded();
    // The form stopped being shown (hidden or unloaded): ends a modal Show.
    void showEnded();

protected:
    // Called from code (Load, Show, Unload), an error of these passes on to the caller. Called
    // from Qt's events (the close box, a resize), it stops there (ui/handlerguard.h): a failed
    // unload leaves the window open.
    virtual void Form_Load() {}
    virtual void Form_QueryUnload(int &cancel, int unloadMode) {}
    virtual void Form_Unload(int &cancel) {}
    // Every change of size or window state, and the first display. Changes made while
    // Form_Load runs (restoring a saved state, a nested event loop) are handed on once the
    // load has finished, so a resize never replaces what the load is still using.
    virtual void Form_Resize() {}

    void closeEvent(QCloseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void moveEvent(QMoveEvent *event) override;
    void changeEvent(QEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void placeInMdiArea();
    void keepInView();
    QRect frameRect() const;             // pixels, in the frame's parent (or the screen)
    void setFrameRect(const QRect &r);
    void applyPendingFrame();
    void resized();

    FormKind kind_;
    bool loaded_ = false;
    bool loading_ = false;
    bool resizedWhileLoading_ = false;
    bool unloading_ = false;
    QPointer<QMdiSubWindow> subWindow_;
    // A child window's state as its frame last announced it. Sizing a maximised frame (as
    // the client area does when the main window's size changes) clears the frame's flag for
    // a moment, while the window is resized, before the frame maximises itself again: a
    // position saved meanwhile must not take the maximised size for the normal one.
    bool maximised_ = false;
    // Frame set before the window was first shown, kept until its border's size is known.
    std::optional<QRect> pendingFrame_;
};

} // namespace ui
