#pragma once

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "protocol/tone.h"
#include "ui/user_dialogs.h"

// Answers the window's questions from a script and remembers what it was shown.
class ScriptedDialogs : public UserDialogs {
  public:
    void ShowErrorBox(const std::string& text) override {
        errors.push_back(text.substr(0, text.find('\r')));
        fullErrors.push_back(text);
        if (onError) onError();  // while the box would be open
    }
    bool AskOkCancel(const std::string& text, const std::string& details) override {
        questions.push_back(text);
        questionDetails.push_back(details);
        if (onQuestion) onQuestion();  // while the question is open
        if (answers.empty()) return false;
        const bool ok = answers.front();
        answers.pop_front();
        return ok;
    }
    void Inform(const std::string& text) override { notes.push_back(text); }
    std::optional<std::string> OpenFileName(const std::string& title) override {
        titles.push_back(title);
        return Next();
    }
    std::optional<std::string> SaveFileName(const std::string& title) override {
        titles.push_back(title);
        return Next();
    }
    std::optional<std::string> AskText(const std::string& title, const std::string& label,
                                       const std::string& current) override {
        titles.push_back(title);
        textLabels.push_back(label);
        textsShown.push_back(current);
        return Next();
    }

    std::vector<std::string> errors;  // first lines of the error boxes
    std::vector<std::string> fullErrors;
    std::vector<std::string> questions;
    std::vector<std::string> questionDetails;  // the informative text below each question
    std::vector<std::string> titles;
    std::vector<std::string> textLabels, textsShown;  // AskText's label and starting text
    std::vector<std::string> notes;                   // the information boxes
    std::deque<bool> answers;
    std::deque<std::optional<std::string>> fileNames;
    std::function<void()> onError;
    std::function<void()> onQuestion;

  private:
    std::optional<std::string> Next() {
        if (fileNames.empty()) return std::nullopt;
        auto name = fileNames.front();
        fileNames.pop_front();
        return name;
    }
};

class RecordingTone : public Tone {
  public:
    void Beep(std::uint16_t hz, std::uint16_t ms) override {
        beeps.push_back(std::to_string(hz) + "/" + std::to_string(ms));
    }
    std::vector<std::string> beeps;
};

// A notification source that never delivers anything.
class NoDeviceChanges : public DeviceChangeSource {
  public:
    bool Register(Handler) override { return registers; }
    void Unregister() override {}
    bool registers = true;
};
