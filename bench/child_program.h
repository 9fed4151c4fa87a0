#pragma once
// Running a program of the build as a child process, its output discarded:
// RunChild for its exit status, MeasureChild also for what it cost (wall
// time and peak resident memory, taken by the measure_run program).
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

extern char** environ;

namespace bench_child {

// The build folder: the parent of the folder this benchmark runs from.
inline std::string BuildFolder() {
    char self[4096] = {};
    if (readlink("/proc/self/exe", self, sizeof self - 1) <= 0) return "";
    return std::filesystem::path(self).parent_path().parent_path().string();
}

// Runs program with the arguments (argv[0] is the program) and gives its exit
// status (-1 when it did not start or exit); the environment is this
// process's unless one is given.
inline int RunChild(std::string const& program, std::vector<std::string> arguments,
                    std::vector<std::string> environment = {}) {
    std::vector<char*> argv{const_cast<char*>(program.c_str())};
    for (std::string& argument : arguments) argv.push_back(argument.data());
    argv.push_back(nullptr);
    std::vector<char*> envp;
    for (std::string& entry : environment) envp.push_back(entry.data());
    envp.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    int const spawned =
        posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(), environment.empty() ? environ : envp.data());
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0) return -1;
    int status = 0;
    if (waitpid(pid, &status, 0) != pid) return -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

struct MeasuredRun {
    int exitStatus = -1;  // -1 when it did not start or exit
    double seconds = 0;
    double peakMB = 0;
};

// Runs program under measure_run (in the build's bench folder); `report` is
// a scratch file for its figures.
inline MeasuredRun MeasureChild(std::string const& program, std::vector<std::string> const& arguments,
                                std::string const& report) {
    std::vector<std::string> measured{report, program};
    measured.insert(measured.end(), arguments.begin(), arguments.end());
    MeasuredRun run;
    if (RunChild(BuildFolder() + "/bench/measure_run", measured) != 0) return run;
    std::ifstream figures(report);
    long peakKB = 0;
    if (!(figures >> run.exitStatus >> run.seconds >> peakKB)) run.exitStatus = -1;
    run.peakMB = static_cast<double>(peakKB) / 1024.0;
    return run;
}

}  // namespace bench_child
