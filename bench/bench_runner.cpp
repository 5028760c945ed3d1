// Starts one program, measures it and ends it, then prints one line:
//   run label=<l> start_ms=<ms|-> peak_rss_kib=<kib> cpu_ms=<user+system> idle_s=<s|->
//       idle_cpu_ms=<ms|-> wakeups=<n|-> wakeups_per_s=<r|-> threads_ended=<n|-> threads=<n>
//       status=<exit:N|signal:N>
// (all on one line). start_ms runs from just before the exec to the program's first paint,
// which it reports on stderr when TARVELLE_REPORT_FIRST_PAINT is set. Other stderr output is
// passed on, prefixed with the label.
//
// Usage: tarvelle_bench_runner [options] -- PROGRAM [ARGS...]
//   --label NAME           name printed in the line (default: the program's file name)
//   --paint                wait for the first paint and time it
//   --paint-timeout-ms N   give up waiting for it after N ms (default 20000)
//   --run-ms N             keep the program running N ms more before ending it (default 1000)
//   --idle-ms N            measure CPU time and wake-ups over an idle window of N ms ...
//   --settle-ms N          ... that opens N ms after the start (or the paint) (default 3000)
// The program is ended with SIGTERM (SIGKILL if it has not gone 10 s later) and reaped with
// wait4, whose rusage gives the peak resident size and the CPU time of its whole life.

#include <algorithm>
#include <cerrno>
#include <cinttypes>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <dirent.h>
#include <fcntl.h>
#include <map>
#include <optional>
#include <poll.h>
#include <signal.h>
#include <string>
#include <string_view>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

using Nanoseconds = std::int64_t;

constexpr std::string_view kPaintTag = "first-paint-ns ";

Nanoseconds nowNs(clockid_t clock = CLOCK_MONOTONIC)
{
    timespec t = {};
    ::clock_gettime(clock, &t);
    return static_cast<Nanoseconds>(t.tv_sec) * 1'000'000'000 + t.tv_nsec;
}

[[noreturn]] void fail(const std::string &message)
{
    std::fprintf(stderr, "bench_runner: %s\n", message.c_str());
    std::exit(2);
}

struct Options {
    std::string label;
    bool paint = false;
    int paintTimeoutMs = 20000;
    int runMs = 1000;
    std::optional<int> idleMs;
    int settleMs = 3000;
    std::vector<char *> command;
};

int numberArgument(int &i, int argc, char *argv[])
{
    if (i + 1 >= argc)
        fail(std::string("missing value after ") + argv[i]);
    char *end = nullptr;
    const long value = std::strtol(argv[++i], &end, 10);
    if (*end != '\0' || value < 0 || value > 24L * 3600 * 1000)
        fail(std::string("not a number of milliseconds: ") + argv[i]);
    return static_cast<int>(value);
}

Options parseOptions(int argc, char *argv[])
{
    Options o;
    int i = 1;
    for (; i < argc; ++i) {
        const std::string_view a = argv[i];
        if (a == "--") {
            ++i;
            break;
        }
        if (a == "--label" && i + 1 < argc)
            o.label = argv[++i];
        else if (a == "--paint")
            o.paint = true;
        else if (a == "--paint-timeout-ms")
            o.paintTimeoutMs = numberArgument(i, argc, argv);
        else if (a == "--run-ms")
            o.runMs = numberArgument(i, argc, argv);
        else if (a == "--idle-ms")
            o.idleMs = numberArgument(i, argc, argv);
        else if (a == "--settle-ms")
            o.settleMs = numberArgument(i, argc, argv);
        else
            fail("unknown option " + std::string(a));
    }
    if (i >= argc)
        fail("no program given (usage: bench_runner [options] -- PROGRAM [ARGS...])");
    for (; i < argc; ++i)
        o.command.push_back(argv[i]);
    o.command.push_back(nullptr);
    if (o.label.empty()) {
        const std::string_view path = o.command.front();
        o.label = std::string(path.substr(path.find_last_of('/') + 1));
    }
    return o;
}

volatile sig_atomic_t g_childPid = 0;

// Asked to stop, we end the program first, so nothing of it is left behind writing into
// folders the caller is about to remove. Only async-signal-safe calls.
extern "C" void endChildAndLeave(int number)
{
    const pid_t pid = g_childPid;
    if (pid > 0) {
        ::kill(pid, SIGTERM);
        const timespec pause = {0, 10'000'000};
        int left = 500;
        while (::waitpid(pid, nullptr, WNOHANG) == 0) {
            if (--left == 0) {
                ::kill(pid, SIGKILL);
                ::waitpid(pid, nullptr, 0);
                break;
            }
            ::nanosleep(&pause, nullptr);
        }
    }
    ::_exit(128 + number);
}

void leaveWithChildOnSignals()
{
    struct sigaction action = {};
    action.sa_handler = endChildAndLeave;
    sigfillset(&action.sa_mask);
    for (const int number : {SIGTERM, SIGINT, SIGHUP})
        ::sigaction(number, &action, nullptr);
}

struct Child {
    pid_t pid = -1;
    int stderrFd = -1;
    Nanoseconds execNs = 0;
};

// The timestamp is taken in the child right before the exec and handed back through a pipe
// that the exec closes; anything after it on that pipe is the exec's errno.
Child spawn(std::vector<char *> &command)
{
    int errPipe[2];
    int stampPipe[2];
    if (::pipe2(errPipe, O_CLOEXEC) != 0 || ::pipe2(stampPipe, O_CLOEXEC) != 0)
        fail(std::string("pipe: ") + std::strerror(errno));
    const pid_t pid = ::fork();
    if (pid < 0)
        fail(std::string("fork: ") + std::strerror(errno));
    if (pid == 0) {
        // Only async-signal-safe calls until the exec.
        const int devNull = ::open("/dev/null", O_RDWR | O_CLOEXEC);
        ::dup2(devNull, STDIN_FILENO);
        ::dup2(devNull, STDOUT_FILENO);
        ::dup2(errPipe[1], STDERR_FILENO);
        // Should we be killed outright, the program must not outlive us.
        ::prctl(PR_SET_PDEATHSIG, SIGTERM);
        timespec t = {};
        ::clock_gettime(CLOCK_MONOTONIC, &t);
        const Nanoseconds stamp = static_cast<Nanoseconds>(t.tv_sec) * 1'000'000'000 + t.tv_nsec;
        [[maybe_unused]] ssize_t w = ::write(stampPipe[1], &stamp, sizeof stamp);
        ::execv(command.front(), command.data());
        const int error = errno;
        w = ::write(stampPipe[1], &error, sizeof error);
        ::_exit(127);
    }
    ::close(errPipe[1]);
    ::close(stampPipe[1]);
    Child child;
    child.pid = pid;
    child.stderrFd = errPipe[0];
    if (::read(stampPipe[0], &child.execNs, sizeof child.execNs) != sizeof child.execNs)
        fail("the child died before its exec");
    int error = 0;
    if (::read(stampPipe[0], &error, sizeof error) == sizeof error)
        fail(std::string("cannot start ") + command.front() + ": " + std::strerror(error));
    ::close(stampPipe[0]);
    return child;
}

// Splits the child's stderr into lines; catches the paint report and passes the rest on.
class StderrReader {
public:
    StderrReader(int fd, std::string label) : m_fd(fd), m_label(std::move(label)) {}

    // Reads until the deadline (or the first paint, if stopAtPaint) or the pipe's end.
    void readUntil(Nanoseconds deadline, bool stopAtPaint)
    {
        while (m_fd >= 0 && !(stopAtPaint && m_paintNs)) {
            const Nanoseconds left = deadline - nowNs();
            if (left <= 0)
                return;
            pollfd p = {m_fd, POLLIN, 0};
            const int ready = ::poll(
                &p, 1, static_cast<int>(std::min<Nanoseconds>(left / 1'000'000 + 1, 60'000)));
            if (ready < 0 && errno == EINTR)
                continue;
            if (ready <= 0)
                continue;
            char buffer[4096];
            const ssize_t n = ::read(m_fd, buffer, sizeof buffer);
            if (n <= 0) {
                flushPartial();
                ::close(m_fd);
                m_fd = -1;
                return;
            }
            m_pending.append(buffer, static_cast<std::size_t>(n));
            splitLines();
        }
    }

    std::optional<Nanoseconds> paintNs() const { return m_paintNs; }

private:
    void splitLines()
    {
        std::size_t end;
        while ((end = m_pending.find('\n')) != std::string::npos) {
            handle(m_pending.substr(0, end));
            m_pending.erase(0, end + 1);
        }
    }

    void flushPartial()
    {
        if (!m_pending.empty())
            handle(m_pending);
        m_pending.clear();
    }

    void handle(const std::string &line)
    {
        if (!m_paintNs && line.starts_with(kPaintTag)) {
            char *end = nullptr;
            const long long value = std::strtoll(line.c_str() + kPaintTag.size(), &end, 10);
            if (end && *end == '\0' && value > 0) {
                m_paintNs = value;
                return;
            }
        }
        std::fprintf(stderr, "[%s] %s\n", m_label.c_str(), line.c_str());
    }

    int m_fd;
    std::string m_label;
    std::string m_pending;
    std::optional<Nanoseconds> m_paintNs;
};

// What the scheduler has recorded for one thread.
struct TaskCounters {
    Nanoseconds cpuNs = 0;
    std::uint64_t switches = 0;
};

using TaskSample = std::map<long, TaskCounters>;

std::string readSmallFile(const std::string &path)
{
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return {};
    std::string text;
    char buffer[4096];
    ssize_t n;
    while ((n = ::read(fd, buffer, sizeof buffer)) > 0)
        text.append(buffer, static_cast<std::size_t>(n));
    ::close(fd);
    return text;
}

std::uint64_t fieldValue(const std::string &status, std::string_view key)
{
    const std::size_t at = status.find(key);
    if (at == std::string::npos)
        return 0;
    return std::strtoull(status.c_str() + at + key.size(), nullptr, 10);
}

// Per thread, because /proc/PID/status and schedstat speak only for the main thread.
TaskSample sampleTasks(pid_t pid)
{
    TaskSample sample;
    const std::string taskDir = "/proc/" + std::to_string(pid) + "/task";
    DIR *dir = ::opendir(taskDir.c_str());
    if (!dir)
        return sample; // gone already; no threads says so
    while (const dirent *entry = ::readdir(dir)) {
        if (entry->d_name[0] == '.')
            continue;
        const std::string task = taskDir + "/" + entry->d_name;
        // schedstat's first field is the time on a CPU in nanoseconds, where the stat file
        // only counts whole clock ticks: too coarse for a program that should barely run.
        const std::string schedstat = readSmallFile(task + "/schedstat");
        const std::string status = readSmallFile(task + "/status");
        if (schedstat.empty() || status.empty())
            continue; // the thread ended while we looked
        TaskCounters &counters = sample[std::strtol(entry->d_name, nullptr, 10)];
        counters.cpuNs = std::strtoll(schedstat.c_str(), nullptr, 10);
        counters.switches = fieldValue(status, "\nvoluntary_ctxt_switches:")
                            + fieldValue(status, "\nnonvoluntary_ctxt_switches:");
    }
    ::closedir(dir);
    return sample;
}

struct IdleWindow {
    double seconds = 0.0;
    Nanoseconds cpuNs = 0;
    std::uint64_t wakeups = 0;
    // Threads gone before the window closed: of what they did after it opened, only their
    // last wake-up is counted.
    int threadsEnded = 0;
};

IdleWindow idleBetween(const TaskSample &open, const TaskSample &close, Nanoseconds openNs,
                       Nanoseconds closeNs)
{
    IdleWindow window;
    window.seconds = static_cast<double>(closeNs - openNs) / 1e9;
    for (const auto &[tid, end] : close) {
        const auto begun = open.find(tid);
        const TaskCounters start = begun == open.end() ? TaskCounters{} : begun->second;
        window.cpuNs += end.cpuNs - start.cpuNs;
        window.wakeups += end.switches - start.switches;
    }
    for (const auto &entry : open)
        window.threadsEnded += close.contains(entry.first) ? 0 : 1;
    // Each of those woke at least once, to end.
    window.wakeups += static_cast<std::uint64_t>(window.threadsEnded);
    return window;
}

void sleepUntil(Nanoseconds monotonicDeadline)
{
    const timespec t = {static_cast<time_t>(monotonicDeadline / 1'000'000'000),
                        static_cast<long>(monotonicDeadline % 1'000'000'000)};
    while (::clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &t, nullptr) == EINTR) {
    }
}

// A ticker that fires on each turn of the wall-clock second wakes exactly N times in a
// window of N whole seconds only if the window's edges keep clear of the turns; so the window
// opens half-way through a second.
Nanoseconds nextMidSecond(Nanoseconds notBefore)
{
    const Nanoseconds wallOffset = nowNs(CLOCK_REALTIME) - nowNs();
    const Nanoseconds wall = notBefore + wallOffset;
    Nanoseconds mid = wall - wall % 1'000'000'000 + 500'000'000;
    if (mid < wall)
        mid += 1'000'000'000;
    return mid - wallOffset;
}

struct Ended {
    rusage usage = {};
    int status = 0;
};

Ended endChild(const Child &child, StderrReader &reader)
{
    ::kill(child.pid, SIGTERM);
    Ended ended;
    const Nanoseconds killAt = nowNs() + 10'000'000'000;
    bool killed = false;
    for (;;) {
        const pid_t got = ::wait4(child.pid, &ended.status, WNOHANG, &ended.usage);
        if (got == child.pid)
            break;
        if (got < 0 && errno != EINTR)
            fail(std::string("wait4: ") + std::strerror(errno));
        if (!killed && nowNs() >= killAt) {
            std::fprintf(stderr, "bench_runner: %d ignored SIGTERM; killing it\n", child.pid);
            ::kill(child.pid, SIGKILL);
            killed = true;
        }
        // Keeps the pipe drained so that a chatty exit cannot block on it.
        reader.readUntil(nowNs() + 20'000'000, false);
    }
    reader.readUntil(nowNs() + 200'000'000, false);
    return ended;
}

double milliseconds(Nanoseconds ns)
{
    return static_cast<double>(ns) / 1e6;
}

} // namespace

int main(int argc, char *argv[])
{
    Options options = parseOptions(argc, argv);
    // A child that dies early must not take us with it through a broken pipe of ours.
    ::signal(SIGPIPE, SIG_IGN);

    leaveWithChildOnSignals();
    const Child child = spawn(options.command);
    g_childPid = child.pid;
    StderrReader reader(child.stderrFd, options.label);

    Nanoseconds ready = child.execNs;
    if (options.paint) {
        reader.readUntil(child.execNs + options.paintTimeoutMs * 1'000'000LL, true);
        if (reader.paintNs())
            ready = *reader.paintNs();
        else
            std::fprintf(stderr, "bench_runner: %s reported no first paint within %d ms\n",
                         options.label.c_str(), options.paintTimeoutMs);
    }

    std::optional<IdleWindow> idle;
    std::size_t threads = 0;
    if (options.idleMs) {
        const Nanoseconds open = nextMidSecond(ready + options.settleMs * 1'000'000LL);
        reader.readUntil(open, false);
        sleepUntil(open);
        const Nanoseconds openNs = nowNs();
        const TaskSample atOpen = sampleTasks(child.pid);
        const Nanoseconds close = open + *options.idleMs * 1'000'000LL;
        reader.readUntil(close, false);
        sleepUntil(close);
        const Nanoseconds closeNs = nowNs();
        const TaskSample atClose = sampleTasks(child.pid);
        idle = idleBetween(atOpen, atClose, openNs, closeNs);
        threads = atClose.size();
    }
    reader.readUntil(nowNs() + options.runMs * 1'000'000LL, false);
    if (!options.idleMs)
        threads = sampleTasks(child.pid).size();

    const Ended ended = endChild(child, reader);

    const Nanoseconds cpuNs =
        (static_cast<Nanoseconds>(ended.usage.ru_utime.tv_sec + ended.usage.ru_stime.tv_sec)
         * 1'000'000'000)
        + (static_cast<Nanoseconds>(ended.usage.ru_utime.tv_usec + ended.usage.ru_stime.tv_usec)
           * 1'000);
    char status[32];
    if (WIFEXITED(ended.status))
        std::snprintf(status, sizeof status, "exit:%d", WEXITSTATUS(ended.status));
    else
        std::snprintf(status, sizeof status, "signal:%d", WTERMSIG(ended.status));

    std::string startText = "-";
    if (options.paint && reader.paintNs()) {
        char text[32];
        std::snprintf(text, sizeof text, "%.3f", milliseconds(*reader.paintNs() - child.execNs));
        startText = text;
    }
    std::string idleText = "- idle_cpu_ms=- wakeups=- wakeups_per_s=- threads_ended=-";
    if (idle) {
        char text[192];
        std::snprintf(text, sizeof text,
                      "%.3f idle_cpu_ms=%.3f wakeups=%" PRIu64
                      " wakeups_per_s=%.3f threads_ended=%d",
                      idle->seconds, milliseconds(idle->cpuNs), idle->wakeups,
                      static_cast<double>(idle->wakeups) / idle->seconds, idle->threadsEnded);
        idleText = text;
    }
    std::printf("run label=%s start_ms=%s peak_rss_kib=%ld cpu_ms=%.3f idle_s=%s threads=%zu "
                "status=%s\n",
                options.label.c_str(), startText.c_str(), ended.usage.ru_maxrss,
                milliseconds(cpuNs), idleText.c_str(), threads, status);
    std::fflush(stdout);
    return 0;
}
