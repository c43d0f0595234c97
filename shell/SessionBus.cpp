#include "shell/SessionBus.h"

#include <QByteArray>
#include <QList>

#include <algorithm>
#include <cerrno>
#include <cstddef>
#include <cstdio>
#include <cstring>

#include <fcntl.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace sostav {

namespace {

using Clock = std::chrono::steady_clock;

constexpr int NotLookedInto = -1;
// A stopped bus leaves connections in its listening queue until the queue is full.
constexpr int QueueFull = -2;

// The socket of one "unix:" address of the bus being connected.
int connectTo(const QByteArray& address)
{
    if (!address.startsWith("unix:"))
        return NotLookedInto;
    sockaddr_un place {};
    place.sun_family = AF_UNIX;
    socklen_t length = 0;
    for (const QByteArray& pair : address.mid(5).split(',')) {
        const QByteArray value = QByteArray::fromPercentEncoding(pair.mid(pair.indexOf('=') + 1));
        const bool abstract = pair.startsWith("abstract=");
        if ((!abstract && !pair.startsWith("path=")) || value.size() >= qsizetype(sizeof place.sun_path) - 1)
            continue;
        // An abstract name starts with a zero byte and is not terminated.
        std::memcpy(place.sun_path + abstract, value.constData(), value.size());
        length = socklen_t(offsetof(sockaddr_un, sun_path) + abstract + value.size() + !abstract);
    }
    if (length == 0)
        return NotLookedInto;
    const int bus = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (bus < 0 || connect(bus, reinterpret_cast<sockaddr*>(&place), length) == 0 || errno == EINPROGRESS)
        return bus;
    const int error = errno;
    close(bus);
    return error == EAGAIN ? QueueFull : NotLookedInto;
}

// Whether the bus behind this socket answers the first step of its handshake in time.
bool answers(int bus, Clock::time_point deadline)
{
    const QByteArray uid = QByteArray::number(getuid()).toHex();
    const QByteArray hello = QByteArray(1, '\0') + "AUTH EXTERNAL " + uid + "\r\n";
    pollfd wait {bus, POLLOUT, 0};
    qsizetype sent = 0;
    while (true) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
        if (left.count() <= 0 || poll(&wait, 1, int(left.count())) <= 0)
            return false;
        if (wait.revents & (POLLERR | POLLHUP))
            return false;
        if (sent < hello.size()) {
            const ssize_t now = send(bus, hello.constData() + sent, hello.size() - sent, MSG_NOSIGNAL);
            if (now < 0 && errno != EAGAIN)
                return false;
            sent += std::max<ssize_t>(now, 0);
            if (sent == hello.size())
                wait.events = POLLIN;
            continue;
        }
        char reply[64];
        return recv(bus, reply, sizeof reply, 0) > 0;
    }
}

} // namespace

void leaveSilentSessionBus()
{
    const QByteArray addresses = qgetenv("DBUS_SESSION_BUS_ADDRESS");
    const Clock::time_point deadline = Clock::now() + BusBound;
    for (const QByteArray& address : addresses.split(';')) {
        const int bus = connectTo(address);
        if (bus == NotLookedInto)
            continue; // libdbus tries it and reports what is wrong
        const bool alive = bus >= 0 && answers(bus, deadline);
        if (bus >= 0)
            close(bus);
        if (alive)
            return;
        std::fputs("sostav: the session bus does not answer; running without it\n", stderr);
        // An address no library connects to: Qt's and the desktop libraries' attempts end at once.
        qputenv("DBUS_SESSION_BUS_ADDRESS", "disabled:");
        return;
    }
}

} // namespace sostav
