// Runs part of a test in a forked child process: a second program on the same budget, or an
// operation that could hang, abort or needs a resource limit, which then stays in the child.
#pragma once

#include <chrono>
#include <csignal>
#include <functional>
#include <string>
#include <thread>

#include <sys/wait.h>
#include <unistd.h>

struct ChildEnd {
    bool Exited = false;    // ended by itself (else killed by a signal or by the time limit)
    int Code = -1;          // its exit code
    bool TimedOut = false;  // killed after the time limit
};

// Starts `body` in a child; the child ends with body's result as its exit code, or 103 when an
// exception escapes it (the test framework would catch it and go on with the next tests there).
inline pid_t StartChild(const std::function<int()>& body)
{
    const pid_t pid = ::fork();
    if (pid == 0) {
        int code = 103;
        try {
            code = body();
        } catch (...) {
        }
        ::_exit(code);
    }
    return pid;
}

// Waits for the child for up to `seconds`, then kills it.
inline ChildEnd WaitForChild(pid_t pid, double seconds = 60)
{
    ChildEnd end;
    if (pid <= 0)
        return end;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
    int status = 0;
    for (;;) {
        const pid_t done = ::waitpid(pid, &status, WNOHANG);
        if (done == pid)
            break;
        if (done < 0)
            return end;
        if (std::chrono::steady_clock::now() > deadline) {
            ::kill(pid, SIGKILL);
            ::waitpid(pid, &status, 0);
            end.TimedOut = true;
            return end;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    end.Exited = WIFEXITED(status);
    end.Code = end.Exited ? WEXITSTATUS(status) : -1;
    return end;
}

// A child that starts at once but runs its body only when let go, and reports a text back (up
// to a pipe's buffer, 64 KB): what it saw, for the parent to check and show.
class Child {
public:
    explicit Child(const std::function<int(std::string& report)>& body)
    {
        if (::pipe(gate) != 0 || ::pipe(out) != 0)
            return;
        pid = StartChild([&] {
            ::close(gate[1]);
            ::close(out[0]);
            char go = 0;
            if (::read(gate[0], &go, 1) != 1)
                return 101;
            std::string text;
            const int code = body(text);
            for (size_t written = 0; written < text.size();) {
                const ssize_t n = ::write(out[1], text.data() + written, text.size() - written);
                if (n <= 0)
                    break;
                written += static_cast<size_t>(n);
            }
            return code;
        });
        ::close(gate[0]);
        ::close(out[1]);
    }
    ~Child()
    {
        if (pid > 0 && !finished)
            Finish(0);
    }

    void Go()
    {
        if (went)
            return;
        went = true;
        if (::write(gate[1], "g", 1) != 1)
            ::kill(pid, SIGKILL);
        ::close(gate[1]);
    }

    // Lets the child go if it was not, waits for its end, and takes its report.
    ChildEnd Finish(double seconds = 60)
    {
        Go();
        finished = true;
        const ChildEnd end = WaitForChild(pid, seconds);
        char buffer[4096];
        Report.clear();
        for (ssize_t n; (n = ::read(out[0], buffer, sizeof buffer)) > 0;)
            Report.append(buffer, static_cast<size_t>(n));
        ::close(out[0]);
        return end;
    }

    std::string Report;

private:
    int gate[2] = {-1, -1};
    int out[2] = {-1, -1};
    pid_t pid = -1;
    bool went = false;
    bool finished = false;
};

// Runs `body` in a child at once and waits for it; the report goes to `report`.
inline ChildEnd RunInChild(const std::function<int(std::string& report)>& body, std::string& report,
                           double seconds = 60)
{
    Child child(body);
    const ChildEnd end = child.Finish(seconds);
    report = child.Report;
    return end;
}
