#include "ui/file_chooser.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>

QString QtFileChooser::save_file_name(QWidget* parent, const QString& caption,
                                      const QString& suggested_name, const QStringList& filters,
                                      int& filter) {
    QFileDialog dialog(parent, caption);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    // The caller asks before replacing a file, after it has added the extension.
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setLabelText(QFileDialog::LookIn, QCoreApplication::translate("FileChooser", "Папка:"));
    dialog.setLabelText(QFileDialog::FileName,
                        QCoreApplication::translate("FileChooser", "Имя файла:"));
    dialog.setLabelText(QFileDialog::FileType,
                        QCoreApplication::translate("FileChooser", "Тип файла:"));
    dialog.setLabelText(QFileDialog::Accept,
                        QCoreApplication::translate("FileChooser", "Сохранить"));
    dialog.setLabelText(QFileDialog::Reject, QCoreApplication::translate("FileChooser", "Отмена"));
    dialog.setNameFilters(filters);
    if (filter >= 0 && filter < filters.size()) {
        dialog.selectNameFilter(filters[filter]);
    }
    dialog.setDirectory(folder_.isEmpty() ? QDir::currentPath() : folder_);
    dialog.selectFile(suggested_name);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return {};
    }
    const qsizetype chosen = filters.indexOf(dialog.selectedNameFilter());
    if (chosen >= 0) {
        filter = static_cast<int>(chosen);
    }
    const QString name = dialog.selectedFiles().constFirst();
    folder_ = QFileInfo(name).absolutePath();
    return name;
}
