#include "shell/Foreground.h"

#include "shell/Launch.h"

#include <QGuiApplication>
#include <QWidget>

#include <xcb/xcb.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <memory>

namespace sostav {

namespace {

template <typename Reply> using Owned = std::unique_ptr<Reply, decltype(&std::free)>;

xcb_atom_t atom(xcb_connection_t* connection, const char* name)
{
    const Owned<xcb_intern_atom_reply_t> reply(
        xcb_intern_atom_reply(connection, xcb_intern_atom(connection, false, std::strlen(name), name), nullptr),
        &std::free);
    return reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
}

// The X server's time now, read from a property change on a connection of our own: Qt's
// event thread would take the event from its own connection.
xcb_timestamp_t serverTime()
{
    int screenNumber = 0;
    xcb_connection_t* connection = xcb_connect(nullptr, &screenNumber);
    xcb_timestamp_t time = XCB_CURRENT_TIME;
    if (!xcb_connection_has_error(connection)) {
        xcb_screen_iterator_t screen = xcb_setup_roots_iterator(xcb_get_setup(connection));
        for (; screenNumber > 0 && screen.rem > 1; --screenNumber)
            xcb_screen_next(&screen);
        const xcb_window_t probe = xcb_generate_id(connection);
        const std::uint32_t events = XCB_EVENT_MASK_PROPERTY_CHANGE;
        xcb_create_window(connection, XCB_COPY_FROM_PARENT, probe, screen.data->root, 0, 0, 1, 1, 0,
            XCB_WINDOW_CLASS_INPUT_ONLY, XCB_COPY_FROM_PARENT, XCB_CW_EVENT_MASK, &events);
        xcb_change_property(connection, XCB_PROP_MODE_APPEND, probe, XCB_ATOM_WM_NAME, XCB_ATOM_STRING, 8, 0, nullptr);
        xcb_flush(connection);
        while (xcb_generic_event_t* event = xcb_wait_for_event(connection)) {
            const bool changed = (event->response_type & 0x7f) == XCB_PROPERTY_NOTIFY;
            if (changed)
                time = reinterpret_cast<xcb_property_notify_event_t*>(event)->time;
            std::free(event);
            if (changed)
                break;
        }
    }
    xcb_disconnect(connection);
    return time;
}

// Ends the launcher's busy feedback: the start it was waiting for has been answered.
void sendStartupComplete(xcb_connection_t* connection, xcb_window_t root, xcb_window_t from, const QString& id)
{
    QByteArray quoted = id.toUtf8();
    quoted.replace('\\', "\\\\").replace('"', "\\\"");
    const QByteArray text = "remove: ID=\"" + quoted + "\"";
    xcb_client_message_event_t message {};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 8;
    message.window = from;
    message.type = atom(connection, "_NET_STARTUP_INFO_BEGIN");
    const xcb_atom_t more = atom(connection, "_NET_STARTUP_INFO");
    // In pieces of 20 bytes, the last one holding the text's terminating zero.
    for (qsizetype sent = 0; sent <= text.size(); sent += 20) {
        std::memset(message.data.data8, 0, sizeof message.data.data8);
        std::memcpy(message.data.data8, text.constData() + sent, std::min<qsizetype>(20, text.size() - sent));
        xcb_send_event(connection, false, root, XCB_EVENT_MASK_PROPERTY_CHANGE, reinterpret_cast<char*>(&message));
        message.type = more;
    }
}

void activateOnX11(QWidget& window, const Launch& launch)
{
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t* connection = x11->connection();
    const auto id = static_cast<xcb_window_t>(window.winId());
    const Owned<xcb_query_tree_reply_t> tree(
        xcb_query_tree_reply(connection, xcb_query_tree(connection, id), nullptr), &std::free);
    if (!tree)
        return;
    // Without the launcher's time, the time the request reached us: the start that asked
    // for it was the child's latest doing.
    xcb_timestamp_t time = launch.launcherTime();
    if (time == XCB_CURRENT_TIME)
        time = serverTime();
    // Qt's own request would carry the program's last input time and be refused; this one
    // is what a pager sends for a click, by the application itself.
    xcb_client_message_event_t message {};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = id;
    message.type = atom(connection, "_NET_ACTIVE_WINDOW");
    message.data.data32[0] = 1; // from an application
    message.data.data32[1] = time;
    xcb_send_event(connection, false, tree->root,
        XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY | XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT, reinterpret_cast<char*>(&message));
    if (!launch.startupId.isEmpty())
        sendStartupComplete(connection, tree->root, id, launch.startupId);
    xcb_flush(connection);
}

} // namespace

void bringForward(QWidget& window, const Launch& launch)
{
    window.setWindowState(window.windowState() & ~Qt::WindowMinimized);
    window.show();
    window.raise();
    const QString platform = QGuiApplication::platformName();
    if (platform == QLatin1String("xcb")) {
        activateOnX11(window, launch);
        return;
    }
    if (platform.startsWith(QLatin1String("wayland"))) {
        // Qt's xdg-shell hands the compositor the token it finds here on the next
        // activation. A launcher that names only a startup id (GLib before 2.76) gives
        // the token under that name: GNOME's compositor knows its ids as tokens.
        const QString token = launch.activationToken.isEmpty() ? launch.startupId : launch.activationToken;
        if (!token.isEmpty())
            qputenv("XDG_ACTIVATION_TOKEN", token.toUtf8());
        window.activateWindow();
        qunsetenv("XDG_ACTIVATION_TOKEN");
        return;
    }
    window.activateWindow();
}

} // namespace sostav
