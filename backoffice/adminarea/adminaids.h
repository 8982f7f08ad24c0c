#pragma once
// What the administration window and its two editors share: the confirmation style, the
// test for an empty column value, and the selected row of a list.
#include "controls/reportlist.h"
#include "core/aids/replaceeach.h"
#include "core/ui/showntext.h"
#include "ui/msgbox.h"
#include "vb/conversions.h"
#include "vb/error.h"
#include "vb/variant.h"

#include <QLineEdit>

namespace backoffice {

// The confirmations' buttons: Yes/No, the information icon, "No" the default (324).
inline constexpr int ConfirmStyle = ui::vbYesNo + ui::vbInformation + ui::vbDefaultButton2;

using core::TextOf;

// The lists leave out rows whose tested column is empty.
inline bool IsBlank(const vb::Variant &value) { return TextOf(value).isEmpty(); }

// The row selected in a list; raises "Object variable or With block variable not set" (91)
// when there is none, as the actions on a selected row always did.
inline int SelectedRow(const controls::ReportList *list)
{
    const int row = list->listIndex();
    if (row < 1)
        throw vb::Error(91, QStringLiteral("Object variable or With block variable not set"));
    return row;
}

// The key a list keeps in its hidden column, as a number.
inline long RowKey(const controls::ReportList *list, int row, int keyColumn)
{
    return vb::CLng(vb::Variant(list->subItem(row, keyColumn)));
}

// The room number boxes drop every "'", ";" and "?" at each key press, before the key takes
// effect: a character typed last stays until the next key.
inline void FilterRoomNumberKeys(QLineEdit *box)
{
    const QString cleaned = core::ReplaceEach(box->text(), QString(),
                                              {vb::Variant(QStringLiteral("'")), vb::Variant(QStringLiteral(";")),
                                               vb::Variant(QStringLiteral("?"))});
    if (cleaned != box->text())
        box->setText(cleaned);
}

} // namespace backoffice
