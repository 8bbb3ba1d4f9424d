#pragma once
// Asking for the name of a file to write. The program asks with Qt's own file dialog; tests
// answer from a script, so that no test waits for a modal dialog.
#include <QString>
#include <QStringList>

class QWidget;

class FileChooser {
  public:
    virtual ~FileChooser() = default;
    // The name of a file to write, or an empty string when the user cancelled. `filter` is the
    // index into `filters` of the type shown first, and on return the type the user chose.
    // The caller adds a missing extension and asks before replacing an existing file.
    virtual QString save_file_name(QWidget* parent, const QString& caption,
                                   const QString& suggested_name, const QStringList& filters,
                                   int& filter) = 0;
};

// Qt's own save dialog (the same on every desktop, in Russian), opening in the folder last
// saved to, at first the current directory.
class QtFileChooser : public FileChooser {
  public:
    QString save_file_name(QWidget* parent, const QString& caption, const QString& suggested_name,
                           const QStringList& filters, int& filter) override;

  private:
    QString folder_;
};
