#pragma once
// The real program started, or run to its end, with arguments given as bytes (a file name need
// not be UTF-8, which QProcess would re-encode), in a folder, without a display; what it wrote to
// the standard output and the error stream.
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QTemporaryDir>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

extern char** environ;

struct Ran {
    int code = -1; // the exit code; -1 when the program ended by a signal (an abort: 134)
    std::string out, err;
};

// The real program started in `folder` without a display, its standard output and error stream
// going to the files `out` and `err` (an empty `out`: the standard output closed); its process
// id, or -1.
inline pid_t start_without_display(const std::string& program, const std::vector<std::string>& args,
                                   const std::string& folder, const std::string& out,
                                   const std::string& err) {
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
    if (out.empty()) {
        posix_spawn_file_actions_addclose(&actions, 1);
    } else {
        posix_spawn_file_actions_addopen(&actions, 1, out.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                         0600);
    }
    posix_spawn_file_actions_addopen(&actions, 2, err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    pid_t pid = 0;
    const bool started =
        posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(), envp.data()) == 0;
    posix_spawn_file_actions_destroy(&actions);
    return started ? pid : -1;
}

// The program's wait status once it has ended, or -1.
inline int wait_status(pid_t pid) {
    int status = -1;
    return pid > 0 && waitpid(pid, &status, 0) == pid ? status : -1;
}

// The real program run to its end; `out_to` names where its standard output goes instead of
// being kept (such as /dev/full; empty: closed).
inline Ran run_without_display(const std::string& program, const std::vector<std::string>& args,
                               const std::string& folder,
                               const std::optional<std::string>& out_to = std::nullopt) {
    QTemporaryDir streams;
    const std::string out = out_to ? *out_to : streams.filePath("out").toStdString();
    const std::string err = streams.filePath("err").toStdString();
    const int status = wait_status(start_without_display(program, args, folder, out, err));
    Ran ran;
    ran.code = status != -1 && WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    const auto read = [](const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    };
    if (!out_to) {
        ran.out = read(out);
    }
    ran.err = read(err);
    return ran;
}
