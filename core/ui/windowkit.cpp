#include "core/ui/windowkit.h"

#include "core/state/connecthandler.h"
#include "ui/form.h"
#include "ui/twips.h"
#include "ui/vbcolor.h"

#include <QApplication>
#include <QGuiApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QShortcut>
#include <QStyle>
#include <QTimer>

#include <algorithm>

namespace core {

namespace {

// Selects the whole text when the box takes the focus by mouse or keyboard. The selection
// waits for the end of the click: the press that gave the focus would otherwise place the
// cursor and undo it.
class SelectAllOnFocus : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::FocusIn) {
            auto *box = static_cast<QLineEdit *>(watched);
            QTimer::singleShot(0, box, [box] { box->selectAll(); });
        }
        return false;
    }
};

// Enter that no control of the window took clicks the focused button, else the default one.
class DefaultButtonOnEnter : public QObject {
public:
    DefaultButtonOnEnter(QPushButton *button, QObject *parent) : QObject(parent), button_(button) {}

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        const auto *key = static_cast<QKeyEvent *>(event);
        if ((key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter)
            || (key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
            return false;
        auto *focused = qobject_cast<QPushButton *>(QApplication::focusWidget());
        QPushButton *pressed = focused && static_cast<QWidget *>(watched)->isAncestorOf(focused) ? focused : button_.data();
        if (!pressed || !pressed->isEnabled() || !pressed->isVisible())
            return false;
        pressed->click();
        return true;
    }

private:
    QPointer<QPushButton> button_;
};

} // namespace

QLabel *Label(const QString &caption, const QString &name, QWidget *parent)
{
    return Named(new QLabel(caption, parent), name);
}

QPushButton *Button(const QString &caption, const QString &name, QWidget *parent)
{
    return Named(new QPushButton(caption, parent), name);
}

QCheckBox *CheckBox(const QString &caption, const QString &name, QWidget *parent)
{
    return Named(new QCheckBox(caption, parent), name);
}

QRadioButton *OptionButton(const QString &caption, const QString &name, QWidget *parent)
{
    return Named(new QRadioButton(caption, parent), name);
}

QGroupBox *Frame(const QString &caption, const QString &name, QWidget *parent)
{
    return Named(new QGroupBox(caption, parent), name);
}

QLineEdit *TextBox(const QString &name, QWidget *parent) { return Named(new QLineEdit(parent), name); }

QLineEdit *AmountBox(const QString &name, QWidget *parent)
{
    QLineEdit *box = TextBox(name, parent);
    box->setAlignment(Qt::AlignRight);
    box->installEventFilter(new SelectAllOnFocus(box));
    return box;
}

QComboBox *ComboBox(const QString &name, QWidget *parent, ComboStyle style)
{
    auto *combo = Named(new QComboBox(parent), name);
    combo->setEditable(style == ComboStyle::DropdownCombo);
    return combo;
}

void SetBoxesEnabled(std::initializer_list<QLineEdit *> boxes, bool enabled)
{
    constexpr uint32_t white = 0xFFFFFF;
    const QColor background = ui::ColorFromVb(enabled ? white : ui::vbButtonFace);
    for (QLineEdit *box : boxes) {
        box->setEnabled(enabled);
        QPalette palette = box->palette();
        palette.setColor(QPalette::Base, background);
        box->setPalette(palette);
    }
}

QBoxLayout *ButtonRow(std::initializer_list<QPushButton *> buttons, RowAlign align)
{
    auto *row = new QHBoxLayout;
    row->setSpacing(ButtonGap);
    if (align == RowAlign::Right)
        row->addStretch();
    for (QPushButton *button : buttons)
        row->addWidget(button);
    if (align == RowAlign::Left)
        row->addStretch();
    return row;
}

void CentreOnScreen(QWidget &window)
{
    const QScreen *screen = window.screen();
    if (!screen)
        return;
    const QRect available = screen->availableGeometry();
    window.move(available.center() - QPoint(window.width() / 2, window.height() / 2));
}

void KeepOnScreen(ui::Form &window)
{
    QRect frame = window.frameGeometry();
    if (frame.size() == window.size())
        frame.setHeight(frame.height() + window.style()->pixelMetric(QStyle::PM_TitleBarHeight));
    const QScreen *screen = QGuiApplication::screenAt(frame.center());
    if (!screen)
        screen = window.screen();
    if (!screen)
        return;
    const QRect room = screen->availableGeometry();
    const QSize fits = frame.size().boundedTo(room.size());
    const QPoint at(std::clamp(frame.x(), room.left(), room.left() + room.width() - fits.width()),
                    std::clamp(frame.y(), room.top(), room.top() + room.height() - fits.height()));
    if (at != frame.topLeft() || fits != frame.size())
        window.Move(ui::PixelsToTwipsX(at.x()), ui::PixelsToTwipsY(at.y()), ui::PixelsToTwipsX(fits.width()),
                    ui::PixelsToTwipsY(fits.height()));
}

void SetDefaultButton(QWidget &window, QPushButton *button)
{
    button->setDefault(true);
    window.installEventFilter(new DefaultButtonOnEnter(button, &window));
}

void CloseOnEscape(QWidget &window)
{
    auto *escape = new QShortcut(QKeySequence(Qt::Key_Escape), &window);
    core::ConnectHandler(escape, &QShortcut::activated, &window, &QWidget::close);
}

} // namespace core
