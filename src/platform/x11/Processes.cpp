#include "platform/x11/Processes.h"

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/wait.h>
#include <unistd.h>

bool StartDetached(const std::vector<std::string>& argv) {
    if (argv.empty()) return false;
    std::vector<char*> args;
    for (const std::string& a : argv) args.push_back(const_cast<char*>(a.c_str()));
    args.push_back(nullptr);
    // The grandchild reports a failed exec through the pipe; a successful exec closes it.
    int report[2];
    if (pipe2(report, O_CLOEXEC) != 0) return false;
    const pid_t child = fork();
    if (child < 0) {
        close(report[0]);
        close(report[1]);
        return false;
    }
    if (child == 0) {
        setsid();
        const pid_t grandchild = fork();
        if (grandchild == 0) {
            execvp(args[0], args.data());
            const int error = errno;
            (void)!write(report[1], &error, sizeof error);
            _exit(127);
        }
        _exit(grandchild < 0 ? 1 : 0);
    }
    close(report[1]);
    int status = 0;
    while (waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    int error = 0;
    ssize_t got = 0;
    do got = read(report[0], &error, sizeof error);
    while (got < 0 && errno == EINTR);
    close(report[0]);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0 && got == 0;
}

int LockForLife(const std::string& path) {
    const int fd = open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd < 0) return -2;
    if (flock(fd, LOCK_EX | LOCK_NB) != 0) {
        close(fd);
        return -1;
    }
    return fd;
}

std::string NormalDisplayName(const std::string& displayName) {
    std::string name = displayName;
    const std::size_t colon = name.rfind(':');
    if (colon == std::string::npos) return name;
    const std::size_t dot = name.find('.', colon);
    if (dot != std::string::npos) name.erase(dot);
    if (name.compare(0, colon, "unix") == 0) name.erase(0, colon);
    return name;
}

std::string InstanceLockPath(const std::string& displayName) {
    std::string name;
    for (const char ch : NormalDisplayName(displayName))
        name += (ch == '/' || ch == ':') ? '_' : ch;
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    const std::string dir = runtime && *runtime ? runtime : "/tmp";
    return dir + "/quibnote-" + std::to_string(getuid()) + "-display" + name + ".lock";
}
