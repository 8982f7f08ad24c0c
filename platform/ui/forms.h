#pragma once
// The forms collection: each window class has one default instance, created and loaded
// on first use (Get), reused until it is unloaded; the next Get after an unload makes a
// fresh one. Further instances (`new frmCustomerDetails` + Show) are loaded forms too.
//
//   ui::Forms::Get<frmBooking>().Show();          // loads (Form_Load) when needed, shows
//   if (ui::Forms::IsLoaded<frmBooking>()) ...
//   ui::Forms::Unload<frmBooking>();
#include "ui/form.h"

#include <QList>
#include <typeindex>
#include <typeinfo>

class QMdiArea;

namespace ui {

// The main window's client area that child windows (FormKind::MdiChild) are placed in.
// The main window sets it; without one, child windows show as windows of their own.
void SetMdiArea(QMdiArea *area);
QMdiArea *MdiArea();

class Forms {
public:
    // The default instance, loaded. A form that unloads itself in Form_Load is handed back
    // unloaded (its Show does nothing) and goes at the next turn of the event loop.
    template <class T> static T &Get()
    {
        static_assert(std::is_base_of_v<Form, T>, "forms derive from ui::Form");
        if (Form *f = defaultInstance(typeid(T)))
            return static_cast<T &>(*f);
        T *form = new T();
        setDefaultInstance(typeid(T), form);
        form->Load();
        return *form;
    }

    // The default instance when it is loaded, without loading it; nullptr otherwise.
    template <class T> static T *Find() { return static_cast<T *>(defaultInstance(typeid(T))); }

    template <class T> static bool IsLoaded() { return Find<T>() != nullptr; }

    // The default instance of the window class whose forms are named `name` ("frmLogInOut"),
    // when it is loaded: for code that reads a window's controls by name without depending
    // on the window's library. nullptr otherwise.
    static Form *Find(const QString &name);

    // Unloads the default instance; true when it is not loaded (any more), false when the
    // form cancelled.
    template <class T> static bool Unload(int mode = vbFormCode)
    {
        T *form = Find<T>();
        return !form || form->Unload(mode);
    }

    // Every loaded form, in the order they were loaded.
    static QList<Form *> Loaded();

    // Unloads every child window of the main window (the most recently active first) and
    // closes anything else in its client area. False when a form cancelled its unload; that
    // form stays and the others are still unloaded.
    static bool UnloadMdiChildren(int mode = vbFormCode);

private:
    friend class Form;
    static Form *defaultInstance(std::type_index type);
    static void setDefaultInstance(std::type_index type, Form *form);
    static void loaded(Form *form);
    static void forget(Form *form);
};

} // namespace ui
