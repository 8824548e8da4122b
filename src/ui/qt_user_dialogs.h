#pragma once

#include <QWidget>

#include "ui/user_dialogs.h"

class QtUserDialogs : public UserDialogs {
  public:
    explicit QtUserDialogs(QWidget* parent = nullptr) : parent_(parent) {}
    void setParent(QWidget* parent) { parent_ = parent; }

    void ShowErrorBox(const std::string& text) override;
    bool AskOkCancel(const std::string& text, const std::string& details) override;
    std::optional<std::string> OpenFileName(const std::string& title) override;
    std::optional<std::string> SaveFileName(const std::string& title) override;

  private:
    QWidget* parent_;
};
