#include "platform/posix/child_process.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace platform::posix {

std::string FindOnPath(const std::string& name, const std::string& searchPath) {
    if (name.empty() || name.find('/') != std::string::npos) return "";
    std::string::size_type start = 0;
    for (;;) {
        const std::string::size_type end = searchPath.find(':', start);
        std::string folder = searchPath.substr(start, end - start);
        if (folder.empty()) folder = ".";  // an empty entry is the current folder
        const std::string candidate = folder + "/" + name;
        struct stat st;
        if (::stat(candidate.c_str(), &st) == 0 && S_ISREG(st.st_mode) &&
            ::access(candidate.c_str(), X_OK) == 0)
            return candidate;
        if (end == std::string::npos) return "";
        start = end + 1;
    }
}

ChildProcess::~ChildProcess() {
    if (pid_ > 0) Kill();
    if (errFd_ >= 0) ::close(errFd_);
}

bool ChildProcess::Start(const std::string& program, const std::vector<std::string>& args) {
    if (pid_ > 0) return false;
    int pipeFds[2];
    if (::pipe2(pipeFds, O_CLOEXEC) != 0) return false;

    std::vector<char*> argv;
    argv.push_back(const_cast<char*>(program.c_str()));
    for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);

    const pid_t parent = ::getpid();
    const pid_t pid = ::fork();
    if (pid < 0) {
        ::close(pipeFds[0]);
        ::close(pipeFds[1]);
        return false;
    }
    if (pid == 0) {
        // Only async-signal-safe calls from here to exec. The child ends with
        // its parent, also when the parent died before the wish was made.
        ::prctl(PR_SET_PDEATHSIG, SIGKILL);
        if (::getppid() != parent) ::_exit(127);
        const int null = ::open("/dev/null", O_RDWR);
        if (null >= 0) {
            ::dup2(null, STDIN_FILENO);
            ::dup2(null, STDOUT_FILENO);
        }
        ::dup2(pipeFds[1], STDERR_FILENO);
        ::execv(program.c_str(), argv.data());
        // Said on the error output, which the caller shows.
        const char* why = errno == E2BIG    ? "its argument list is too long"
                          : errno == ENOENT ? "it was not found"
                          : errno == EACCES ? "it may not be run"
                                            : "the system refused it";
        const char prefix[] = "cannot start the program: ";
        (void)!::write(STDERR_FILENO, prefix, sizeof prefix - 1);
        (void)!::write(STDERR_FILENO, why, ::strlen(why));
        (void)!::write(STDERR_FILENO, "\n", 1);
        ::_exit(127);
    }
    ::close(pipeFds[1]);
    pid_ = pid;
    errFd_ = pipeFds[0];
    return true;
}

bool ChildProcess::ReadError(std::string* text, int timeoutMs) {
    if (errFd_ < 0) return false;
    pollfd p{errFd_, POLLIN, 0};
    const int ready = ::poll(&p, 1, timeoutMs);
    if (ready < 0) return errno == EINTR;
    if (ready == 0) return true;
    char buffer[4096];
    const ssize_t n = ::read(errFd_, buffer, sizeof buffer);
    if (n < 0) return errno == EINTR || errno == EAGAIN;
    if (n == 0) {
        ::close(errFd_);
        errFd_ = -1;
        return false;
    }
    text->append(buffer, std::size_t(n));
    return true;
}

int ChildProcess::Wait() {
    if (pid_ <= 0) return -1;
    int status = 0;
    pid_t r;
    do r = ::waitpid(pid_, &status, 0);
    while (r < 0 && errno == EINTR);
    pid_ = -1;
    lastStatus_ = r < 0 ? -1 : status;
    if (r < 0 || !WIFEXITED(status)) return -1;
    return WEXITSTATUS(status);
}

std::string ChildProcess::HowItEnded() const {
    if (lastStatus_ == -1) return "could not be waited for";
    if (WIFSIGNALED(lastStatus_)) {
        const int signal = WTERMSIG(lastStatus_);
        const char* name = ::strsignal(signal);
        return "was stopped by signal " + std::to_string(signal) +
               (name ? std::string(" (") + name + ")" : std::string());
    }
    return "ended with status " + std::to_string(WEXITSTATUS(lastStatus_));
}

void ChildProcess::Kill() {
    if (pid_ <= 0) return;
    ::kill(pid_, SIGKILL);
    Wait();
}

}  // namespace platform::posix
