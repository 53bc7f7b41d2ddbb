// Child processes on Linux: fork and exec of /proc/self/exe.
#include "ChildProcess.h"

#include <sys/wait.h>
#include <unistd.h>

namespace testsupport {

struct ChildProcess::Impl {
    pid_t pid = -1;
};

ChildProcess::ChildProcess(const std::string& mode, const std::vector<std::string>& arguments)
    : impl_(new Impl) {
    std::vector<std::string> all = {"/proc/self/exe", "--child", mode};
    all.insert(all.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (auto& argument : all)
        argv.push_back(argument.data());
    argv.push_back(nullptr);
    impl_->pid = fork();
    if (impl_->pid == 0) {
        execv("/proc/self/exe", argv.data());
        _exit(98);
    }
}

ChildProcess::~ChildProcess() {
    if (impl_->pid > 0) Wait();
    delete impl_;
}

bool ChildProcess::Started() const {
    return impl_->pid > 0;
}

int ChildProcess::Wait() {
    if (impl_->pid <= 0) return -1;
    int status = 0;
    pid_t pid = impl_->pid;
    impl_->pid = -1;
    if (waitpid(pid, &status, 0) != pid) return -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

} // namespace testsupport
