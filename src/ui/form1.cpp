// The window's life: load, the poll, the buttons, unload.
#include "ui/form1.h"

#include "config/ui_text.h"

#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QScrollBar>
#include <QSocketNotifier>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <utility>

#include "config/parameter_rules.h"
#include "config/parameter_view.h"
#include "hid/controller_identity.h"
#include "ui/accessible_controls.h"
#include "ui/classic_colour.h"
#include "ui/controller_chooser.h"
#include "ui/held_keys.h"
#include "ui/history_view.h"
#include "ui/window_key.h"

// The pictures live in the ui library's resources, which a static link must pull in.
static void InitResources() {
    Q_INIT_RESOURCE(vt350);
}

Form1::Form1(Form1Services services, QWidget* parent)
    : QWidget(parent), services_(std::move(services)), link_(services_.hid, services_.dialogs) {
    InitResources();
    InstallAccessibleControls();
    BuildControls();
    ConnectEditors();
    connect(Timer1, &QTimer::timeout, this, &Form1::PollTick);
    connect(Timer2, &QTimer::timeout, this, &Form1::BlinkTick);
    connect(Command1, &QPushButton::clicked, this, &Form1::OnStoreSave);
    connect(Command2, &QPushButton::clicked, this, &Form1::OnExit);
    connect(Command3, &QPushButton::clicked, this, &Form1::OnConnect);
    connect(Command4, &QPushButton::clicked, this, &Form1::OnDisconnect);
    connect(Command5, &QPushButton::clicked, this, &Form1::OnGetConfig);
    connect(Command6, &QPushButton::clicked, this, &Form1::OnFactorySetting);
    connect(Command7, &QPushButton::clicked, this, &Form1::OnOpen);
    connect(Command8, &QPushButton::clicked, this, &Form1::OnSaveAs);
    if (services_.history != nullptr) {
        // The window never waits long for a history another program holds, nor for the
        // disk: its readings wait briefly, its entries are kept on a thread of their own.
        services_.history->SetWaitLimit(kHistoryWaitMs);
        historyQueue_ = std::make_unique<HistoryQueue>(*services_.history);
        if (services_.afterHistoryKept) historyQueue_->SetAfterKept(services_.afterHistoryKept);
    }
    answerTimer_ = new QTimer(this);
    answerTimer_->setObjectName(QStringLiteral("answerTimer"));
    answerTimer_->setSingleShot(true);
    answerTimer_->setInterval(kAnswerWaitMs);
    connect(answerTimer_, &QTimer::timeout, this,
            [this] { ShowOwnStatus(UI_TEXT_NOOP("Status", "No answer")); });
    for (const EditorBinding& editor : editors_) {
        for (QRadioButton* option : editor.options) option->installEventFilter(this);
        if (editor.box != nullptr) editor.box->installEventFilter(this);
        if (editor.bar != nullptr) editor.bar->installEventFilter(this);
    }
    Label16->installEventFilter(this);
    Label16->setCursor(Qt::PointingHandCursor);
    Label16->setToolTip(QString::fromStdString(
        UiText("Form1", "A click here, or Ctrl+D, chooses the controller this window works with")));
    captionBase_ = windowTitle();
    // A held Enter presses Store/Save once, never again and again.
    heldKeys_ = new HeldKeysIgnored(this, this);
    new WindowKey(this, Qt::Key_D, Qt::ControlModifier, [this] { ChooseController(); });
    new WindowKey(this, Qt::Key_H, Qt::ControlModifier, [this] { ShowHistory(); });
    new WindowKey(this, Qt::Key_B, Qt::ControlModifier, [this] { AskUnit(); });
    // GetConfig without the eleven Tabs to it.
    new WindowKey(this, Qt::Key_F5, Qt::NoModifier, [this] {
        if (Command5->isEnabled()) Command5->click();
    });
    UpdateTitle();
    // The poll runs from the window's creation; the handles read -1 until the link opens.
    Timer1->start();
}

Form1::~Form1() {
    if (loaded_) Unload();
}

void Form1::ReportFileProblem(const FileResult& result, const std::string& path) {
    ShowError(services_.dialogs, DescribeFileResult(result, path), SystemErrorCode(result.osError));
}

void Form1::Load() {
    if (loaded_) return;
    loaded_ = true;
    // The last parameter set. A missing autosave file is the first start, not an error.
    const FileResult autosave = LoadRecord(services_.autosavePath, record_, LoadMode::kAutosave);
    const bool unread = !autosave.ok() && autosave.status != FileStatus::kMissing;
    if (unread) ReportFileProblem(autosave, services_.autosavePath);
    // A kept set with values the editors cannot show is named in one message once the
    // window is on the screen, not by the current boxes' own check before it is.
    quietChecks_ = true;
    RefreshControls();
    quietChecks_ = false;
    shownSet_ = record_;
    if (autosave.ok()) origin_.file = services_.autosavePath;
    setCameFromSomewhere_ = autosave.ok();
    if (autosave.ok() && !EditorProblems(record_).empty()) {
        QTimer::singleShot(0, this, [this] { ReportUnshownValues(true); });
    }
    // A kept set that could not be read (an I/O error on a network home) is not replaced
    // by a blank one at the end.
    if (unread) unreadAutosave_ = record_;
    // Handles closed, then the search and, when found, the open. (Reads here wait
    // by themselves, so there is no read event to create.)
    link_.CloseDeviceHandles();
    link_.ChoosePort(services_.port);
    link_.ConnectAtStart();
    if (!services_.port.empty()) {
        // A port named at start: the window is bound to it before anything is there.
        own_.BindPort(services_.port);
        FollowOwnController();
        ownChangesSeen_ = ownChanges_;
        if (!own_.present()) {
            const std::vector<FoundController> all = link_.FindControllers();
            services_.dialogs.Inform(
                all.empty() ? FillText(UiText("Form1", "No controller is plugged into port %1."),
                                       {services_.port})
                            : FillText(UiText("Form1",
                                              "No controller is plugged into port %1. "
                                              "Controllers are plugged into %2; Ctrl+D chooses "
                                              "one."),
                                       {services_.port, PortList(all)}));
        }
    }
    UpdateTitle();
    // The window's own colour.
    QPalette p = palette();
    p.setColor(QPalette::Window, QColor(239, 234, 214));
    setPalette(p);
    // Arrival and removal; after lost events, what is present now.
    const bool registered = link_.Follow(services_.deviceChanges, [this](std::uint32_t event) {
        // Before the window has a controller of its own, whatever comes next may be
        // another controller; after, only its own coming and going counts.
        if (!own_.bound() && !link_.present()) controllerSet_.reset();
        // Where an interface comes after its arrival record (Windows), the ticks look
        // again for a while.
        if (event == kDeviceArrival) {
            settleUntil_ = std::chrono::steady_clock::now() +
                           std::chrono::milliseconds(services_.deviceChanges.ArrivalSettleMs());
        }
        FollowOwnController();
    });
    if (!registered) {
        ShowError(services_.dialogs, UI_TEXT_NOOP("Messages", "RegisterDeviceNotification failed"));
    } else if (services_.deviceChanges.NotificationFd() >= 0) {
        deviceNotifier_ = new QSocketNotifier(services_.deviceChanges.NotificationFd(),
                                              QSocketNotifier::Read, this);
        connect(deviceNotifier_, &QSocketNotifier::activated, this,
                [this] { services_.deviceChanges.Dispatch(); });
    }
}

void Form1::Unload() {
    if (unloaded_) return;
    unloaded_ = true;
    Timer1->stop();
    Timer2->stop();
    SaveAutosave(!noQuestions_);
    KeepWaitingHistory();
    delete deviceNotifier_;
    deviceNotifier_ = nullptr;
    services_.deviceChanges.Unregister();
    link_.CloseDeviceHandles();
}

void Form1::KeepWaitingHistory() {
    if (!historyQueue_) return;
    // The window is going: the entries still waiting may wait as a command would.
    historyQueue_->Finish(kHistoryLastWaitMs);
    std::vector<std::string> lost = historyQueue_->TakeLost();
    const std::size_t missing = lost.size() + historyQueue_->waiting();
    if (missing == 0) return;
    const std::string why = lost.empty() ? std::string("database is locked") : lost.front();
    const std::string text =
        FillText(UiText("Form1", "%1 entries of the history could not be kept: %2"),
                 {std::to_string(missing), why});
    if (noQuestions_) {
        std::fprintf(stderr, "vt350-config: %s\n", text.c_str());
    } else {
        ShowError(services_.dialogs, text, 0);
    }
}

void Form1::CloseWithoutQuestions() {
    noQuestions_ = true;
    close();
}

void Form1::SaveAutosave(bool mayAsk) {
    if (unreadAutosave_) {
        if (record_ == *unreadAutosave_ || !mayAsk) return;
        if (!services_.dialogs.AskOkCancel(
                FillText(UiText("Form1",
                                "The parameter set kept in \"%1\" could not be read "
                                "at start. Replace it with the present set?"),
                         {services_.autosavePath}),
                UiText("Form1", "Cancel keeps the file as it is."))) {
            return;
        }
        unreadAutosave_.reset();
    }
    // The blank set of a first start that never met a file, a reply or an edit is kept
    // nowhere: the next start would open with the blank set's values named as errors.
    if (!setCameFromSomewhere_ && record_ == shownSet_) return;
    const FileResult saved = SaveRecord(services_.autosavePath, record_);
    if (!saved.ok()) ReportFileProblem(saved, services_.autosavePath);
}

void Form1::closeEvent(QCloseEvent* event) {
    // Unloading is never cancelled.
    Unload();
    event->accept();
}

void Form1::PollTick() {
    // While a message box raised by an earlier tick is open, ticks are skipped, so that
    // boxes never stack up.
    if (inTick_) return;
    inTick_ = true;
    Timer1->setInterval(200);
    answerForHistory_.reset();
    replyCame_ = false;
    unaskedRead_ = false;
    if (own_.bound() && !own_.present() && std::chrono::steady_clock::now() < settleUntil_) {
        FollowOwnController();
    }
    RenewLinkAfterRemovals();
    PollOnce(link_, input_, *this);
    const FoundController& c = link_.controller();
    if (answerForHistory_ == HistoryEvent::kRead && lastKeptRead_ == answerSet_ &&
        lastKeptFrom_ == c.instance) {
        // GetConfig pressed again and again on one controller: one entry, not one a press.
        answerForHistory_.reset();
    }
    if (answerForHistory_ && services_.history != nullptr) {
        // After the answer is on the screen: the history costs the person nothing.
        const bool reset = *answerForHistory_ == HistoryEvent::kReset;
        lastKeptRead_.reset();
        if (*answerForHistory_ == HistoryEvent::kRead) lastKeptRead_ = answerSet_;
        lastKeptFrom_ = c.instance;
        historyQueue_->Keep(
            *answerForHistory_,
            {TrimmedPath(c.path), c.port, c.serial, c.instance, left_.Unit(c.instance)},
            reset ? nullptr : &answerSet_);
    }
    if (!own_.bound() && link_.isOpen()) {
        // The first controller the window links is its own from now on.
        own_.Bind(link_.controller());
        link_.ChoosePort(link_.controller().port);
        ownChangesSeen_ = ownChanges_;
        UpdateTitle();
        if (services_.port.empty() && link_.FindControllers().size() >= 2) {
            OfferControllers(QString::fromStdString(
                //: %1: a controller as "port 1-1, serial 0001"
                FillText(UiText("Form1",
                                "Several controllers are plugged in. This window works with the "
                                "one in %1; choose another here, or later with Ctrl+D."),
                         {NameController(own_.controller())})));
        }
    }
    // (An unknown serial, where the system gives none, is no mismatch.)
    if (own_.present() && !toldUnrecognised_ && !own_.controller().serial.empty() &&
        own_.controller().serial != ControllerIdentity::kSerial) {
        toldUnrecognised_ = true;
        services_.dialogs.Inform(FillText(
            //: %1: a bare USB port such as 1-1 (without the word "port"); %2, %3: serial numbers
            UiText("Form1",
                   "The controller in %1 has serial %2: its arrivals are not recognised by name "
                   "(serial %3 is), so the window finds it by looking after any device comes or "
                   "goes."),
            {PlaceOf(own_.controller()), own_.controller().serial, ControllerIdentity::kSerial}));
    }
    if (!link_.isOpen()) controllerSet_.reset();
    FollowHistoryQueue();
    if (replyCame_) ReportUnshownValues();
    inTick_ = false;
}

void Form1::FollowHistoryQueue() {
    if (!historyQueue_) return;
    if (historyQueue_->kept() != historyKeptSeen_) {
        // The entry the window just kept is in the open view at the next tick.
        historyKeptSeen_ = historyQueue_->kept();
        if (historyView_ != nullptr) historyView_->Reload();
    }
    if (historyQueue_->waiting() != historyWaitingShown_) {
        historyWaitingShown_ = historyQueue_->waiting();
        UpdateTitle();
    }
    const std::vector<std::string> lost = historyQueue_->TakeLost();
    if (lost.empty() || historyLossSaid_) return;
    // Said once: where one entry cannot be kept, the next usually cannot either.
    historyLossSaid_ = true;
    ShowError(services_.dialogs,
              FillText(UiText("Form1",
                              "The history could not keep what was just read, stored or reset "
                              "(%1). The controller has it as the status line says; only the "
                              "history's record of it is missing."),
                       {lost.front()}),
              0);
}

void Form1::BlinkTick() {
    Label16->setVisible(!Label16->isVisible());
}

void Form1::ReplaceRecord(const std::uint8_t* recordBytes) {
    ConfigRecord reply;
    reply.ReplaceAll(recordBytes);
    controllerSet_ = reply;
    resetSinceRead_ = false;
    changedElsewhere_ = false;
    replyCame_ = true;
    // Every input report reaches every program that holds the controller open: a reply to
    // another program's request is shown, but it is the window's read only when it asked,
    // and it never replaces changes the person made in the editors.
    const bool asked = std::exchange(asked_, std::nullopt) == HistoryEvent::kRead;
    unaskedRead_ = !asked;
    keepEdits_ = !asked && record_ != shownSet_;
    if (keepEdits_) return;
    record_ = reply;
    setCameFromSomewhere_ = true;
    origin_ = {link_.controller().instance, PlaceOf(link_.controller()),
               NameController(link_.controller()), "", ""};
    if (asked) {
        storedElsewhere_ = false;
        answerForHistory_ = HistoryEvent::kRead;
        answerSet_ = record_;
    }
}

void Form1::RefreshEditors() {
    if (keepEdits_) return;
    RefreshControls();
    shownSet_ = record_;
}

void Form1::SetStatusText(const char* text) {
    // An answer: the wait for one is over, and it tells what the controller now holds.
    answerTimer_->stop();
    const std::string_view said = text;
    if (said == "GetConfig Success" && unaskedRead_) {
        // A program that stores usually reads back what it stored: that it stored stays
        // said, and so does that the person's changes were kept.
        if (storedElsewhere_) {
            text = keepEdits_ ? UI_TEXT_NOOP("Status",
                                             "Stored by another program; your changes stay in "
                                             "the editors")
                              : UI_TEXT_NOOP("Status", "Stored by another program");
        } else {
            text = keepEdits_ ? UI_TEXT_NOOP("Status",
                                             "Read by another program; your changes stay in the "
                                             "editors")
                              : UI_TEXT_NOOP("Status", "Read by another program");
        }
    } else if (said == "GetConfig Success" && !switchedTo_.empty()) {
        SetCaption(Label16,
                   QString::fromStdString(FillText(
                       //: %1: a controller as "port 1-1, serial 0001"
                       UiText("Status", "The editors show the set of %1"), {switchedTo_})));
        switchedTo_.clear();
        return;
    }
    if (said == "Load Success") {
        if (std::exchange(asked_, std::nullopt) == HistoryEvent::kStored) {
            storedElsewhere_ = false;
            controllerSet_ = lastStoreSent_;
            answerForHistory_ = HistoryEvent::kStored;
            answerSet_ = lastStoreSent_;
            // What the editors show is the controller's now: no longer the person's changes.
            if (record_ == lastStoreSent_) shownSet_ = record_;
        } else {
            // Another program stored a set the window never saw.
            controllerSet_.reset();
            changedElsewhere_ = true;
            storedElsewhere_ = true;
            text = UI_TEXT_NOOP("Status", "Stored by another program");
        }
    }
    if (said == "Restore Success") {
        controllerSet_.reset();
        resetSinceRead_ = true;
        if (std::exchange(asked_, std::nullopt) == HistoryEvent::kReset) {
            answerForHistory_ = HistoryEvent::kReset;
        } else {
            changedElsewhere_ = true;
            text = UI_TEXT_NOOP("Status", "Reset by another program");
        }
    }
    SetCaption(Label16, QString::fromStdString(UiText("Status", text)));
}

void Form1::ShowOwnStatus(const char* text) {
    ShowOwnText(UiText("Status", text));
}

void Form1::ShowOwnText(const std::string& text) {
    SetBlinking(false);
    SetCaption(Label16, QString::fromStdString(text));
    ShowStatusLine();
}

void Form1::Beep(std::uint16_t frequencyHz, std::uint16_t durationMs) {
    // The tone holds the thread; what the reply changed so far is painted first, so the
    // editors and the status text are on screen while it sounds.
    if (isVisible()) repaint();
    services_.tone.Beep(frequencyHz, durationMs);
}

void Form1::SetBlinking(bool on) {
    if (on) {
        if (!Timer2->isActive()) Timer2->start();
    } else {
        Timer2->stop();
    }
}

void Form1::ShowStatusLine() {
    Label16->setVisible(true);
}

void Form1::RenewLinkAfterRemovals() {
    if (own_.bound()) {
        // Other controllers' removals are not the window's; its own leaving or coming anew
        // is.
        removalsSeen_ = link_.removals();
        if (ownChanges_ == ownChangesSeen_) return;
        ownChangesSeen_ = ownChanges_;
    } else {
        if (link_.removals() == removalsSeen_) return;
        removalsSeen_ = link_.removals();
    }
    // A removal came, even if an arrival followed before anyone looked (both while a box
    // was open): the handles belong to the controller that left, and the set the window
    // knew of it is no one's now. The link opens afresh.
    link_.CloseDeviceHandles();
    controllerSet_.reset();
    resetSinceRead_ = false;
    changedElsewhere_ = false;
    storedElsewhere_ = false;
    if (link_.present()) link_.MaintainDeviceLink();
}

bool Form1::SendToController(std::string_view failureMessage) {
    answerTimer_->stop();
    RenewLinkAfterRemovals();
    // The send needs the presence flag and an open write handle, as the write itself does.
    if (!link_.present() || link_.writeHandle() == kInvalidHandle) {
        ShowOwnStatus(UI_TEXT_NOOP("Status", "No controller"));
        return false;
    }
    ShowOwnStatus("");
    if (!link_.WriteOutputReport(output_.data(), failureMessage)) {
        ShowOwnStatus(UI_TEXT_NOOP("Status", "Not sent"));
        // The node may be gone (pulled and plugged back in unnoticed): the link is opened
        // afresh, on the controller now in the window's port, instead of writing to a dead
        // handle again.
        link_.CloseDeviceHandles();
        FollowOwnController();
        if (link_.present()) link_.MaintainDeviceLink();
        return false;
    }
    answerTimer_->start();
    return true;
}

void Form1::SendBareCommand(std::uint8_t code, QPushButton* pressed, bool disablesItself) {
    output_.BuildBareCommand(code);
    activateWindow();
    if (disablesItself) pressed->setEnabled(false);
    asked_.reset();
    switchedTo_.clear();  // a press of the person's own: its answer says what it says
    if (SendToController(UI_TEXT_NOOP("Messages", "Send Command Error"))) {
        if (code == CommandReport::kGetConfig) asked_ = HistoryEvent::kRead;
        if (code == CommandReport::kFactoryReset) asked_ = HistoryEvent::kReset;
    }
    if (disablesItself) pressed->setEnabled(true);
    // Disabling the button passed the focus on to the next command; Enter pressed again
    // must repeat this command, never send the next one.
    pressed->setFocus();
}

void Form1::OnConnect() {
    SendBareCommand(CommandReport::kConnect, Command3, false);
}
void Form1::OnDisconnect() {
    SendBareCommand(CommandReport::kDisconnect, Command4, true);
}
void Form1::OnGetConfig() {
    // The read replaces the editors: changes the person made are not dropped unasked.
    if (record_ != shownSet_ && link_.present() &&
        !services_.dialogs.AskOkCancel(
            UiText("Form1",
                   "The editors hold changes that were not stored. Read the controller's set "
                   "and drop them?"),
            UiText("Form1", "Cancel keeps the changes in the editors."))) {
        Command5->setFocus();
        return;
    }
    SendBareCommand(CommandReport::kGetConfig, Command5, true);
}
void Form1::OnFactorySetting() {
    SendBareCommand(CommandReport::kFactoryReset, Command6, true);
}

void Form1::OnStoreSave() {
    // The boxes show what is about to be sent before anything is asked.
    ShowRecordedCurrents();
    output_.BuildStoreReport(record_);
    Command1->setEnabled(false);
    const auto problems = EditorProblems(record_);
    if (!problems.empty()) {
        // A set from a file or a reply that the editors cannot show is never sent blind.
        std::string message = UiText("Form1",
                                     "Nothing was sent: the parameter set holds values the "
                                     "editors cannot set.");
        for (const EditorProblem& p : problems) message += "\n" + p.text;
        ShowOwnStatus("");  // an older outcome is not this press's
        ShowError(services_.dialogs, message, 0);
    } else {
        // What the question shows is what goes out, and to the controller it names: the
        // poll goes on behind the box, and a reply or another controller may come meanwhile.
        const ConfigRecord asked = record_;
        const FoundController controller = link_.controller();
        const auto changes = [this] { return own_.bound() ? ownChanges_ : link_.removals(); };
        const int changesBefore = changes();
        ShowOwnStatus("");  // an older outcome is not this press's
        if (services_.dialogs.AskOkCancel(UiText("Form1", "Would you decide to store or save?"),
                                          StoreDetails())) {
            if (changes() != changesBefore || link_.controller().instance != controller.instance) {
                if (link_.present()) {
                    services_.dialogs.Inform(UiText("Form1",
                                                    "Another controller was plugged in while "
                                                    "you were asked; nothing was sent."));
                } else {
                    ShowOwnStatus(UI_TEXT_NOOP("Status", "No controller"));
                }
            } else if (record_ != asked) {
                services_.dialogs.Inform(
                    UiText("Form1",
                           "The controller's set changed while you were asked; nothing was sent."));
            } else {
                output_.BuildStoreReport(asked);
                asked_.reset();
                if (SendToController(UI_TEXT_NOOP("Messages", "Send Data Error"))) {
                    lastStoreSent_ = asked;
                    asked_ = HistoryEvent::kStored;
                }
                // The Enter that confirmed it may still be down: it asks nothing more.
                heldKeys_->RequireRelease();
            }
        }
    }
    Command1->setEnabled(true);
    Command1->setFocus();
}

std::string Form1::StoreDetails() const {
    if (!link_.isOpen()) {
        return UiText("Form1", "No controller is linked to this window: OK sends nothing.");
    }
    std::string out =
        FillText(UiText("Form1", "Controller: %1"), {NameController(link_.controller())}) + "\n";
    if (const std::string unit = left_.Unit(link_.controller().instance); !unit.empty()) {
        //: %1: the bike, frame or order number the controller belongs to
        out += FillText(UiText("Form1", "Unit: %1"), {unit}) + "\n";
    }
    if (!origin_.entry.empty()) {
        out += FillText(UiText("Form1", "The set in the editors comes from the history, %1."),
                        {origin_.entry}) +
               "\n";
    } else if (!origin_.instance.empty() && origin_.instance != link_.controller().instance &&
               origin_.place == PlaceOf(link_.controller())) {
        out += UiText("Form1",
                      "The set in the editors was read from the controller plugged into this "
                      "port before.") +
               "\n";
    } else if (!origin_.instance.empty() && origin_.instance != link_.controller().instance) {
        out += FillText(UiText("Form1",
                               "The set in the editors was read from another "
                               "controller: %1."),
                        {origin_.name}) +
               "\n";
    } else if (!origin_.file.empty() && origin_.file != services_.autosavePath) {
        out += FillText(UiText("Form1", "The set in the editors comes from the file %1."),
                        {origin_.file}) +
               "\n";
    }
    // What the store changes on the controller: against the set it holds as far as the
    // window knows, else as far as the history knows of it as it is plugged in now.
    const auto changesFrom = [&](const ConfigRecord& held) {
        std::string changes;
        for (const ParameterChange& c : ChangedParameters(held, record_)) {
            // The reserved bytes are not part of the store report.
            if (c.param->id == ParameterId::kReserved) continue;
            changes += "\n" + ChangeInWords(c);
        }
        return changes;
    };
    const std::optional<HistoryEntry> kept =
        controllerSet_ || changedElsewhere_ || resetSinceRead_ ? std::nullopt : LastKeptOfOwn();
    if (!controllerSet_ && changedElsewhere_) {
        out += UiText("Form1",
                      "Another program changed this controller's set since the window last read "
                      "it; GetConfig shows what it holds now.");
    } else if (!controllerSet_ && resetSinceRead_) {
        out += UiText("Form1",
                      "The controller was reset to its factory settings since it was last read; "
                      "the editors still show the set from before, and OK stores that set. "
                      "GetConfig shows what it holds now.");
    } else if (kept && kept->set) {
        const std::string changes = changesFrom(*kept->set);
        const std::string form =
            changes.empty() ? UiText("Form1",
                                     "The set is the one the history last kept of this controller "
                                     "(%1).")
                            : UiText("Form1",
                                     "Changes to the set the history last kept of this controller "
                                     "(%1):");
        out += FillText(form, {DescribeEntry(*kept, services_.history->bench()).toStdString()}) +
               changes;
    } else if (!controllerSet_) {
        out += UiText("Form1",
                      "Nothing has been read from this controller since it was plugged in: what "
                      "it holds is not known. GetConfig shows it.");
    } else {
        if (storedElsewhere_) {
            out += UiText("Form1",
                          "Another program stored a set into this controller since the window "
                          "last read it; the changes below are against the set it holds now.") +
                   "\n";
        }
        const std::string changes = changesFrom(*controllerSet_);
        out += changes.empty()
                   ? UiText("Form1", "The set is the one last read from the controller.")
                   : UiText("Form1", "Changes to the set last read from the controller:") + changes;
    }
    for (const std::string& warning : SafetyWarnings(record_)) {
        out += "\n" + FillText(UiText("Form1", "Warning: %1"), {warning});
    }
    return out;
}

void Form1::ReportUnshownValues(bool withBoxes) {
    // The current boxes show any number (and their own check names a wrong one); every
    // other editor keeps its earlier setting for a value it has no place for.
    std::string message;
    for (const EditorProblem& p : EditorProblems(record_)) {
        const auto shownInABox = std::find_if(editors_.begin(), editors_.end(), [&](auto& e) {
            return e.id == p.param->id && e.box != nullptr;
        });
        if (withBoxes || shownInABox == editors_.end()) message += "\n" + p.text;
    }
    if (message.empty()) return;
    ShowError(services_.dialogs,
              UiText("Form1",
                     "The window cannot show these values of the parameter set; their editors "
                     "still show earlier settings, and Store/Save will not send the set as it "
                     "is:") +
                  message,
              0);
}

bool Form1::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Label16 && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        // The status line says when the window's controller left: a click on it opens the
        // list of the others, as Ctrl+D does.
        ChooseController();
        return true;
    }
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        // Some desktop themes let Enter press a focused option as Space does; in this
        // window Enter from an editor always means Store/Save.
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            keyPressEvent(static_cast<QKeyEvent*>(event));
            return true;
        }
    }
    if (event->type() == QEvent::FocusOut && (watched == Text1 || watched == Text4)) {
        // The focus moved to another control (Tab, a click). A message box of the current
        // check takes the focus too; while it is open the text stays as typed.
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
            ShowRecordedCurrents();
        }
    }
    if (event->type() == QEvent::Wheel) {
        auto* bar = qobject_cast<QScrollBar*>(watched);
        // A wheel turned while the pointer passes over a bar must not change a setting.
        if (bar != nullptr && !bar->hasFocus()) return true;
    }
    return QWidget::eventFilter(watched, event);
}

void Form1::keyPressEvent(QKeyEvent* event) {
    // Enter presses the focused command button, or Store/Save, the window's default
    // button, wherever else the focus is: text boxes, options and scroll bars pass it on.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        auto* focused = qobject_cast<QPushButton*>(focusWidget());
        QPushButton* target = focused != nullptr ? focused : Command1;
        if (target->isEnabled() && target->isVisible()) target->click();
        event->accept();
        return;
    }
    QWidget::keyPressEvent(event);
}

void Form1::OnExit() {
    close();
}

void Form1::OnOpen() {
    const auto name = services_.dialogs.OpenFileName(UiText("Form1", "Open"));
    if (!name || !FileExists(*name)) return;
    OpenParameterFile(*name);
}

void Form1::OpenAtStart(const std::string& path) {
    // Named on the command line or by the desktop: a missing file is said, not passed over.
    OpenParameterFile(path);
}

void Form1::OpenParameterFile(const std::string& path) {
    // A file too short to hold a record is refused: its zeros would otherwise be one
    // "Store/Save" away from the controller.
    const FileResult result = LoadRecord(path, record_, LoadMode::kWholeRecord);
    if (!result.ok()) {
        ReportFileProblem(result, path);
        return;
    }
    RefreshControls();
    shownSet_ = record_;
    setCameFromSomewhere_ = true;
    origin_ = {"", "", "", path, ""};
    ReportUnshownValues();
}

void Form1::OnSaveAs() {
    // The dialog's title bar has room for the whole wording a caption may shorten.
    auto name = services_.dialogs.SaveFileName(
        QCoreApplication::translate("Form1", "Save As", "full wording").toStdString());
    if (!name) return;
    // A name without an extension gets ".qkf", so that Open lists it; the overwrite
    // question then asks about the file that is really written.
    if (std::filesystem::path(*name).extension().empty()) *name += ".qkf";
    if (FileExists(*name) &&
        !services_.dialogs.AskOkCancel(
            UiText("Form1", "The file already exists. Would you overwrite it?"), "")) {
        return;
    }
    const FileResult result = SaveRecord(*name, record_);
    if (!result.ok()) ReportFileProblem(result, *name);
}

void Form1::MarkAsDemo() {
    AddToCaption(QCoreApplication::translate("Form1", " [demo]"));
}

void Form1::AddToCaption(const QString& text) {
    captionBase_ += text;
    UpdateTitle();
}

void Form1::contextMenuEvent(QContextMenuEvent* event) {
    QMenu menu(this);
    QAction* choose = menu.addAction(QString::fromStdString(UiText("Form1", "Choose controller…")));
    choose->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_D));
    QAction* history = menu.addAction(QString::fromStdString(UiText("Form1", "History…")));
    history->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_H));
    QAction* unit = menu.addAction(QString::fromStdString(UiText("Form1", "Unit…")));
    unit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_B));
    QAction* taken = menu.exec(event->globalPos());
    if (taken == choose) ChooseController();
    if (taken == history) ShowHistory();
    if (taken == unit) AskUnit();
}
