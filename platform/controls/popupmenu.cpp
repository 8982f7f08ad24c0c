#include "controls/popupmenu.h"

#include <utility>

namespace controls {

namespace {
std::optional<QPoint> &anchor()
{
    static std::optional<QPoint> point;
    return point;
}
} // namespace

PopupAnchor::PopupAnchor(QPoint global) : outer_(std::exchange(anchor(), global)) {}
PopupAnchor::~PopupAnchor() { anchor() = outer_; }
std::optional<QPoint> PopupAnchor::current() { return anchor(); }

PopupMenu::PopupMenu(QWidget *owner) : QObject(owner), owner_(owner) {}

int PopupMenu::addItem(const QString &caption, const QString &name, int id, bool enabled, bool visible,
                       bool checked)
{
    items_.append({.caption = caption, .name = name, .id = id, .enabled = enabled, .visible = visible,
                   .checked = checked, .separator = caption == QLatin1String("-")});
    return static_cast<int>(items_.size()) - 1;
}

int PopupMenu::addSeparator(const QString &name) { return addItem(QStringLiteral("-"), name); }

ui::PopupMenuItem *PopupMenu::item(const QString &name)
{
    for (ui::PopupMenuItem &i : items_) {
        if (i.name == name)
            return &i;
    }
    return nullptr;
}

QString PopupMenu::popUp()
{
    const std::optional<QString> chosen = ui::PopupMenu({.items = items_, .owner = owner_, .at = PopupAnchor::current()});
    if (!chosen)
        return {};
    emit click(*chosen);
    return *chosen;
}

} // namespace controls
