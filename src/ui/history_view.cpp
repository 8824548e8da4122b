#include "ui/history_view.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QThread>
#include <QTimer>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <memory>

#include "config/history_steps.h"
#include "config/parameter_view.h"
#include "config/ui_text.h"
#include "hid/bound_controller.h"
#include "ui/held_keys.h"

namespace {

// The view reads at most this many of the newest entries: a long history stays quick to
// open, and `vt350ctl history` lists them all.
constexpr std::size_t kMostShown = 2000;
constexpr int kIdRole = Qt::UserRole;

enum Column { kTime, kEvent, kProgram, kPort, kSerial, kBench, kChanges, kColumns };

QString ControllerName(const HistoryEntry& e) {
    if (e.port.empty()) return QString::fromStdString(e.device);
    return QString::fromStdString(NameController({e.device, e.port, e.serial, e.plugIn}));
}

QString Lines(const std::vector<ParameterChange>& changes) {
    QStringList lines;
    for (const ParameterChange& c : changes) lines << QString::fromStdString(ChangeInWords(c));
    return lines.join('\n');
}

// An entry's line sorts by its id in the time column (two entries may share a millisecond),
// and by its text in the others, each group newest first whichever way the column sorts.
class EntryItem : public QTreeWidgetItem {
  public:
    using QTreeWidgetItem::QTreeWidgetItem;
    bool operator<(const QTreeWidgetItem& other) const override {
        const QTreeWidget* tree = treeWidget();
        const int column = tree != nullptr ? tree->sortColumn() : kTime;
        const auto id = data(kTime, kIdRole).toLongLong();
        const auto otherId = other.data(kTime, kIdRole).toLongLong();
        if (column == kTime) return id < otherId;
        if (text(column) != other.text(column)) return text(column) < other.text(column);
        // A descending sort puts the greater first: the newer is the greater there, and
        // the lesser in an ascending one.
        const bool ascending =
            tree == nullptr || tree->header()->sortIndicatorOrder() == Qt::AscendingOrder;
        return ascending ? id > otherId : id < otherId;
    }
};

// How often an open view looks whether another program kept an entry: one cheap query.
constexpr int kFollowMs = 1000;

}  // namespace

QString EventWord(const std::string& event) {
    if (event == "read") return QCoreApplication::translate("HistoryView", "read", "event");
    if (event == "stored") return QCoreApplication::translate("HistoryView", "stored", "event");
    if (event == "reset") return QCoreApplication::translate("HistoryView", "reset", "event");
    return QString::fromStdString(event);
}

QString EntryTime(const HistoryEntry& entry) {
    // "2026-12-08T09:29:33.120+0100": the date and the time to the second.
    QString time = QString::fromStdString(entry.time.substr(0, 19));
    return time.replace('T', ' ');
}

QString DescribeEntry(const HistoryEntry& e, const std::string& ownBench) {
    QString text = QCoreApplication::translate("HistoryView", "entry @%1: %2 %3, %4")
                       .arg(e.id)
                       .arg(EventWord(e.event), EntryTime(e), ControllerName(e));
    if (!e.bench.empty() && e.bench != ownBench) {
        //: %1: the name of the bench (the workshop's computer) that kept the entry
        text += QCoreApplication::translate("HistoryView", ", bench %1")
                    .arg(QString::fromStdString(e.bench));
    }
    return text;
}

HistoryView::HistoryView(const History& history, Window window, QWidget* parent)
    : QDialog(parent), history_(history), window_(std::move(window)) {
    setWindowTitle(tr("History"));
    setWindowModality(Qt::WindowModal);
    heading_ = new QLabel(this);
    heading_->setWordWrap(true);
    all_ = new QCheckBox(tr("&All controllers"), this);
    unitOnly_ = new QCheckBox(this);
    unitOnly_->setVisible(false);
    list_ = new QTreeWidget(this);
    list_->setAccessibleName(tr("History entries"));
    list_->setColumnCount(kColumns);
    list_->setHeaderLabels({tr("Time"), tr("Event"), tr("Program"), tr("Port"), tr("Serial"),
                            tr("Bench"), tr("Changes")});
    list_->setColumnHidden(kBench, true);
    list_->setRootIsDecorated(false);
    list_->setAllColumnsShowFocus(true);
    list_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    list_->setSortingEnabled(true);
    list_->sortByColumn(kTime, Qt::DescendingOrder);
    list_->header()->setStretchLastSection(true);
    heading_->setBuddy(list_);
    comparison_ = new QPlainTextEdit(this);
    comparison_->setReadOnly(true);
    comparison_->setAccessibleName(tr("Comparison"));
    comparison_->setPlaceholderText(
        tr("Select an entry (Ctrl+click or Shift+arrow for two) and compare it."));
    comparison_->setMaximumHeight(fontMetrics().lineSpacing() * 9);

    withEditors_ = new QPushButton(tr("With the &editors"), this);
    withLastRead_ = new QPushButton(tr("With the &last read"), this);
    withPortBefore_ = new QPushButton(tr("With the &port's set before"), this);
    withEntry_ = new QPushButton(tr("The t&wo selected"), this);
    auto* compare = new QHBoxLayout;
    auto* compareLabel = new QLabel(tr("Compare:"), this);
    compare->addWidget(compareLabel);
    for (QPushButton* b : {withEditors_, withLastRead_, withPortBefore_, withEntry_}) {
        b->setAutoDefault(false);
        compare->addWidget(b);
    }
    compare->addStretch();
    auto* buttons = new QDialogButtonBox(this);
    take_ = buttons->addButton(tr("&Take into the editors"), QDialogButtonBox::ActionRole);
    QPushButton* close = buttons->addButton(QDialogButtonBox::Close);
    for (QPushButton* b : {take_, close}) b->setAutoDefault(false);
    // Names for the window's tests and for scripts that drive it.
    all_->setObjectName(QStringLiteral("allControllers"));
    unitOnly_->setObjectName(QStringLiteral("unitOnly"));
    list_->setObjectName(QStringLiteral("entries"));
    withEditors_->setObjectName(QStringLiteral("compareWithEditors"));
    withLastRead_->setObjectName(QStringLiteral("compareWithLastRead"));
    withPortBefore_->setObjectName(QStringLiteral("compareWithPortBefore"));
    withEntry_->setObjectName(QStringLiteral("compareTwo"));
    take_->setObjectName(QStringLiteral("takeIntoEditors"));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading_);
    auto* scopes = new QHBoxLayout;
    scopes->addWidget(all_);
    scopes->addWidget(unitOnly_);
    scopes->addStretch();
    layout->addLayout(scopes);
    layout->addWidget(list_, 1);
    layout->addLayout(compare);
    layout->addWidget(comparison_);
    layout->addWidget(buttons);

    connect(all_, &QCheckBox::toggled, this, [this] { Reload(); });
    connect(unitOnly_, &QCheckBox::toggled, this, [this] {
        all_->setEnabled(!unitOnly_->isChecked() && !ownPort_.empty());
        list_->setColumnHidden(kBench, !unitOnly_->isChecked());
        Reload();
    });
    connect(list_->header(), &QHeaderView::sortIndicatorChanged, this, [this] { Fill(); });
    // Entries other programs keep (vt350ctl, the workshop line, another window) appear
    // while the view is open.
    auto* follow = new QTimer(this);
    follow->setInterval(kFollowMs);
    connect(follow, &QTimer::timeout, this, [this] {
        if (history_.NewestId() != newestId_ || !readProblem_.isEmpty()) Reload();
    });
    follow->start();
    connect(list_, &QTreeWidget::itemSelectionChanged, this, [this] { SelectionChanged(); });
    connect(withEditors_, &QPushButton::clicked, this, [this] { CompareWithEditors(); });
    connect(withLastRead_, &QPushButton::clicked, this, [this] { CompareWithLastRead(); });
    connect(withPortBefore_, &QPushButton::clicked, this, [this] { CompareWithPortBefore(); });
    connect(withEntry_, &QPushButton::clicked, this, [this] { CompareTwo(); });
    connect(take_, &QPushButton::clicked, this, [this] { Take(); });
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    new HeldKeysIgnored(this, this, HeldKeysIgnored::kBoxSettleMs);
    resize(940, 520);
    Reload();
}

void HistoryView::SetOwnController(const std::string& port, const std::string& serial,
                                   const std::string& unit) {
    ownPort_ = port;
    ownSerial_ = serial;
    unit_ = unit;
    //: %1: the bike, frame or order number the window's controller belongs to
    unitOnly_->setText(
        tr("&Unit %1, every bench and controller").arg(QString::fromStdString(unit)));
    unitOnly_->setVisible(!unit.empty());
    if (unit.empty()) unitOnly_->setChecked(false);
    all_->setEnabled(!port.empty());
    if (port.empty()) all_->setChecked(true);
    Reload();
    list_->setFocus();
}

void HistoryView::Reload() {
    newestId_ = history_.NewestId();
    if (unitOnly_->isChecked() && window_.sharedUnit) {
        ReadShared();
        // The shared record's listing stands until its next reading comes.
        if (fromShared_) return;
    }
    fromShared_ = false;
    sharedIds_.clear();
    // The window's controller's own entries are asked for as such, with the rest of its
    // port for the port's set before: other ports' entries, however many, never crowd
    // them out of the bound.
    const bool all = all_->isChecked() || ownPort_.empty();
    HistoryScope scope = all ? HistoryScope{} : HistoryScope{ownPort_, std::nullopt, ""};
    if (unitOnly_->isChecked()) {
        scope = HistoryScope{};
        scope.unit = unit_;
    }
    entries_ = history_.Entries(kMostShown, scope);
    steps_ = StepsOf(entries_);
    readProblem_ = QString::fromStdString(history_.readProblem());
    available_ = entries_.size() < kMostShown ? entries_.size() : history_.Count(scope);
    Fill();
}

void HistoryView::ReadShared() {
    if (readingShared_) {
        readSharedAgain_ = true;
        return;
    }
    readingShared_ = true;
    readSharedAgain_ = false;
    // The reading runs on a thread of its own, bounded in time by the reader; a view closed
    // meanwhile leaves it to end by itself.
    struct Reading {
        std::optional<std::vector<HistoryEntry>> entries;
        std::string error;
    };
    auto reading = std::make_shared<Reading>();
    QThread* thread = QThread::create([read = window_.sharedUnit, unit = unit_, reading] {
        reading->entries = read(unit, reading->error);
    });
    connect(thread, &QThread::finished, thread, &QObject::deleteLater);
    connect(thread, &QThread::finished, this, [this, reading, unit = unit_] {
        readingShared_ = false;
        TakeShared(unit, std::move(reading->entries), reading->error);
        if (readSharedAgain_) Reload();
    });
    thread->start();
}

void HistoryView::TakeShared(const std::string& unit,
                             std::optional<std::vector<HistoryEntry>> entries,
                             const std::string& error) {
    if (!unitOnly_->isChecked() || unit != unit_) return;  // the person moved on
    if (!entries) {
        sharedProblem_ = QString::fromStdString(error);
        if (fromShared_) {
            fromShared_ = false;
            Reload();  // this bench's own entries, as it has them
            return;
        }
        Fill();
        return;
    }
    sharedProblem_.clear();
    // This bench's entries of the unit that have not reached the record yet (they wait for
    // the next send) are listed with it.
    HistoryScope scope;
    scope.unit = unit_;
    for (HistoryEntry& own : history_.Entries(kMostShown, scope)) {
        const bool there =
            std::any_of(entries->begin(), entries->end(), [&](const HistoryEntry& e) {
                return e.id == own.id && e.bench == own.bench && e.time == own.time;
            });
        if (!there) entries->push_back(std::move(own));
    }
    // Newest first, as the record orders them; a bench's own entries of one moment by their
    // order on it.
    std::sort(entries->begin(), entries->end(), [](const HistoryEntry& a, const HistoryEntry& b) {
        if (a.time != b.time) return a.time > b.time;
        if (a.bench != b.bench) return a.bench < b.bench;
        return a.id > b.id;
    });
    // Entries of several benches share ids: the list numbers them anew, newest highest, and
    // keeps each one's own for its description.
    entries_ = std::move(*entries);
    sharedIds_.clear();
    for (std::size_t i = 0; i < entries_.size(); ++i) {
        sharedIds_.push_back(entries_[i].id);
        entries_[i].id = static_cast<std::int64_t>(entries_.size() - i);
    }
    steps_ = StepsOfUnit(entries_);
    available_ = entries_.size();
    readProblem_.clear();
    fromShared_ = true;
    Fill();
}

HistoryEntry HistoryView::Own(const HistoryEntry& listed) const {
    HistoryEntry entry = listed;
    const auto i = static_cast<std::size_t>(&listed - entries_.data());
    if (fromShared_ && i < sharedIds_.size()) entry.id = sharedIds_[i];
    return entry;
}

QString HistoryView::Describe(const HistoryEntry& listed) const {
    return DescribeEntry(Own(listed), history_.bench());
}

void HistoryView::Fill() {
    std::vector<std::int64_t> selected;
    for (const HistoryEntry* e : Selected()) selected.push_back(e->id);
    const bool all = all_->isChecked() || ownPort_.empty() || unitOnly_->isChecked();
    list_->setSortingEnabled(false);
    list_->clear();
    for (std::size_t i = 0; i < entries_.size(); ++i) {
        const HistoryEntry& e = entries_[i];
        if (!all && (e.port != ownPort_ || e.serial != ownSerial_)) continue;
        const HistoryStep& step = steps_[i];
        QString changes;
        if (!e.set) {
            changes = tr("factory settings restored; the set they gave was not read");
        } else if (step.newPlugIn) {
            changes = tr("plugged in anew: the first set since");
        } else if (!step.before && fromShared_) {
            changes = tr("the first set kept of this unit");
        } else if (!step.before) {
            changes = tr("the first set kept of this controller");
        } else if (step.changes.empty()) {
            changes = tr("no changes");
        } else {
            changes = Lines(step.changes);
        }
        auto* item = new EntryItem(list_);
        item->setText(kTime, EntryTime(e));
        item->setData(kTime, kIdRole, QVariant::fromValue<qlonglong>(e.id));
        item->setText(kEvent, EventWord(e.event));
        item->setText(kProgram, QString::fromStdString(e.program));
        item->setText(kPort, QString::fromStdString(e.port.empty() ? e.device : e.port));
        item->setText(kSerial, QString::fromStdString(e.serial));
        item->setText(kBench, QString::fromStdString(e.bench));
        item->setText(kChanges, changes);
        if (std::find(selected.begin(), selected.end(), e.id) != selected.end()) {
            item->setSelected(true);
        }
    }
    list_->setSortingEnabled(true);
    for (int c = 0; c < kChanges; ++c) list_->resizeColumnToContents(c);
    if (list_->currentItem() == nullptr && list_->topLevelItemCount() > 0) {
        list_->setCurrentItem(list_->topLevelItem(0));
    }
    QString heading;
    const QString unit = QString::fromStdString(unit_);
    if (unitOnly_->isChecked() && fromShared_) {
        //: %1: the bike, frame or order number
        heading = tr("Every set read, stored or reset, of unit %1, from every bench that sends "
                     "to the shared record; each against the unit's set before it.")
                      .arg(unit);
    } else if (unitOnly_->isChecked()) {
        heading = tr("Every set read, stored or reset, of unit %1 on this bench.").arg(unit);
        if (!sharedProblem_.isEmpty()) {
            heading += ' ' + tr("The shared record cannot be read (%1).").arg(sharedProblem_);
        } else if (readingShared_) {
            heading += ' ' + tr("Reading the other benches' from the shared record…");
        }
    } else if (all) {
        heading = tr("Every set read, stored or reset, of all controllers.");
    } else {
        //: %1: a controller as "port 1-1, serial 0001"
        heading = tr("Every set read, stored or reset, of %1.")
                      .arg(QString::fromStdString(
                          NameController({"", ownPort_, ownSerial_, std::string()})));
    }
    heading += ' ' + OrderText();
    if (entries_.size() < available_) {
        heading += ' ' + tr("Only the newest %1 of %2 entries are listed; vt350ctl history lists "
                            "them all.")
                             .arg(entries_.size())
                             .arg(available_);
    }
    if (!readProblem_.isEmpty()) {
        // Another program holds the database (or it is damaged): never shown as empty.
        heading += ' ' + tr("The history could not be read whole (%1); the list is filled in "
                            "as soon as it can be.")
                             .arg(readProblem_);
    } else if (list_->topLevelItemCount() == 0) {
        heading += ' ' + (history_.unavailable().empty()
                              ? tr("Nothing has been kept yet.")
                              : tr("The history cannot be kept: %1")
                                    .arg(QString::fromStdString(history_.unavailable())));
    }
    if (!history_.networkFileSystem().empty()) {
        heading += ' ' + tr("The history folder is on a network file system (%1): programs on "
                            "other machines that use it can damage it. Keep it on a local disk.")
                             .arg(QString::fromStdString(history_.networkFileSystem()));
    }
    heading_->setText(heading);
    SelectionChanged();
}

QString HistoryView::OrderText() const {
    const int column = list_->header()->sortIndicatorSection();
    const bool ascending = list_->header()->sortIndicatorOrder() == Qt::AscendingOrder;
    if (column == kTime || column < 0) return ascending ? tr("Oldest first.") : tr("Newest first.");
    return tr("Sorted by %1; newest first within each.").arg(list_->headerItem()->text(column));
}

std::vector<const HistoryEntry*> HistoryView::Selected() const {
    std::vector<const HistoryEntry*> out;
    for (int row = 0; row < list_->topLevelItemCount(); ++row) {
        const QTreeWidgetItem* item = list_->topLevelItem(row);
        if (!item->isSelected()) continue;
        const auto id = item->data(kTime, kIdRole).toLongLong();
        for (const HistoryEntry& e : entries_) {
            if (e.id == id) out.push_back(&e);
        }
    }
    return out;
}

const HistoryEntry* HistoryView::Current() const {
    const auto selected = Selected();
    if (selected.size() != 1 || !selected.front()->set) return nullptr;
    return selected.front();
}

void HistoryView::SelectionChanged() {
    const HistoryEntry* one = Current();
    const auto selected = Selected();
    for (QPushButton* b : {withEditors_, withLastRead_, withPortBefore_, take_}) {
        b->setEnabled(one != nullptr);
    }
    // A unit's line from every bench follows the unit, not a port: its Changes column says
    // what the unit held before.
    if (fromShared_) withPortBefore_->setEnabled(false);
    withEntry_->setEnabled(selected.size() == 2 && selected[0]->set && selected[1]->set);
}

void HistoryView::ShowComparison(const QString& from, const ConfigRecord& a, const QString& to,
                                 const ConfigRecord& b) {
    const auto changes = ChangedParameters(a, b);
    comparison_->setPlainText(tr("From %1\nto %2:").arg(from, to) + '\n' +
                              (changes.empty() ? tr("No differences.") : Lines(changes)));
}

void HistoryView::CompareWithEditors() {
    if (const HistoryEntry* e = Current()) {
        ShowComparison(tr("the editors"), window_.editors(), Describe(*e), *e->set);
    }
}

void HistoryView::CompareWithLastRead() {
    const HistoryEntry* e = Current();
    if (e == nullptr) return;
    const auto last = window_.lastRead();
    if (!last) {
        comparison_->setPlainText(
            tr("Nothing has been read from the window's controller since it was plugged in."));
        return;
    }
    ShowComparison(tr("the set last read from the window's controller"), *last, Describe(*e),
                   *e->set);
}

void HistoryView::CompareWithPortBefore() {
    const HistoryEntry* e = Current();
    if (e == nullptr) return;
    const auto i = static_cast<std::size_t>(e - entries_.data());
    const HistoryStep& step = steps_[i];
    if (!step.portBefore) {
        comparison_->setPlainText(tr("Nothing was kept of this port before this entry."));
        return;
    }
    const HistoryEntry& before = entries_[*step.portBefore];
    ShowComparison(Describe(before), *before.set, Describe(*e), *e->set);
}

void HistoryView::CompareTwo() {
    auto selected = Selected();
    if (selected.size() != 2 || !selected[0]->set || !selected[1]->set) return;
    // The older first: what changed from it to the newer.
    if (selected[0]->id > selected[1]->id) std::swap(selected[0], selected[1]);
    ShowComparison(Describe(*selected[0]), *selected[0]->set, Describe(*selected[1]),
                   *selected[1]->set);
}

void HistoryView::Take() {
    const HistoryEntry* e = Current();
    if (e == nullptr) return;
    const HistoryEntry taken = Own(*e);
    accept();
    emit takeIn(taken);
}

std::vector<std::int64_t> HistoryView::listedIds() const {
    std::vector<std::int64_t> out;
    for (int row = 0; row < list_->topLevelItemCount(); ++row) {
        out.push_back(list_->topLevelItem(row)->data(kTime, kIdRole).toLongLong());
    }
    return out;
}

QString HistoryView::comparison() const {
    return comparison_->toPlainText();
}
