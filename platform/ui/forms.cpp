#include "ui/forms.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <unordered_map>

namespace ui {

namespace {
QPointer<QMdiArea> &mdiArea()
{
    static QPointer<QMdiArea> area;
    return area;
}

std::unordered_map<std::type_index, QPointer<Form>> &defaults()
{
    static std::unordered_map<std::type_index, QPointer<Form>> map;
    return map;
}

QList<QPointer<Form>> &loadedForms()
{
    static QList<QPointer<Form>> list;
    return list;
}
} // namespace

void SetMdiArea(QMdiArea *area) { mdiArea() = area; }

QMdiArea *MdiArea() { return mdiArea(); }

Form *Forms::defaultInstance(std::type_index type)
{
    const auto it = defaults().find(type);
    return it == defaults().end() ? nullptr : it->second.data();
}

Form *Forms::Find(const QString &name)
{
    for (const auto &[type, form] : defaults()) {
        if (form && form->objectName() == name)
            return form.data();
    }
    return nullptr;
}

void Forms::setDefaultInstance(std::type_index type, Form *form) { defaults()[type] = form; }

void Forms::loaded(Form *form)
{
    if (!loadedForms().contains(form))
        loadedForms().append(form);
}

void Forms::forget(Form *form)
{
    loadedForms().removeAll(form);
    loadedForms().removeAll(nullptr);
    for (auto it = defaults().begin(); it != defaults().end();) {
        if (it->second == form || it->second.isNull())
            it = defaults().erase(it);
        else
            ++it;
    }
}

QList<Form *> Forms::Loaded()
{
    QList<Form *> forms;
    for (const QPointer<Form> &f : loadedForms()) {
        if (f && f->IsLoaded())
            forms << f.data();
    }
    return forms;
}

bool Forms::UnloadMdiChildren(int mode)
{
    QMdiArea *area = MdiArea();
    if (!area)
        return true;
    bool all = true;
    const QList<QMdiSubWindow *> windows = area->subWindowList(QMdiArea::ActivationHistoryOrder);
    for (auto it = windows.crbegin(); it != windows.crend(); ++it) {
        QPointer<QMdiSubWindow> sub = *it;
        if (!sub)
            continue;
        if (auto *form = qobject_cast<Form *>(sub->widget())) {
            if (!form->Unload(mode))
                all = false;
        } else {
            sub->close();
        }
    }
    return all;
}

} // namespace ui
