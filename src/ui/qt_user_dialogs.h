#pragma once

#include <QWidget>

#include "ui/user_dialogs.h"

class QtUserDialogs : public UserDialogs {
  public:
    explicit QtUserDialogs(QWidget* parent = nullptr) : parent_(parent) {}
    void setParent(QWidget* parent) { parent_ = parent; }
    // The history's folder: in the Open dialog's side bar, and where it starts when the
    // folder it last showed is gone.
    void setHistoryFolder(const std::string& folder) { historyFolder_ = folder; }

    void ShowErrorBox(const std::string& text) override;
    bool AskOkCancel(const std::string& text, const std::string& details) override;
    void Inform(const std::string& text) override;
    std::optional<std::string> OpenFileName(const std::string& title) override;
    std::optional<std::string> SaveFileName(const std::string& title) override;
    std::optional<std::string> AskText(const std::string& title, const std::string& label,
                                       const std::string& current) override;

  private:
    QWidget* parent_;
    std::string historyFolder_;
    QString lastOpenFolder_;
};
