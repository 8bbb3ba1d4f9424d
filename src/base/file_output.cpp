#include "base/file_output.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <mutex>
#include <random>
#include <thread>
#include <vector>

#include "base/translator.h"

namespace {

constexpr SourceText kProtected = CF_TEXT("FileOutput", "файл защищён от записи");

bool has_nul(const std::string& path) {
    return path.find('\0') != std::string::npos;
}

// The folder of a path ("." for a bare name) and its last part.
std::string folder_of(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    if (slash == std::string::npos) {
        return ".";
    }
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string name_of(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// The path with its links resolved, or an empty text when it names nothing.
std::string resolved(const std::string& path) {
    char* r = realpath(path.c_str(), nullptr);
    if (r == nullptr) {
        return {};
    }
    std::string s(r);
    std::free(r);
    return s;
}

// Whether the program may write (and, for a folder, enter) `path`, with its effective ids.
bool may(const std::string& path, int mode) {
    return faccessat(AT_FDCWD, path.c_str(), mode, AT_EACCESS) == 0;
}

// A name for a temporary file: six random letters and digits.
std::string random_suffix() {
    static constexpr char kChars[] =
        "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    thread_local std::mt19937 gen{std::random_device{}()};
    std::uniform_int_distribution<std::size_t> pick(0, sizeof(kChars) - 2);
    std::string s(6, 'x');
    for (char& c : s) {
        c = kChars[pick(gen)];
    }
    return s;
}

// The temporary files of the process not yet put in place or removed, for a signal that ends the
// program to remove: state of the process as a whole, as the files on the disk are. Made once and
// never destroyed, so that the thread that takes the signals may use it until the very end.
struct TemporaryFiles {
    std::mutex mutex; // over `names`, and over making, renaming and removing the files
    std::vector<std::string> names;
    std::mutex ending; // held while files are put in place together, and by the ending
};

TemporaryFiles& temporary_files() {
    static auto* files = new TemporaryFiles;
    return *files;
}

void forget_temporary(const std::string& name) {
    std::vector<std::string>& names = temporary_files().names;
    const auto it = std::find(names.begin(), names.end(), name);
    if (it != names.end()) {
        names.erase(it);
    }
}

} // namespace

void end_on_signals_removing_pending_files() {
    sigset_t ending;
    sigemptyset(&ending);
    for (const int sig : {SIGINT, SIGTERM, SIGHUP}) {
        sigaddset(&ending, sig);
    }
    pthread_sigmask(SIG_BLOCK, &ending, nullptr);
    std::thread([ending] {
        int sig = 0;
        while (sigwait(&ending, &sig) != 0) {
        }
        TemporaryFiles& files = temporary_files();
        files.ending.lock();
        files.mutex.lock();
        for (const std::string& name : files.names) {
            ::unlink(name.c_str());
        }
        std::_Exit(128 + sig);
    }).detach();
}

EndingSignalsHeld::EndingSignalsHeld() {
    temporary_files().ending.lock();
}

EndingSignalsHeld::~EndingSignalsHeld() {
    temporary_files().ending.unlock();
}

std::string reason_of_error(int err, const Translator* translator) {
    switch (err) {
    case ENOSPC:
    case EDQUOT:
        return translated(translator, CF_TEXT("FileOutput", "на диске нет места"));
    case EACCES:
    case EPERM:
        return translated(translator, CF_TEXT("FileOutput", "нет прав на запись в эту папку"));
    case EROFS:
        return translated(translator, CF_TEXT("FileOutput", "диск доступен только для чтения"));
    case ENOENT:
        return translated(translator, CF_TEXT("FileOutput", "такой папки нет"));
    case ENOTDIR:
        return translated(
            translator,
            CF_TEXT("FileOutput", "путь к файлу проходит через то, что не является папкой"));
    case EISDIR:
        return translated(translator, CF_TEXT("FileOutput", "под этим именем уже есть папка"));
    case ENAMETOOLONG:
        return translated(translator, CF_TEXT("FileOutput", "слишком длинное имя файла"));
    case EIO:
        return translated(translator, CF_TEXT("FileOutput", "ошибка ввода-вывода"));
    case ELOOP:
        return translated(translator, CF_TEXT("FileOutput", "в пути к файлу слишком много ссылок"));
    case EFBIG:
        return translated(translator, CF_TEXT("FileOutput", "файл слишком велик"));
    case EMFILE:
    case ENFILE:
        return translated(translator, CF_TEXT("FileOutput", "открыто слишком много файлов"));
    case EBUSY:
    case ETXTBSY:
        return translated(translator, CF_TEXT("FileOutput", "файл занят"));
    case EPIPE:
        return translated(translator, CF_TEXT("FileOutput", "получатель данных закрыт"));
    default:
        return translated(translator, CF_TEXT("FileOutput", "ошибка записи (код %1)"),
                          {std::to_string(err)});
    }
}

std::string output_problem(const std::string& path, const Translator* translator) {
    if (path.empty()) {
        return translated(translator, CF_TEXT("FileOutput", "не указано имя файла"));
    }
    if (has_nul(path)) {
        return translated(translator, CF_TEXT("FileOutput", "в имени файла есть нулевой байт"));
    }
    std::string folder;
    struct stat st {};
    if (stat(path.c_str(), &st) == 0) {
        if (S_ISDIR(st.st_mode)) {
            return reason_of_error(EISDIR, translator);
        }
        if (!may(path, W_OK)) {
            const int err = errno;
            return err == EROFS || !S_ISREG(st.st_mode) ? reason_of_error(err, translator)
                                                        : translated(translator, kProtected);
        }
        if (!S_ISREG(st.st_mode)) {
            return {}; // a device or a pipe, written directly
        }
        const std::string file = resolved(path);
        folder = folder_of(file.empty() ? path : file);
    } else if (errno == ENOENT) {
        folder = folder_of(path);
    } else {
        return reason_of_error(errno, translator);
    }
    struct stat fs {};
    if (stat(folder.c_str(), &fs) != 0) {
        return reason_of_error(errno, translator);
    }
    if (!S_ISDIR(fs.st_mode)) {
        return reason_of_error(ENOTDIR, translator);
    }
    if (!may(folder, W_OK | X_OK)) {
        return reason_of_error(errno, translator);
    }
    return {};
}

std::string output_problem_tried(const std::string& path, const Translator* translator) {
    std::string why = output_problem(path, translator);
    struct stat st {};
    if (!why.empty() || (stat(path.c_str(), &st) == 0 && !S_ISREG(st.st_mode))) {
        return why;
    }
    PendingFile probe(path, translator);
    return probe.open() ? std::string() : probe.problem();
}

std::string output_identity(const std::string& path) {
    if (std::string file = resolved(path); !file.empty()) {
        return file;
    }
    const std::string folder = resolved(folder_of(path));
    return (folder.empty() ? folder_of(path) : folder) + "/" + name_of(path);
}

PendingFile::PendingFile(std::string path, const Translator* translator)
    : path_(std::move(path)), translator_(translator) {}

PendingFile::~PendingFile() {
    if (!placed_) {
        cancel();
    }
}

bool PendingFile::fail(const std::string& why) {
    problem_ = why;
    cancel();
    return false;
}

bool PendingFile::open() {
    if (opened_) {
        return fd_ >= 0 || finished_;
    }
    opened_ = true;
    if (path_.empty() || has_nul(path_)) {
        return fail(output_problem(path_, translator_));
    }
    struct stat st {};
    const bool exists = stat(path_.c_str(), &st) == 0;
    if (exists && S_ISDIR(st.st_mode)) {
        return fail_errno(EISDIR);
    }
    if (exists && !S_ISREG(st.st_mode)) {
        fd_ = ::open(path_.c_str(), O_WRONLY | O_CLOEXEC);
        return fd_ >= 0 || fail_errno(errno);
    }
    if (exists && !may(path_, W_OK)) {
        return errno == EROFS ? fail_errno(EROFS) : fail(translated(translator_, kProtected));
    }
    target_ = exists ? resolved(path_) : path_;
    if (target_.empty()) {
        target_ = path_;
    }
    // Beside the file; a name too long for the suffix gets a short one in the same folder.
    std::string stem = target_ + ".";
    TemporaryFiles& files = temporary_files();
    for (int attempt = 0; attempt < 100 && fd_ < 0; ++attempt) {
        temp_ = stem + random_suffix();
        // Made and listed at once, for a signal that ends the program to find.
        std::unique_lock<std::mutex> listed(files.mutex);
        fd_ = ::open(temp_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        const int err = fd_ < 0 ? errno : 0;
        if (fd_ >= 0) {
            files.names.push_back(temp_);
        }
        listed.unlock();
        if (err == ENAMETOOLONG && stem != folder_of(target_) + "/.chargefield.") {
            stem = folder_of(target_) + "/.chargefield.";
        } else if (fd_ < 0 && err != EEXIST) {
            temp_.clear();
            // A folder that exists but takes no new files (such as /proc).
            struct stat fs {};
            if (err == ENOENT && stat(folder_of(target_).c_str(), &fs) == 0 &&
                S_ISDIR(fs.st_mode)) {
                return fail(translated(translator_,
                                       CF_TEXT("FileOutput", "в этой папке нельзя создать файл")));
            }
            return fail_errno(err);
        }
    }
    if (fd_ < 0) {
        temp_.clear();
        return fail_errno(EEXIST);
    }
    if (exists) {
        // The replacement keeps the permissions of the file it replaces (where it may).
        (void)fchmod(fd_, st.st_mode & 07777);
    }
    return true;
}

bool PendingFile::write(std::string_view data) {
    if (!open() || finished_) {
        return false;
    }
    while (!data.empty()) {
        const ssize_t n = ::write(fd_, data.data(), data.size());
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            return fail_errno(errno);
        }
        data.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

bool PendingFile::finish() {
    if (!open()) {
        return false;
    }
    if (finished_) {
        return true;
    }
    // A file system that finds no room only when the data reach the disk tells it here.
    if (!temp_.empty() && fdatasync(fd_) != 0 &&
        (errno == EIO || errno == ENOSPC || errno == EDQUOT)) {
        return fail_errno(errno);
    }
    const int fd = fd_;
    fd_ = -1;
    if (::close(fd) != 0 && errno != EINTR) {
        return fail_errno(errno);
    }
    finished_ = true;
    return true;
}

bool PendingFile::put_in_place() {
    if (!finish()) {
        return false;
    }
    if (!temp_.empty()) {
        std::unique_lock<std::mutex> listed(temporary_files().mutex);
        if (::rename(temp_.c_str(), target_.c_str()) != 0) {
            const int err = errno;
            listed.unlock();
            return fail_errno(err);
        }
        forget_temporary(temp_);
    }
    placed_ = true;
    return true;
}

void PendingFile::cancel() {
    if (fd_ >= 0) {
        ::close(fd_);
        fd_ = -1;
    }
    if (!temp_.empty() && !placed_) {
        const std::lock_guard<std::mutex> listed(temporary_files().mutex);
        ::unlink(temp_.c_str());
        forget_temporary(temp_);
    }
    temp_.clear();
    finished_ = false;
    opened_ = true; // a cancelled file stays closed
}

bool write_whole_file(const std::string& path, std::string_view data, std::string* reason,
                      const Translator* translator) {
    PendingFile f(path, translator);
    if (f.write(data) && f.put_in_place()) {
        return true;
    }
    if (reason != nullptr) {
        *reason = f.problem();
    }
    return false;
}
