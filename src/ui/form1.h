#pragma once

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTimer>
#include <QWidget>

#include <array>
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "config/config_file.h"
#include "config/config_record.h"
#include "config/history.h"
#include "config/history_queue.h"
#include "config/parameter_table.h"
#include "hid/bound_controller.h"
#include "hid/device_change.h"
#include "hid/hid_link.h"
#include "protocol/command_report.h"
#include "protocol/poll_cycle.h"
#include "protocol/response_report.h"
#include "protocol/tone.h"
#include "ui/history_view.h"
#include "ui/sets_by_plug_in.h"
#include "ui/user_dialogs.h"

class QSocketNotifier;
class ControllerChooser;
class HeldKeysIgnored;
class HistoryView;

// What the window reaches outside the process through.
struct Form1Services {
    UserDialogs& dialogs;
    HidPlatform& hid;
    DeviceChangeSource& deviceChanges;
    Tone& tone;
    std::string autosavePath;
    History* history = nullptr;  // where each set read, stored or reset is kept, if anywhere
    std::string port;            // work only with the controller in this USB port ("": any)
    // Called with the window's own History on the thread that keeps its entries, once they
    // are kept (they go on to a shared record); none where nothing is to be done.
    std::function<void(History&)> afterHistoryKept = {};
    // Reads a unit's entries of every bench from the shared record, where one is set.
    ReadSharedUnit readSharedUnit = {};
};

// The tool's one window. Controls keep their classic names (Command1, Text1, Option1...),
// which are also their object names and the names the tests and the layout table use; option groups
// are arrays indexed as the record's codes are, which is not always their order on screen.
class Form1 : public QWidget, private OutcomeTarget {
    Q_OBJECT

  public:
    explicit Form1(Form1Services services, QWidget* parent = nullptr);
    ~Form1() override;

    // Window load: autosave, link, notifications. Called once, before the window shows.
    void Load();
    // Window unload: autosave, notifications off, handles closed. Runs once.
    void Unload();
    // Writes the autosave file now, reporting a failure. An autosave file that could not be
    // read at start is kept as it is unless the set was changed since, and then only when
    // the person says so; `mayAsk` false (the session is ending, a signal) keeps it.
    void SaveAutosave(bool mayAsk = true);
    // Closes the window without asking anything (a termination signal).
    void CloseWithoutQuestions();
    // Opens a parameter file named at start (after the autosave load), as Open does.
    void OpenAtStart(const std::string& path);
    // Opens the list of the controllers plugged in, to choose the one the window works
    // with (Ctrl+D anywhere in the window, or its context menu).
    void ChooseController();
    // The chooser while it is open, else nullptr.
    ControllerChooser* chooser() const { return chooser_; }
    // Opens the history of the sets, on the window's controller (Ctrl+H anywhere in the
    // window, or its context menu).
    void ShowHistory();
    // Asks the unit of the window's controller (Ctrl+B or the context menu's "Unit…"): kept
    // with its entries, in the title and the store question, until it is plugged in anew.
    void AskUnit();
    // The history view while it is open, else nullptr.
    HistoryView* historyView() const { return historyView_; }
    // Text after the window's caption, before the controller's name.
    void AddToCaption(const QString& text);
    // The caption says that the controller is the demo's virtual one.
    void MarkAsDemo();

    // Sets every editor from the record, raising each editor's own behaviour exactly where
    // a control's value changes.
    void RefreshControls();

    // The poll timer's tick and the blink timer's tick.
    void PollTick();
    void BlinkTick();

    ConfigRecord& record() { return record_; }
    HidLink& link() { return link_; }
    const CommandReport& outputBuffer() const { return output_; }
    ResponseReport& inputBuffer() { return input_; }

    // Controls, by their classic names.
    QGroupBox *Frame1, *Frame2, *Frame3, *Frame4, *Frame5, *Frame6, *Frame7, *Frame8, *Frame9,
        *Frame10, *Frame12, *Frame13, *Frame14, *Frame15, *Frame16;
    QWidget* Frame11;  // a borderless container
    QLabel *Label1, *Label2, *Label3, *Label4, *Label5, *Label6, *Label7, *Label8, *Label9,
        *Label10, *Label11, *Label12, *Label13, *Label14, *Label15, *Label16, *Label17, *Label18,
        *Label21, *Label22, *Label23, *Label24, *Label25;
    QLabel* Image1;
    QLineEdit *Text1, *Text4;
    QScrollBar *HScroll1, *HScroll2, *HScroll3;
    QPushButton *Command1, *Command2, *Command3, *Command4, *Command5, *Command6, *Command7,
        *Command8;
    std::array<QRadioButton*, 3> Option1{}, Option2{};
    std::array<QRadioButton*, 2> Option3{}, Option4{}, Option5{}, Option6{}, Option7{};
    QTimer *Timer1, *Timer2;

    // How long a sent command may wait for its answer before the status line says so.
    static constexpr int kAnswerWaitMs = 2000;
    // How long the window waits for a history another program holds, at a reading and for
    // its entries at exit.
    static constexpr int kHistoryWaitMs = 100;
    static constexpr int kHistoryLastWaitMs = 5000;

  protected:
    void closeEvent(QCloseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    // On the editors: Enter presses Store/Save, the current boxes show the record once the
    // focus leaves them, and the mouse wheel turns only a focused scroll bar.
    bool eventFilter(QObject* watched, QEvent* event) override;

  private slots:
    // The buttons, by what they do.
    void OnStoreSave();       // Command1
    void OnExit();            // Command2
    void OnConnect();         // Command3
    void OnDisconnect();      // Command4
    void OnGetConfig();       // Command5
    void OnFactorySetting();  // Command6
    void OnOpen();            // Command7
    void OnSaveAs();          // Command8

  private:
    // Which control edits which row of the parameter table, in the order RefreshControls
    // sets them. An option group's elements are indexed as the row's choices; a bar may
    // have a percent label.
    struct EditorBinding {
        ParameterId id;
        std::vector<QRadioButton*> options;
        QLineEdit* box = nullptr;
        QScrollBar* bar = nullptr;
        QLabel* percent = nullptr;
        const ParameterRow& param() const { return Parameter(id); }
    };
    void BindEditors();

    // The editors' own behaviour: each writes its setting into the record at once.
    void ApplyChoice(const EditorBinding& editor, int index);  // an option clicked
    void ApplyBar(const EditorBinding& editor);                // a scroll bar moved
    void ApplyCurrent(const EditorBinding& editor);            // a current box's text changed
    void RefreshCurrent(const EditorBinding& editor);
    // What a choice changes beyond its bits: the phase angle only means something for a
    // brushless motor, and the reversion's mode and speed only while it is enabled.
    void ShowPhaseAngleFor(int motorType);
    void EnableReversionControls(bool enable);
    // Each current box's text made the number the record holds (the text as typed may
    // hold a refused number, or 0 where 1 is stored).
    void ShowRecordedCurrents();

    void BuildControls();
    void SetUpWindow();
    void CreateControls();
    void ConnectEditors();
    void SetEditorRanges();
    void FindControls(const std::map<std::string, QWidget*>& controls,
                      std::map<std::string, std::array<QRadioButton*, 3>>& options);
    void SetTabOrder();
    void DescribeControls();  // accessible names and tool tips, from the parameter table
    void SetCaption(QLabel* label, const QString& caption);  // keeps an auto-size label fitted
    void SendBareCommand(std::uint8_t code, QPushButton* pressed, bool disablesItself);
    // Writes the output buffer when a controller is there to take it. The old outcome
    // leaves the status line; what became of this send takes its place ("No controller",
    // "Not sent", or later the answer or "No answer"). True when the report went out.
    bool SendToController(std::string_view failureMessage);
    // Reopens the link when a removal came since the last look, whatever the presence flag
    // says now.
    void RenewLinkAfterRemovals();
    // The entries that wait for a busy history tried again; a lost one said.
    void FollowHistoryQueue();
    void KeepWaitingHistory();                  // at unload
    void ShowOwnStatus(const char* text);       // a status of the window's own, steady, no tone
    void ShowOwnText(const std::string& text);  // ... already in the window's language
    // The values of the record that no editor can show, named in one message.
    // `withBoxes`: the current boxes' values too (their own check has not said them).
    void ReportUnshownValues(bool withBoxes = false);
    // Below the store question: which controller, and what the store changes on it.
    std::string StoreDetails() const;
    // The window's own controller, once it has one: after each arrival or removal record
    // (and after lost events) a look at what is plugged in decides whether it came or went;
    // other controllers change nothing.
    void FollowOwnController();
    // Works with the controller in `place` from now on (the person chose it).
    void SwitchTo(const std::string& place);
    // The chooser opened by the window itself: several controllers at start, or its own
    // gone while others are there. `why` stands above the list.
    void OfferControllers(const QString& why);
    void RefreshChooser();
    // The window's caption with its controller's name, or that it has none.
    void UpdateTitle();
    // What the history last knew of a controller, in a few words ("" for nothing).
    std::string LastKnownOf(const FoundController& controller) const;
    // The history's newest entry of the linked controller as it is plugged in now, if any.
    std::optional<HistoryEntry> LastKeptOfOwn() const;
    // What the linked controller holds as far as the window or the history knows.
    std::optional<ConfigRecord> OwnLastRead() const;
    // An entry of the history view taken into the editors.
    void TakeFromHistory(const HistoryEntry& entry);
    void OpenParameterFile(const std::string& path);
    void ReportFileProblem(const FileResult& result, const std::string& path);

    // OutcomeTarget: a decoded reply applied to the window.
    void ReplaceRecord(const std::uint8_t* recordBytes) override;
    void RefreshEditors() override;
    void SetStatusText(const char* text) override;
    void Beep(std::uint16_t frequencyHz, std::uint16_t durationMs) override;
    void SetBlinking(bool on) override;
    void ShowStatusLine() override;

    Form1Services services_;
    std::vector<EditorBinding> editors_;
    ConfigRecord record_;
    CommandReport output_;
    ResponseReport input_;
    HidLink link_;
    QSocketNotifier* deviceNotifier_ = nullptr;
    bool loaded_ = false;
    bool unloaded_ = false;
    bool inTick_ = false;  // a tick whose message box is still open
    // The autosave file could not be read at start: the set the window then held.
    std::optional<ConfigRecord> unreadAutosave_;
    bool noQuestions_ = false;
    int removalsSeen_ = 0;  // the link's removals when the window last looked
    // The controller the window works with once it has linked one (or the port given at
    // start), and how often it left or came anew; the link is renewed when that changed.
    BoundController own_;
    int ownChanges_ = 0;
    int ownChangesSeen_ = 0;
    std::chrono::steady_clock::time_point settleUntil_{};  // looks again after an arrival
    bool toldUnrecognised_ = false;  // said once: its arrivals do not match the key
    // The set each controller of this session held as far as the window knows, and the
    // changes not stored into it, by its plug-in: a switch back compares with that
    // controller's own last read and gives the changes back.
    SetsByPlugIn left_;
    // The controller just switched to, named, until the read that fills the editors with
    // its set is answered.
    std::string switchedTo_;
    ControllerChooser* chooser_ = nullptr;
    QString chooserWhy_;
    QString captionBase_;
    EditorsOrigin origin_;  // where the editors' set came from
    HistoryView* historyView_ = nullptr;
    HeldKeysIgnored* heldKeys_ = nullptr;
    std::unique_ptr<HistoryQueue> historyQueue_;
    std::size_t historyWaitingShown_ = 0;
    std::uint64_t historyKeptSeen_ = 0;
    bool historyLossSaid_ = false;
    // The set as last put into the editors (the start, a file, a reply): the person has
    // changed the editors when the record differs from it.
    ConfigRecord shownSet_;
    // A reply the window did not ask for came while the editors held the person's changes:
    // the editors keep them.
    bool keepEdits_ = false;
    // The set came from the autosave, a file or a reply (an edit shows in `shownSet_`).
    bool setCameFromSomewhere_ = false;
    // Another program stored or reset a set into the controller since the window read it.
    bool changedElsewhere_ = false;
    // ... a store among them, since the window's own last read or store: said even after
    // that program read the set back.
    bool storedElsewhere_ = false;
    QTimer* answerTimer_ = nullptr;
    // The set the controller holds as far as the window knows: the last one read from it
    // or stored into it since it was plugged in; nothing after a removal or a factory reset.
    std::optional<ConfigRecord> controllerSet_;
    ConfigRecord lastStoreSent_;  // the record of the last store report that went out
    // What a tick's answer was (a read: a configuration reply replaced the record), for the
    // history once the window shows it.
    std::optional<HistoryEvent> answerForHistory_;
    ConfigRecord answerSet_;
    bool quietChecks_ = false;  // the current boxes' check says nothing (the start's refresh)
    bool replyCame_ = false;    // a configuration reply in this tick, asked for or not
    bool unaskedRead_ = false;  // ... and the window had not asked for it
    // A factory reset's answer came after the last read: the controller holds a set the
    // editors do not show.
    bool resetSinceRead_ = false;
    // The window's last kept read and the plug-in it came from, so that identical reads of
    // one controller keep one entry.
    std::optional<ConfigRecord> lastKeptRead_;
    std::string lastKeptFrom_;
    // What the window's own request still waiting for its answer will be in the history: a
    // read, a store, a reset; nothing when none of its requests waits.
    std::optional<HistoryEvent> asked_;
};

// The caption of a percent label: ratio x 100 rounded, "###%" (no digits for 0),
// left-aligned in four characters, "0%" where nothing is left of the number.
QString PercentText(int value, int divisor);
