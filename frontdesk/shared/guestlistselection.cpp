#include "frontdesk/shared/guestlistselection.h"

#include "ui/forms.h"

#include <QAbstractItemView>
#include <QItemSelectionModel>

namespace frontdesk {

std::optional<QString> GuestListSelection(int column)
{
    ui::Form *guestList = ui::Forms::Find(QStringLiteral("frmCustomers"));
    if (!guestList)
        return std::nullopt;
    const auto *list = guestList->findChild<QAbstractItemView *>(QStringLiteral("customerList"));
    if (!list || !list->selectionModel() || !list->model())
        return std::nullopt;
    const QModelIndexList rows = list->selectionModel()->selectedIndexes();
    if (rows.isEmpty())
        return std::nullopt;
    return list->model()->index(rows.first().row(), column).data().toString();
}

} // namespace frontdesk
