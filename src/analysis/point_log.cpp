#include "analysis/point_log.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <unistd.h>

#include "analysis/cp1251.h"
#include "model/numbers.h"

namespace {

const std::string kCrLf = "\r\n";

// The reason of a failed file operation, in the user's language.
std::string describe_errno(int e, const Translator* tr) {
    const auto say = [tr](const SourceText& text) { return translated(tr, text); };
    switch (e) {
    case EACCES:
    case EPERM:
        return say(CF_TEXT("PointLog", "нет прав на запись"));
    case EROFS:
        return say(CF_TEXT("PointLog", "папка доступна только для чтения"));
    case ENOSPC:
        return say(CF_TEXT("PointLog", "на диске нет места"));
#ifdef EDQUOT
    case EDQUOT:
        return say(CF_TEXT("PointLog", "превышена дисковая квота"));
#endif
    case EISDIR:
        return say(CF_TEXT("PointLog", "на месте файла находится папка"));
    case ENOENT:
    case ENOTDIR:
        return say(CF_TEXT("PointLog", "папка не найдена"));
    case EFBIG:
        return say(CF_TEXT("PointLog", "файл слишком велик"));
    default:
        return translated(tr, CF_TEXT("PointLog", "ошибка ввода-вывода (%1, код %2)"),
                          {std::strerror(e), std::to_string(e)});
    }
}

// A file written with the operating system's own writes, no buffer in between, so that the
// file's length is known after every write and a write that fails part-way can be cut back.
class DiskFile : public LogFile {
  public:
    DiskFile(int fd, const Translator* translator) : fd_(fd), translator_(translator) {}
    ~DiskFile() override {
        if (fd_ >= 0) {
            ::close(fd_);
        }
    }
    DiskFile(const DiskFile&) = delete;
    DiskFile& operator=(const DiskFile&) = delete;

    bool write(std::string_view bytes) override {
        if (fd_ < 0) {
            error_ = describe_errno(EBADF, translator_);
            return false;
        }
        std::size_t done = 0;
        while (done < bytes.size()) {
            errno = 0;
            const ssize_t n = ::write(fd_, bytes.data() + done, bytes.size() - done);
            if (n > 0) {
                done += static_cast<std::size_t>(n);
            } else if (!(n < 0 && errno == EINTR)) {
                error_ = describe_errno(n < 0 && errno != 0 ? errno : EIO, translator_);
                // A full disk takes what still fits: cut that piece off again, so that the
                // file ends where the last complete write ended (a whole line).
                if (done > 0 && (::ftruncate(fd_, length_) != 0 ||
                                 ::lseek(fd_, length_, SEEK_SET) != length_)) {
                    error_ += translated(
                        translator_,
                        CF_TEXT("PointLog", "; неполную строку в конце файла удалить не удалось"));
                }
                return false;
            }
        }
        length_ += static_cast<off_t>(done);
        return true;
    }
    bool close() override {
        if (fd_ < 0) {
            return true;
        }
        errno = 0;
        const int rc = ::close(fd_);
        fd_ = -1;
        if (rc != 0) {
            error_ = describe_errno(errno != 0 ? errno : EIO, translator_);
            return false;
        }
        return true;
    }
    std::string error() const override { return error_; }

  private:
    int fd_;
    const Translator* translator_;
    off_t length_ = 0; // bytes of the complete writes
    std::string error_;
};

} // namespace

std::string log_hint_text(const Translator* translator) {
    return translated(translator,
                      CF_TEXT("PointLog",
                              "Теперь выбирайте точку на рабочем поле мышью."
                              "При двойном щелчке мышью произойдёт запись в файл kerant.txt. "
                              "Наберите необходимое количество точек и выключите чекбокс. "
                              "Данные из файла можно обработать где угодно, например, в MS EXCEL. "
                              "Разделитеелем данных является пробел."));
}

std::string log_header(const FieldParams& params) {
    const std::string& sep = params.decimal_separator;
    return translated(params.translator,
                      CF_TEXT("PointLog", "файл для вывода данных\r\n"
                                          "q1= %1 нКл\r\n"
                                          "q2= %2 нКл\r\n"
                                          "a= %3 м\r\n"
                                          "x,м          y,м           fi,В           Ex,В/м        "
                                          "Еy,В/м\r\n"),
                      {format_shortest(params.q1, sep), format_shortest(params.q2, sep),
                       format_shortest(params.half_distance, sep)});
}

std::string log_line(const std::string& x, const std::string& y, const std::string& fi,
                     const std::string& Ex, const std::string& Ey) {
    constexpr std::size_t kColumn = 14;
    std::string out;
    for (const std::string* v : {&x, &y, &fi, &Ex}) {
        out += *v;
        // The readout texts are ASCII apart from the locale's separator: count characters,
        // not bytes, so that the columns stay aligned.
        std::size_t chars = 0;
        for (const char c : *v) {
            chars += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
        }
        out.append(chars < kColumn ? kColumn - chars : 1, ' ');
    }
    return out + Ey + kCrLf;
}

LogOpen open_disk_file(const std::string& path, const Translator* translator) {
    errno = 0;
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (fd < 0) {
        return {nullptr, describe_errno(errno != 0 ? errno : EIO, translator)};
    }
    return {std::make_unique<DiskFile>(fd, translator), {}};
}

PointLog::PointLog(LogOpener opener) : opener_(std::move(opener)) {}

PointLog::~PointLog() {
    stop();
}

std::string PointLog::where() const {
    std::error_code ec;
    const std::filesystem::path dir = std::filesystem::current_path(ec);
    return ec ? std::string(kLogName) : (dir / kLogName).string();
}

void PointLog::fail(const SourceText& what, const std::string& reason, const SourceText& outcome) {
    problem_ = translated(translator_, what) + kCrLf + where() + kCrLf +
               translated(translator_, CF_TEXT("PointLog", "Причина: %1."), {reason}) + kCrLf +
               translated(translator_, outcome);
}

bool PointLog::start(const FieldParams& params) {
    stop();
    problem_.clear();
    translator_ = params.translator;
    LogOpen opened = opener_(kLogName, translator_);
    if (!opened.file) {
        fail(CF_TEXT("PointLog", "Не удалось создать файл для вывода данных:"), opened.error,
             CF_TEXT("PointLog", "Запись в файл не включена."));
        return false;
    }
    if (!opened.file->write(utf8_to_cp1251(log_header(params)))) {
        fail(CF_TEXT("PointLog", "Не удалось записать заголовок в файл для вывода данных:"),
             opened.file->error(), CF_TEXT("PointLog", "Запись в файл не включена."));
        opened.file->close();
        return false;
    }
    file_ = std::move(opened.file);
    return true;
}

bool PointLog::append(const std::string& x, const std::string& y, const std::string& fi,
                      const std::string& Ex, const std::string& Ey) {
    problem_.clear();
    if (!file_) {
        fail(CF_TEXT("PointLog", "Файл для вывода данных не открыт:"),
             describe_errno(EBADF, translator_),
             CF_TEXT("PointLog", "Включите чекбокс вывода в файл ещё раз."));
        return false;
    }
    if (!file_->write(utf8_to_cp1251(log_line(x, y, fi, Ex, Ey)))) {
        fail(CF_TEXT("PointLog", "Не удалось записать точку в файл для вывода данных:"),
             file_->error(),
             CF_TEXT("PointLog",
                     "Запись в файл выключена; точки, записанные раньше, остались в файле."));
        file_->close();
        file_.reset();
        return false;
    }
    return true;
}

bool PointLog::stop() {
    if (!file_) {
        return true;
    }
    const bool ok = file_->close();
    if (!ok) {
        problem_.clear();
        fail(CF_TEXT("PointLog", "Не удалось закрыть файл для вывода данных:"), file_->error(),
             CF_TEXT("PointLog", "Данные в файле могут быть неполными."));
    }
    file_.reset();
    return ok;
}
