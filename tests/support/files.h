#pragma once
// Files for the GUI and end-to-end tests: a fresh current directory, a file's bytes.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

// Runs the test in a fresh current directory, which goes with it.
class InTempDir {
  public:
    InTempDir() : old_(QDir::currentPath()), entered_(QDir::setCurrent(dir_.path())) {}
    ~InTempDir() { QDir::setCurrent(old_); }
    InTempDir(const InTempDir&) = delete;
    InTempDir& operator=(const InTempDir&) = delete;
    QString path(const QString& name) const { return dir_.filePath(name); }
    // The directory as the program sees it, links resolved.
    QString canonical() const { return QDir(dir_.path()).canonicalPath(); }
    // Whether it is the current directory.
    bool entered() const { return entered_; }

  private:
    QString old_;
    QTemporaryDir dir_;
    bool entered_;
};

// The whole file, or nothing when it cannot be read.
inline QByteArray read_all(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
