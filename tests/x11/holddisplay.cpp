// Keeps a display number for a test that names it in DISPLAY as one where no X server
// answers: binds the abstract socket name on which an X server of that number listens on
// Linux, without listening. A client's connection there is refused, and an X server looking
// for a free number (-displayfd) passes it by. Prints the number, then holds it until killed;
// the name goes with the process and leaves nothing behind.
//
// Usage: jumpline_holddisplay [NUMBER]
//   without NUMBER: the lowest number that no server uses (no socket or lock file either)
//   with NUMBER: that one, where no server listens any more; exit status 1 where one does
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <string>

int main(int argc, char **argv)
{
    for (int number = argc > 1 ? std::atoi(argv[1]) : 0; number < 65536; ++number) {
        const std::string file = "/tmp/.X11-unix/X" + std::to_string(number), lock = "/tmp/.X" + std::to_string(number) + "-lock";
        sockaddr_un name{.sun_family = AF_UNIX, .sun_path = {}};
        file.copy(name.sun_path + 1, sizeof name.sun_path - 2); // abstract: after a zero byte
        const int held = socket(AF_UNIX, SOCK_STREAM, 0);
        if ((argc > 1 || (access(file.c_str(), F_OK) != 0 && access(lock.c_str(), F_OK) != 0)) &&
            bind(held, reinterpret_cast<const sockaddr *>(&name), static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + 1 + file.size())) == 0) {
            std::printf("%d\n", number);
            std::fflush(stdout);
            for (;;)
                pause();
        }
        close(held);
        if (argc > 1)
            return 1;
    }
    return 1;
}
