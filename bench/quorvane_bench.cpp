// make bench: generates a 1.4-million-record AstOrb.dat once in each record layout, then times
// each command on every file against a plain sequential read of the same file in the same run,
// with the peak resident memory of each quorvane-cli command run as a child process, and sets
// each six-digit time beside the five-digit one.
//
// Three files, each cached under bench-data/<name>/ with its own stamp:
//   five-digit           the five-digit layout, numbers 1 to 99,999, then unnumbered records:
//                        the file the bench has always timed, byte for byte;
//   six-digit            the six-digit layout of today's astorb.dat, numbers 1 to 750,000;
//   six-digit-to-99999   the six-digit layout numbered like the five-digit file: the same
//                        records, each one column wider.
// Every file holds the same orbits at the same indexes. A scan of the whole file does the same
// work on all three. A scan that stops at the first unnumbered record (Extract Names, the
// numbered-only lists) reads 100,000 records of the five-digit file but 750,001 of today's
// file; it is held to the five-digit time on the third file, where it reads the same 100,000
// records, and its time per record read on today's file is shown beside that.
//
// Then the six-digit file packed as the published astorb.dat.gz is (gzip -6), cached in
// bench-data/six-digit-gz/, read through its index: the first opening (the index built, the
// cache emptied) and every scan (the index cached) against gzip -dc of the same file timed beside
// each run, a record at a random index, the peak memory of each command, and each command's
// output against that on the plain file.
#include "generator.h"

#include "astorb/database.h"
#include "astorb/display.h"
#include "astorb/float_reader.h"
#include "astorb/gzip_index_cache.h"
#include "astorb/scanner.h"
#include "lists/family.h"
#include "lists/family_figure.h"
#include "lists/family_metric.h"
#include "reference/fake_window.h"
#include "reference/plain_scans.h"
#include "reference/plain_search.h"
#include "search/search.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iostream>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace quorvane::bench {
namespace {

constexpr std::int64_t kRecords = 1400000;
constexpr int kRuns = 5;
// The bar every scan is held to: the six-digit time within 1.25 times the five-digit one, and
// the peak resident memory of a command under 64 MiB.
constexpr double kRatioBar = 1.25;
constexpr double kMemoryBarMiB = 64.0;

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

std::string Format(const char* format, double value) {
    char text[64];
    std::snprintf(text, sizeof text, format, value);
    return text;
}

// 1400000 as "1,400,000".
std::string Grouped(std::int64_t value) {
    std::string digits = std::to_string(value);
    for (auto at = static_cast<std::ptrdiff_t>(digits.size()) - 3; at > 0; at -= 3) {
        digits.insert(static_cast<std::size_t>(at), ",");
    }
    return digits;
}

struct DataSet {
    std::string name; // the folder under bench-data
    std::string title;
    RecordLayout layout;
    std::int64_t lastNumber;
    int recordLength = 0;
    std::string folder;
    std::string file;
    double baseline = 1e9; // the sequential read, seconds
    double baselineCpu = 1e9;

    // The records a scan that stops at the first unnumbered record reads from record 0.
    std::int64_t NumberedReach() const { return std::min(kRecords, lastNumber + 1); }
    double Bytes() const { return static_cast<double>(kRecords) * recordLength; }
};

enum Set : std::size_t { kFive, kSix, kSixTo99999 };

std::vector<DataSet> DataSets() {
    return {
        {"five-digit", "five-digit layout, numbers 1 to 99,999", RecordLayout::FiveDigit, 99999},
        {"six-digit", "six-digit layout, numbers 1 to 750,000", RecordLayout::SixDigit, 750000},
        {"six-digit-to-99999", "six-digit layout, numbers 1 to 99,999 (the five-digit numbering)",
         RecordLayout::SixDigit, 99999},
    };
}

// The five-digit file as earlier benches cached it, straight under bench-data: the same bytes
// the generator writes now, so it moves to its folder instead of being written again.
void AdoptEarlierFile(const DataSet& set, const std::string& stamp, const std::string& stampText) {
    const std::string root = QUORVANE_BENCH_DATA;
    const std::string earlier = root + "/AstOrb.dat";
    const std::string earlierStamp = root + "/stamp.txt";
    std::error_code ignored;
    if (ReadText(earlierStamp) != "quorvane-bench data v2, 1400000 records\n" ||
        std::filesystem::file_size(earlier, ignored) != static_cast<std::uintmax_t>(set.Bytes())) {
        return;
    }
    std::filesystem::rename(earlier, set.file);
    std::filesystem::remove(earlierStamp);
    std::ofstream(stamp) << stampText;
    std::cout << "Moved the five-digit file of earlier runs to " << set.file << "\n";
}

void PrepareData(DataSet& set) {
    set.recordLength = RecordLengthOf(set.layout);
    set.folder = std::string(QUORVANE_BENCH_DATA) + "/" + set.name;
    set.file = set.folder + "/AstOrb.dat";
    std::filesystem::create_directories(set.folder);
    const std::string stamp = set.folder + "/stamp.txt";
    const std::string stampText = "quorvane-bench data v3, " + set.name + ", " +
                                  std::to_string(kRecords) + " records of " +
                                  std::to_string(set.recordLength) + " bytes, numbers 1 to " +
                                  std::to_string(set.lastNumber) + "\n";
    const auto size = static_cast<std::uintmax_t>(set.Bytes());
    std::error_code ignored;
    const auto cached = [&] {
        return ReadText(stamp) == stampText &&
               std::filesystem::file_size(set.file, ignored) == size;
    };
    if (!cached() && set.layout == RecordLayout::FiveDigit && set.lastNumber == 99999) {
        AdoptEarlierFile(set, stamp, stampText);
    }
    if (!cached()) {
        std::filesystem::remove(stamp, ignored);
        struct statvfs space {};
        if (::statvfs(set.folder.c_str(), &space) == 0 &&
            static_cast<double>(space.f_bavail) * static_cast<double>(space.f_frsize) <
                set.Bytes() + 2.0e8) {
            throw std::runtime_error("not enough free space under " + set.folder);
        }
        std::cout << "Generating " << kRecords << " records (" << set.title << ") into " << set.file
                  << " ..." << std::flush;
        const auto start = Clock::now();
        const GeneratedFile generated =
            GenerateAstOrb(set.file, kRecords, set.layout, set.lastNumber);
        std::cout << " " << Format("%.1f", Seconds(start)) << " s; planted "
                  << generated.small.planted << " and " << generated.large.planted
                  << " family members\n";
        std::ofstream(stamp) << stampText;
    }
    // The core must read the file as the layout it was written in, or every figure below
    // would time something else.
    AstOrbDatabase database;
    database.ReplaceFile(set.file);
    const RecordFormat format = database.Format();
    if (format.layout != set.layout || format.length != set.recordLength ||
        database.RecordCount() != kRecords) {
        throw std::runtime_error(set.file + " is not read as " + set.title + " of " +
                                 std::to_string(set.recordLength) + "-byte records");
    }
}

// Drops the file from the page cache and reads it back in. The pages a file was written
// through stay cached as that write left them, and such a file reads back slower than one the
// cache filled by reading (up to 1.5 times as slow, measured on the development machine, for
// files of equal size): every file starts each run cached the same way, by a read.
void LoadIntoCache(const std::string& file) {
    const int fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        throw std::runtime_error("cannot open " + file);
    }
    ::fdatasync(fd); // dirty pages would stay
    ::posix_fadvise(fd, 0, 0, POSIX_FADV_DONTNEED);
    std::vector<char> buffer(1 << 20);
    off_t offset = 0;
    for (;;) {
        const ssize_t got = ::pread(fd, buffer.data(), buffer.size(), offset);
        if (got <= 0) {
            break;
        }
        offset += got;
    }
    ::close(fd);
}

// A plain sequential read of the whole file in blocks the size of the scans' largest.
double SequentialRead(const DataSet& set) {
    const int fd = ::open(set.file.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        throw std::runtime_error("cannot open " + set.file);
    }
    std::vector<char> buffer(kScanBlockRecords * static_cast<std::size_t>(set.recordLength));
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

// Writes or reads all `size` bytes through a pipe; false when the other end is gone.
bool WriteAll(int fd, const void* data, std::size_t size) {
    const char* at = static_cast<const char*>(data);
    while (size > 0) {
        const ssize_t done = ::write(fd, at, size);
        if (done <= 0) {
            return false;
        }
        at += done;
        size -= static_cast<std::size_t>(done);
    }
    return true;
}

bool ReadAll(int fd, void* data, std::size_t size) {
    char* at = static_cast<char*>(data);
    while (size > 0) {
        const ssize_t done = ::read(fd, at, size);
        if (done <= 0) {
            return false;
        }
        at += done;
        size -= static_cast<std::size_t>(done);
    }
    return true;
}

bool WriteString(int fd, const std::string& text) {
    const std::uint64_t size = text.size();
    return WriteAll(fd, &size, sizeof size) && WriteAll(fd, text.data(), text.size());
}

bool ReadString(int fd, std::string& text) {
    std::uint64_t size = 0;
    if (!ReadAll(fd, &size, sizeof size)) {
        return false;
    }
    text.resize(size);
    return ReadAll(fd, text.data(), text.size());
}

// What the launcher sends back for one program run.
struct LaunchResult {
    double seconds;
    double cpuSeconds;
    long maxRssKiB;
    int status;
};

// Starts the programs the bench measures. A child's peak resident memory counts every page it
// holds from its fork until its exec, so a program forked straight from the bench, once the
// bench holds the lists it compares (hundreds of MiB), would report the bench's memory as its
// own. The launcher is forked at the start, while the bench is a few MiB, and stays that small:
// each program is forked from it, timed from fork to exit, and its figures sent back.
class Launcher {
public:
    Launcher() {
        int requests[2];
        int results[2];
        if (::pipe2(requests, O_CLOEXEC) != 0 || ::pipe2(results, O_CLOEXEC) != 0) {
            throw std::runtime_error("cannot make the launcher's pipes");
        }
        std::cout.flush();
        pid_ = ::fork();
        if (pid_ < 0) {
            throw std::runtime_error("cannot fork the launcher");
        }
        if (pid_ == 0) {
            ::close(requests[1]);
            ::close(results[0]);
            Serve(requests[0], results[1]);
            ::_exit(0);
        }
        ::close(requests[0]);
        ::close(results[1]);
        requests_ = requests[1];
        results_ = results[0];
    }
    ~Launcher() {
        ::close(requests_);
        ::close(results_);
        int status = 0;
        ::waitpid(pid_, &status, 0);
    }
    Launcher(const Launcher&) = delete;
    Launcher& operator=(const Launcher&) = delete;

    // Runs `path` with `args`, standard output thrown away (or kept in `outFile`), standard
    // error kept in `errFile`.
    ChildRun Run(const std::string& path, const std::vector<std::string>& args,
                 const std::string& errFile, const std::string& outFile = "/dev/null") {
        const std::uint64_t count = args.size();
        bool sent = WriteString(requests_, path) && WriteString(requests_, outFile) &&
                    WriteString(requests_, errFile) && WriteAll(requests_, &count, sizeof count);
        for (const std::string& arg : args) {
            sent = sent && WriteString(requests_, arg);
        }
        LaunchResult result{};
        if (!sent || !ReadAll(results_, &result, sizeof result)) {
            throw std::runtime_error("the launcher stopped");
        }
        ChildRun run;
        run.seconds = result.seconds;
        run.cpuSeconds = result.cpuSeconds;
        run.maxRssKiB = result.maxRssKiB;
        run.status = result.status;
        run.err = ReadText(errFile);
        return run;
    }

private:
    // The launcher's loop: one request, one program, one result, until the bench closes the
    // pipe.
    static void Serve(int requests, int results) {
        for (;;) {
            std::string path;
            std::string outFile;
            std::string errFile;
            std::uint64_t count = 0;
            if (!ReadString(requests, path) || !ReadString(requests, outFile) ||
                !ReadString(requests, errFile) || !ReadAll(requests, &count, sizeof count)) {
                return;
            }
            std::vector<std::string> args(count);
            for (std::string& arg : args) {
                if (!ReadString(requests, arg)) {
                    return;
                }
            }
            std::vector<char*> argv;
            argv.push_back(path.data());
            for (std::string& arg : args) {
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
            if (child > 0) {
                ::wait4(child, &status, 0, &usage);
            }
            LaunchResult result{};
            result.seconds = Seconds(start);
            result.maxRssKiB = usage.ru_maxrss;
            result.cpuSeconds =
                static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
                static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
            result.status = child < 0 ? -1 : WIFEXITED(status) ? WEXITSTATUS(status) : -1;
            if (!WriteAll(results, &result, sizeof result)) {
                return;
            }
        }
    }

    pid_t pid_ = -1;
    int requests_ = -1;
    int results_ = -1;
};

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

// One in-process command on the fake window over a file: every record, the Mars crossers, 50 m/s,
// the browser on `position`.
struct InProcess {
    InProcess(const std::string& file, int position) {
        window.Open(file, AfterOpen::ShowNothing);
        window.model.ShowAt(position).RaiseError();
        window.numberedOnly = false;
        window.planet = 3;
        window.type = 3;
        window.tolerance = 50;
    }
    // The clipboard, then every message and question on a line of its own.
    std::string Output() const {
        std::string text = window.clipboard.value_or("") + "\n";
        for (const std::string& entry : window.log) {
            for (const std::string_view said : {"inform ", "ask "}) {
                if (entry.starts_with(said)) {
                    text += entry.substr(said.size()) + "\n";
                }
            }
        }
        return text;
    }
    FakeWindow window;
};

// What part of the file a measurement reads.
enum class Reach {
    Record,       // one record at a time
    WholeFile,    // every record, whatever the numbering
    NumberedPart, // from record 0 to the first unnumbered record
};

// How a measurement is run, which decides the bars it is held to.
enum class Kind {
    Command,   // a quorvane-cli command, whole process: time and memory bars
    InProcess, // a call in this process: time bar only
    Window,    // the window's click; its memory is that of the whole window process
};

// One file's figures for one measurement: the fastest run, the largest peak.
struct Sample {
    double seconds = 0;
    double cpuSeconds = -1; // negative when not measured
    double rssMiB = -1;     // negative when not measured
    std::string note;
    std::string output; // the list and messages, compared between files; empty when none
};

// A quorvane-cli command run as a child process, as one sample.
Sample CommandSample(const ChildRun& run) {
    Sample sample;
    sample.seconds = run.seconds;
    sample.cpuSeconds = run.cpuSeconds;
    sample.rssMiB = static_cast<double>(run.maxRssKiB) / 1024.0;
    sample.note = "exit " + std::to_string(run.status) + "; " + LastLine(run.err);
    return sample;
}

struct Measured {
    std::string name;
    Reach reach;
    Kind kind;
    std::function<Sample(const DataSet&)> once; // one run on one file
    std::vector<Sample> sets;                   // one per data set
    int rounds = 0;                             // of kRuns runs on every file
    // The plain form's quick form, or the window list's command-line list.
    const Measured* against = nullptr;
};

// Where a measurement stands against the bar.
struct Verdict {
    double ratio;     // 6/5
    double matched;   // 6'/5
    double perRecord; // 6/5 per record read, for a scan of the numbered part
    double held;      // the ratio the bar applies to
    double peakMiB;   // over every file; negative when not measured
    bool slow;
    bool slowPerRecord;
    bool large;
};

Verdict Judge(const Measured& row, const std::vector<DataSet>& sets) {
    Verdict verdict{};
    const double five = row.sets[kFive].seconds;
    verdict.ratio = row.sets[kSix].seconds / five;
    verdict.matched = row.sets[kSixTo99999].seconds / five;
    verdict.perRecord = verdict.ratio * static_cast<double>(sets[kFive].NumberedReach()) /
                        static_cast<double>(sets[kSix].NumberedReach());
    const bool numbered = row.reach == Reach::NumberedPart;
    verdict.held = numbered ? verdict.matched : verdict.ratio;
    verdict.peakMiB = -1;
    for (const Sample& sample : row.sets) {
        verdict.peakMiB = std::max(verdict.peakMiB, sample.rssMiB);
    }
    verdict.slow = verdict.held > kRatioBar;
    verdict.slowPerRecord = numbered && verdict.perRecord > kRatioBar;
    verdict.large = row.kind != Kind::InProcess && verdict.peakMiB >= kMemoryBarMiB;
    return verdict;
}

enum class Group { Commands, Plain, Window };

// The six-digit file packed as the published astorb.dat.gz is packed, with gzip -6, and cached in
// a folder of its own beside the plain files (in a folder that holds both, the plain file opens).
struct GzipSet {
    std::string program; // gzip; empty when it is not found
    std::string folder;
    std::string file;
    std::uintmax_t bytes = 0;
    std::size_t points = 0;        // in the index kept in the cache
    std::uintmax_t indexBytes = 0; // the cache file
    bool indexTaken = false;       // the index kept in the cache matches the file
    double gunzip = 1e9;           // the fastest gzip -dc FILE > /dev/null of the whole section
};

// What a row of the packed file is held to.
struct GzipBar {
    double gunzip = 0;   // its time at most this many times that of gzip -dc; 0: no such bar
    double ms = 0;       // its time at most this many milliseconds; 0: no such bar
    bool memory = false; // a quorvane-cli command: its peak resident memory at most kMemoryBarMiB
};

struct GzipRow {
    std::string name;
    GzipBar bar;
    std::function<Sample()> once;
    const Measured* plain = nullptr; // the same command on the plain files
    Sample best;                     // the fastest run, the largest peak
    double gunzip = 1e9;             // the fastest gzip -dc timed beside this row's runs
    int rounds = 0;
    std::string same = "-"; // its output against that of the plain six-digit file
};

// The XDG_CACHE_HOME of every program the bench runs and of the bench itself: the index of the
// packed file is kept there, and emptied where a first opening is timed.
std::string IndexCacheHome() {
    return std::string(QUORVANE_BENCH_DATA) + "/index-cache";
}

// The program `name` on PATH; empty when there is none.
std::string FindProgram(const std::string& name) {
    const char* path = std::getenv("PATH");
    std::string folders = path != nullptr ? path : "/usr/bin:/bin";
    std::size_t start = 0;
    while (start <= folders.size()) {
        const std::size_t end = std::min(folders.find(':', start), folders.size());
        const std::string candidate = folders.substr(start, end - start) + "/" + name;
        if (end > start && ::access(candidate.c_str(), X_OK) == 0) {
            return candidate;
        }
        start = end + 1;
    }
    return {};
}

class Bench {
public:
    Bench(Launcher& launcher, std::vector<DataSet> sets)
        : launcher_(launcher), sets_(std::move(sets)) {}

    int Run();

private:
    Measured& Measure(Group group, const std::string& name, Reach reach, Kind kind,
                      std::function<Sample(const DataSet&)> once) {
        auto& rows = rows_[static_cast<std::size_t>(group)];
        rows.push_back({name, reach, kind, std::move(once), std::vector<Sample>(sets_.size())});
        RunRound(rows.back());
        return rows.back();
    }

    // Runs the measurement kRuns times on every file, the files taking turns (each run starting
    // with the next file), so that a change in the machine's load falls on all of them alike;
    // keeps each file's fastest run and largest peak over every round.
    void RunRound(Measured& row) {
        for (int run = 0; run < kRuns; ++run) {
            for (std::size_t turn = 0; turn < sets_.size(); ++turn) {
                const std::size_t s = (turn + static_cast<std::size_t>(run)) % sets_.size();
                Sample now = row.once(sets_[s]);
                Sample& best = row.sets[s];
                const double peak = std::max(best.rssMiB, now.rssMiB);
                if ((row.rounds == 0 && run == 0) || now.seconds < best.seconds) {
                    // A command's output is taken once, after its first round: a faster run of
                    // a later round must not take it away.
                    std::string output =
                        now.output.empty() ? std::move(best.output) : std::move(now.output);
                    best = std::move(now);
                    best.output = std::move(output);
                }
                best.rssMiB = peak;
            }
        }
        ++row.rounds;
    }

    // quorvane-cli COMMAND FOLDER ARGS..., timed with standard output thrown away; then once
    // more, untimed, with its output kept for the comparison between files.
    Measured& Cli(const std::string& name, Reach reach, const std::string& command,
                  const std::vector<std::string>& rest) {
        const auto argsFor = [command, rest](const DataSet& set) {
            std::vector<std::string> args = {command, set.folder};
            args.insert(args.end(), rest.begin(), rest.end());
            return args;
        };
        Measured& row = Measure(
            Group::Commands, name, reach, Kind::Command, [this, argsFor](const DataSet& set) {
                return CommandSample(launcher_.Run(QUORVANE_CLI_PATH, argsFor(set), ErrFile(set)));
            });
        for (std::size_t s = 0; s < sets_.size(); ++s) {
            const std::string outFile = sets_[s].folder + "/stdout.txt";
            const ChildRun run =
                launcher_.Run(QUORVANE_CLI_PATH, argsFor(sets_[s]), ErrFile(sets_[s]), outFile);
            row.sets[s].output = ReadText(outFile) + "\n" + run.err;
            std::filesystem::remove(outFile);
        }
        cliRows_.push_back({&row, command, rest});
        return row;
    }

    // The same command through the product and through its plain definition, in process, each
    // on a fake window of its own: their times, and whether they give the same clipboard and
    // messages. `quick` runs the model's command as the window does, `plain` the reference on
    // the window's ports.
    template <typename Quick, typename Plain>
    void Compare(const std::string& name, Reach reach, int position, Quick quick, Plain plain) {
        const auto timed = [position](const auto& run) {
            return [position, run](const DataSet& set) {
                InProcess command(set.file, position);
                const auto start = Clock::now();
                run(command.window);
                Sample sample;
                sample.seconds = Seconds(start);
                sample.output = command.Output();
                return sample;
            };
        };
        const auto timedQuick = timed(quick);
        const auto timedPlain = timed(plain);
        const Measured& quickRow =
            Measure(Group::Plain, name + " quick", reach, Kind::InProcess, timedQuick);
        Measure(Group::Plain, name + " plain", reach, Kind::InProcess, timedPlain).against =
            &quickRow;
    }

#ifdef QUORVANE_WINDOW_BENCH_PATH
    // One orbit-type list pressed in the window, offscreen, against the same list from
    // quorvane-cli (`commandLine`).
    void Window(const std::string& name, Reach reach, const std::vector<std::string>& rest,
                const Measured& commandLine) {
        Measure(Group::Window, name, reach, Kind::Window, [this, rest](const DataSet& set) {
            const std::string outFile = set.folder + "/window.txt";
            std::vector<std::string> args = {set.folder};
            args.insert(args.end(), rest.begin(), rest.end());
            const ChildRun run =
                launcher_.Run(QUORVANE_WINDOW_BENCH_PATH, args, ErrFile(set), outFile);
            const std::string out = LastLine(ReadText(outFile));
            Sample sample;
            sample.seconds = std::atof(out.c_str()) / 1000.0;
            sample.rssMiB = static_cast<double>(run.maxRssKiB) / 1024.0;
            sample.note = out + (run.status != 0 ? " " + run.err : "");
            sample.output = out.substr(std::min(out.size(), out.find(' ')));
            return sample;
        }).against = &commandLine;
    }
#endif

    // A measurement that misses the time bar gets one more round on every file before it is
    // judged: on a shared machine one busy moment can make a miss of a few percent.
    void MeasureMissesAgain() {
        for (auto& rows : rows_) {
            for (Measured& row : rows) {
                const Verdict verdict = Judge(row, sets_);
                if (verdict.slow || verdict.slowPerRecord) {
                    RunRound(row);
                }
            }
        }
    }

    static std::string ErrFile(const DataSet& set) {
        return set.folder + "/stderr.txt";
    }

    void FamilyFigureRow();

    std::string Note(const Measured& row, std::size_t s) const;
    void PrintTable(std::size_t s) const;
    void PrintComparison() const;

    // The six-digit file packed with gzip (gzip_bench below).
    struct CliRow {
        const Measured* plain; // the same command on the plain files
        std::string command;
        std::vector<std::string> rest;
    };
    void PrepareGzip();
    double Gunzip() const;
    GzipRow& GzipMeasure(const std::string& name, GzipBar bar, const std::function<Sample()>& once);
    void GzipRound(GzipRow& row);
    ChildRun GzipCli(const std::vector<std::string>& args,
                     const std::string& outFile = "/dev/null");
    void RunGzip();
    void PrintGzip() const;

    Launcher& launcher_;
    std::vector<DataSet> sets_;
    std::deque<Measured> rows_[3]; // by Group; a deque keeps `against` valid
    // The family passes and the retrograde list they are set against.
    const Measured* smallFamily_ = nullptr;
    const Measured* largeFamily_ = nullptr;
    const Measured* retrograde_ = nullptr;
    // The family figure and the in-process scan of the whole file it is set against.
    const Measured* familyFigure_ = nullptr;
    const Measured* inProcessScan_ = nullptr;
    bool windowBuilt_ = false;
    std::vector<CliRow> cliRows_;
    GzipSet gzip_;
    std::deque<GzipRow> gzipRows_;
};

// One line of a table; a negative CPU time or memory is not measured.
void TableRow(const std::string& name, double seconds, double cpuSeconds, double baseline,
              double rssMiB, const std::string& note) {
    const std::string cpu = cpuSeconds >= 0 ? Format("%.1f", cpuSeconds * 1000.0) : "-";
    const std::string rss = rssMiB >= 0 ? Format("%.1f", rssMiB) : "-";
    char line[1024];
    std::snprintf(line, sizeof line, "| %-52s | %8.1f | %6.2f | %8s | %8s | %s", name.c_str(),
                  seconds * 1000.0, seconds / baseline, cpu.c_str(), rss.c_str(), note.c_str());
    std::cout << line << "\n";
}

void TableHead(const char* against = "/read ") {
    std::cout << "| operation                                            |  wall ms | " << against
              << " |   "
                 "cpu ms | peak MiB | notes\n";
    std::cout << "|------------------------------------------------------|----------|--------|---"
                 "-------|----------|------\n";
}

// The records within `tolerance` of the seed alone: the family's first pass finds these and
// the few more they reach, about 10,000 for the large family at 100 m/s. The figure's cost
// lies in its scan and in the members it names, not in which they are.
FamilyFound FamilyAroundSeed(const DataSet& set, int seed, int tolerance) {
    AstOrbDatabase database;
    database.ReplaceFile(set.file);
    FamilyFound found;
    found.seed = seed;
    found.tolerance = tolerance;
    found.passes = 1;
    RecordBlockReader reader(database);
    const FloatReader fields(NumberFormat{});
    // False for a record whose elements cannot be decoded: no member.
    const auto orbitAt = [&](std::int64_t i, std::array<double, 3>& orbit) {
        const std::optional<AstOrbRecord> record = reader.Record(i);
        if (!record) {
            throw std::runtime_error("cannot read record " + std::to_string(i) + " of " + set.file);
        }
        double inclination = 0.0;
        if (!fields.Read(*record, Field::SemiMajorAxis, orbit[0]) ||
            !fields.Read(*record, Field::Eccentricity, orbit[1]) ||
            !fields.Read(*record, Field::Inclination, inclination)) {
            return false;
        }
        orbit[2] = SineOfInclination(inclination);
        return true;
    };
    std::array<double, 3> centre{};
    if (!orbitAt(seed, centre)) {
        throw std::runtime_error("the seed of the family figure has no orbit in " + set.file);
    }
    found.aMin = found.aMax = centre[0];
    found.eMin = found.eMax = centre[1];
    found.sMin = found.sMax = centre[2];
    for (std::int64_t i = 0; i < kRecords; ++i) {
        std::array<double, 3> o{};
        if (i == seed || !orbitAt(i, o)) {
            continue;
        }
        const double scale = FamilyMetric::Scale(o[0], MeanMotion(o[0]));
        if (FamilyMetric::Distance(scale, o[0], o[1], o[2], centre[0], centre[1], centre[2]) <=
            tolerance) {
            found.members.push_back(i);
            found.aMin = std::min(found.aMin, o[0]);
            found.aMax = std::max(found.aMax, o[0]);
            found.eMin = std::min(found.eMin, o[1]);
            found.eMax = std::max(found.eMax, o[1]);
            found.sMin = std::min(found.sMin, o[2]);
            found.sMax = std::max(found.sMax, o[2]);
        }
    }
    found.count = static_cast<int>(found.members.size()) + 1;
    return found;
}

// The figure of the large family, collected and written in process, held to the bar of a scan
// of the whole file; its SVG is kept beside each file (family-figure.svg) for a look.
void Bench::FamilyFigureRow() {
    constexpr int kSeed = 15110;
    constexpr int kTolerance = 100;
    std::map<std::string, FamilyFound> families; // by data set
    for (const DataSet& set : sets_) {
        families[set.name] = FamilyAroundSeed(set, kSeed, kTolerance);
    }
    familyFigure_ =
        &Measure(Group::Commands, "family figure, seed 15111, 100 m/s (scan and SVG)",
                 Reach::WholeFile, Kind::InProcess, [families](const DataSet& set) {
                     const FamilyFound& found = families.at(set.name);
                     AstOrbDatabase database;
                     database.ReplaceFile(set.file);
                     const auto start = Clock::now();
                     const std::optional<FamilyFigure> figure =
                         CollectFamilyFigure(database, nullptr, found, NumberFormat{});
                     const std::string svg =
                         figure ? FamilyFigureSvg(*figure, FigureLanguage::English) : std::string();
                     Sample sample;
                     sample.seconds = Seconds(start);
                     if (figure) {
                         std::ofstream(set.folder + "/family-figure.svg", std::ios::binary) << svg;
                         sample.note =
                             Grouped(static_cast<std::int64_t>(figure->members.size())) +
                             " members, " +
                             Grouped(static_cast<std::int64_t>(figure->others.size())) + " of " +
                             Grouped(figure->othersInWindow) + " others shown, SVG " +
                             Format("%.2f", static_cast<double>(svg.size()) / 1e6) + " MB";
                     } else {
                         sample.note = "NO FIGURE: the seed cannot be read";
                     }
                     sample.output = svg;
                     return sample;
                 });
}

std::string Bench::Note(const Measured& row, std::size_t s) const {
    const Sample& sample = row.sets[s];
    if (row.against == nullptr) {
        return sample.note;
    }
    if (row.kind == Kind::Window) {
        return Format("%.2f", sample.seconds / row.against->sets[s].seconds) +
               "x the command line; ms, lines, message: " + sample.note;
    }
    return sample.output == row.against->sets[s].output ? "same clipboard and messages"
                                                        : "OUTPUTS DIFFER";
}

void Bench::PrintTable(std::size_t s) const {
    const DataSet& set = sets_[s];
    std::cout << "\n## " << set.title << "\n\n"
              << set.file << ": " << Grouped(kRecords) << " records of " << set.recordLength
              << " bytes, " << Format("%.1f", set.Bytes() / 1048576.0) << " MiB; a numbered-only "
              << "scan from record 0 reads " << Grouped(set.NumberedReach()) << " of them\n\n";
    TableHead();
    TableRow(
        "sequential read, " +
            std::to_string(kScanBlockRecords * static_cast<std::size_t>(set.recordLength) / 1024) +
            " KiB blocks (baseline)",
        set.baseline, set.baselineCpu, set.baseline, -1,
        std::to_string(static_cast<int>(set.Bytes() / set.baseline / 1e6)) + " MB/s");
    for (const Measured& row : rows_[static_cast<std::size_t>(Group::Commands)]) {
        const Sample& sample = row.sets[s];
        TableRow(row.name, sample.seconds, sample.cpuSeconds, set.baseline, sample.rssMiB,
                 Note(row, s));
    }
    const Sample& scan = retrograde_->sets[s];
    const Sample& small = smallFamily_->sets[s];
    const Sample& large = largeFamily_->sets[s];
    std::cout << "\nA family pass against the retrograde list (a plain scan of the whole file): "
              << Format("%.2f", small.seconds / scan.seconds) << " and "
              << Format("%.2f", large.seconds / scan.seconds) << " (wall), "
              << Format("%.2f", small.cpuSeconds / scan.cpuSeconds) << " and "
              << Format("%.2f", large.cpuSeconds / scan.cpuSeconds) << " (cpu)\n";
    if (familyFigure_ != nullptr && inProcessScan_ != nullptr) {
        const Sample& figure = familyFigure_->sets[s];
        std::cout << "\nThe family figure (its scan and its SVG) against one in-process scan of "
                     "the whole file ("
                  << inProcessScan_->name
                  << "): " << Format("%.2f", figure.seconds / inProcessScan_->sets[s].seconds)
                  << " (wall); " << figure.note << "\n";
    }
    std::cout << "\nThe plain definitions in process (one ReadRecord per record), against the "
                 "quick forms in process:\n\n";
    TableHead();
    for (const Measured& row : rows_[static_cast<std::size_t>(Group::Plain)]) {
        TableRow(row.name, row.sets[s].seconds, -1, set.baseline, -1, Note(row, s));
    }
    if (windowBuilt_) {
        std::cout << "\nThe window's orbit-type list, offscreen (the click on Special; memory of "
                     "the whole window process):\n\n";
        TableHead();
        for (const Measured& row : rows_[static_cast<std::size_t>(Group::Window)]) {
            const Sample& sample = row.sets[s];
            TableRow(row.name, sample.seconds, -1, set.baseline, sample.rssMiB, Note(row, s));
        }
    } else {
        std::cout << "\nThe window is not built here: its orbit-type list is not measured.\n";
    }
}

void Bench::PrintComparison() const {
    const DataSet& five = sets_[kFive];
    const DataSet& six = sets_[kSix];
    const DataSet& sixTo99999 = sets_[kSixTo99999];
    std::cout << "\n## The six-digit layout against the five-digit layout\n\n"
              << "5: " << five.title << ".\n6: " << six.title << ".\n6': " << sixTo99999.title
              << ".\n\nThe bar: every scan on the six-digit layout within "
              << Format("%.2f", kRatioBar)
              << "x the same scan on the five-digit layout, and the peak memory of every command "
                 "under "
              << Format("%.0f", kMemoryBarMiB)
              << " MiB on every file.\nA scan of the whole file (reads: all) is held to 6/5. A "
                 "scan that stops at the first unnumbered record (reads:\nnumbered) reads "
              << Grouped(five.NumberedReach()) << " records of 5 but "
              << Grouped(six.NumberedReach())
              << " of 6; it is held to 6'/5, where it reads the same "
              << Grouped(sixTo99999.NumberedReach())
              << " records\nin both layouts, and its time per record read on 6 over that on 5 "
                 "must meet the bar too (6/5 per record;\nthe start of the process weighs less "
                 "on the longer scan). same output: 6' gives the list and messages 5 gives.\n"
                 "A row that misses the time bar after "
              << kRuns << " runs on every file is measured " << kRuns
              << " more times on every file and judged on\nthe best of all; its bar says "
                 "\"(2 rounds)\".\n\n";
    std::cout << "| operation                                            | reads    |  5 ms    "
                 "|  6 ms    |  6' ms   |  6/5  | 6'/5  | 6/5 per record | peak MiB | same output "
                 "| bar\n";
    std::cout << "|------------------------------------------------------|----------|----------"
                 "|----------|----------|-------|-------|----------------|----------|-------------"
                 "|-----\n";
    const auto line = [](const std::string& name, const std::string& reach,
                         const std::vector<double>& ms, double ratio, double matched,
                         const std::string& perRecord, const std::string& peak,
                         const std::string& same, const std::string& bar) {
        char text[1024];
        std::snprintf(text, sizeof text,
                      "| %-52s | %-8s | %8.1f | %8.1f | %8.1f | %5.2f | %5.2f | %14s | %8s | %-11s "
                      "| %s",
                      name.c_str(), reach.c_str(), ms[kFive], ms[kSix], ms[kSixTo99999], ratio,
                      matched, perRecord.c_str(), peak.c_str(), same.c_str(), bar.c_str());
        std::cout << text << "\n";
    };
    // The read is the yardstick, not a scan: shown for scale, held to no bar.
    line("sequential read (baseline)", "all",
         {five.baseline * 1e3, six.baseline * 1e3, sixTo99999.baseline * 1e3},
         six.baseline / five.baseline, sixTo99999.baseline / five.baseline, "-", "-", "-",
         "the yardstick, no bar");
    int misses = 0;
    for (const auto& rows : rows_) {
        for (const Measured& row : rows) {
            const Verdict verdict = Judge(row, sets_);
            std::string bar;
            const auto add = [&bar](const std::string& text) {
                bar += (bar.empty() ? "" : "; ") + text;
            };
            if (verdict.slow) {
                add("MISSES " + Format("%.2f", kRatioBar) + "x: " + Format("%.2f", verdict.held) +
                    "x, " + Format("%.0f", (verdict.held / kRatioBar - 1.0) * 100.0) +
                    "% over the bar");
            }
            if (verdict.slowPerRecord) {
                add("MISSES " + Format("%.2f", kRatioBar) +
                    "x per record: " + Format("%.2f", verdict.perRecord) + "x");
            }
            if (verdict.large) {
                add("OVER " + Format("%.0f", kMemoryBarMiB) +
                    " MiB: " + Format("%.1f", verdict.peakMiB) + " MiB" +
                    (row.kind == Kind::Window ? " (the whole window process)" : ""));
            }
            if (bar.empty()) {
                bar = "ok";
            } else {
                ++misses;
            }
            if (row.rounds > 1) {
                bar += " (" + std::to_string(row.rounds) + " rounds)";
            }
            const std::string same = row.sets[kFive].output.empty() ? "-"
                                     : row.sets[kFive].output == row.sets[kSixTo99999].output
                                         ? "same"
                                         : "DIFFERS";
            const bool numbered = row.reach == Reach::NumberedPart;
            line(row.name,
                 row.reach == Reach::Record      ? "record"
                 : row.reach == Reach::WholeFile ? "all"
                                                 : "numbered",
                 {row.sets[kFive].seconds * 1e3, row.sets[kSix].seconds * 1e3,
                  row.sets[kSixTo99999].seconds * 1e3},
                 verdict.ratio, verdict.matched, numbered ? Format("%.2f", verdict.perRecord) : "-",
                 verdict.peakMiB >= 0 ? Format("%.1f", verdict.peakMiB) : "-", same, bar);
        }
    }
    std::cout << "\n"
              << (misses == 0 ? std::string("Every row meets the bar.")
                              : std::to_string(misses) + " row(s) miss the bar.")
              << "\n";
}

void Bench::PrepareGzip() {
    gzip_.program = FindProgram("gzip");
    if (gzip_.program.empty()) {
        return;
    }
    const DataSet& six = sets_[kSix];
    gzip_.folder = std::string(QUORVANE_BENCH_DATA) + "/six-digit-gz";
    gzip_.file = gzip_.folder + "/AstOrb.dat.gz";
    std::filesystem::create_directories(gzip_.folder);
    const std::string stamp = gzip_.folder + "/stamp.txt";
    // The packed file stays as long as the file it was packed from.
    const std::string stampText =
        "quorvane-bench gzip v1, gzip -6 of " + ReadText(six.folder + "/stamp.txt");
    std::error_code ignored;
    const auto stampOf = [&] {
        return stampText + std::to_string(std::filesystem::file_size(gzip_.file, ignored)) +
               " bytes\n";
    };
    if (ReadText(stamp) != stampOf()) {
        std::filesystem::remove(stamp, ignored);
        std::cout << "Packing " << six.file << " with gzip -6 into " << gzip_.file << " ..."
                  << std::flush;
        const std::string part = gzip_.file + ".part";
        const ChildRun run = launcher_.Run(gzip_.program, {"-6", "-c", six.file},
                                           gzip_.folder + "/stderr.txt", part);
        if (run.status != 0) {
            throw std::runtime_error("gzip -6 failed: " + run.err);
        }
        std::filesystem::rename(part, gzip_.file);
        std::ofstream(stamp) << stampOf();
        std::cout << " " << Format("%.1f", run.seconds) << " s\n";
    }
    gzip_.bytes = std::filesystem::file_size(gzip_.file);
    // The core must read it as the file it was packed from; this opening also keeps its index.
    AstOrbDatabase database;
    database.ReplaceFile(gzip_.file);
    if (database.Format().layout != six.layout || database.RecordCount() != kRecords ||
        !database.Notice().empty()) {
        throw std::runtime_error(gzip_.file + " is not read as the " + Grouped(kRecords) +
                                 " records of " + six.file + ": " + database.Notice());
    }
    struct stat info {};
    if (::stat(gzip_.file.c_str(), &info) != 0) {
        throw std::runtime_error("cannot stat " + gzip_.file);
    }
    const GzipFileKey key = GzipFileKeyOf(gzip_.file, info);
    const std::string cacheFile = IndexCacheFile(IndexCacheFolder(), key);
    gzip_.indexBytes = std::filesystem::file_size(cacheFile, ignored);
    if (const std::optional<GzipIndex> index = LoadGzipIndex(cacheFile, key)) {
        gzip_.indexTaken = true;
        gzip_.points = index->points.size();
    }
}

double Bench::Gunzip() const {
    const ChildRun run =
        launcher_.Run(gzip_.program, {"-dc", gzip_.file}, gzip_.folder + "/stderr.txt");
    if (run.status != 0) {
        throw std::runtime_error("gzip -dc failed: " + run.err);
    }
    return run.seconds;
}

ChildRun Bench::GzipCli(const std::vector<std::string>& args, const std::string& outFile) {
    return launcher_.Run(QUORVANE_CLI_PATH, args, gzip_.folder + "/stderr.txt", outFile);
}

// kRuns runs, each beside one gzip -dc of the same file (before it in one run, after it in the
// next), so that the two meet the same load of the machine.
void Bench::GzipRound(GzipRow& row) {
    for (int run = 0; run < kRuns; ++run) {
        const bool gunzipFirst = run % 2 == 0;
        double gunzip = 0;
        if (row.bar.gunzip > 0 && gunzipFirst) {
            gunzip = Gunzip();
        }
        Sample now = row.once();
        if (row.bar.gunzip > 0 && !gunzipFirst) {
            gunzip = Gunzip();
        }
        if (row.bar.gunzip > 0) {
            row.gunzip = std::min(row.gunzip, gunzip);
            gzip_.gunzip = std::min(gzip_.gunzip, gunzip);
        }
        const double peak = std::max(row.best.rssMiB, now.rssMiB);
        if ((row.rounds == 0 && run == 0) || now.seconds < row.best.seconds) {
            row.best = std::move(now);
        }
        row.best.rssMiB = peak;
    }
    ++row.rounds;
}

GzipRow& Bench::GzipMeasure(const std::string& name, GzipBar bar,
                            const std::function<Sample()>& once) {
    gzipRows_.push_back({name, bar, once});
    GzipRound(gzipRows_.back());
    return gzipRows_.back();
}

void Bench::RunGzip() {
    LoadIntoCache(gzip_.file);
    for (int run = 0; run < kRuns; ++run) {
        gzip_.gunzip = std::min(gzip_.gunzip, Gunzip());
    }
    const auto sameAs = [this](GzipRow& row, const CliRow& cli) {
        row.plain = cli.plain;
        std::vector<std::string> args = {cli.command, gzip_.folder};
        args.insert(args.end(), cli.rest.begin(), cli.rest.end());
        const std::string outFile = gzip_.folder + "/stdout.txt";
        const ChildRun run = GzipCli(args, outFile);
        row.same =
            ReadText(outFile) + "\n" + run.err == cli.plain->sets[kSix].output ? "same" : "DIFFERS";
        std::filesystem::remove(outFile);
    };
    const CliRow* show = nullptr;
    for (const CliRow& cli : cliRows_) {
        if (cli.command == "show") {
            show = &cli;
        }
    }
    if (show == nullptr) {
        throw std::runtime_error("no show command to open the packed file with");
    }
    std::vector<std::string> showArgs = {show->command, gzip_.folder};
    showArgs.insert(showArgs.end(), show->rest.begin(), show->rest.end());

    // (a) The first opening: the cache emptied, the index built in one pass over the file.
    GzipRow& first = GzipMeasure("first opening, index built: show (whole process)", {1.2, 0, true},
                                 [this, showArgs] {
                                     std::filesystem::remove_all(IndexCacheHome());
                                     return CommandSample(GzipCli(showArgs));
                                 });
    sameAs(first, *show); // and this opening keeps the index again
    // (b) Opening with the index in the cache.
    GzipRow& cached = GzipMeasure("opening, index cached: show (whole process)", {0, 0, true},
                                  [this, showArgs] { return CommandSample(GzipCli(showArgs)); });
    sameAs(cached, *show);
    GzipMeasure("opening, index cached (in process)", {}, [this] {
        AstOrbDatabase database;
        const auto start = Clock::now();
        database.ReplaceFile(gzip_.file);
        Sample sample;
        sample.seconds = Seconds(start);
        sample.note = Grouped(database.RecordCount()) + " records";
        return sample;
    });
    // (c) One record at a random index, in process: each run 200 other indexes; the figure is
    // the median of every read of every run.
    auto times = std::make_shared<std::vector<double>>();
    auto draws = std::make_shared<std::uint64_t>(0x5EED);
    GzipRow& random =
        GzipMeasure("show a record at a random index (in process, median)", {0, 5.0, false},
                    [this, times, draws] {
                        constexpr int kShows = 200;
                        AstOrbDatabase database;
                        database.ReplaceFile(gzip_.file);
                        RecordDisplay display;
                        std::string diameterBox;
                        std::vector<double> own;
                        for (int k = 0; k < kShows; ++k) {
                            std::uint64_t z = (*draws += 0x9E3779B97F4A7C15ULL);
                            z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
                            z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
                            const auto index = static_cast<int>((z ^ (z >> 31)) % kRecords);
                            const auto start = Clock::now();
                            ShowRecord(database, nullptr, index, display, diameterBox);
                            own.push_back(Seconds(start));
                        }
                        times->insert(times->end(), own.begin(), own.end());
                        std::sort(own.begin(), own.end());
                        Sample sample;
                        sample.seconds = own[own.size() / 2];
                        return sample;
                    });
    {
        std::vector<double> all = *times;
        std::sort(all.begin(), all.end());
        const auto at = [&all](double share) {
            return all[std::min(all.size() - 1,
                                static_cast<std::size_t>(share * static_cast<double>(all.size())))];
        };
        random.best.seconds = at(0.5);
        random.best.note = "median of " + std::to_string(all.size()) + " random indexes (" +
                           std::to_string(random.rounds * kRuns) + " runs of 200); p10 " +
                           Format("%.2f", at(0.1) * 1e3) + " ms, p90 " +
                           Format("%.2f", at(0.9) * 1e3) + " ms, max " +
                           Format("%.2f", all.back() * 1e3) + " ms";
    }
    // (d, e) Every scan the bench times on the plain files, with the index cached.
    for (const CliRow& cli : cliRows_) {
        if (&cli == show) {
            continue;
        }
        std::vector<std::string> args = {cli.command, gzip_.folder};
        args.insert(args.end(), cli.rest.begin(), cli.rest.end());
        GzipRow& row = GzipMeasure(cli.plain->name, {1.0, 0, true},
                                   [this, args] { return CommandSample(GzipCli(args)); });
        sameAs(row, cli);
    }
    // Where the time of a scan goes: the unpacking alone, in process, through the same reads.
    GzipMeasure("read the whole file through the index (in process)", {}, [this] {
        AstOrbDatabase database;
        database.ReplaceFile(gzip_.file);
        const AstOrbFile* file = database.file();
        std::vector<char> buffer(kScanBlockRecords *
                                 static_cast<std::size_t>(sets_[kSix].recordLength));
        const auto start = Clock::now();
        const double cpuBefore = CpuSeconds();
        std::int64_t offset = 0;
        for (;;) {
            const std::size_t got = file->ReadAt(offset, buffer.data(), buffer.size());
            if (got == 0) {
                break;
            }
            offset += static_cast<std::int64_t>(got);
        }
        Sample sample;
        sample.seconds = Seconds(start);
        sample.cpuSeconds = CpuSeconds() - cpuBefore;
        sample.note =
            Grouped(offset) + " bytes, " +
            std::to_string(static_cast<int>(static_cast<double>(offset) / sample.seconds / 1e6)) +
            " MB/s unpacked";
        return sample;
    });
    // A row that misses its time bar gets one more round before it is judged.
    for (GzipRow& row : gzipRows_) {
        const bool slow = (row.bar.gunzip > 0 && row.best.seconds > row.bar.gunzip * row.gunzip) ||
                          (row.bar.ms > 0 && row.best.seconds * 1e3 > row.bar.ms);
        if (slow && &row != &random) {
            GzipRound(row);
        }
    }
}

void Bench::PrintGzip() const {
    if (gzip_.program.empty()) {
        std::cout << "\ngzip is not on PATH: the packed file is not measured.\n";
        return;
    }
    const DataSet& six = sets_[kSix];
    std::cout << "\n## " << six.title << ", packed with gzip -6 (AstOrb.dat.gz)\n\n"
              << gzip_.file << ": " << Grouped(static_cast<std::int64_t>(gzip_.bytes)) << " bytes ("
              << Format("%.1f", static_cast<double>(gzip_.bytes) / 1048576.0)
              << " MiB), unpacking to the " << Grouped(static_cast<std::int64_t>(six.Bytes()))
              << " bytes of " << six.file << "\nIndex cache " << IndexCacheHome() << ": "
              << Grouped(static_cast<std::int64_t>(gzip_.indexBytes)) << " bytes, " << gzip_.points
              << " access points; "
              << (gzip_.indexTaken ? "the index kept there is taken on opening"
                                   : "THE INDEX KEPT THERE IS REFUSED: every opening builds it "
                                     "again")
              << "\n/gzip: against gzip -dc FILE > /dev/null, timed beside each run of the row "
                 "(the fastest of those); wall and cpu ms the fastest run, memory the largest "
                 "peak\n\n";
    TableHead("/gzip ");
    TableRow("gzip -dc AstOrb.dat.gz > /dev/null (baseline)", gzip_.gunzip, -1, gzip_.gunzip, -1,
             std::to_string(static_cast<int>(six.Bytes() / gzip_.gunzip / 1e6)) + " MB/s unpacked");
    for (const GzipRow& row : gzipRows_) {
        TableRow(row.name, row.best.seconds, row.best.cpuSeconds,
                 row.bar.gunzip > 0 ? row.gunzip : gzip_.gunzip, row.best.rssMiB, row.best.note);
    }
    std::cout << "\nThe bars: the first opening within 1.20x gzip -dc, each scan within 1.00x, a "
                 "record at a random index\nwithin 5 ms (median), every quorvane-cli command at "
                 "most "
              << Format("%.0f", kMemoryBarMiB)
              << " MiB; same output: the same standard output and error bytes as on\n"
              << six.file << ".\n\n";
    std::cout << "| operation                                            | plain ms |   .gz ms | "
                 "gzip -dc ms | .gz / gzip -dc | peak MiB | same output | bar\n";
    std::cout << "|------------------------------------------------------|----------|----------|-"
                 "------------|----------------|----------|-------------|-----\n";
    int misses = 0;
    for (const GzipRow& row : gzipRows_) {
        const double gunzip = row.bar.gunzip > 0 ? row.gunzip : gzip_.gunzip;
        const double ratio = row.best.seconds / gunzip;
        std::string bar;
        const auto add = [&bar](const std::string& text) {
            bar += (bar.empty() ? "" : "; ") + text;
        };
        if (row.bar.gunzip > 0 && ratio > row.bar.gunzip) {
            add("MISSES " + Format("%.2f", row.bar.gunzip) +
                "x gzip -dc: " + Format("%.2f", ratio) + "x, " +
                Format("%.0f", (ratio / row.bar.gunzip - 1.0) * 100.0) + "% over");
        }
        if (row.bar.ms > 0 && row.best.seconds * 1e3 > row.bar.ms) {
            add("MISSES " + Format("%.0f", row.bar.ms) +
                " ms: " + Format("%.2f", row.best.seconds * 1e3) + " ms");
        }
        if (row.bar.memory && row.best.rssMiB > kMemoryBarMiB) {
            add("OVER " + Format("%.0f", kMemoryBarMiB) +
                " MiB: " + Format("%.1f", row.best.rssMiB) + " MiB");
        }
        if (row.same == "DIFFERS") {
            add("OUTPUT DIFFERS from the plain file");
        }
        const bool held = row.bar.gunzip > 0 || row.bar.ms > 0 || row.bar.memory;
        if (!bar.empty()) {
            ++misses;
        } else {
            bar = held ? "ok" : "no bar";
        }
        if (row.rounds > 1) {
            bar += " (" + std::to_string(row.rounds) + " rounds)";
        }
        const std::string plainMs = row.plain != nullptr
                                        ? Format("%8.1f", row.plain->sets[kSix].seconds * 1e3)
                                        : "       -";
        const std::string peak = row.best.rssMiB >= 0 ? Format("%.1f", row.best.rssMiB) : "-";
        const std::string ms = row.best.seconds < 0.01 ? Format("%8.3f", row.best.seconds * 1e3)
                                                       : Format("%8.1f", row.best.seconds * 1e3);
        char text[1024];
        std::snprintf(text, sizeof text, "| %-52s | %s | %s | %11.1f | %14.2f | %8s | %-11s | %s",
                      row.name.c_str(), plainMs.c_str(), ms.c_str(), gunzip * 1e3, ratio,
                      peak.c_str(), row.same.c_str(), bar.c_str());
        std::cout << text << "\n";
    }
    std::cout << "\n"
              << (misses == 0
                      ? std::string("Every row of the packed file meets its bar.")
                      : std::to_string(misses) + " row(s) of the packed file miss their bar.")
              << "\n";
}

int Bench::Run() {
    for (DataSet& set : sets_) {
        PrepareData(set);
    }
    PrepareGzip();
    for (const DataSet& set : sets_) {
        LoadIntoCache(set.file);
    }
    for (int run = 0; run < 5; ++run) {
        for (std::size_t turn = 0; turn < sets_.size(); ++turn) {
            DataSet& set = sets_[(turn + static_cast<std::size_t>(run)) % sets_.size()];
            const double cpuBefore = CpuSeconds();
            set.baseline = std::min(set.baseline, SequentialRead(set));
            set.baselineCpu = std::min(set.baselineCpu, CpuSeconds() - cpuBefore);
        }
    }
    std::cout << "\n"
              << Grouped(kRecords) << " records in each file; times are the best of " << kRuns
              << " runs, the files taking turns, memory the largest peak\n";

    // A record shown: the display alone, in process, at scattered indexes.
    Measure(Group::Commands, "show a record (display, in process, each)", Reach::Record,
            Kind::InProcess, [](const DataSet& set) {
                constexpr int kShows = 2000;
                AstOrbDatabase database;
                database.ReplaceFile(set.file);
                RecordDisplay display;
                std::string diameterBox;
                const auto start = Clock::now();
                for (int k = 0; k < kShows; ++k) {
                    ShowRecord(database, nullptr, (k * 7919LL * 131) % kRecords, display,
                               diameterBox);
                }
                Sample sample;
                sample.seconds = Seconds(start) / kShows;
                sample.note = Format("%.2f", sample.seconds * 1e6) + " us each, " +
                              std::to_string(kShows) + " scattered records";
                return sample;
            });
    Cli("quorvane-cli show (whole process)", Reach::Record, "show", {"700000"});
    [[maybe_unused]] const Measured& marsCrosser =
        Cli("special mars crosser, numbered only cleared", Reach::WholeFile, "special",
            {"--planet", "mars", "--type", "crosser", "--all"});
    [[maybe_unused]] const Measured& jupiterInner =
        Cli("special jupiter inner, numbered only", Reach::NumberedPart, "special",
            {"--planet", "jupiter", "--type", "inner"});
    [[maybe_unused]] const Measured& jupiterInnerAll =
        Cli("special jupiter inner, numbered only cleared", Reach::WholeFile, "special",
            {"--planet", "jupiter", "--type", "inner", "--all"});
    retrograde_ = &Cli("special retrograde, numbered only cleared", Reach::WholeFile, "special",
                       {"--planet", "earth", "--type", "retrograde", "--all"});
    Cli("find Name text found nowhere, whole file", Reach::WholeFile, "find",
        {"0", "--field", "Name", "--text", "qqzzqq", "--all"});
    Cli("names", Reach::NumberedPart, "names", {});
    Cli("inclination from record 0, numbered only cleared", Reach::WholeFile, "inclination",
        {"0", "--all"});
    smallFamily_ = &Cli("family pass, seed 2345, 50 m/s", Reach::WholeFile, "family",
                        {"2344", "--tolerance", "50", "--passes", "1", "--all"});
    largeFamily_ = &Cli("family pass, seed 15111, 100 m/s", Reach::WholeFile, "family",
                        {"15110", "--tolerance", "100", "--passes", "1", "--all"});
    Cli("family pass, seed 2345, 200 m/s", Reach::WholeFile, "family",
        {"2344", "--tolerance", "200", "--passes", "1", "--all"});
    Cli("family pass, seed 15111, 200 m/s", Reach::WholeFile, "family",
        {"15110", "--tolerance", "200", "--passes", "1", "--all"});
    FamilyFigureRow();

    // The plain definitions, in process, on the same file: their times, and the same outputs.
    Compare(
        "special mars crosser", Reach::WholeFile, 0,
        [](FakeWindow& window) { window.RunSpecial(); },
        [](FakeWindow& window) { ExtractOrbitTypeListPlain(window.Ports(), window); });
    Compare(
        "names", Reach::NumberedPart, 0, [](FakeWindow& window) { window.RunNames(); },
        [](FakeWindow& window) { ExtractNamesPlain(window.Ports()); });
    // One pass: its question is answered No.
    Compare(
        "family 50 m/s one pass", Reach::WholeFile, 2344,
        [](FakeWindow& window) { window.RunFamily(); },
        [](FakeWindow& window) { ExtractFamilyPlain(window.Ports(), window); });
    Compare(
        "find Name nowhere", Reach::WholeFile, 0,
        [](FakeWindow& window) {
            window.model.RepeatSearch(ValueLabel::Name, u"qqzzqq");
            window.RunFindAgain(Model::Direction::Forwards);
        },
        [](FakeWindow& window) {
            SearchState state;
            state.SearchText = u"qqzzqq";
            state.SearchLabel = ValueLabel::Name;
            state.AgainEnabled = true;
            FindAgainPlain(state, window.Ports());
        });
#ifdef QUORVANE_WINDOW_BENCH_PATH
    windowBuilt_ = true;
    Window("window: special jupiter inner, numbered only", Reach::NumberedPart,
           {"4", "0", "numbered"}, jupiterInner);
    Window("window: special jupiter inner, numbered only cleared", Reach::WholeFile,
           {"4", "0", "all"}, jupiterInnerAll);
    Window("window: special mars crosser, numbered only cleared", Reach::WholeFile,
           {"3", "3", "all"}, marsCrosser);
#endif
    MeasureMissesAgain();
    if (!gzip_.program.empty()) {
        RunGzip();
    }
    for (std::size_t s = 0; s < sets_.size(); ++s) {
        PrintTable(s);
    }
    PrintComparison();
    PrintGzip();
    return 0;
}

} // namespace
} // namespace quorvane::bench

int main() {
    try {
        // Every program the bench runs keeps the index of the packed file here.
        ::setenv("XDG_CACHE_HOME", quorvane::bench::IndexCacheHome().c_str(), 1);
        // First, while the bench is small: see Launcher.
        quorvane::bench::Launcher launcher;
        quorvane::bench::Bench bench(launcher, quorvane::bench::DataSets());
        return bench.Run();
    } catch (const std::exception& error) {
        std::cerr << "quorvane-bench: " << error.what() << "\n";
        return 1;
    }
}
