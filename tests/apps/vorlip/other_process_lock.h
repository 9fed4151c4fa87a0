#pragma once
// Whether another process could take an advisory lock (flock) on a file
// right now, without waiting.
#include <fcntl.h>
#include <sys/file.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>

// operation: LOCK_SH or LOCK_EX.
inline bool OtherProcessCanLock(std::string const& path, int operation) {
    pid_t const child = fork();
    if (child == 0) {
        int const fd = open(path.c_str(), O_RDONLY);
        _exit(fd >= 0 && flock(fd, operation | LOCK_NB) == 0 ? 0 : 1);
    }
    int status = 0;
    if (child < 0 || waitpid(child, &status, 0) != child) return false;
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}
