// Runs a piece of a test as an ordinary user. CI runs as root, for whom every
// file is writable, so permission faults would hide: as root, a forked child
// becomes "nobody" before it acts. The child reports back in text.
#pragma once

#include <grp.h>
#include <pwd.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <functional>
#include <string>

namespace sandbox {

// Lets the ordinary user work in `folder` (made by root with mode 0700).
inline void OpenToOrdinaryUser(const std::string& folder) { ::chmod(folder.c_str(), 0777); }

// What `action` returns, run in a child that is not root; a text starting with
// "child:" when the child could not drop root or did not finish.
inline std::string AsOrdinaryUser(const std::function<std::string()>& action) {
    int fds[2];
    if (::pipe(fds) != 0) return "child: no pipe";
    const pid_t pid = ::fork();
    if (pid < 0) return "child: no fork";
    if (pid == 0) {
        ::close(fds[0]);
        if (::geteuid() == 0) {
            const passwd* pw = ::getpwnam("nobody");
            if (!pw || ::setgroups(0, nullptr) != 0 || ::setgid(pw->pw_gid) != 0 ||
                ::setuid(pw->pw_uid) != 0)
                ::_exit(3);
        }
        const std::string result = action();
        std::size_t done = 0;
        while (done < result.size()) {
            const ssize_t n = ::write(fds[1], result.data() + done, result.size() - done);
            if (n <= 0) ::_exit(4);
            done += std::size_t(n);
        }
        ::_exit(0);
    }
    ::close(fds[1]);
    std::string result;
    char buffer[4096];
    for (;;) {
        const ssize_t n = ::read(fds[0], buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;
        result.append(buffer, std::size_t(n));
    }
    ::close(fds[0]);
    int status = 0;
    while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) continue;
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return "child: status " + std::to_string(status);
    return result;
}

}  // namespace sandbox
