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

// A child that starts at once but runs `body` only when let go, and reports a text back (up to a
// pipe's buffer, 64 KB): what it saw, for the parent to check and show. It ends with body's result
// as its exit code, or 103 when an exception escapes (the test framework there would go on).
class Child {
public:
    explicit Child(const std::function<int(std::string& report)>& body)
    {
        if (::pipe(gate) != 0 || ::pipe(out) != 0 || (pid = ::fork()) != 0) {
            ::close(gate[0]);
            ::close(out[1]);
            return;
        }
        ::close(gate[1]);
        ::close(out[0]);
        int code = 103;
        std::string text;
        try {
            char go = 0;
            code = ::read(gate[0], &go, 1) == 1 ? body(text) : 101;
        } catch (...) {
        }
        if (::write(out[1], text.data(), text.size()) != static_cast<ssize_t>(text.size()))
            code = 102;
        ::_exit(code);
    }
    ~Child()
    {
        if (pid > 0 && !finished)
            Finish(0);
    }

    void Go()
    {
        if (!went && ::write(gate[1], "g", 1) != 1)
            ::kill(pid, SIGKILL);
        if (!went)
            ::close(gate[1]);
        went = true;
    }

    // Lets the child go if it was not, waits up to `seconds` for its end (then kills it), and
    // takes its report.
    ChildEnd Finish(double seconds = 60)
    {
        Go();
        finished = true;
        ChildEnd end;
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
        int status = 0;
        for (pid_t done; pid > 0 && (done = ::waitpid(pid, &status, WNOHANG)) != pid;) {
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
        end.Exited = pid > 0 && WIFEXITED(status);
        end.Code = end.Exited ? WEXITSTATUS(status) : -1;
        char buffer[4096];
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
