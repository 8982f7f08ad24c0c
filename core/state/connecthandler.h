#pragma once
// The one way a window connects a signal to its handler, so that no handler can forget to
// stop its errors: Qt documents an exception leaving a slot into its own frames as undefined.
//
//   core::ConnectHandler(Command1, &QPushButton::clicked, this, &frmTax::Command1_Click);
//   core::ConnectHandler(Combo1, &QComboBox::activated, this, [this] { Combo1_Click(); });
//   core::ConnectHandler(list, &controls::ReportList::mouseUp, this, [this](int button) { ... });
//
// The handler runs through the window's plain guard (core::RunGuarded below): a run-time
// error that its own error handler (core::RunHandler) did not take is reported with the
// error's source as the code ("Hotel" when it has none), and anything else as a last report
// ("Hotel" and its text); either way the handler ends there and the program goes on. Where
// the connection itself carries the handler's error code, the body runs through
// core::RunHandler with it first:
//
//   core::ConnectHandler(button, &QPushButton::clicked, this, QStringLiteral("BOK003"),
//                        core::ReportMode::Modal, [this] { getRoomList(); });
//
// As with Qt's own connect, the handler takes as many of the signal's leading arguments as it
// declares, and the connection ends with the receiver. An event handler a window overrides
// (mousePressEvent, eventFilter) runs its body through core::RunGuarded (RunGuardedFilter
// where it answers whether it took the event) itself.
#include "core/state/errorreport.h"
#include "core/state/runhandler.h"

#include <QObject>
#include <QString>
#include <cstddef>
#include <functional>
#include <tuple>
#include <type_traits>
#include <utility>

namespace core {

// The window's plain guard: runs the body; any exception ends it and is reported as
// ReportCaughtError does. False when the body ended so.
template <class Body> bool RunGuarded(Body &&body) noexcept
{
    try {
        std::forward<Body>(body)();
        return true;
    } catch (...) {
        ReportCaughtError();
        return false;
    }
}

// The plain guard for an event handler that answers whether it took the event (an event
// filter, event()): the body's answer, or false, so that the event goes on as usual, when the
// body ended with an error.
template <class Body> bool RunGuardedFilter(Body &&body) noexcept
{
    bool taken = false;
    RunGuarded([&] { taken = std::forward<Body>(body)(); });
    return taken;
}

namespace handler_detail {

template <class Handler, class Args, std::size_t... I>
constexpr bool takesLeading(std::index_sequence<I...>)
{
    return std::is_invocable_v<Handler &, std::tuple_element_t<I, Args>...>;
}

// Calls the handler with the most leading arguments it takes.
template <std::size_t Count, class Handler, class Args> void invokeLeading(Handler &handler, Args &args)
{
    if constexpr (takesLeading<Handler, Args>(std::make_index_sequence<Count>{})) {
        [&]<std::size_t... I>(std::index_sequence<I...>) {
            std::invoke(handler, std::get<I>(args)...);
        }(std::make_index_sequence<Count>{});
    } else if constexpr (Count > 0) {
        invokeLeading<Count - 1>(handler, args);
    } else {
        static_assert(Count > 0, "the handler takes none of the signal's arguments");
    }
}

// A member function bound to its object; any other handler as it is.
template <class Receiver, class Handler> auto bound(Receiver *receiver, Handler handler)
{
    if constexpr (std::is_member_function_pointer_v<Handler>) {
        return [receiver, handler](auto &&...args)
                   -> decltype(std::invoke(handler, receiver, std::forward<decltype(args)>(args)...)) {
            return std::invoke(handler, receiver, std::forward<decltype(args)>(args)...);
        };
    } else {
        return handler;
    }
}

template <class Sender, class Signal, class Receiver, class Body>
QMetaObject::Connection connectGuarded(Sender *sender, Signal signal, Receiver *receiver, Body body)
{
    return QObject::connect(sender, signal, receiver, [body = std::move(body)](auto &&...args) mutable noexcept -> void {
        std::tuple<decltype(args) &...> arguments(args...);
        RunGuarded([&] { body(arguments); });
    });
}

} // namespace handler_detail

template <class Sender, class Signal, class Receiver, class Handler>
QMetaObject::Connection ConnectHandler(Sender *sender, Signal signal, Receiver *receiver, Handler handler)
{
    return handler_detail::connectGuarded(
        sender, signal, receiver, [handler = handler_detail::bound(receiver, std::move(handler))](auto &args) mutable {
            handler_detail::invokeLeading<std::tuple_size_v<std::remove_reference_t<decltype(args)>>>(handler, args);
        });
}

template <class Sender, class Signal, class Receiver, class Handler>
QMetaObject::Connection ConnectHandler(Sender *sender, Signal signal, Receiver *receiver, const QString &code,
                                       ReportMode mode, Handler handler)
{
    return handler_detail::connectGuarded(
        sender, signal, receiver,
        [code, mode, handler = handler_detail::bound(receiver, std::move(handler))](auto &args) mutable {
            RunHandler(code, mode, [&] {
                handler_detail::invokeLeading<std::tuple_size_v<std::remove_reference_t<decltype(args)>>>(handler,
                                                                                                          args);
            });
        });
}

} // namespace core
