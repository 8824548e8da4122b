#pragma once

#include <QDialog>
#include <QString>

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "config/config_record.h"
#include "config/history.h"
#include "config/history_steps.h"

class QCheckBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QTreeWidget;

// The entries of a unit from the record the benches share (newest first, each with its id
// on its own bench), read within a bounded time; called off the window's thread. Nothing,
// with why, when they cannot be read.
using ReadSharedUnit = std::function<std::optional<std::vector<HistoryEntry>>(
    const std::string& unit, std::string& error)>;

// The history in the window: every set read from, stored into or reset on a controller,
// newest first, with what changed against the entry before it of the same controller. It
// opens on the window's own controller, all of them on request. An entry can be compared
// with the editors, with what the window's controller held at its last read, with the
// port's set before it, or with another entry, and taken into the editors. Window-modal,
// like the controller chooser; it never blocks the window's poll, and it takes in the
// entries kept while it is open.
class HistoryView : public QDialog {
    Q_OBJECT

  public:
    // What an entry is compared with, asked at each comparison: the window's own.
    struct Window {
        std::function<ConfigRecord()> editors;
        // What the window's controller held at its last read (nothing when unknown).
        std::function<std::optional<ConfigRecord>()> lastRead;
        // Where a shared record is set: a unit's entries are read from every bench.
        ReadSharedUnit sharedUnit = {};
    };

    HistoryView(const History& history, Window window, QWidget* parent);
    // The window's own controller, whose entries are shown unless all are asked for ("" for
    // none: all are shown).
    // Its unit, where the person gave one: the view can show that unit's entries alone.
    void SetOwnController(const std::string& port, const std::string& serial,
                          const std::string& unit = "");
    // Reads the entries anew (the window kept one); the selection stays where it was.
    void Reload();
    // The ids of the entries listed, top to bottom (for the window's tests).
    std::vector<std::int64_t> listedIds() const;
    // The last comparison's text.
    QString comparison() const;

  signals:
    void takeIn(const HistoryEntry& entry);

  private:
    void Fill();
    void SelectionChanged();
    std::vector<const HistoryEntry*> Selected() const;
    const HistoryEntry* Current() const;
    void CompareWithEditors();
    void CompareWithLastRead();
    void CompareWithPortBefore();
    void CompareTwo();
    void Take();
    QString OrderText() const;  // how the list is sorted, in a sentence
    // A listed entry as its own bench keeps it (a shared listing numbers entries anew).
    HistoryEntry Own(const HistoryEntry& listed) const;
    QString Describe(const HistoryEntry& listed) const;
    // The unit's entries from the shared record, asked for off the window's thread; they
    // replace the bench's own when they come.
    void ReadShared();
    void TakeShared(const std::string& unit, std::optional<std::vector<HistoryEntry>> entries,
                    const std::string& error);
    void ShowComparison(const QString& from, const ConfigRecord& a, const QString& to,
                        const ConfigRecord& b);

    const History& history_;
    Window window_;
    std::string ownPort_, ownSerial_, unit_;
    std::vector<HistoryEntry> entries_;    // newest first
    std::vector<HistoryStep> steps_;       // each entry's against the one before it
    std::size_t available_ = 0;            // how many the history holds of what is listed
    std::int64_t newestId_ = 0;            // the history's newest entry at the last reading
    QString readProblem_;                  // why the last reading was not whole
    bool fromShared_ = false;              // entries_ are the shared record's
    std::vector<std::int64_t> sharedIds_;  // their ids on their own benches
    bool readingShared_ = false, readSharedAgain_ = false;
    QString sharedProblem_;  // why the shared record could not be read, the last time
    QLabel* heading_;
    QCheckBox *all_, *unitOnly_;
    QTreeWidget* list_;
    QPlainTextEdit* comparison_;
    QPushButton *withEditors_, *withLastRead_, *withPortBefore_, *withEntry_, *take_;
};

// "entry @17: read 2026-12-08 09:29:33, port 2-1, serial 0001", in the window's language,
// and ", bench B" after it where another bench than `ownBench` kept it.
QString DescribeEntry(const HistoryEntry& entry, const std::string& ownBench);
// "read", "stored", "reset" of an entry's event, in the window's language.
QString EventWord(const std::string& event);
// "2026-12-08 09:29:33" of an entry's ISO time.
QString EntryTime(const HistoryEntry& entry);
