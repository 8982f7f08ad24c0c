#pragma once
// A popup menu defined with its window: items with a caption ("&" marks the access key,
// "&&" shows one "&"), a name, a numeric id and their enabled, visible and checked states;
// "-" makes a separator. popUp() shows it through the replaceable dialog service of
// platform/ui (so a test chooses an item by name and never blocks) and raises click() once
// with the chosen item's name; closing the menu without a choice raises nothing.
//
//   controls::PopupMenu menu(this);
//   menu.addItem("&Show Customer Details", "mnuCustomerDetail");
//   menu.addSeparator("sepd");
//   connect(&menu, &controls::PopupMenu::click, this, &frmX::onPopupClick);
//   menu.popUp();
#include "ui/dialogs.h"

#include <QObject>
#include <QWidget>

namespace controls {

class PopupMenu : public QObject {
    Q_OBJECT
public:
    // `owner` is the control the menu belongs to (it also owns the menu).
    explicit PopupMenu(QWidget *owner);

    // Adds an item; a caption of "-" makes it a separator. Returns its index from 0.
    int addItem(const QString &caption, const QString &name, int id = 0, bool enabled = true,
                bool visible = true, bool checked = false);
    int addSeparator(const QString &name);

    const QList<ui::PopupMenuItem> &items() const { return items_; }
    // The item by name (nullptr when there is none): its states can be changed.
    ui::PopupMenuItem *item(const QString &name);

    // Shows the menu at the pointer (or where a PopupAnchor in force says); returns the
    // chosen name (empty when none was chosen) after raising click() with it.
    QString popUp();

signals:
    void click(const QString &itemName);

private:
    QWidget *owner_;
    QList<ui::PopupMenuItem> items_;
};

// While one lives, popUp() opens menus at its point instead of the pointer: a control that
// raises its popup from the keyboard sets it around the events that open the menu.
class PopupAnchor {
public:
    explicit PopupAnchor(QPoint global);
    ~PopupAnchor();
    PopupAnchor(const PopupAnchor &) = delete;
    PopupAnchor &operator=(const PopupAnchor &) = delete;

    static std::optional<QPoint> current();

private:
    std::optional<QPoint> outer_;
};

} // namespace controls
