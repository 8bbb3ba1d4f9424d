#pragma once
// The real program run to its end with arguments given as bytes (a file name need not be
// UTF-8, which QProcess would re-encode), in a folder, without a display; what it wrote to the
// standard output and the error stream.
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QTemporaryDir>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

extern char** environ;

struct Ran {
    int code = -1; // the exit code; -1 when the program ended by a signal (an abort: 134)
    std::string out, err;
};

inline Ran run_without_display(const std::string& program, const std::vector<std::string>& args,
                               const std::string& folder) {
    QTemporaryDir streams;
    const std::string out = streams.filePath("out").toStdString();
    const std::string err = streams.filePath("err").toStdString();
    std::vector<std::string> env;
    for (char** e = environ; *e != nullptr; ++e) {
        const std::string v = *e;
        if (v.rfind("DISPLAY=", 0) != 0 && v.rfind("WAYLAND_DISPLAY=", 0) != 0 &&
            v.rfind("QT_QPA_PLATFORM=", 0) != 0) {
            env.push_back(v);
        }
    }
    std::vector<char*> argv = {const_cast<char*>(program.c_str())};
    for (const std::string& a : args) {
        argv.push_back(const_cast<char*>(a.c_str()));
    }
    argv.push_back(nullptr);
    std::vector<char*> envp;
    for (std::string& v : env) {
        envp.push_back(v.data());
    }
    envp.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addchdir_np(&actions, folder.c_str());
    posix_spawn_file_actions_addopen(&actions, 1, out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    posix_spawn_file_actions_addopen(&actions, 2, err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    pid_t pid = 0;
    Ran ran;
    if (posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(), envp.data()) == 0) {
        int status = 0;
        waitpid(pid, &status, 0);
        ran.code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    posix_spawn_file_actions_destroy(&actions);
    const auto read = [](const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    };
    ran.out = read(out);
    ran.err = read(err);
    return ran;
}
