#include "orbbench.h"

#include <QApplication>

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace {
bool g_quick = false;
int g_scale = 1;
constexpr int kGrowthScale = 10;

struct Result
{
    double ns = 0;
    long peakKb = 0;
    std::map<std::string, double> counters;
};
using Results = std::map<std::string, Result>;

// Peak resident memory (VmHWM) since the last reset, in kB; Linux only, 0 elsewhere.
long peakRssKb()
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmHWM:", 0) == 0)
            return std::atol(line.c_str() + 6);
    return 0;
}

void resetPeakRss()
{
    std::ofstream clear("/proc/self/clear_refs");
    clear << "5";
}

// Keeps, of every benchmark, the shortest of its repetitions (the one the shared machine disturbed
// least) with its counters, and the highest peak of memory, while the console shows progress.
class CollectingReporter : public benchmark::ConsoleReporter
{
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        const long peak = peakRssKb();
        resetPeakRss(); // the next benchmark's peak starts from here
        for (const Run& run : runs) {
            // The aggregates (mean, median, ...) are not used: the repetitions themselves are.
            if (run.error_occurred || run.run_type != Run::RT_Iteration)
                continue;
            const std::string name = run.run_name.function_name;
            // Thread CPU time unless the benchmark times itself or asks for wall time: the
            // machines these run on are shared, and wall time there measures the other processes
            // as much as this one.
            const bool wall = !run.run_name.time_type.empty();
            const double ns = (wall ? run.GetAdjustedRealTime() : run.GetAdjustedCPUTime()) * multiplier(run.time_unit);
            const auto [kept, first] = results.try_emplace(name);
            Result& r = kept->second;
            if (first || ns < r.ns) {
                r.ns = ns;
                r.counters.clear();
                for (const auto& c : run.counters)
                    r.counters[c.first] = c.second.value;
            }
            r.peakKb = first ? peak : std::max(peak, r.peakKb);
            if (first)
                order.push_back(name);
        }
    }

    static double multiplier(benchmark::TimeUnit unit)
    {
        switch (unit) {
        case benchmark::kSecond: return 1e9;
        case benchmark::kMillisecond: return 1e6;
        case benchmark::kMicrosecond: return 1e3;
        default: return 1;
        }
    }

    Results results;
    std::vector<std::string> order;
};

std::string human(double ns)
{
    char buf[64];
    if (ns <= 0)
        return "-";
    if (ns >= 1e9)
        std::snprintf(buf, sizeof buf, "%.2f s", ns / 1e9);
    else if (ns >= 1e6)
        std::snprintf(buf, sizeof buf, "%.2f ms", ns / 1e6);
    else if (ns >= 1e3)
        std::snprintf(buf, sizeof buf, "%.2f us", ns / 1e3);
    else
        std::snprintf(buf, sizeof buf, "%.0f ns", ns);
    return buf;
}

// One line per benchmark: name, time, peak kB, then counters as key=value.
void writeResults(FILE* out, const CollectingReporter& reporter)
{
    for (const std::string& name : reporter.order) {
        const Result& r = reporter.results.at(name);
        std::fprintf(out, "%s %.1f %ld", name.c_str(), r.ns, r.peakKb);
        for (const auto& c : r.counters)
            std::fprintf(out, " %s=%.6g", c.first.c_str(), c.second);
        std::fprintf(out, "\n");
    }
}

void readResults(FILE* in, Results& results, std::vector<std::string>& order)
{
    char line[4096];
    while (std::fgets(line, sizeof line, in)) {
        std::istringstream s(line);
        std::string name, counter;
        Result r;
        if (!(s >> name >> r.ns >> r.peakKb))
            continue;
        while (s >> counter) {
            const size_t eq = counter.find('=');
            if (eq != std::string::npos)
                r.counters[counter.substr(0, eq)] = std::atof(counter.c_str() + eq + 1);
        }
        results[name] = r;
        if (std::find(order.begin(), order.end(), name) == order.end())
            order.push_back(name);
    }
}

// Runs the suite at scale in a child process (so that each scale has its own memory peak and its
// own static fixtures); false when the child failed.
bool runScaled(int scale, std::vector<char*> args, Results& results, std::vector<std::string>& order)
{
    int fds[2];
    // Close-on-exec: a process the suite starts (a database server, a watchdog shell) must not
    // keep the pipe open, or the parent never sees the end of the results.
    if (pipe2(fds, O_CLOEXEC) != 0)
        return false;
    std::fflush(stdout);
    const pid_t pid = fork();
    if (pid < 0)
        return false;
    if (pid == 0) {
        close(fds[0]);
        g_scale = scale;
        resetPeakRss();
        int n = int(args.size());
        args.push_back(nullptr);
        QApplication app(n, args.data());
        benchmark::Initialize(&n, args.data());
        CollectingReporter reporter;
        std::printf("-- at %dx\n", scale);
        benchmark::RunSpecifiedBenchmarks(&reporter);
        FILE* out = fdopen(fds[1], "w");
        writeResults(out, reporter);
        std::fclose(out);
        benchmark::Shutdown();
        std::fflush(stdout);
        _exit(0);
    }
    close(fds[1]);
    FILE* in = fdopen(fds[0], "r");
    readResults(in, results, order);
    std::fclose(in);
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

std::string countersText(const Result& r)
{
    std::string text;
    for (const auto& c : r.counters) {
        char buf[96];
        std::snprintf(buf, sizeof buf, "%s=%.3g ", c.first.c_str(), c.second);
        text += buf;
    }
    return text;
}

void printTable(const Results& one, const Results& ten, const std::vector<std::string>& order)
{
    const std::string suffix = "_Baseline";
    std::printf("\n%-40s %10s %10s %6s %10s %7s %7s %9s  %s\n", "benchmark", "time", "baseline", "ratio", "time 10x",
                "growth", "base gr", "peak 10x", "counters");
    for (const std::string& name : order) {
        const bool baseline = name.size() > suffix.size()
            && name.compare(name.size() - suffix.size(), suffix.size(), suffix) == 0;
        const auto r = one.find(name);
        if (baseline || r == one.end())
            continue;
        const auto base = one.find(name + suffix);
        const auto big = ten.find(name);
        const auto bigBase = ten.find(name + suffix);
        char ratio[32] = "-", growth[32] = "-", baseGrowth[32] = "-", peak[32] = "-";
        if (base != one.end() && base->second.ns > 0)
            std::snprintf(ratio, sizeof ratio, "%.2f", r->second.ns / base->second.ns);
        if (big != ten.end() && r->second.ns > 0)
            std::snprintf(growth, sizeof growth, "%.1f", big->second.ns / r->second.ns);
        if (bigBase != ten.end() && base != one.end() && base->second.ns > 0)
            std::snprintf(baseGrowth, sizeof baseGrowth, "%.1f", bigBase->second.ns / base->second.ns);
        if (big != ten.end() && big->second.peakKb > 0)
            std::snprintf(peak, sizeof peak, "%.0f MB", big->second.peakKb / 1024.0);
        std::printf("%-40s %10s %10s %6s %10s %7s %7s %9s  %s\n", name.c_str(), human(r->second.ns).c_str(),
                    base != one.end() ? human(base->second.ns).c_str() : "-", ratio,
                    big != ten.end() ? human(big->second.ns).c_str() : "-", growth, baseGrowth, peak,
                    countersText(r->second).c_str());
    }
}
} // namespace

namespace orbbench {
bool quick()
{
    return g_quick;
}

int scale()
{
    return g_scale;
}

int sized(int full, int quickSize)
{
    return (g_quick ? quickSize : full) * g_scale;
}

int run(int argc, char** argv, int repetitions, int growthRepetitions)
{
    std::vector<char*> args;
    bool forceScale = false, noScale = false;
    for (int i = 0; i < argc; ++i) {
        if (std::strcmp(argv[i], "--orb-quick") == 0)
            g_quick = true;
        else if (std::strcmp(argv[i], "--orb-scale") == 0)
            forceScale = true;
        else if (std::strcmp(argv[i], "--orb-no-scale") == 0)
            noScale = true;
        else
            args.push_back(argv[i]);
    }
    Results one, ten;
    std::vector<std::string> order, tenOrder;
    // Interleaved at 1x only, where the ratios are taken: the 10x run keeps one benchmark at a time,
    // so that each peak of memory is that benchmark's own.
    std::vector<char*> oneArgs = args, tenArgs = args;
    std::string repeat = "--benchmark_repetitions=" + std::to_string(repetitions);
    std::string tenRepeat = "--benchmark_repetitions=" + std::to_string(growthRepetitions);
    std::string interleave = "--benchmark_enable_random_interleaving=true";
    if (repetitions > 1) {
        oneArgs.insert(oneArgs.begin() + 1, &interleave[0]);
        oneArgs.insert(oneArgs.begin() + 1, &repeat[0]);
    }
    if (growthRepetitions > 1)
        tenArgs.insert(tenArgs.begin() + 1, &tenRepeat[0]);
    bool ok = runScaled(1, oneArgs, one, order);
    if (!noScale && (!g_quick || forceScale))
        ok = runScaled(kGrowthScale, tenArgs, ten, tenOrder) && ok;
    // The 10x run lists the suite in its own order; the interleaved 1x run does not.
    printTable(one, ten, tenOrder.empty() ? order : tenOrder);
    return ok ? 0 : 1;
}
} // namespace orbbench
