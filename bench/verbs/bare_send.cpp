// The yardstick for a verb's start: a bare QCoreApplication program that sends one datagram,
// {"method":"setPilot","params":{"state":true}}, to port 38899 of the address given, and exits.
#include <QCoreApplication>

#include <arpa/inet.h>
#include <cstring>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

int main(int argc, char* argv[]) {
    QCoreApplication application(argc, argv);
    if (argc < 2)
        return 2;
    const int fd = ::socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
    sockaddr_in to{};
    to.sin_family = AF_INET;
    to.sin_port = htons(38899);
    if (fd < 0 || ::inet_pton(AF_INET, argv[1], &to.sin_addr) != 1)
        return 1;
    const char request[] = R"({"method":"setPilot","params":{"state":true}})";
    const auto sent = ::sendto(fd, request, std::strlen(request), 0,
                               reinterpret_cast<const sockaddr*>(&to), sizeof to);
    ::close(fd);
    return sent < 0 ? 1 : 0;
}
