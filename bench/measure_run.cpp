// measure_run REPORT PROGRAM [ARGUMENT...]
//   Runs PROGRAM with its output discarded and writes to REPORT one line:
//   its exit status (-1 when it did not exit), wall seconds and peak resident
//   kilobytes.  The benchmarks cannot read a child's peak themselves: a child
//   started from a large process is charged that process's memory at its
//   exec, so the child is started from this small one.
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <cstdio>

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: measure_run REPORT PROGRAM [ARGUMENT...]\n");
        return 2;
    }
    timespec start{}, end{};
    clock_gettime(CLOCK_MONOTONIC, &start);
    pid_t const pid = fork();
    if (pid < 0) return 2;
    if (pid == 0) {
        int const null = open("/dev/null", O_WRONLY);
        dup2(null, 1);
        dup2(null, 2);
        execv(argv[2], argv + 2);
        _exit(127);
    }
    int status = 0;
    struct rusage usage {};
    if (wait4(pid, &status, 0, &usage) != pid) return 2;
    clock_gettime(CLOCK_MONOTONIC, &end);
    double const seconds = static_cast<double>(end.tv_sec - start.tv_sec) + (end.tv_nsec - start.tv_nsec) / 1e9;
    FILE* report = std::fopen(argv[1], "w");
    if (report == nullptr) return 2;
    std::fprintf(report, "%d %.6f %ld\n", WIFEXITED(status) ? WEXITSTATUS(status) : -1, seconds, usage.ru_maxrss);
    return std::fclose(report) == 0 ? 0 : 2;
}
