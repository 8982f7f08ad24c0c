#include "tools/hoteldb/secretinput.h"

#include <cstdio>
#include <iostream>
#include <string>

#include <termios.h>
#include <unistd.h>

namespace hoteldb {

namespace {

// Echo off while the line is typed, back as it was afterwards.
class NoEcho {
public:
    NoEcho() : active_(isatty(STDIN_FILENO) && tcgetattr(STDIN_FILENO, &saved_) == 0)
    {
        if (!active_)
            return;
        termios quiet = saved_;
        quiet.c_lflag &= ~static_cast<tcflag_t>(ECHO);
        tcsetattr(STDIN_FILENO, TCSAFLUSH, &quiet);
    }
    ~NoEcho()
    {
        if (!active_)
            return;
        tcsetattr(STDIN_FILENO, TCSAFLUSH, &saved_);
        std::fputs("\n", stderr);
    }
    NoEcho(const NoEcho &) = delete;
    NoEcho &operator=(const NoEcho &) = delete;

private:
    termios saved_{};
    bool active_;
};

} // namespace

std::optional<QString> ReadPassword(const QString &prompt)
{
    if (qEnvironmentVariableIsSet(PasswordVariable))
        return qEnvironmentVariable(PasswordVariable);
    if (isatty(STDIN_FILENO)) {
        std::fputs(qPrintable(prompt), stderr);
        std::fflush(stderr);
    }
    std::string line;
    {
        const NoEcho quiet;
        if (!std::getline(std::cin, line))
            return std::nullopt;
    }
    if (!line.empty() && line.back() == '\r')
        line.pop_back();
    return QString::fromLocal8Bit(line.data(), static_cast<qsizetype>(line.size()));
}

} // namespace hoteldb
