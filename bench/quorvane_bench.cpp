// make bench: generates a 1.4-million-record AstOrb.dat once, then times each command against a
// plain sequential read of the same file in the same run, with the peak resident memory of each
// quorvane-cli command run as a child process.
#include "generator.h"

#include "astorb/database.h"
#include "astorb/scanner.h"
#include "browse/display.h"
#include "browse/search.h"
#include "browse/search_plain.h"
#include "cli/session.h"
#include "lists/family.h"
#include "lists/names.h"
#include "lists/orbit_type.h"
#include "lists/plain_scans.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iostream>
#include <sstream>
#include <string>
#include <sys/resource.h>
#include <sys/statvfs.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace quorvane::bench {
namespace {

constexpr std::int64_t kRecords = 1400000;
constexpr int kRuns = 3;
const std::string kStampText = "quorvane-bench data v2, 1400000 records\n";

using Clock = std::chrono::steady_clock;

double Seconds(Clock::time_point from) {
    return std::chrono::duration<double>(Clock::now() - from).count();
}

std::string ReadText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

std::string DataFolder() {
    const std::string folder = QUORVANE_BENCH_DATA;
    std::filesystem::create_directories(folder);
    const std::string file = folder + "/AstOrb.dat";
    const std::string stamp = folder + "/stamp.txt";
    std::error_code ignored;
    if (ReadText(stamp) == kStampText &&
        std::filesystem::file_size(file, ignored) == static_cast<std::uintmax_t>(kRecords) * 267) {
        return folder;
    }
    struct statvfs space {};
    if (::statvfs(folder.c_str(), &space) == 0 &&
        static_cast<double>(space.f_bavail) * static_cast<double>(space.f_frsize) < 1.0e9) {
        throw std::runtime_error("less than 1 GB free under " + folder);
    }
    std::cout << "Generating " << kRecords << " records into " << file << " ..." << std::flush;
    const auto start = Clock::now();
    const GeneratedFile generated = GenerateAstOrb(file, kRecords);
    std::cout << " " << Seconds(start) << " s; planted " << generated.small.planted << " and "
              << generated.large.planted << " family members\n";
    std::ofstream(stamp) << kStampText;
    return folder;
}

// A plain sequential read of the whole file in blocks the size of the scans' largest.
double SequentialRead(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        throw std::runtime_error("cannot open " + path);
    }
    std::vector<char> buffer(kScanBlockRecords * 267);
    const auto start = Clock::now();
    off_t offset = 0;
    for (;;) {
        const ssize_t got = ::pread(fd, buffer.data(), buffer.size(), offset);
        if (got <= 0) {
            break;
        }
        offset += got;
    }
    const double seconds = Seconds(start);
    ::close(fd);
    return seconds;
}

struct ChildRun {
    double seconds = 0;
    double cpuSeconds = 0; // user and system
    long maxRssKiB = 0;
    int status = 0;
    std::string err;
};

// Runs `path` with `args`, standard output thrown away (or kept in `outFile`), standard error
// kept.
ChildRun RunProgram(const std::string& path, const std::vector<std::string>& args,
                    const std::string& errFile, const std::string& outFile = "/dev/null") {
    std::vector<char*> argv;
    std::string program = path;
    argv.push_back(program.data());
    std::vector<std::string> copies = args;
    for (std::string& arg : copies) {
        argv.push_back(arg.data());
    }
    argv.push_back(nullptr);
    const auto start = Clock::now();
    const pid_t child = ::fork();
    if (child == 0) {
        const int out = ::open(outFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        const int err = ::open(errFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        ::dup2(out, 1);
        ::dup2(err, 2);
        ::execv(argv[0], argv.data());
        ::_exit(127);
    }
    int status = 0;
    struct rusage usage {};
    ::wait4(child, &status, 0, &usage);
    ChildRun run;
    run.seconds = Seconds(start);
    run.maxRssKiB = usage.ru_maxrss;
    run.cpuSeconds = static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
                     static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    run.err = ReadText(errFile);
    return run;
}

ChildRun BestOf(const std::vector<std::string>& args, const std::string& errFile) {
    ChildRun best;
    for (int run = 0; run < kRuns; ++run) {
        ChildRun now = RunProgram(QUORVANE_CLI_PATH, args, errFile);
        if (run == 0 || now.seconds < best.seconds) {
            best.seconds = now.seconds;
            best.cpuSeconds = now.cpuSeconds;
            best.status = now.status;
            best.err = now.err;
        }
        best.maxRssKiB = std::max(best.maxRssKiB, now.maxRssKiB);
    }
    return best;
}

std::string LastLine(const std::string& text) {
    std::string trimmed = text;
    while (!trimmed.empty() && trimmed.back() == '\n') {
        trimmed.pop_back();
    }
    const auto cut = trimmed.rfind('\n');
    return cut == std::string::npos ? trimmed : trimmed.substr(cut + 1);
}

double CpuSeconds() {
    struct rusage usage {};
    ::getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// One line of the table; a negative CPU time or memory is not measured.
void Row(const std::string& name, double seconds, double cpuSeconds, double baseline, double rssMiB,
         const std::string& note) {
    char cpu[32] = "-";
    if (cpuSeconds >= 0) {
        std::snprintf(cpu, sizeof cpu, "%.1f", cpuSeconds * 1000.0);
    }
    char rss[32] = "-";
    if (rssMiB >= 0) {
        std::snprintf(rss, sizeof rss, "%.1f", rssMiB);
    }
    char line[512];
    std::snprintf(line, sizeof line, "| %-50s | %8.1f | %6.2f | %8s | %7s | %s", name.c_str(),
                  seconds * 1000.0, seconds / baseline, cpu, rss, note.c_str());
    std::cout << line << "\n";
}

struct Choice : OrbitTypeChoice {
    int planet = 3;
    int type = 3;
    int PlanetIndex() const override { return planet; }
    int TypeIndex() const override { return type; }
};
struct FixedTolerance : ToleranceSetting {
    int value = 50;
    int Tolerance() const override { return value; }
};

// One in-process scan through the window's seams, as the command-line session provides them.
cli::Invocation AllRecords(const std::string& folder) {
    cli::Invocation invocation;
    invocation.positionals = {folder};
    invocation.switches = {"--all"};
    return invocation;
}

struct InProcess {
    InProcess(const std::string& folder, int position) : invocation(AllRecords(folder)) {
        session.Open();
        session.ShowAt(position);
        session.answerYesNo = [](const std::string&) { return false; };
    }
    ScanPorts Ports() { return session.Ports(); }
    cli::Invocation invocation;
    std::ostringstream err;
    cli::Session session{invocation, err};
};

template <typename Scan>
std::pair<double, std::string> TimeInProcess(const std::string& folder, int position, Scan scan) {
    InProcess run(folder, position);
    const auto start = Clock::now();
    scan(run.Ports());
    const double seconds = Seconds(start);
    std::ostringstream clipboard;
    run.session.WriteClipboard(clipboard);
    return {seconds, clipboard.str() + "\n" + run.err.str()};
}

int Main() {
    const std::string folder = DataFolder();
    const std::string file = folder + "/AstOrb.dat";
    const std::string errFile = folder + "/stderr.txt";
    SequentialRead(file); // warms the page cache
    double baseline = 1e9;
    double baselineCpu = 1e9;
    for (int run = 0; run < 5; ++run) {
        const double cpuBefore = CpuSeconds();
        baseline = std::min(baseline, SequentialRead(file));
        baselineCpu = std::min(baselineCpu, CpuSeconds() - cpuBefore);
    }
    std::cout << "\nAstOrb.dat: " << kRecords << " records, "
              << static_cast<double>(kRecords) * 267 / 1048576.0 << " MiB; times are the best of "
              << kRuns << " runs, memory the largest peak\n\n";
    std::cout
        << "| operation                                          |  wall ms | /read  |   cpu ms "
           "| peak MiB | notes\n";
    std::cout
        << "|----------------------------------------------------|----------|--------|----------"
           "|----------|------\n";
    Row("sequential read, " + std::to_string(kScanBlockRecords * 267 / 1024) +
            " KiB blocks (baseline)",
        baseline, baselineCpu, baseline, -1,
        std::to_string(static_cast<int>(kRecords * 267 / baseline / 1e6)) + " MB/s");

    // A record shown: the display alone, in process, at scattered indexes.
    {
        AstOrbDatabase database;
        database.ReplaceFile(file);
        LabelTexts labels;
        constexpr int kShows = 2000;
        const auto start = Clock::now();
        for (int k = 0; k < kShows; ++k) {
            ShowRecord(database, nullptr, static_cast<int>((k * 7919LL * 131) % kRecords), labels);
        }
        const double each = Seconds(start) / kShows;
        Row("show a record (display, in process, each)", each, -1, baseline, -1,
            std::to_string(each * 1e6).substr(0, 5) + " us each, 2000 scattered records");
    }
    const auto cli = [&](const std::string& name, const std::vector<std::string>& args) {
        const ChildRun run = BestOf(args, errFile);
        Row(name, run.seconds, run.cpuSeconds, baseline,
            static_cast<double>(run.maxRssKiB) / 1024.0,
            "exit " + std::to_string(run.status) + "; " + LastLine(run.err));
        return run;
    };
    cli("quorvane-cli show (whole process)", {"show", folder, "700000"});
    [[maybe_unused]] const ChildRun marsCrosser =
        cli("special mars crosser, numbered only cleared",
            {"special", folder, "--planet", "mars", "--type", "crosser", "--all"});
    [[maybe_unused]] const ChildRun jupiterInner =
        cli("special jupiter inner, numbered only",
            {"special", folder, "--planet", "jupiter", "--type", "inner"});
    [[maybe_unused]] const ChildRun jupiterInnerAll =
        cli("special jupiter inner, numbered only cleared",
            {"special", folder, "--planet", "jupiter", "--type", "inner", "--all"});
    const ChildRun scan =
        cli("special retrograde, numbered only cleared",
            {"special", folder, "--planet", "earth", "--type", "retrograde", "--all"});
    cli("find Name text found nowhere, whole file",
        {"find", folder, "0", "--field", "Name", "--text", "qqzzqq", "--all"});
    cli("names", {"names", folder});
    cli("inclination from record 0, numbered only cleared", {"inclination", folder, "0", "--all"});
    const ChildRun small =
        cli("family pass, seed 2345, 50 m/s",
            {"family", folder, "2344", "--tolerance", "50", "--passes", "1", "--all"});
    const ChildRun large =
        cli("family pass, seed 15111, 100 m/s",
            {"family", folder, "15110", "--tolerance", "100", "--passes", "1", "--all"});
    cli("family pass, seed 2345, 200 m/s",
        {"family", folder, "2344", "--tolerance", "200", "--passes", "1", "--all"});
    cli("family pass, seed 15111, 200 m/s",
        {"family", folder, "15110", "--tolerance", "200", "--passes", "1", "--all"});
    std::cout << "\nA family pass against the retrograde list (a plain scan of the whole file): "
              << small.seconds / scan.seconds << " and " << large.seconds / scan.seconds
              << " (wall), " << small.cpuSeconds / scan.cpuSeconds << " and "
              << large.cpuSeconds / scan.cpuSeconds << " (cpu)\n";

    // The plain definitions, in process, on the same file: their times, and the same outputs.
    std::cout << "\nThe plain definitions in process (one ReadRecord per record), against the "
                 "quick forms in process:\n\n";
    const auto compare = [&](const std::string& name, int position, auto quick, auto plain) {
        const auto [quickSeconds, quickOut] = TimeInProcess(folder, position, quick);
        const auto [plainSeconds, plainOut] = TimeInProcess(folder, position, plain);
        Row(name + " quick", quickSeconds, -1, baseline, -1, "");
        Row(name + " plain", plainSeconds, -1, baseline, -1,
            quickOut == plainOut ? "same clipboard and messages" : "OUTPUTS DIFFER");
    };
    compare(
        "special mars crosser", 0,
        [](const ScanPorts& ports) { ExtractOrbitTypeList(ports, Choice{}); },
        [](const ScanPorts& ports) { ExtractOrbitTypeListPlain(ports, Choice{}); });
    compare(
        "names", 0, [](const ScanPorts& ports) { ExtractNames(ports); },
        [](const ScanPorts& ports) { ExtractNamesPlain(ports); });
    compare(
        "family 50 m/s one pass", 2344,
        [](const ScanPorts& ports) { ExtractFamily(ports, FixedTolerance{}); },
        [](const ScanPorts& ports) { ExtractFamilyPlain(ports, FixedTolerance{}); });
    const auto find = [&](bool quick) {
        return [quick](const ScanPorts& ports) {
            SearchState state;
            state.SearchText = u"qqzzqq";
            state.SearchLabel = ValueLabel::Name;
            state.AgainEnabled = true;
            const SearchContext context{ports.database,     nullptr,        ports.browser,
                                        ports.numberedOnly, ports.messages, ports.cursor};
            if (quick) {
                FindNext(state, context);
            } else {
                FindNextPlain(state, context);
            }
        };
    };
    compare("find Name nowhere", 0, find(true), find(false));
#ifdef QUORVANE_WINDOW_BENCH_PATH
    std::cout << "\nThe window's orbit-type list, offscreen (the click on Special; memory of the "
                 "whole window process):\n\n";
    const auto window = [&](const std::string& name, const std::vector<std::string>& args,
                            const ChildRun& commandLine) {
        const std::string outFile = folder + "/window.txt";
        ChildRun best;
        double bestMs = 1e12;
        std::string bestOut;
        for (int run = 0; run < kRuns; ++run) {
            const ChildRun now = RunProgram(QUORVANE_WINDOW_BENCH_PATH, args, errFile, outFile);
            const std::string out = ReadText(outFile);
            const double ms = std::atof(out.c_str());
            best.maxRssKiB = std::max(best.maxRssKiB, now.maxRssKiB);
            if (ms < bestMs) {
                bestMs = ms;
                bestOut = LastLine(out) + (now.status != 0 ? " " + now.err : "");
            }
        }
        std::ostringstream ratio;
        ratio.precision(2);
        ratio << std::fixed << bestMs / 1000.0 / commandLine.seconds;
        Row(name, bestMs / 1000.0, -1, baseline, static_cast<double>(best.maxRssKiB) / 1024.0,
            ratio.str() + "x the command line; ms, lines, message: " + bestOut);
    };
    window("window: special jupiter inner, numbered only", {folder, "4", "0", "numbered"},
           jupiterInner);
    window("window: special jupiter inner, numbered only cleared", {folder, "4", "0", "all"},
           jupiterInnerAll);
    window("window: special mars crosser, numbered only cleared", {folder, "3", "3", "all"},
           marsCrosser);
#else
    std::cout << "\nThe window is not built here: its orbit-type list is not measured.\n";
#endif
    return 0;
}

} // namespace
} // namespace quorvane::bench

int main() {
    try {
        return quorvane::bench::Main();
    } catch (const std::exception& error) {
        std::cerr << "quorvane-bench: " << error.what() << "\n";
        return 1;
    }
}
