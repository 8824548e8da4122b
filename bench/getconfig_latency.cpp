// Time from a GetConfig press to the editors showing the reply, against the virtual
// controller, with the system's real tone. Presses fall at random points of the poll.
#include <QApplication>
#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QStyleFactory>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <vector>

#include "platform/history_place.h"
#include "platform/system_tone.h"
#include "platform/virtual/virtual_hid_platform.h"
#include "ui/form1.h"
#include "ui/history_view.h"
#include "ui/qt_user_dialogs.h"

namespace {

// Notes the first paint of the continuous-current box after it took the expected text.
class PaintWatch : public QObject {
  public:
    QElapsedTimer* clock = nullptr;
    QString expected;
    qint64 paintedAt = -1;
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && paintedAt < 0 &&
            static_cast<QLineEdit*>(watched)->text() == expected) {
            paintedAt = clock->nsecsElapsed();
        }
        return false;
    }
};

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    VirtualController controller;
    VirtualHidPlatform platform(controller, true);
    QtUserDialogs dialogs;
    SystemTone tone;
    const auto autosave = std::filesystem::temp_directory_path() / "vt350-bench-latency.qkf";
    std::filesystem::remove(autosave);
    // The history as the program keeps it, already holding the bound's 10,000 entries.
    const auto folder = std::filesystem::temp_directory_path() / "vt350-bench-history";
    std::filesystem::remove_all(folder);
    History history(folder.string(), "vt350-config", HistoryNow);
    const ConfigRecord factory = VirtualController::FactoryRecord();
    for (std::size_t i = 0; i < History::kDefaultLimit; ++i) {
        history.Record(HistoryEvent::kRead, VirtualHidPlatform::kPath, &factory);
    }
    Form1 form({dialogs, platform, platform, tone, autosave.string(), &history, ""});
    form.Load();
    form.show();

    QElapsedTimer clock;
    clock.start();
    PaintWatch watch;
    watch.clock = &clock;
    form.Text1->installEventFilter(&watch);
    std::vector<double> latencies;
    const int trials = argc > 1 ? std::atoi(argv[1]) : 15;
    for (int t = 0; t < trials; ++t) {
        // A different stored value each time, so the reply changes what is shown.
        controller.stored.Set(0, static_cast<std::uint8_t>(1 + t % 30));
        watch.expected = QString::number(1 + t % 30);
        watch.paintedAt = -1;
        const int wait = QRandomGenerator::global()->bounded(50, 450);
        QElapsedTimer idle;
        idle.start();
        while (idle.elapsed() < wait) app.processEvents(QEventLoop::WaitForMoreEvents, 5);
        const qint64 pressed = clock.nsecsElapsed();
        form.Command5->click();
        while (watch.paintedAt < 0 && clock.nsecsElapsed() - pressed < 2'000'000'000LL) {
            app.processEvents(QEventLoop::WaitForMoreEvents, 5);
        }
        latencies.push_back((watch.paintedAt - pressed) / 1e6);
    }
    form.Unload();
    std::filesystem::remove(autosave);
    // What one entry costs at the bound, where the oldest go.
    QElapsedTimer recording;
    recording.start();
    constexpr int kRecords = 2000;
    for (int i = 0; i < kRecords; ++i) {
        // Four controllers on a bench, each plugged in anew now and then.
        const std::string port = "1-" + std::to_string(i % 4 + 1);
        history.Record(
            HistoryEvent::kStored,
            {VirtualHidPlatform::kPath, port, "0001", port + "#" + std::to_string(i / 97)},
            &factory);
    }
    std::printf("history_entry_ms mean %.3f over %d entries at the bound of %zu\n",
                recording.nsecsElapsed() / 1e6 / kRecords, kRecords, History::kDefaultLimit);
    // What `vt350ctl history` and `history show @ID` cost on a full history.
    QElapsedTimer listing;
    listing.start();
    const auto all = history.Entries();
    const double listMs = listing.nsecsElapsed() / 1e6;
    listing.restart();
    const bool found = all.empty() || history.Find("@" + std::to_string(all.back().id));
    std::printf("history_list_ms all %zu %.1f  one by id %.3f%s\n", all.size(), listMs,
                listing.nsecsElapsed() / 1e6, found ? "" : " (not found)");
    // The window's history view opened on it, every controller listed.
    QElapsedTimer viewing;
    viewing.start();
    {
        HistoryView view(history,
                         {[&] { return factory; }, [] { return std::optional<ConfigRecord>(); }},
                         nullptr);
        view.SetOwnController("", "");
        view.show();
        QApplication::processEvents();
        std::printf("history_view_open_ms %.1f for its %zu lines\n", viewing.nsecsElapsed() / 1e6,
                    view.listedIds().size());
    }
    std::filesystem::remove_all(folder);
    std::sort(latencies.begin(), latencies.end());
    double sum = 0;
    for (double l : latencies) sum += l;
    std::printf("getconfig_to_screen_ms mean %.1f median %.1f max %.1f (n=%zu)\n",
                sum / latencies.size(), latencies[latencies.size() / 2], latencies.back(),
                latencies.size());
    return 0;
}
