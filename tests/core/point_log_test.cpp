// The point log: its header and lines in Windows-1251 with CR LF, the file's life from
// switching on to switching off, and every failure reported.
#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <sys/resource.h>
#include <unistd.h>

#include "analysis/cp1251.h"
#include "analysis/point_log.h"
#include "support/log_header.h"

namespace fs = std::filesystem;

namespace {

// A fresh directory made current for the test, removed afterwards.
class InTempDir {
  public:
    InTempDir() : old_(fs::current_path()) {
        std::string pattern = (fs::temp_directory_path() / "pointlog-XXXXXX").string();
        dir_ = mkdtemp(pattern.data());
        fs::current_path(dir_);
    }
    ~InTempDir() {
        fs::current_path(old_);
        std::error_code ec;
        fs::remove_all(dir_, ec);
    }
    InTempDir(const InTempDir&) = delete;
    InTempDir& operator=(const InTempDir&) = delete;
    const fs::path& dir() const { return dir_; }

  private:
    fs::path old_, dir_;
};

std::string read_bytes(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

// The header of the default charges, byte for byte.
const std::string kDefaultHeader = kDefaultLogHeader;

TEST(Cp1251, CyrillicAndSigns) {
    EXPECT_EQ(utf8_to_cp1251("АЯая"), "\xC0\xDF\xE0\xFF");
    EXPECT_EQ(utf8_to_cp1251("Ёё№€"), "\xA8\xB8\xB9\x88");
    EXPECT_EQ(utf8_to_cp1251("x,м 0.5"), "x,\xEC 0.5");
    // Characters outside the code page and broken UTF-8 become '?'.
    EXPECT_EQ(utf8_to_cp1251("φ٫"), "??");
    EXPECT_EQ(utf8_to_cp1251(std::string("a\xD0") + "b\xFF"), "a?b?");
    // Overlong forms, surrogates and values past U+10FFFF are no UTF-8: a '?' for every byte.
    EXPECT_EQ(utf8_to_cp1251(std::string("\xC0\x80|\xC1\x81|\xE0\x90\x90|\xF0\x80\x80\xC0", 14)),
              "??|??|???|????");
    EXPECT_EQ(utf8_to_cp1251("\xED\xA0\x80|\xF4\x90\x80\x80"), "???|????");
    // The shortest forms at the edges stay one character each.
    EXPECT_EQ(utf8_to_cp1251("\xC2\xA0\xE0\xA0\x80\xF0\x90\x80\x80\xF4\x8F\xBF\xBF"), "\xA0???");
}

// The column caption line starts its captions at 1, 14, 28, 43 and 57 and has 62 characters.
TEST(PointLog, HeaderIsExact) {
    const std::string header = utf8_to_cp1251(log_header({}));
    EXPECT_EQ(header, kDefaultHeader);
    const std::size_t start = header.rfind("\r\n", header.size() - 3) + 2;
    EXPECT_EQ(header.size() - start, 62u + 2);
    // A comma locale writes the charges with a comma.
    EXPECT_NE(
        log_header({.decimal_separator = ","}).find("q1= 0,4 нКл\r\nq2= -0,1 нКл\r\na= 0,5 м\r\n"),
        std::string::npos);
    // Charges set by the scroll bars (steps of 0.05) are written as the value labels show them,
    // not with the binary fraction's last digits.
    EXPECT_NE(
        log_header({.q1 = 6 * 0.05, .q2 = -19 * 0.05}).find("q1= 0.3 нКл\r\nq2= -0.95 нКл\r\n"),
        std::string::npos);
}

// Values in columns 14 characters wide, at least one blank between however long they are;
// five fields for a reader splitting on blanks.
TEST(PointLog, DataLineColumns) {
    const std::string line = log_line("1.000", "-0.250", "0.600", "-2.000", "0.000");
    EXPECT_EQ(line, "1.000         -0.250        0.600         -2.000        0.000\r\n");
    EXPECT_EQ(line.find("-0.250"), 14u);
    EXPECT_EQ(line.find("0.600"), 28u);
    EXPECT_EQ(line.find("-2.000"), 42u);
    EXPECT_EQ(line.find("0.000"), 56u);

    const std::string big = "-123456789012345.000";
    const std::string wide = log_line(big, big, big, big, big);
    EXPECT_EQ(wide, big + " " + big + " " + big + " " + big + " " + big + "\r\n");
    // A separator of two bytes counts as one character of the column.
    const std::string arabic = log_line("1٫000", "2٫000", "3", "4", "5");
    EXPECT_EQ(arabic.find("2٫000"), 14u + 1);
}

// On, three points, off: the header and three lines on disk, each line there as soon as it was
// logged; switching on again starts a new file.
TEST(PointLog, SessionWritesEveryLineThrough) {
    InTempDir tmp;
    PointLog log;
    ASSERT_TRUE(log.start({})) << log.problem();
    EXPECT_TRUE(log.is_on());
    EXPECT_EQ(read_bytes("kerant.txt"), kDefaultHeader);
    std::string expected = kDefaultHeader;
    for (const char* x : {"0.100", "-1.250", "3.000"}) {
        ASSERT_TRUE(log.append(x, "0.500", "12.345", "-0.001", "1234567.000"));
        expected += utf8_to_cp1251(log_line(x, "0.500", "12.345", "-0.001", "1234567.000"));
        EXPECT_EQ(read_bytes("kerant.txt"), expected) << "not on disk after logging " << x;
    }
    EXPECT_TRUE(log.stop());
    EXPECT_FALSE(log.is_on());
    EXPECT_TRUE(log.stop()); // off again: nothing to do
    EXPECT_EQ(read_bytes("kerant.txt"), expected);

    ASSERT_TRUE(log.start({.q1 = -0.75}));
    EXPECT_TRUE(log.stop());
    std::string fresh = kDefaultHeader;
    fresh.replace(fresh.find("q1= 0.4"), 7, "q1= -0.75");
    EXPECT_EQ(read_bytes("kerant.txt"), fresh);
}

// A log that cannot start stays off, with a message that names the file, what failed and why.
void expect_start_fails(const InTempDir& tmp, const char* what, const char* reason) {
    PointLog log;
    EXPECT_FALSE(log.start({}));
    EXPECT_FALSE(log.is_on());
    for (const std::string& part :
         {std::string(what), (tmp.dir() / kLogName).string(), std::string(reason)}) {
        EXPECT_NE(log.problem().find(part), std::string::npos) << log.problem();
    }
    EXPECT_FALSE(log.append("1", "2", "3", "4", "5"));
}

// The name taken by a folder: the file cannot be created.
TEST(PointLog, CannotCreateTheFile) {
    InTempDir tmp;
    fs::create_directory(kLogName);
    expect_start_fails(tmp, "Не удалось создать файл", "на месте файла находится папка");
}

// A full disk: the header cannot be written.
TEST(PointLog, DiskFullWhileWritingTheHeader) {
    if (!fs::exists("/dev/full")) {
        GTEST_SKIP() << "no /dev/full";
    }
    InTempDir tmp;
    fs::create_symlink("/dev/full", kLogName);
    expect_start_fails(tmp, "Не удалось записать заголовок", "на диске нет места");
}

// A folder where the user may not write (not testable as the superuser, who may write
// anywhere).
TEST(PointLog, ReadOnlyFolder) {
    if (geteuid() == 0) {
        GTEST_SKIP() << "the superuser may write into any folder";
    }
    InTempDir tmp;
    fs::permissions(tmp.dir(), fs::perms::owner_read | fs::perms::owner_exec);
    expect_start_fails(tmp, "Не удалось создать файл", "нет прав на запись");
    fs::permissions(tmp.dir(), fs::perms::owner_all);
}

// A full disk in the middle of a line, played by a file size limit: past it write() takes what
// still fits, then fails with EFBIG (SIGXFSZ ignored). Both are restored when it ends.
struct FileSizeLimit {
    rlimit old{};
    void (*handler)(int) = std::signal(SIGXFSZ, SIG_IGN);
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &old);
        const rlimit full{bytes, old.rlim_max};
        EXPECT_EQ(setrlimit(RLIMIT_FSIZE, &full), 0);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &old);
        std::signal(SIGXFSZ, handler);
    }
};

// The disk fills up in the middle of a line: the file is cut back to its last whole line, so
// that it reads cleanly and the lines logged before stay; a half header is not left either.
TEST(PointLog, FullDiskLeavesNoHalfLine) {
#ifdef __EMSCRIPTEN__
    GTEST_SKIP() << "WebAssembly's system calls take no file size limit (setrlimit does nothing)";
#endif
    InTempDir tmp;
    const std::string line = utf8_to_cp1251(log_line("1.000", "2.000", "3.000", "4.000", "5.000"));
    PointLog log;
    {
        const FileSizeLimit full(kDefaultHeader.size() + 2 * line.size() + 20);
        ASSERT_TRUE(log.start({})) << log.problem();
        for (int n = 0; n < 3; ++n) {
            EXPECT_EQ(log.append("1.000", "2.000", "3.000", "4.000", "5.000"), n < 2);
        }
    }
    EXPECT_NE(log.problem().find("файл слишком велик"), std::string::npos) << log.problem();
    EXPECT_EQ(read_bytes("kerant.txt"), kDefaultHeader + line + line);
    {
        const FileSizeLimit full(kDefaultHeader.size() / 2);
        EXPECT_FALSE(log.start({}));
    }
    EXPECT_EQ(read_bytes("kerant.txt"), "");
}

// A file that fails on its n-th write (or on closing), as a full disk would.
class FailingFile : public LogFile {
  public:
    FailingFile(std::string& sink, int writes_before_failure, bool close_fails)
        : sink_(sink), left_(writes_before_failure), close_fails_(close_fails) {}
    bool write(std::string_view bytes) override {
        if (left_-- <= 0) {
            return false;
        }
        sink_ += bytes;
        return true;
    }
    bool close() override { return !close_fails_; }
    std::string error() const override { return "на диске нет места"; }

  private:
    std::string& sink_;
    int left_;
    bool close_fails_;
};

// A line that cannot be written: reported, the log goes off, the lines before it stay. Closing
// that fails is reported, never taken for success.
TEST(PointLog, WriteOrCloseThatFails) {
    std::string sink;
    const auto failing = [&sink](int writes_before_failure, bool close_fails) {
        return [&sink, writes_before_failure, close_fails](const std::string&, const Translator*) {
            return LogOpen{std::make_unique<FailingFile>(sink, writes_before_failure, close_fails),
                           {}};
        };
    };
    PointLog log(failing(3, false));
    ASSERT_TRUE(log.start({}));
    for (int n = 0; n < 3; ++n) {
        EXPECT_EQ(log.append("1.000", "2.000", "3.000", "4.000", "5.000"), n < 2);
    }
    EXPECT_FALSE(log.is_on());
    EXPECT_NE(log.problem().find("Не удалось записать точку"), std::string::npos);
    EXPECT_NE(log.problem().find("на диске нет места"), std::string::npos);
    EXPECT_EQ(sink.size(), kDefaultHeader.size() + 2 * (4 * 14 + 5 + 2));

    PointLog closing(failing(100, true));
    ASSERT_TRUE(closing.start({}));
    EXPECT_FALSE(closing.stop());
    EXPECT_FALSE(closing.is_on());
    EXPECT_NE(closing.problem().find("Не удалось закрыть"), std::string::npos);
}

} // namespace
