#pragma once

#ifndef _WIN32

#include <sys/wait.h>
#include <unistd.h>

#include <functional>
#include <string>

namespace quillon::test {

// What a child process said, and how it ended.
struct ChildEnd {
    bool exited = false;  // false: a signal ended it
    int signal = 0;
    std::string said;
};

// Runs `body` in a child process, for what belongs to a whole process (a resource limit, a
// signal's disposition); the text it returns comes back through a pipe.
inline ChildEnd RunInChild(const std::function<std::string()>& body) {
    int channel[2];
    if (pipe(channel) != 0) {
        return {};
    }
    const pid_t child = fork();
    if (child == 0) {
        close(channel[0]);
        const std::string said = body();
        const bool whole =
            write(channel[1], said.data(), said.size()) == static_cast<ssize_t>(said.size());
        _exit(whole ? 0 : 1);
    }
    close(channel[1]);
    ChildEnd end;
    char buffer[512];
    for (ssize_t got; (got = read(channel[0], buffer, sizeof buffer)) > 0;) {
        end.said.append(buffer, static_cast<size_t>(got));
    }
    close(channel[0]);
    int status = 0;
    waitpid(child, &status, 0);
    end.exited = WIFEXITED(status);
    end.signal = WIFSIGNALED(status) ? WTERMSIG(status) : 0;
    return end;
}

}  // namespace quillon::test

#endif
