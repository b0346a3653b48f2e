#pragma once

// Runs one test of this very test program from a copy of it placed elsewhere
// (a directory with an awkward name, say), so a test can see what the
// program does where it cannot run itself. The copy's standard output is
// returned; the copy is removed again.

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace selfcopy {

// Set in the copy's environment: the test checks it to know it is the copy.
inline constexpr char RoleVariable[] = "TURVANE_SELF_COPY_ROLE";

inline bool IsCopy(const char* role) {
    const char* value = std::getenv(RoleVariable);
    return value != nullptr && std::string(value) == role;
}

// Copies /proc/self/exe into dir (made if needed) and runs the current test
// there with RoleVariable=role. Returns what the copy printed.
inline std::string RunCopy(const std::filesystem::path& dir, const char* role) {
    namespace fs = std::filesystem;
    fs::create_directories(dir);
    const fs::path copy = dir / fs::canonical("/proc/self/exe").filename();
    fs::copy_file("/proc/self/exe", copy, fs::copy_options::overwrite_existing);
    const auto* info = testing::UnitTest::GetInstance()->current_test_info();
    const std::string filter =
        std::string("--gtest_filter=") + info->test_suite_name() + "." + info->name();
    std::array<int, 2> pipeEnds{};
    if (::pipe(pipeEnds.data()) != 0) {
        return {};
    }
    const pid_t child = ::fork();
    if (child == 0) {
        ::dup2(pipeEnds[1], STDOUT_FILENO);
        ::close(pipeEnds[0]);
        ::setenv(RoleVariable, role, 1);
        ::execl(copy.c_str(), copy.c_str(), filter.c_str(), "--gtest_brief=1",
                static_cast<char*>(nullptr));
        std::_Exit(127);
    }
    ::close(pipeEnds[1]);
    std::string output;
    std::array<char, 4096> buffer{};
    for (ssize_t n; (n = ::read(pipeEnds[0], buffer.data(), buffer.size())) > 0;) {
        output.append(buffer.data(), static_cast<std::size_t>(n));
    }
    ::close(pipeEnds[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    std::error_code ignored;
    fs::remove(copy, ignored);
    return output;
}

// What the copy reported with Report(key, value), or "(not reported)".
inline std::string Reported(const std::string& output, const std::string& key) {
    const std::string mark = "\n" + key + "=";
    const auto at = ("\n" + output).find(mark);
    if (at == std::string::npos) {
        return "(not reported)";
    }
    const auto start = at + mark.size() - 1;
    return output.substr(start, output.find('\n', start) - start);
}

inline void Report(const std::string& key, const std::string& value) {
    std::printf("\n%s=%s\n", key.c_str(), value.c_str());
    std::fflush(stdout);
}

} // namespace selfcopy
