#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string>
#include <vector>

// Starts the Tallywick start-up probe and the comparison window in turn, many times in one run on
// one display, and prints the medians of each and their ratios: exec to the first painted frame,
// CPU time to that frame, exec to the mapped window, and peak memory. Run it under a private
// session bus (dbus-run-session), or every Qt start spends its time looking for one.

extern char **environ;

namespace
{

struct Run {
    double frameMs = 0;
    double mappedMs = 0;
    double cpuMs = 0;
    double peakMb = 0;
};

long long monotonicNs()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return now.tv_sec * 1000000000LL + now.tv_nsec;
}

bool runOnce(const std::string &program, Run &run)
{
    int out[2];
    if (pipe(out) != 0)
        return false;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, out[0]);
    // Qt's remarks on a bare test display would bury the table; a failed start shows as no report.
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);

    const std::string exec = "STARTUP_EXEC_NS=" + std::to_string(monotonicNs());
    std::vector<char *> environment;
    for (char **variable = environ; *variable; ++variable)
        environment.push_back(*variable);
    environment.push_back(const_cast<char *>(exec.c_str()));
    environment.push_back(nullptr);
    char *arguments[] = {const_cast<char *>(program.c_str()), nullptr};
    pid_t child = 0;
    const int failed =
        posix_spawn(&child, program.c_str(), &actions, nullptr, arguments, environment.data());
    posix_spawn_file_actions_destroy(&actions);
    close(out[1]);
    if (failed != 0) {
        close(out[0]);
        return false;
    }
    char line[256] = {};
    FILE *stream = fdopen(out[0], "r");
    const bool read = std::fgets(line, sizeof line, stream) != nullptr;
    std::fclose(stream);
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    long long frame = 0, mapped = 0, cpu = 0;
    if (!read || !WIFEXITED(status) || WEXITSTATUS(status) != 0 ||
        std::sscanf(line, "%lld %lld %lld", &frame, &mapped, &cpu) != 3)
        return false;
    run = {frame / 1e6, mapped / 1e6, cpu / 1e6, usage.ru_maxrss / 1024.0};
    return true;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

} // namespace

int main(int argc, char **argv)
{
    const std::string self = argv[0];
    const std::string folder = self.substr(0, self.find_last_of('/') + 1);
    const std::string programs[2] = {folder + "startup_probe", folder + "startup_comparison"};
    const int rounds = argc > 1 ? std::atoi(argv[1]) : 15;

    std::vector<Run> runs[2];
    for (int round = 0; round < rounds + 1; ++round) {
        // Alternate which goes first, so neither always finds the caches warmer; the first round
        // only warms them.
        for (int i = 0; i < 2; ++i) {
            const int which = (round + i) % 2;
            Run run;
            if (!runOnce(programs[which], run)) {
                std::fprintf(stderr, "%s did not report its start-up\n", programs[which].c_str());
                return 1;
            }
            if (round > 0)
                runs[which].push_back(run);
        }
    }

    auto column = [&](int which, double Run::*field) {
        std::vector<double> values;
        for (const Run &run : runs[which])
            values.push_back(run.*field);
        return median(values);
    };
    std::printf("Start-up, medians of %d interleaved runs   Tallywick  comparison  ratio\n",
                rounds);
    const struct {
        const char *name;
        double Run::*field;
        const char *unit;
    } rows[] = {
        {"exec to first painted frame", &Run::frameMs, "ms"},
        {"CPU time to first frame", &Run::cpuMs, "ms"},
        {"exec to mapped window", &Run::mappedMs, "ms"},
        {"peak memory", &Run::peakMb, "MB"},
    };
    for (const auto &row : rows) {
        const double ours = column(0, row.field);
        const double theirs = column(1, row.field);
        std::printf("  %-40s %7.2f %s %7.2f %s  %5.2f\n", row.name, ours, row.unit, theirs,
                    row.unit, ours / theirs);
    }
    return 0;
}
