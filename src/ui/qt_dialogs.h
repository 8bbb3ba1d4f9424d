#pragma once
// Modal Qt message boxes for the core's questions and messages.
#include <QCoreApplication>
#include <QPointer>
#include <QWidget>

#include "base/dialogs.h"

class QMessageBox;

class QtDialogs : public Dialogs {
  public:
    explicit QtDialogs(QWidget* parent = nullptr) : parent_(parent) {}
    void set_parent(QWidget* parent) { parent_ = parent; }
    void message(const std::string& text, const std::string& title) override;
    bool ask_yes_no(const std::string& text, const std::string& title) override;

  private:
    QPointer<QWidget> parent_;
};

// A text as a message box shows it: CR LF and a lone CR become line breaks.
QString dialog_text(const std::string& text);

// The box's OK, Yes and No buttons in the interface's language («ОК», «Да» and «Нет» in Russian),
// whatever the locale and whether or not Qt's own translations are installed.
void set_buttons(QMessageBox& box);
