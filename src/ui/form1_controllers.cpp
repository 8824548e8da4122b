// The window and the controllers: which one it works with, how it follows that one through
// the others' comings and goings, the person's choice of another, and what the history
// knows of each.
#include "ui/form1.h"

#include "config/ui_text.h"

#include <QCoreApplication>

#include <algorithm>
#include <string>
#include <vector>

#include "config/parameter_view.h"
#include "config/unit_name.h"
#include "hid/controller_identity.h"
#include "ui/controller_chooser.h"
#include "ui/history_view.h"

void Form1::FollowOwnController() {
    if (!own_.bound()) {  // until it has one, the window takes the first it finds
        RefreshChooser();
        return;
    }
    const std::vector<FoundController> present = link_.FindControllers();
    const std::string serialBefore = own_.controller().serial;
    const BoundController::Change change = own_.Look(present);
    link_.SetPresent(own_.present());
    if (change != BoundController::Change::kNone) ++ownChanges_;
    if (change == BoundController::Change::kLeft) {
        // It waits for its own port and says so; another controller is chosen only when the
        // person asks for the list (Ctrl+D, the context menu, a click on the status line),
        // never offered by a dialog that would take the focus and the next Enter.
        switchedTo_.clear();
        if (own_.Others(present).empty()) {
            ShowOwnStatus(UI_TEXT_NOOP("Status", "Unplugged"));
        } else {
            ShowOwnStatus(UI_TEXT_NOOP("Status", "Unplugged (Ctrl+D: another controller)"));
        }
    }
    if (change == BoundController::Change::kPluggedInAgain) {
        // Every unit of the make has one serial: whether this is the unit that left or
        // another one is not known, and nothing has been read from it yet.
        const std::string& serial = own_.controller().serial;
        ShowOwnText(
            !serialBefore.empty() && !serial.empty() && serial != serialBefore
                ? FillText(UiText("Status", "Another unit (serial %1): nothing read yet"), {serial})
                : UiText("Status", "Plugged in: nothing read yet"));
    }
    UpdateTitle();
    RefreshChooser();
}

void Form1::SwitchTo(const std::string& place) {
    const std::vector<FoundController> present = link_.FindControllers();
    const auto chosen = std::find_if(present.begin(), present.end(),
                                     [&](const FoundController& c) { return PlaceOf(c) == place; });
    if (chosen == present.end()) {
        ShowOwnStatus(UI_TEXT_NOOP("Status", "No controller"));
        return;
    }
    if (own_.present() && own_.controller().instance == chosen->instance) return;
    // A set the person took from the history or a file is carried to the chosen controller
    // (that is what a switch before a store is for); a set read from the one left behind is
    // not shown under the chosen one's name.
    const bool carried =
        !origin_.entry.empty() || (!origin_.file.empty() && origin_.file != services_.autosavePath);
    // What the window knew of the one it leaves, and the changes not stored into it, stay
    // for a switch back.
    if (own_.present() && !carried) {
        std::optional<SetsByPlugIn::Edits> edits;
        if (record_ != shownSet_) edits = SetsByPlugIn::Edits{record_, shownSet_, origin_};
        left_.Leave(own_.controller().instance, controllerSet_, std::move(edits));
    }
    own_.Bind(*chosen);
    link_.ChoosePort(chosen->port);
    link_.Connect(*chosen);
    ownChangesSeen_ = ++ownChanges_;
    removalsSeen_ = link_.removals();
    controllerSet_ = left_.Held(chosen->instance);
    resetSinceRead_ = false;
    changedElsewhere_ = false;
    storedElsewhere_ = false;
    asked_.reset();
    answerTimer_->stop();
    UpdateTitle();
    const std::string name = NameController(*chosen);
    if (carried) {
        switchedTo_.clear();
        //: %1: a controller as "port 1-1, serial 0001"
        const std::string fromFile = UiText(
            "Status", "The editors keep the set from the file; GetConfig shows what %1 holds");
        //: %1: a controller as "port 1-1, serial 0001"
        const std::string fromHistory = UiText(
            "Status", "The editors keep the set from the history; GetConfig shows what %1 holds");
        ShowOwnText(FillText(origin_.entry.empty() ? fromFile : fromHistory, {name}));
        return;
    }
    if (std::optional<SetsByPlugIn::Edits> edits = left_.TakeEdits(chosen->instance)) {
        record_ = edits->edited;
        RefreshControls();
        shownSet_ = edits->shown;
        origin_ = edits->origin;
        switchedTo_.clear();
        ShowOwnText(FillText(
            //: %1: a controller as "port 1-1, serial 0001"
            UiText("Status", "Your changes for %1, not stored yet, are back in the editors"),
            {name}));
        return;
    }
    // The editors are to show the chosen controller's set, not the one left behind under
    // its name: it is read at once (it is plugged in; one exchange).
    output_.BuildBareCommand(CommandReport::kGetConfig);
    if (SendToController(UI_TEXT_NOOP("Messages", "Send Command Error"))) {
        asked_ = HistoryEvent::kRead;
        switchedTo_ = name;
        //: %1: a controller as "port 1-1, serial 0001"
        ShowOwnText(FillText(UiText("Status", "Reading the set of %1..."), {name}));
    }
}

void Form1::ChooseController() {
    OfferControllers(
        QString::fromStdString(UiText("Form1", "Choose the controller this window works with.")));
}

void Form1::OfferControllers(const QString& why) {
    // One list at a time: never on top of the history view.
    if (historyView_ != nullptr) return;
    chooserWhy_ = why;
    if (chooser_ == nullptr) {
        chooser_ = new ControllerChooser(this);
        connect(chooser_, &ControllerChooser::chosen, this,
                [this](const QString& place) { SwitchTo(place.toStdString()); });
        connect(chooser_, &QDialog::finished, this, [this] {
            chooser_->deleteLater();
            chooser_ = nullptr;
        });
    }
    RefreshChooser();
    chooser_->open();
}

void Form1::RefreshChooser() {
    if (chooser_ == nullptr) return;
    std::vector<ControllerChooser::Line> lines;
    for (const FoundController& c : link_.FindControllers()) {
        std::string text = NameController(c);
        if (own_.present() && PlaceOf(c) == own_.place()) {
            text = FillText(UiText("Form1", "%1 (this window's)"), {text});
        }
        const std::string known = LastKnownOf(c);
        if (!known.empty()) text += "\n    " + known;  // on a line of its own: lines stay short
        lines.push_back({PlaceOf(c), QString::fromStdString(text)});
    }
    const QString why =
        lines.empty() ? QString::fromStdString(UiText("Form1", "No controller is plugged in."))
                      : chooserWhy_;
    chooser_->SetLines(why, lines, own_.place());
}

std::string Form1::LastKnownOf(const FoundController& c) const {
    if (services_.history == nullptr || c.port.empty()) return "";
    for (const HistoryEntry& e : services_.history->Entries(1, {c.port, c.serial, ""})) {
        // "2026-12-08T09:12:33+0100" shown as "2026-12-08 09:12" (a time another tool wrote
        // shorter is shown as it is).
        const std::string when = EntryTime(e).left(16).toStdString();
        if (!e.set) return FillText(UiText("Form1", "reset %1"), {when});
        std::string words;
        for (ParameterId id : {ParameterId::kContinuousCurrent, ParameterId::kPeakCurrent,
                               ParameterId::kMotorVoltage}) {
            if (!words.empty()) words += ", ";
            words += UiText("Parameters", ValueInWords(Parameter(id), *e.set).c_str());
        }
        const char* form = e.event == "stored" ? UI_TEXT_NOOP("Form1", "stored %1: %2")
                                               : UI_TEXT_NOOP("Form1", "read %1: %2");
        return FillText(UiText("Form1", form), {when, words});
    }
    return "";
}

std::optional<HistoryEntry> Form1::LastKeptOfOwn() const {
    const FoundController& c = link_.controller();
    if (services_.history == nullptr || !link_.isOpen() || c.instance.empty()) return std::nullopt;
    std::vector<HistoryEntry> kept = services_.history->Entries(1, {c.port, c.serial, c.instance});
    if (kept.empty()) return std::nullopt;
    return std::move(kept.front());
}

std::optional<ConfigRecord> Form1::OwnLastRead() const {
    if (controllerSet_ || changedElsewhere_ || resetSinceRead_) return controllerSet_;
    const auto kept = LastKeptOfOwn();
    return kept ? kept->set : std::nullopt;
}

void Form1::ShowHistory() {
    if (services_.history == nullptr) {
        services_.dialogs.Inform(UiText("Form1", "No history is kept in this session."));
        return;
    }
    if (historyView_ == nullptr) {
        HistoryView::Window window{[this] { return record_; }, [this] { return OwnLastRead(); },
                                   services_.readSharedUnit};
        historyView_ = new HistoryView(*services_.history, std::move(window), this);
        connect(historyView_, &HistoryView::takeIn, this,
                [this](const HistoryEntry& entry) { TakeFromHistory(entry); });
        connect(historyView_, &QDialog::finished, this, [this] {
            historyView_->deleteLater();
            historyView_ = nullptr;
        });
    }
    const bool known = own_.bound() && !own_.controller().port.empty();
    historyView_->SetOwnController(known ? own_.controller().port : "",
                                   known ? own_.controller().serial : "",
                                   own_.present() ? left_.Unit(own_.controller().instance) : "");
    historyView_->open();
}

void Form1::TakeFromHistory(const HistoryEntry& entry) {
    if (!entry.set) return;
    record_ = *entry.set;
    RefreshControls();
    shownSet_ = record_;
    setCameFromSomewhere_ = true;
    origin_ = {"", "", "", "", DescribeEntry(entry, services_.history->bench()).toStdString()};
    SetBlinking(false);
    SetCaption(Label16, QCoreApplication::translate("Form1", "From the history: %1 %2, port %3")
                            .arg(EventWord(entry.event), EntryTime(entry),
                                 QString::fromStdString(entry.port)));
    ShowStatusLine();
    ReportUnshownValues();
}

void Form1::UpdateTitle() {
    // Two windows side by side are told apart by the controller each works with.
    std::string which;
    if (own_.present()) {
        which = NameController(own_.controller());
    } else if (own_.bound()) {
        which = FillText(UiText("Form1", "%1, unplugged"),
                         {FillText(UiText("Messages", "port %1"), {own_.place()})});
    } else {
        which = UiText("Form1", "no controller");
    }
    if (own_.present()) {
        if (const std::string unit = left_.Unit(own_.controller().instance); !unit.empty()) {
            //: %1: the bike, frame or order number the controller belongs to
            which += ", " + FillText(UiText("Form1", "unit %1"), {unit});
        }
    }
    if (historyQueue_ && historyQueue_->waiting() > 0) {
        // Another program holds the history: its entries are not lost, they wait.
        which += " \u2014 " + FillText(UiText("Form1", "history entries waiting: %1"),
                                       {std::to_string(historyQueue_->waiting())});
    }
    setWindowTitle(captionBase_ + QStringLiteral(" \u2014 ") + QString::fromStdString(which));
}

void Form1::AskUnit() {
    if (!own_.present()) {
        services_.dialogs.Inform(UiText("Form1",
                                        "Plug in the controller first: a unit belongs to the "
                                        "controller this window works with."));
        return;
    }
    const FoundController& c = own_.controller();
    const std::optional<std::string> typed = services_.dialogs.AskText(
        UiText("Form1", "Unit"),
        FillText(UiText("Form1",
                        "The unit of %1 (bike, frame or order number), kept with every entry of "
                        "it; scan or type it, or leave it empty:"),
                 {NameController(c)}),
        left_.Unit(c.instance));
    if (!typed) return;
    const std::string unit = TrimmedUnit(*typed);
    if (!unit.empty() && !UnitProblem(unit).empty()) {
        ShowError(services_.dialogs,
                  UiText("Form1",
                         "A unit is text of at most 64 bytes without control characters; the "
                         "unit stays as it was."),
                  0);
        return;
    }
    left_.SetUnit(c.instance, unit);
    UpdateTitle();
}
