// The window's life: load, the poll, the buttons, unload.
#include "ui/form1.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QSocketNotifier>

#include <filesystem>

#include "ui/vb_colour.h"

// The pictures live in the ui library's resources, which a static link must pull in.
static void InitResources() {
    Q_INIT_RESOURCE(vt350);
}

Form1::Form1(Form1Services services, QWidget* parent)
    : QWidget(parent), services_(std::move(services)), link_(services_.hid, services_.dialogs) {
    InitResources();
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
    // The poll runs from the window's creation; the handles read -1 until the link opens.
    Timer1->start();
}

Form1::~Form1() {
    if (loaded_) Unload();
}

void Form1::ReportFileProblem(const FileResult& result, const std::string& path) {
    ShowError(services_.dialogs, DescribeFileResult(result, path), result.osError);
}

void Form1::Load() {
    if (loaded_) return;
    loaded_ = true;
    // 1. The last parameter set. A missing autosave file is the first start, not an error.
    const FileResult autosave = LoadRecord(services_.autosavePath, record_, LoadMode::kAutosave);
    if (!autosave.ok() && autosave.status != FileStatus::kMissing) {
        ReportFileProblem(autosave, services_.autosavePath);
    }
    RefreshControls();
    // 2 to 5. Handles closed, then the search and, when found, the open. (Reads here wait
    // by themselves, so there is no read event to create.)
    link_.CloseDeviceHandles();
    link_.ConnectAtStart();
    // 6. The window's own colour.
    QPalette p = palette();
    p.setColor(QPalette::Window, QColor(239, 234, 214));
    setPalette(p);
    // 7, 8. Arrival and removal; after lost events, what is present now.
    services_.deviceChanges.SetLostEventsHandler([this] { link_.Resynchronise(); });
    const bool registered = services_.deviceChanges.Register(
        [this](std::uint32_t event, const std::uint8_t* record, std::size_t size) {
            link_.OnDeviceChange(event, record, size);
        });
    if (!registered) {
        ShowError(services_.dialogs, "RegisterDeviceNotification failed");
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
    SaveAutosave();
    delete deviceNotifier_;
    deviceNotifier_ = nullptr;
    services_.deviceChanges.Unregister();
    link_.CloseDeviceHandles();
}

void Form1::SaveAutosave() {
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
    PollOnce(link_, input_, *this);
    inTick_ = false;
}

void Form1::BlinkTick() {
    Label16->setVisible(!Label16->isVisible());
}

void Form1::ReplaceRecord(const std::uint8_t* recordBytes) {
    record_.ReplaceAll(recordBytes);
}

void Form1::SetStatusText(const char* text) {
    SetCaption(Label16, QString::fromLatin1(text));
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

void Form1::SendBareCommand(std::uint8_t code, QPushButton* disable) {
    output_.BuildBareCommand(code);
    activateWindow();
    if (disable != nullptr) disable->setEnabled(false);
    link_.WriteOutputReport(output_.data(), "Send Command Error");
    if (disable != nullptr) disable->setEnabled(true);
}

void Form1::OnConnect() {
    SendBareCommand(CommandReport::kConnect, nullptr);
}
void Form1::OnDisconnect() {
    SendBareCommand(CommandReport::kDisconnect, Command4);
}
void Form1::OnGetConfig() {
    SendBareCommand(CommandReport::kGetConfig, Command5);
}
void Form1::OnFactorySetting() {
    SendBareCommand(CommandReport::kFactoryReset, Command6);
}

void Form1::OnStoreSave() {
    output_.BuildStoreReport(record_);
    Command1->setEnabled(false);
    if (services_.dialogs.AskOkCancel("Would you decide to store or save?")) {
        link_.WriteOutputReport(output_.data(), "Send Data Error");
    }
    Command1->setEnabled(true);
    Command1->setFocus();
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
    const auto name = services_.dialogs.OpenFileName("Open");
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
}

void Form1::OnSaveAs() {
    auto name = services_.dialogs.SaveFileName("Save As");
    if (!name) return;
    // A name without an extension gets ".qkf", so that Open lists it; the overwrite
    // question then asks about the file that is really written.
    if (std::filesystem::path(*name).extension().empty()) *name += ".qkf";
    if (FileExists(*name) &&
        !services_.dialogs.AskOkCancel("The file already exists. Would you overwrite it?")) {
        return;
    }
    const FileResult result = SaveRecord(*name, record_);
    if (!result.ok()) ReportFileProblem(result, *name);
}
