#pragma once

// Starts a built program of the project as a person would, with its standard output and
// standard error going to files that a test reads afterwards.

#include <fcntl.h>
#include <unistd.h>

#include <functional>
#include <string>
#include <vector>

// The child's pid (or -1). prepare runs in the child just before the program starts, for
// example to set its environment.
inline pid_t StartProgram(const char* pszProgram, const std::vector<std::string>& arguments,
                          const std::string& strOutPath, const std::string& strErrPath,
                          const std::function<void()>& prepare = {}) {
    const pid_t pid = ::fork();
    if (pid != 0) {
        return pid;
    }
    const int nOut = ::open(strOutPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    const int nErr = ::open(strErrPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    ::dup2(nOut, STDOUT_FILENO);
    ::dup2(nErr, STDERR_FILENO);
    if (prepare) {
        prepare();
    }
    std::vector<char*> argv{const_cast<char*>(pszProgram)};
    for (const std::string& strArgument : arguments) {
        argv.push_back(const_cast<char*>(strArgument.c_str()));
    }
    argv.push_back(nullptr);
    ::execv(pszProgram, argv.data());
    ::_exit(127);
}
