#include "core/aids/replaceeach.h"

#include "core/state/errorreport.h"
#include "ui/dialogs.h"
#include "vb/conversions.h"
#include "vb/error.h"
#include "vb/text.h"

namespace core {

void ShowCriticalError(const QString &where, const vb::Error &error)
{
    ui::MsgBox(where + vbCrLf + QStringLiteral("Error : ") + QString::number(error.Number()) + vbCrLf +
                   error.Description() + vbCrLf + QStringLiteral(" Critical error, please report to : ") +
                   SupportMailAddress,
               ui::vbCritical);
}

QString ReplaceEach(const QString &text, const QString &replacement, const QList<vb::Variant> &items)
{
    try {
        QString result = text;
        for (const vb::Variant &item : items)
            result = vb::Replace(result, vb::CStr(item), replacement);
        return result;
    } catch (const vb::Error &e) {
        ShowCriticalError(QStringLiteral("Functions_Module_01"), e);
        return QString();
    }
}

} // namespace core
