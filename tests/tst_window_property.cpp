// A model-based random test of the editor window. Random sequences of what a user does (select
// with the mouse and the keys, type into season boxes, Update, Enter, rename, Duplicate, Delete
// Last, Undo, Redo, the three answers of the pending-edit question, Save, Export, Compare with
// File, merging ticked differences from another file, Import, opening the file again and closing,
// with the one question before the file is left, typing in the find box and Enter, Down and Ctrl+Z
// there, a click right after a rename, Paste Season, selecting several configurations and changing
// their values, pasting and reverting them, the table of every value: switching to it and back,
// sorting by a column, the value filter, editing a cell) run on the real window offscreen, the test
// desktop answering every dialog. After every step the window is compared with a model kept by the
// test alone: a plain list of records, what the file holds, the configuration on display, the texts
// typed into its boxes, the undo history, the rows the list shows and the counts in the status bar;
// the boxes' edited and invalid marks follow from them.
//
// WEATHER_PROPERTY_SEED (1): the seed of the first sequence; sequence i uses SEED + i.
// WEATHER_PROPERTY_SEQUENCES (30), WEATHER_PROPERTY_STEPS (40): how many sequences, how long.
// WEATHER_PROPERTY_SECONDS: run sequences until that many seconds have passed instead.
// WEATHER_PROPERTY_LOG (8): how many of the last steps a failure lists.
// A failure names its seed: WEATHER_PROPERTY_SEED=S WEATHER_PROPERTY_SEQUENCES=1 repeats it.
#include "configfile.h"
#include "csvfile.h"
#include "testfiles.h"
#include "tst_window_support.h"
#include "valuetablemodel.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDialog>
#include <QElapsedTimer>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QPushButton>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeView>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <numeric>
#include <optional>
#include <variant>

using weather::SeasonWeather;
using weather::WeatherConfig;
using namespace windowtest;

namespace {

using Records = QList<WeatherConfig>;
using Answer = weather::Desktop::PendingAnswer;
constexpr int Seasons = 4;
constexpr int Positions = 18;
constexpr int KeepShown = -1; // a step that keeps the configuration on display while it exists

int fromEnv(const char* name, int fallback) {
    bool ok = false;
    const int value = qEnvironmentVariableIntValue(name, &ok);
    return ok ? value : fallback;
}

// The model's own reading of a box: blanks around, an optional minus, digits, within 16 bits.
std::optional<qint16> boxNumber(const QString& text) {
    // Any number of digits: leading zeros ("0032767") do not change the value.
    static const QRegularExpression number(QStringLiteral("^\\s*-?[0-9]+\\s*$"));
    bool ok = false;
    const qlonglong value = text.trimmed().toLongLong(&ok);
    if (!number.match(text).hasMatch() || !ok || value < -32768 || value > 32767)
        return std::nullopt;
    return qint16(value);
}
QString readAs(const QString& text) {
    const auto value = boxNumber(text);
    return value ? QString::number(*value) : QStringLiteral("no number (\"%1\")").arg(text);
}

// Names as the test writes them: Latin-1 and the euro sign, which the file holds as 0x80.
QString nameText(const QByteArray& bytes) {
    QString text;
    for (const char c : bytes)
        text += uchar(c) == 0x80 ? QChar(0x20AC) : QChar(uchar(c));
    return text;
}
QByteArray nameBytes(const QString& text) {
    QByteArray bytes;
    for (const QChar c : text)
        bytes += c.unicode() == 0x20AC ? '\x80' : char(c.unicode());
    return bytes;
}

// Names a rename gives: the first ValidNames are stored, the others refused with a message.
constexpr int ValidNames = 5;
const QStringList& renames() {
    static const QStringList names =
        QStringList{"Renamed Coast", "x", "=SUM(A1)", QString::fromUtf8("Café €")} +
        QStringList{QString(255, QChar(0xE9)), "", "   ", QString::fromUtf8("Snow ☃")} +
        QStringList{"North\nSouth", QString(256, u'a')};
    return names;
}

// Text short enough for a failure message.
QString brief(const QString& text) {
    return text.size() <= 130
               ? text
               : text.left(40) + QStringLiteral("... (%1 characters)").arg(text.size());
}

weather::ConfigTable tableOf(const Records& records) {
    weather::ConfigTable table;
    table.ConfigCount = int(records.size());
    for (int k = 1; k <= records.size(); ++k)
        table.Configs(k) = records[k - 1];
    return table;
}

// A record's fields as text, for failure messages: number, name, then each season's values.
QStringList fields(const WeatherConfig& record) {
    QStringList fields = {QString::number(record.Number), nameText(record.Name)};
    for (int s = 0; s < Seasons; ++s) {
        QStringList values;
        for (int p = 0; p < Positions; ++p)
            values << QString::number(record.season(s).at(p));
        fields << values.join(u',');
    }
    return fields;
}

// One step on the undo history: the records before and after, and what each direction shows.
struct Step {
    Records before;
    Records after;
    int undoShows; // a slot, 0 for none, or KeepShown
    int redoShows;
    QList<int> tabs; // the season tabs it changes; undo and redo show one of them
    bool syncs;      // records come or go (Duplicate, Delete Last, Import): the list follows
};

// A Paste Season, which Undo takes back while nothing else happened since.
// cppcheck reads the members through std::optional as unused.
struct Paste {
    int slot;             // cppcheck-suppress unusedStructMember
    int season;           // cppcheck-suppress unusedStructMember
    qsizetype done;       // the undo history's place then
    WeatherConfig record; // cppcheck-suppress unusedStructMember
    QStringList before;   // cppcheck-suppress unusedStructMember
    QStringList after;    // cppcheck-suppress unusedStructMember
};

// The model's own reading of the find box: the text without case and accents in the name, or
// the number.
QString folded(const QString& text) {
    static const QRegularExpression marks(QStringLiteral("\\p{Mn}"));
    return text.normalized(QString::NormalizationForm_KD).remove(marks).toCaseFolded();
}
bool found(const QString& find, const WeatherConfig& record) {
    bool isNumber = false;
    const qlonglong number = find.trimmed().toLongLong(&isNumber);
    return (isNumber && record.Number == number) ||
           folded(nameText(record.Name)).contains(folded(find.trimmed()));
}

// What one step should have done beyond the state the model holds.
struct Expect {
    int pendingQuestions = 0;
    int otherQuestions = 0;  // the close question
    bool countOthers = true; // off when the delete question may or may not come
    int messages = 0;
    QList<int> tabs;                   // the current tab is one of these (empty: not checked)
    QWidget* focus = nullptr;          // where the focus is (null: not checked)
    QList<std::pair<int, int>> faulty; // the boxes (season, position) an Update message names
    bool visible = true;
    bool saved = false;
};

// The editor as the user should see it.
struct Model {
    Records records;
    Records file; // as loaded or last saved
    int shown = 0;
    std::array<QStringList, Seasons> typed; // the boxes of the configuration on display
    QList<Step> history;
    qsizetype done = 0;
    Expect expect;
    QString find;      // the find box's text
    QList<int> listed; // the slots of the list's rows, top to bottom
    QList<int> extra;  // selected besides the one on display (Ctrl+click)
    std::optional<Paste> paste;
    // The table of every value: whether it is shown, the rows it shows (in any order), its
    // value filter (value -1: none) and the column it is sorted by (-1: none).
    bool table = false;
    QList<int> tabled;
    int filterValue = -1; // season * Positions + position
    int comparison = 0;   // =, not =, <, <=, >, >=
    int filterNumber = 0;
    int sortColumn = -1;
    bool descending = false;

    // The configurations a change to a selection reaches, in file order.
    QList<int> selected() const {
        QList<int> chosen = extra;
        if (shown > 0)
            chosen << shown;
        std::sort(chosen.begin(), chosen.end());
        return chosen;
    }
    // The others stay selected while they are listed beside the one on display.
    void keepListedSelection() {
        if (shown == 0 || rowOf(shown) < 0)
            extra.clear();
        extra.removeIf([this](int slot) { return slot > records.size() || rowOf(slot) < 0; });
    }

    bool passes(const WeatherConfig& record) const {
        if (filterValue < 0)
            return true;
        const int value = record.season(filterValue / Positions).at(filterValue % Positions);
        const std::array<bool, 6> holds = {
            value == filterNumber, value != filterNumber,
            value<filterNumber, value <= filterNumber, value> filterNumber, value >= filterNumber};
        return holds[std::size_t(comparison)];
    }
    bool tables(int slot) const {
        return found(find, records[slot - 1]) && passes(records[slot - 1]);
    }
    // The rows are found afresh when the find text changes; the table's also when its value
    // filter does.
    void refind() {
        listed.clear();
        for (int k = 1; k <= records.size(); ++k) {
            if (found(find, records[k - 1]))
                listed << k;
        }
        refindTable();
    }
    void refindTable() {
        tabled.clear();
        for (int k = 1; k <= records.size(); ++k) {
            if (tables(k))
                tabled << k;
        }
    }
    // Records that come or go at the end come and go as rows; when an import renamed any
    // other, every row is found afresh. A rename or an update leaves the rows alone.
    void sync(const Records& before) {
        for (qsizetype k = 0; k < std::min(before.size(), records.size()); ++k) {
            if (before[k].Name != records[k].Name) {
                refind();
                return;
            }
        }
        listed.removeIf([this](int slot) { return slot > records.size(); });
        tabled.removeIf([this](int slot) { return slot > records.size(); });
        for (int k = int(before.size()) + 1; k <= records.size(); ++k) {
            if (found(find, records[k - 1]))
                listed << k;
            if (tables(k))
                tabled << k;
        }
    }
    int rowOf(int slot) const { return int(listed.indexOf(slot)); }
    bool pasteUndoable() const {
        return paste && paste->slot == shown && paste->done == done && shown > 0 &&
               shownRecord() == paste->record && typed[paste->season] == paste->after;
    }

    const WeatherConfig& shownRecord() const { return records[shown - 1]; }
    bool pending(int s) const {
        for (int p = 0; shown > 0 && p < Positions; ++p) {
            if (boxNumber(typed[s][p]) != shownRecord().season(s).at(p))
                return true;
        }
        return false;
    }
    QList<int> pendingSeasons() const {
        QList<int> seasons;
        for (int s = 0; s < Seasons; ++s) {
            if (pending(s))
                seasons << s;
        }
        return seasons;
    }
    void showStored(int s) {
        typed[s].clear();
        for (int p = 0; p < Positions; ++p)
            typed[s] << (shown > 0 ? QString::number(shownRecord().season(s).at(p)) : QString());
    }
    void show(int slot) {
        const int before = shown;
        shown = slot != KeepShown ? slot : shown <= records.size() ? shown : 0;
        if (shown != before || shown == 0)
            extra.clear(); // another on display: it is selected alone
        for (int s = 0; s < Seasons; ++s)
            showStored(s);
    }
    void change(const Records& after, int undoShows, int redoShows, const QList<int>& tabs = {},
                bool syncs = false) {
        history.resize(done++);
        history << Step{records, after, undoShows, redoShows, tabs, syncs};
        const Records before = records;
        records = after;
        if (syncs)
            sync(before);
    }
    // Undo and redo select and show the configuration they change, on a tab they change.
    void travel(bool back) {
        const Step& step = history[back ? --done : done++];
        const Records before = records;
        records = back ? step.before : step.after;
        if (step.syncs)
            sync(before);
        show(back ? step.undoShows : step.redoShows);
        expect.tabs = step.tabs;
    }
    // Undo takes back a paste first, without a question; then the newest step. Update as the
    // answer stores the typed values as the newest step; undo and redo then stop there.
    void undo(Answer answer) {
        if (pasteUndoable()) {
            typed[paste->season] = paste->before;
            paste.reset();
            return;
        }
        const auto before = done;
        if (done > 0 && settle(answer) && done == before)
            travel(true);
    }
    void redo(Answer answer) {
        const auto before = done;
        if (done < history.size() && settle(answer) && done == before && done < history.size())
            travel(false);
    }
    // Season `s` as values; none (a message, the season's tab shown) when a box holds no number.
    std::optional<SeasonWeather> read(int s) {
        SeasonWeather values;
        for (int p = 0; p < Positions; ++p) {
            const auto value = boxNumber(typed[s][p]);
            if (!value)
                expect.faulty.append({s, p});
            else
                values.at(p) = *value;
        }
        if (!expect.faulty.isEmpty()) {
            ++expect.messages;
            expect.tabs = {s};
            return std::nullopt;
        }
        return values;
    }
    // The Update button and Enter: a step only when the season changes.
    void update(int s) {
        const auto values = read(s);
        if (values && *values != shownRecord().season(s)) {
            Records after = records;
            after[shown - 1].season(s) = *values;
            change(after, shown, shown, {s});
        }
        if (values)
            showStored(s);
    }
    // The pending-edit question before a step that changes the table or what is on display:
    // asked exactly when a season has typed values not updated. False when the step must stop.
    bool settle(Answer answer) {
        const QList<int> seasons = pendingSeasons();
        if (seasons.isEmpty())
            return true;
        ++expect.pendingQuestions;
        if (answer == Answer::Cancel)
            return false;
        if (answer == Answer::Update) {
            Records after = records;
            for (const int s : seasons) {
                const auto values = read(s);
                if (!values)
                    return false; // all seasons or none
                after[shown - 1].season(s) = *values;
            }
            change(after, shown, shown, seasons); // one step for all of them
        }
        for (const int s : seasons)
            showStored(s);
        return true;
    }
    // Before the file is left (another opened, the window closed): one question. Typed values
    // come with any unsaved changes ("Update and Save"); unsaved changes alone are the save
    // question. False when the file must stay.
    bool leave(Answer answer, weather::Desktop::Answer saveAnswer) {
        if (!pendingSeasons().isEmpty()) {
            if (!settle(answer))
                return false;
            if (answer == Answer::Update) { // Discard drops the unsaved changes too
                file = records;
                expect.saved = true;
            }
            return true;
        }
        if (records == file)
            return true;
        ++expect.otherQuestions;
        if (saveAnswer == weather::Desktop::Answer::Save) {
            file = records;
            expect.saved = true;
        }
        return saveAnswer != weather::Desktop::Answer::Cancel;
    }
    // The counts the status bar keeps: configurations, and those that differ from the file.
    QList<int> counts() const {
        int changed = int(std::abs(records.size() - file.size()));
        for (qsizetype k = 0; k < std::min(records.size(), file.size()); ++k)
            changed += records[k] == file[k] ? 0 : 1;
        return changed == 0 ? QList<int>{int(records.size())}
                            : QList<int>{int(records.size()), changed};
    }
    void select(int slot, Answer answer) {
        if (slot != shown && settle(answer))
            show(slot);
    }
    // A plain click or key on a row: one selected from then on, unless the question about typed
    // values keeps the selection as it was.
    void pick(int slot, Answer answer) {
        if (slot == shown)
            extra.clear();
        select(slot, answer);
    }
    // The records with the selected ones as the file holds them: whole, or only season `s`.
    Records reverted(int s) const {
        Records after = records;
        for (const int slot : selected()) {
            if (slot > file.size())
                continue;
            if (s >= 0)
                after[slot - 1].season(s) = file[slot - 1].season(s);
            else
                after[slot - 1] = file[slot - 1];
        }
        return after;
    }
};

// Keeps the first difference between the window and the model.
struct Checker {
    QString problem;
    template <typename T> void equal(const QString& what, const T& window, const T& model) {
        if (problem.isEmpty() && !(window == model))
            QDebug(&problem).nospace()
                << what << ": the window has " << window << ", the model " << model;
    }
    void equal(const QString& what, const QString& window, const QString& model) {
        if (problem.isEmpty() && window != model)
            problem = QStringLiteral("%1: the window has \"%2\", the model \"%3\"")
                          .arg(what, brief(window), brief(model));
    }
};

constexpr int CommentPart = 10;

// What a merge step ticked: parts of configurations in both files, by slot, and the
// configurations only in the other file.
struct MergeTicks {
    QList<std::pair<int, int>> parts;
    Records appended;
};

// What a change to a selection met: a result out of range (nothing changes), a group left alone.
struct ChangeCheck {
    bool outOfRange = false;
    bool leftAlone = false;
};

struct Sequence {
    Sequence(quint64 seed, int steps);
    // Empty when every step matched the model; else what differed, where, and the last steps.
    QString run();
    using Action = QString (Sequence::*)(Answer);
    QString click(Answer answer);
    QString key(Answer answer);
    QString type(Answer answer);
    QString updateButton(Answer answer);
    QString enter(Answer answer);
    QString rename(Answer answer);
    QString duplicate(Answer answer);
    QString deleteLast(Answer answer);
    QString undo(Answer answer);
    QString redo(Answer answer);
    QString save(Answer answer);
    QString exportCsv(Answer answer);
    QString compare(Answer answer);
    QString compareRows(Answer answer);
    QString merge(Answer answer);
    Records mergeSource(const QString& file);
    void tickConfiguration(QTreeView* tree, const QModelIndex& row, int slot, MergeTicks& ticks);
    void setTick(QTreeView* tree, const QModelIndex& index, bool on);
    QString importCsv(Answer answer);
    Records importSource(int source, const QString& file);
    QString open(Answer answer);
    QString close(Answer answer);
    QString findType(Answer answer);
    QString findKey(Answer answer);
    QString findUndoKeys(Answer answer);
    QString renameThenClick(Answer answer);
    QString pasteSeason(Answer answer);
    QString pasteSeasonIntoSelection(Answer answer, int s, const QStringList& cells);
    QString selectAlso(Answer answer);
    QString changeValues(Answer answer);
    weather::ValueChange randomChange();
    void changeOne(const weather::ValueChange& change, int slot, SeasonWeather& season,
                   ChangeCheck& check);
    QString pasteConfiguration(Answer answer);
    QString revert(Answer answer);
    // A change to the selected records, one step when anything changed.
    void changeSelected(const Records& after);
    QString switchView(Answer answer);
    QString sortTable(Answer answer);
    QString filterTable(Answer answer);
    QString editCell(Answer answer);
    [[nodiscard]] QTableView* table() const {
        return editor.find<QTableView>(QStringLiteral("tblValues"));
    }
    [[nodiscard]] const weather::ValueTableProxy& tableRows() const {
        return *qobject_cast<const weather::ValueTableProxy*>(table()->model());
    }
    [[nodiscard]] QList<int> tableSlots() const {
        QList<int> rowSlots;
        for (int r = 0; r < tableRows().rowCount(); ++r)
            rowSlots << tableRows().slotAt(r);
        return rowSlots;
    }
    void checkTable(Checker& c) const;
    [[nodiscard]] QLineEdit* typeName(int name) const;
    void renamed(int name);
    // One random step, taken with the given answer ready for the pending-edit question.
    QString step(Answer answer) {
        static constexpr std::array<std::pair<int, Action>, 30> Steps{
            {{12, &Sequence::click},
             {8, &Sequence::selectAlso},
             {6, &Sequence::changeValues},
             {3, &Sequence::pasteConfiguration},
             {4, &Sequence::revert},
             {4, &Sequence::switchView},
             {3, &Sequence::sortTable},
             {3, &Sequence::filterTable},
             {8, &Sequence::editCell},
             {6, &Sequence::findType},
             {5, &Sequence::findKey},
             {3, &Sequence::findUndoKeys},
             {5, &Sequence::renameThenClick},
             {4, &Sequence::pasteSeason},
             {6, &Sequence::key},
             {25, &Sequence::type},
             {7, &Sequence::updateButton},
             {6, &Sequence::enter},
             {8, &Sequence::rename},
             {4, &Sequence::duplicate},
             {4, &Sequence::deleteLast},
             {10, &Sequence::undo},
             {6, &Sequence::redo},
             {3, &Sequence::save},
             {3, &Sequence::exportCsv},
             {2, &Sequence::compare},
             {4, &Sequence::merge},
             {5, &Sequence::importCsv},
             {2, &Sequence::open},
             {2, &Sequence::close}}};
        static const int total =
            std::accumulate(Steps.begin(), Steps.end(), 0,
                            [](int sum, const auto& step) { return sum + step.first; });
        for (;;) {
            int pick = bounded(total);
            std::size_t kind = 0;
            while (pick >= Steps[kind].first)
                pick -= Steps[kind++].first;
            const QString done = (this->*Steps[kind].second)(answer);
            if (!done.isEmpty())
                return done + QStringList{" [Update]", " [Discard]", " [Cancel]"}[int(answer)];
        }
    }
    QString finish();
    weather::Desktop::Answer saveAnswer(); // a random answer to the save question, made ready
    QString check(qsizetype messages, qsizetype questions, qsizetype pending) const;
    void checkList(Checker& c) const;
    void checkMarks(Checker& c) const;
    void checkFaultsNamed(Checker& c, qsizetype messages) const;
    QString typedText(int s, int p);

    int bounded(int n) { return int(random.bounded(n)); }
    void trigger(const char* action) const {
        editor.find<QAction>(QLatin1String(action))->trigger();
    }
    QTabWidget* tabs() const { return editor.find<QTabWidget>(QStringLiteral("SSTab1")); }

    quint64 seed;
    int steps;
    QRandomGenerator random{quint32(seed ^ (seed >> 32))};
    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("weather.cfg"));
    QByteArray original = testfiles::readAll(testfiles::examplePath());
    Editor editor;
    Model model;
    Records opened;
    weather::ConfigTable openedTable; // the file's own text beside the records
    QStringList log;
    QString exportPath;
    Records exported;
    QString observed; // what a step saw beyond the window's state that the model did not mean
};

Sequence::Sequence(quint64 seed, int steps) : seed(seed), steps(steps) {
    // Every fourth file holds a name longer than a name box holds and than a rename may give:
    // the window shows it whole and never refuses it unless the user edits it.
    if (seed % 4 == 3)
        original.replace("\r\n2 Mediterranean\r\n", "\r\n2 " + QByteArray(40000, 'x') + "\r\n");
    // The file's own text where the game reads no data, which every save must keep: a header,
    // a comment of one record, and on every other file text after the counted records.
    original.replace("# Number of weather configurations in file", "# My tuned weather, v3");
    const qsizetype second = original.indexOf("# Start Day,", original.indexOf("# Start Day,") + 1);
    original.replace(second, 12, "# Start Day, -- tuned for hot summers");
    if (seed % 2 == 1)
        original += "\r\n# kept after the last configuration\r\n99 Not read\r\n";
    weather::ConfigTable& loaded = openedTable;
    if (!testfiles::writeAll(path, original) || weather::loadConfigFile(path, loaded))
        qFatal("cannot set up %s", qPrintable(path));
    for (int k = 1; k <= loaded.recordCount(); ++k)
        opened << loaded.Configs(k);
    model.records = model.file = opened;
    model.refind();
    model.show(opened.isEmpty() ? 0 : 1); // a load shows the first configuration
    editor.window->activateWindow();      // for renames that end by moving the focus
    if (!QTest::qWaitForWindowActive(editor.window.get()))
        qWarning("the editor window did not become active");
    editor.openThroughDialog(path);
}

QString Sequence::run() {
    FakeDesktop& d = *editor.desktop;
    for (int i = 0; i <= steps; ++i) {
        const qsizetype messages = d.messages.size();
        const qsizetype questions = d.questions.size();
        const qsizetype pending = d.pendingQuestions.size();
        model.expect = {};
        // An unmarked season reads as its record (checked below) in whatever digits it shows
        // ("007" for 7); the model takes them over, so that typing into it later compares the
        // texts the window really holds.
        for (int s = 0; s < Seasons && model.shown > 0; ++s) {
            for (int p = 0; p < Positions && !model.pending(s); ++p)
                model.typed[s][p] = editor.seasonBox(s, p)->text();
        }
        // Every step gets an answer ready; the model says whether the question may take it.
        static constexpr std::array Answers{Answer::Update, Answer::Update, Answer::Discard,
                                            Answer::Cancel};
        const Answer answer = Answers[bounded(int(Answers.size()))];
        d.pendingAnswers = {answer};
        log << QStringLiteral("%1: %2").arg(i).arg(i < steps ? step(answer) : finish());
        model.keepListedSelection();
        d.pendingAnswers.clear();
        d.fileAnswers.clear();
        d.saveFileAnswers.clear();
        d.saveAnswers.clear();
        d.deleteAnswers.clear();
        QString problem = check(messages, questions, pending);
        if (problem.isEmpty() && i == steps && testfiles::readAll(path) != original)
            problem = QStringLiteral("after undoing everything, Save wrote other bytes");
        if (!problem.isEmpty()) {
            const qsizetype shown =
                std::min<qsizetype>(log.size(), fromEnv("WEATHER_PROPERTY_LOG", 8));
            return QStringLiteral("seed %1, step %2 of %3: %4\nlast steps:\n  %5")
                .arg(seed)
                .arg(i)
                .arg(steps)
                .arg(problem, log.mid(log.size() - shown).join("\n  "));
        }
        if (!editor.window->isVisible()) { // closed without a question: open again, go on
            editor.window->show();
            if (!QTest::qWaitForWindowExposed(editor.window.get()))
                qWarning("the editor window was not shown again");
        }
    }
    return {};
}

// The last step: undo everything (dropping typed values), then Save. The file must hold its
// original bytes again, whether or not it was saved in between.
QString Sequence::finish() {
    while (model.done > 0 || model.pasteUndoable()) {
        editor.desktop->pendingAnswers = {Answer::Discard};
        trigger("mnuUndo");
        model.undo(Answer::Discard);
    }
    editor.desktop->pendingAnswers = {Answer::Discard};
    trigger("mnuSave");
    model.settle(Answer::Discard);
    model.file = model.records;
    model.expect.saved = true;
    model.expect.tabs.clear();
    return QStringLiteral("undo everything, Save");
}

QString Sequence::typedText(int s, int p) {
    switch (bounded(6)) {
    case 0: // what the file holds
        return model.shown <= model.file.size()
                   ? QString::number(model.file[model.shown - 1].season(s).at(p))
                   : "0";
    case 1: // the stored value written another way: no edit
        return QStringLiteral("00") + QString::number(model.shownRecord().season(s).at(p));
    case 2: { // no number, out of range, or letters the box drops
        static const QStringList bad = {"", "-", "40000", "1-2", "-32769", "4x2", "abc"};
        return bad[bounded(int(bad.size()))];
    }
    case 3:
        return bounded(2) == 0 ? QStringLiteral("32767") : QStringLiteral("-32768");
    default:
        return QString::number(bounded(450) - 50);
    }
}

// The steps a user takes. Each acts on the window and on the model and says what it did, or
// returns nothing when it cannot be taken now (most need a configuration on display).
// A click on a listed row; now and then from a season box, to which Cancel brings the focus back.
QString Sequence::click(Answer answer) {
    if (model.listed.isEmpty())
        return {};
    const int row = bounded(int(model.listed.size()));
    QLineEdit* from = nullptr;
    if (model.shown > 0 && !model.table && bounded(3) == 0) {
        from = editor.seasonBox(tabs()->currentIndex(), bounded(Positions));
        editor.window->activateWindow();
        from->setFocus();
    }
    editor.select(row);
    const int asked = model.expect.pendingQuestions;
    model.pick(model.listed[row], answer);
    if (from != nullptr && answer == Answer::Cancel && model.expect.pendingQuestions > asked)
        model.expect.focus = from;
    return QStringLiteral("click row %1%2").arg(row).arg(from ? " from a box" : "");
}

// The list's keys from the row on display, while it is listed.
QString Sequence::key(Answer answer) {
    const int row = model.shown > 0 ? model.rowOf(model.shown) : -1;
    const int last = int(model.listed.size()) - 1;
    if (row < 0)
        return {};
    const int k = bounded(4);
    QTest::keyClick(editor.list(),
                    std::array{Qt::Key_Up, Qt::Key_Down, Qt::Key_Home, Qt::Key_End}[k]);
    const auto to = std::array{std::max(row - 1, 0), std::min(row + 1, last), 0, last}[k];
    if (to != row)
        model.pick(model.listed[to], answer);
    return QStringList{"Up", "Down", "Home", "End"}[k] + QStringLiteral(" in the list");
}

// Typing into a season box, whose key filter drops all but digits and "-".
QString Sequence::type(Answer /*answer*/) {
    Model& m = model;
    if (m.shown == 0 || m.table) // the table hides the boxes
        return {};
    int s = bounded(Seasons);
    int p = bounded(Positions);
    QString text = typedText(s, p);
    // Now and then a change is taken back by hand: the table may equal the file again.
    const bool takeBack = m.shown <= m.file.size() && bounded(4) == 0;
    for (int q = 0; takeBack && q < Seasons * Positions; ++q) {
        const qint16 inFile = m.file[m.shown - 1].season(q / Positions).at(q % Positions);
        if (m.shownRecord().season(q / Positions).at(q % Positions) != inFile) {
            s = q / Positions;
            p = q % Positions;
            text = QString::number(inFile);
        }
    }
    QLineEdit* box = editor.seasonBox(s, p);
    tabs()->setCurrentIndex(s);
    box->selectAll();
    if (text.isEmpty())
        QTest::keyClick(box, Qt::Key_Backspace);
    else
        QTest::keyClicks(box, text);
    const QString kept = QString(text).remove(QRegularExpression(QStringLiteral("[^-0-9]")));
    if (text.isEmpty() || !kept.isEmpty())
        m.typed[s][p] = kept;
    return QStringLiteral("type \"%1\" into season %2 position %3").arg(text).arg(s).arg(p);
}

QString Sequence::updateButton(Answer /*answer*/) {
    if (model.table)
        return {};
    const int s = bounded(Seasons);
    tabs()->setCurrentIndex(s);
    editor.click(QStringLiteral("cmdUpdate(%1)").arg(s));
    if (model.shown == 0)
        ++model.expect.messages; // nothing to update yet
    else
        model.update(s);
    return QStringLiteral("Update season %1").arg(s);
}

QString Sequence::enter(Answer /*answer*/) {
    if (model.shown == 0 || model.table)
        return {};
    const int s = bounded(Seasons);
    const int p = bounded(Positions);
    tabs()->setCurrentIndex(s);
    QTest::keyClick(editor.seasonBox(s, p), Qt::Key_Return);
    model.update(s);
    return QStringLiteral("Enter in season %1 position %2").arg(s).arg(p);
}

// A rename ends with Enter or by moving the focus; a refused name changes nothing.
QString Sequence::rename(Answer /*answer*/) {
    const Model& m = model;
    if (m.shown == 0 || m.table)
        return {};
    const int name = bounded(int(renames().size()));
    const bool byEnter = bounded(2) == 0;
    QLineEdit* box = typeName(name);
    if (byEnter)
        QTest::keyClick(box, Qt::Key_Return);
    else
        tabs()->setFocus();
    renamed(name);
    return QStringLiteral("rename to \"%1\" by %2")
        .arg(brief(renames()[name]), byEnter ? "Enter" : "focus out");
}

// Types rename `name` into the name box, which has the focus, without ending the edit.
QLineEdit* Sequence::typeName(int name) const {
    auto* box = editor.find<QLineEdit>(QStringLiteral("txtName"));
    editor.window->activateWindow();
    if (!QTest::qWaitForWindowActive(editor.window.get()))
        qWarning("the editor window did not become active");
    box->setFocus();
    box->setText(renames()[name]);
    box->setModified(true); // as typing leaves it
    return box;
}

// The model once the edit of the name box ended: a step, or a message for a refused name.
void Sequence::renamed(int name) {
    Model& m = model;
    if (renames()[name] != nameText(m.shownRecord().Name) && name >= ValidNames) {
        ++m.expect.messages;
    } else if (renames()[name] != nameText(m.shownRecord().Name)) {
        Records after = m.records;
        after[m.shown - 1].Name = nameBytes(renames()[name]);
        m.change(after, m.shown, m.shown);
    }
}

// Duplicate: a copy numbered after the last, named "... (copy)" within 255 bytes, shown.
QString Sequence::duplicate(Answer answer) {
    Model& m = model;
    if (m.shown == 0)
        return {};
    trigger("mnuDuplicate");
    if (m.settle(answer)) {
        Records after = m.records;
        after << after[m.shown - 1];
        after.last().Name = after.last().Name.left(255 - 7) + " (copy)";
        after.last().Number = after[after.size() - 2].Number + 1;
        m.change(after, m.shown, int(after.size()), {}, true);
        m.show(int(after.size()));
    }
    return QStringLiteral("Duplicate");
}

// Delete Last, while the last one is on display; after the question, it shows the new last.
QString Sequence::deleteLast(Answer answer) {
    Model& m = model;
    const int n = int(m.records.size());
    if (m.shown == 0 || m.shown != n)
        return {};
    const bool confirm = !m.pendingSeasons().isEmpty() || bounded(4) > 0;
    editor.desktop->deleteAnswers = {confirm};
    trigger("mnuDeleteLast");
    m.expect.countOthers = false;
    if (m.settle(answer) && confirm) {
        m.change(m.records.mid(0, n - 1), n, n - 1, {}, true);
        m.show(n - 1);
    }
    return QStringLiteral("Delete Last, %1").arg(confirm ? "confirmed" : "cancelled");
}

QString Sequence::undo(Answer answer) {
    if (model.done == 0 && !model.pasteUndoable())
        return {};
    trigger("mnuUndo");
    model.undo(answer);
    return QStringLiteral("Undo");
}

QString Sequence::redo(Answer answer) {
    if (model.done == model.history.size())
        return {};
    trigger("mnuRedo");
    model.redo(answer);
    return QStringLiteral("Redo");
}

QString Sequence::save(Answer answer) {
    trigger("mnuSave");
    if (model.settle(answer)) {
        model.file = model.records;
        model.expect.saved = true;
    }
    return QStringLiteral("Save");
}

// Export and Compare settle typed values first; Cancel stops them before their file dialog.
// The CSV holds the table, typed values updated or discarded as the answer says.
QString Sequence::exportCsv(Answer answer) {
    const QString file = dir.filePath(QStringLiteral("export-%1.csv").arg(log.size()));
    editor.desktop->saveFileAnswers = {file};
    trigger("mnuExportCsv");
    const bool settled = model.settle(answer);
    weather::ConfigTable written;
    const bool loaded = QFile::exists(file) && !weather::loadCsvFile(file, written);
    if (!settled && QFile::exists(file))
        observed = QStringLiteral("Export wrote a file after Cancel");
    // A name longer than the import takes (seed % 4 == 3) is written but not read back.
    const bool readable =
        std::all_of(model.records.begin(), model.records.end(),
                    [](const WeatherConfig& c) { return c.Name.size() <= weather::MaxNameBytes; });
    // A CSV holds numbers, names and values, not the lines the game does not read.
    Records values = model.records;
    for (WeatherConfig& record : values)
        record.Comments.clear();
    if (settled && readable && !(loaded && written == tableOf(values)))
        observed = QStringLiteral("the exported CSV does not hold the configurations");
    if (settled) {
        exportPath = file;
        exported = model.records;
    }
    return QStringLiteral("Export");
}

// How many rows of differences Compare with File shows for two records in both files.
int differences(const WeatherConfig& a, const WeatherConfig& b) {
    const auto aLines = weather::blockLines(a);
    const auto bLines = weather::blockLines(b);
    int rows = int(a.Number != b.Number) + int(a.Name != b.Name);
    for (std::size_t i = 0; i < aLines.size(); ++i)
        rows += int(aLines.at(i) != bLines.at(i));
    for (int s = 0; s < Seasons; ++s) {
        for (int p = 0; p < Positions; ++p)
            rows += int(a.season(s).at(p) != b.season(s).at(p));
    }
    return rows;
}

// The rows of differences a comparison shows: the rows without rows under them.
int differenceRows(const QAbstractItemModel* rows, const QModelIndex& parent = {}) {
    int count = 0;
    for (int r = 0; r < rows->rowCount(parent); ++r) {
        const QModelIndex row = rows->index(r, 0, parent);
        count += rows->rowCount(row) == 0 ? 1 : differenceRows(rows, row);
    }
    return count;
}

// Compare with the file on disk (the old side) while no typed values are pending: one row per
// difference from the window's records (the new side); activating the first row shows its
// configuration.
QString Sequence::compareRows(Answer answer) {
    const Records& from = model.file;
    const Records& to = model.records;
    int rows = int(std::abs(from.size() - to.size()));
    int firstSlot = from.size() < to.size() ? int(from.size()) + 1 : 0;
    for (int k = int(std::min(from.size(), to.size())); k >= 1; --k) {
        const int count = differences(from[k - 1], to[k - 1]);
        rows += count;
        if (count > 0)
            firstSlot = k;
    }
    editor.desktop->fileAnswers = {path};
    trigger("mnuCompare");
    auto* dialog = editor.window->findChild<QDialog*>(QStringLiteral("dlgCompare"));
    auto* tree = dialog ? dialog->findChild<QTreeView*>(QStringLiteral("tblCompare")) : nullptr;
    if (tree == nullptr)
        return QStringLiteral("Compare: no dialog (the check fails)");
    const int shown = differenceRows(tree->model());
    QString what = QStringLiteral("Compare with File (%1 rows)").arg(shown);
    if (shown != rows) {
        ++model.expect.messages; // makes the check fail, naming the step
        what += QStringLiteral(", %1 expected").arg(rows);
    }
    if (rows > 0) {
        emit tree->activated(tree->model()->index(0, 0));
        if (firstSlot > 0)
            model.select(firstSlot, answer);
    }
    delete dialog;
    return what;
}

// Another file to merge from: the window's records with a few values, names and numbers
// changed, the last one left out or a few added after the last; written to `file`.
Records Sequence::mergeSource(const QString& file) {
    Records other = model.records;
    for (int changes = bounded(5); changes > 0 && !other.isEmpty(); --changes) {
        WeatherConfig& record = other[bounded(int(other.size()))];
        const int kind = bounded(3);
        if (kind == 0)
            record.season(bounded(Seasons)).at(bounded(Positions)) = qint16(bounded(400) - 20);
        else if (kind == 1)
            record.Name = nameBytes(renames()[bounded(ValidNames)]);
        else
            record.Number += 1 + bounded(5);
    }
    if (bounded(4) == 0 && other.size() > 1)
        other.removeLast();
    for (int added = bounded(4); added > 0; --added) {
        WeatherConfig record =
            opened.isEmpty() ? WeatherConfig{} : opened[bounded(int(opened.size()))];
        record.Name = "Pack " + QByteArray::number(added);
        record.Number = 900 + bounded(50);
        record.Winter.at(bounded(Positions)) = qint16(bounded(100));
        other << record;
    }
    weather::ConfigTable packed = tableOf(other);
    packed.HeaderLine = openedTable.HeaderLine;
    packed.TrailingText = openedTable.TrailingText;
    if (!testfiles::writeAll(file, weather::formatConfig(packed)))
        qFatal("cannot write %s", qPrintable(file));
    return other;
}

// A configuration's row ticked at random: nothing, the whole, some of its parts, or the whole
// but one part. Parts: (slot, -1) the whole configuration, (slot, 0..3) a season, 4 the name, 5
// the number, CommentPart + i the line i in front of the name line.
// The part of a configuration a row of the comparison stands for: a season 0..3, the name (4),
// the number (5) or one of the lines before the name (CommentPart + line).
int partOfRow(const QString& label) {
    int part = label == QStringLiteral("name") ? 4 : -2;
    part = label == QStringLiteral("number") ? 5 : part;
    part = label == QStringLiteral("empty line") ? CommentPart : part;
    for (int line = 1; line < 5; ++line)
        part = label == QStringLiteral("comment line %1").arg(line) ? CommentPart + line : part;
    for (int s = 0; s < Seasons; ++s)
        part = label == QLatin1String(weather::seasonCaption(s)) ? s : part;
    return part;
}

void Sequence::tickConfiguration(QTreeView* tree, const QModelIndex& row, int slot,
                                 MergeTicks& ticks) {
    const QAbstractItemModel* rows = tree->model();
    const int how = bounded(4);
    if (how == 1 || how == 3)
        setTick(tree, row, true);
    if (how == 1)
        ticks.parts << std::pair{slot, -1};
    const int left = how == 3 ? bounded(rows->rowCount(row)) : -1;
    for (int c = 0; how >= 2 && c < rows->rowCount(row); ++c) {
        const int part = partOfRow(rows->index(c, 0, row).data().toString());
        const bool on = how == 3 ? c != left : bounded(2) == 0;
        setTick(tree, rows->index(c, 0, row), on);
        if (on)
            ticks.parts << std::pair{slot, part};
    }
}

// Ticks or unticks a row as a click on its check box does, or by Space on it.
void Sequence::setTick(QTreeView* tree, const QModelIndex& index, bool on) {
    const auto wanted = on ? Qt::Checked : Qt::Unchecked;
    if (bounded(2) == 0) {
        tree->model()->setData(index, wanted, Qt::CheckStateRole);
        return;
    }
    tree->setCurrentIndex(index);
    for (int presses = 0; presses < 2 && index.data(Qt::CheckStateRole) != wanted; ++presses)
        QTest::keyClick(tree, Qt::Key_Space);
}

// The records after taking the ticked parts: each value, name and number that differed between
// `before` (the window when compared) and `other` is the other's where ticked; the ticked
// configurations only in the other file follow the last, numbered on.
// Takes the lines before the name that differ between `was` and `from` into `record`: all of
// them (part -1) or the one `part` names.
void takeLines(WeatherConfig& record, const WeatherConfig& was, const WeatherConfig& from,
               int part) {
    auto lines = weather::blockLines(record);
    const auto theirs = weather::blockLines(from);
    const auto ours = weather::blockLines(was);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if ((part == -1 || part == CommentPart + int(i)) && theirs.at(i) != ours.at(i))
            lines.at(i) = theirs.at(i);
    }
    // The standard lines are kept as none.
    const bool standard = lines == weather::blockLines(WeatherConfig{});
    record.Comments =
        standard ? QByteArray() : QList<QByteArray>(lines.begin(), lines.end()).join('\n');
}

// Takes what differs between `was` and `from` into `record`: everything (part -1) or the part
// that `part` names (see partOfRow).
void takePart(WeatherConfig& record, const WeatherConfig& was, const WeatherConfig& from,
              int part) {
    if ((part == -1 || part == 4) && from.Name != was.Name)
        record.Name = from.Name;
    if ((part == -1 || part == 5) && from.Number != was.Number)
        record.Number = from.Number;
    takeLines(record, was, from, part);
    for (int s = 0; s < Seasons; ++s) {
        for (int p = 0; (part == -1 || part == s) && p < Positions; ++p) {
            if (from.season(s).at(p) != was.season(s).at(p))
                record.season(s).at(p) = from.season(s).at(p);
        }
    }
}

Records merged(Records records, const Records& before, const Records& other,
               const MergeTicks& ticks) {
    for (const auto& [slot, part] : ticks.parts)
        takePart(records[slot - 1], before[slot - 1], other[slot - 1], part);
    for (WeatherConfig record : ticks.appended) {
        record.Number = (records.isEmpty() ? 0 : records.last().Number) + 1;
        records << record;
    }
    return records;
}

// Compare with another file, tick at random (whole configurations, seasons, names and numbers,
// configurations only in that file; by the check box or by Space), maybe type into a box, then
// Apply: the ticked differences become one step, the configurations only in that file follow
// the last numbered on, and the comparison shows what still differs.
QString Sequence::merge(Answer answer) {
    Model& m = model;
    const QString file = dir.filePath(QStringLiteral("pack-%1.cfg").arg(log.size()));
    const Records other = mergeSource(file);
    editor.desktop->fileAnswers = {file};
    trigger("mnuCompare");
    auto* dialog = editor.window->findChild<QDialog*>(QStringLiteral("dlgCompare"));
    if (!m.settle(answer) || dialog == nullptr) {
        if (dialog != nullptr)
            observed = QStringLiteral("Compare showed its window after Cancel");
        delete dialog;
        return QStringLiteral("Merge, cancelled");
    }
    const Records before = m.records; // the window's side of the comparison
    auto* tree = dialog->findChild<QTreeView*>(QStringLiteral("tblCompare"));
    const QAbstractItemModel* rows = tree->model();
    MergeTicks ticks;
    qsizetype onlyThere = before.size();
    for (int r = 0; r < rows->rowCount(); ++r) {
        const QModelIndex row = rows->index(r, 0);
        const int slot = row.data(Qt::UserRole).toInt();
        if (!(rows->flags(row) & Qt::ItemIsUserCheckable))
            continue;
        if (slot > 0) {
            tickConfiguration(tree, row, slot, ticks);
        } else if (const WeatherConfig& record = other[onlyThere++]; bounded(2) == 0) {
            setTick(tree, row, true);
            ticks.appended << record;
        }
    }
    auto* apply = dialog->findChild<QPushButton*>(QStringLiteral("cmdApply"));
    const bool ticked = !ticks.parts.isEmpty() || !ticks.appended.isEmpty();
    if (apply->isEnabled() != ticked)
        observed = QStringLiteral("Apply is %1 with %2 ticked")
                       .arg(apply->isEnabled() ? "on" : "off", ticked ? "some" : "none");
    QString what = QStringLiteral("Merge %1 parts and %2 appended")
                       .arg(ticks.parts.size())
                       .arg(ticks.appended.size());
    if (m.shown > 0 && bounded(3) == 0)
        what += QStringLiteral(", after ") + type(answer);
    editor.desktop->pendingAnswers = {answer};
    QTest::mouseClick(apply, Qt::LeftButton);
    if (ticked && m.settle(answer)) {
        const Records after = merged(m.records, before, other, ticks);
        if (after != m.records) {
            m.change(after, KeepShown, KeepShown, {}, true);
            m.show(KeepShown);
        }
        // The comparison now shows what still differs.
        int left = int(std::abs(other.size() - m.records.size()));
        for (qsizetype k = 0; k < std::min(other.size(), m.records.size()); ++k)
            left += differences(other[k], m.records[k]);
        if (differenceRows(rows) != left)
            observed = QStringLiteral("after Apply the comparison shows %1 rows, %2 differ")
                           .arg(differenceRows(rows))
                           .arg(left);
    }
    delete dialog;
    return what;
}

// Compare with File over typed values: the pending-edit question first, and the comparison only
// once they are settled.
QString Sequence::compare(Answer answer) {
    if (model.pendingSeasons().isEmpty())
        return compareRows(answer);
    editor.desktop->fileAnswers = {path};
    trigger("mnuCompare");
    const bool settled = model.settle(answer);
    const QList<QDialog*> shown = editor.window->findChildren<QDialog*>();
    if (shown.size() != (settled ? 1 : 0))
        observed = QStringLiteral("Compare showed %1 windows").arg(shown.size());
    qDeleteAll(shown);
    return QStringLiteral("Compare with the file");
}

// The records an import step offers, written as a CSV to `file` when the source is made anew:
// a changed table (1), a faulty CSV (2) or a changed table to open (4); the last export (0) and a
// cancelled import (3) write nothing.
Records Sequence::importSource(int source, const QString& file) {
    const bool opening = source == 4;
    Records imported = source == 0 ? exported : model.records.isEmpty() ? opened : model.records;
    if (source == 1 || opening) {
        const int k = bounded(int(imported.size()));
        imported[k].season(bounded(Seasons)).at(bounded(Positions)) = qint16(bounded(400));
        if (bounded(2) == 0)
            imported[k].Name = nameBytes(renames()[bounded(ValidNames)]);
        if (bounded(3) == 0 && imported.size() > 1)
            imported.removeLast();
    }
    const QByteArray csv =
        source == 2 ? QByteArray("Number,Name\r\n1,x\r\n") : weather::formatCsv(tableOf(imported));
    if ((source == 1 || source == 2 || opening) && !testfiles::writeAll(file, csv))
        qFatal("cannot write %s", qPrintable(file));
    return imported;
}

// Import of the last export, of a changed table or of a faulty CSV, or cancelled; or a changed
// table's CSV chosen in File > Open, which offers to import it (after the questions of Open).
QString Sequence::importCsv(Answer answer) {
    int source = bounded(5);
    if (source == 0 && exportPath.isEmpty())
        source = 1;
    const bool opening = source == 4;
    const QString file =
        source == 0 ? exportPath : dir.filePath(QStringLiteral("import-%1.csv").arg(log.size()));
    Records imported = importSource(source, file);
    if (source != 3)
        editor.desktop->fileAnswers = {file};
    editor.desktop->saveAnswers = {weather::Desktop::Answer::Discard};
    editor.desktop->importAnswers = {true};
    trigger(opening ? "mnuOpen" : "mnuImportCsv");
    editor.desktop->saveAnswers.clear();
    editor.desktop->importAnswers.clear();
    QString what =
        QStringList{"Import the last export", "Import a changed table", "Import a faulty CSV",
                    "Import, cancelled", "Open a CSV, import it"}[source];
    // A faulty CSV, and names beyond 255 bytes (as a rename has them), change nothing.
    const bool refused =
        source == 2 || std::any_of(imported.begin(), imported.end(),
                                   [](const WeatherConfig& c) { return c.Name.size() > 255; });
    for (WeatherConfig& record : imported)
        record.Comments.clear(); // imported records get the standard comment lines
    // Open asks its one question before it leaves the file (unsaved changes alone: Discard); the
    // file then fails to load as a weather file, and the offer to import it follows (Import).
    const bool settled =
        opening ? model.leave(answer, weather::Desktop::Answer::Discard) : model.settle(answer);
    if (!settled || source == 3)
        return what;
    if (opening)
        ++model.expect.otherQuestions;
    if (refused) {
        ++model.expect.messages;
    } else {
        model.change(imported, KeepShown, KeepShown, {}, true);
        model.show(KeepShown);
    }
    return what;
}

weather::Desktop::Answer Sequence::saveAnswer() {
    static constexpr std::array Answers{weather::Desktop::Answer::Save,
                                        weather::Desktop::Answer::Discard,
                                        weather::Desktop::Answer::Cancel};
    const auto answer = Answers[bounded(int(Answers.size()))];
    editor.desktop->saveAnswers = {answer};
    return answer;
}

// Opening the file again over typed values and changes: one question, then the file as it is
// on disk, its first configuration shown and no undo history.
QString Sequence::open(Answer answer) {
    const auto saveChoice = saveAnswer();
    editor.openThroughDialog(path);
    if (model.leave(answer, saveChoice)) {
        model.records = opened = model.file;
        model.history.clear();
        model.done = 0;
        model.find.clear(); // another file empties the find box: every row is listed
        model.refind();
        model.paste.reset();
        model.extra.clear();
        model.show(model.records.isEmpty() ? 0 : 1);
        original = testfiles::readAll(path);     // what undoing everything comes back to
        if (!openedTable.TrailingText.isEmpty()) // Open names the text after the last one
            ++model.expect.messages;
    }
    return QStringLiteral("Open the file again");
}

// Closing over typed values and changes: one question; the window closes unless it is
// cancelled (or an update or save fails).
QString Sequence::close(Answer answer) {
    const auto saveChoice = saveAnswer();
    editor.window->close();
    model.expect.visible = !model.leave(answer, saveChoice);
    return QStringLiteral("close");
}

// Typing in the find box: the rows are found afresh, and what is on display stays.
QString Sequence::findType(Answer /*answer*/) {
    static const QStringList texts = {"",  "a",    "AL", "co",  "e",     "plain",
                                      "3", " 7 ",  "x",  "zzz", "copy",  "renamed",
                                      "E", "=sum", "-",  "caf", "north", "0"};
    const QString& text = texts[bounded(int(texts.size()))];
    auto* box = editor.find<QLineEdit>(QStringLiteral("txtFind"));
    editor.window->activateWindow();
    box->setFocus();
    if (text.isEmpty()) {
        QTest::keyClick(box, Qt::Key_Escape);
    } else {
        box->selectAll();
        QTest::keyClicks(box, text);
    }
    // Typing the same text again changes the box on the way: the rows are found afresh.
    if (!text.isEmpty() || !model.find.isEmpty()) {
        model.find = text;
        model.refind();
    }
    return QStringLiteral("find \"%1\"").arg(text);
}

// Down, Enter or keypad Enter in the find box: to the first row, which shows it after the
// question; the one on display keeps its typed values. With no row, or when the answer keeps
// the typed values, the cursor stays in the box.
QString Sequence::findKey(Answer answer) {
    auto* box = editor.find<QLineEdit>(QStringLiteral("txtFind"));
    editor.window->activateWindow();
    box->setFocus();
    const int k = bounded(3);
    QTest::keyClick(box, std::array{Qt::Key_Down, Qt::Key_Return, Qt::Key_Enter}[k],
                    k == 2 ? Qt::KeypadModifier : Qt::NoModifier);
    Model& m = model;
    const int messages = m.expect.messages;
    m.expect.focus = box;
    if (!m.listed.isEmpty() && (m.listed.first() == m.shown || m.settle(answer))) {
        m.expect.focus = editor.list();
        if (m.listed.first() != m.shown)
            m.show(m.listed.first());
    }
    if (m.expect.messages > messages)
        m.expect.focus = nullptr; // the cursor went to the box at fault
    return QStringList{"Down", "Enter", "keypad Enter"}[k] + QStringLiteral(" in the find box");
}

// Ctrl+Z and Ctrl+Y in the find box with no typing of its own to undo: Edit, Undo and Redo.
QString Sequence::findUndoKeys(Answer answer) {
    auto* box = editor.find<QLineEdit>(QStringLiteral("txtFind"));
    editor.window->activateWindow();
    if (!QTest::qWaitForWindowActive(editor.window.get()))
        qWarning("the editor window did not become active");
    box->setFocus();
    box->setText(box->text()); // forgets the box's own typing
    const bool redoing = bounded(2) == 0;
    QTest::keyClick(box, redoing ? Qt::Key_Y : Qt::Key_Z, Qt::ControlModifier);
    if (redoing)
        model.redo(answer);
    else if (model.done > 0 || model.pasteUndoable())
        model.undo(answer);
    return QStringLiteral("Ctrl+%1 in the find box").arg(redoing ? "Y" : "Z");
}

// A name typed without Enter, then a click on a row: the rename is stored as the focus leaves
// the box, and the row clicked is the one shown, where the rows stayed.
QString Sequence::renameThenClick(Answer answer) {
    Model& m = model;
    if (m.shown == 0 || m.listed.isEmpty() || m.table)
        return {};
    const int row = bounded(int(m.listed.size()));
    const int name = bounded(int(renames().size()));
    (void)typeName(name);
    editor.select(row);
    renamed(name);
    m.pick(m.listed[row], answer);
    return QStringLiteral("rename to \"%1\", then click row %2")
        .arg(brief(renames()[name]))
        .arg(row);
}

// Paste Season into the tab in front: 18 numbers, 17 without the start day, or text that is
// no season (a message, nothing changes).
QString Sequence::pasteSeason(Answer answer) {
    Model& m = model;
    if (m.shown == 0)
        return {};
    const int s = bounded(Seasons);
    tabs()->setCurrentIndex(s);
    const int kind = bounded(4);
    QStringList cells;
    for (int p = kind == 1 ? 1 : 0; p < Positions; ++p)
        cells << QString::number(bounded(3) == 0 ? m.shownRecord().season(s).at(p)
                                                 : bounded(400) - 20);
    if (kind == 2)
        cells = cells.mid(0, 5);
    if (kind == 3)
        cells[bounded(int(cells.size()))] = QStringLiteral("x");
    QGuiApplication::clipboard()->setText(cells.join(u'\t'));
    trigger("mnuPasteSeason");
    if (kind >= 2) {
        ++m.expect.messages;
        return QStringLiteral("Paste Season, not a season");
    }
    if (m.selected().size() > 1)
        return pasteSeasonIntoSelection(answer, s, cells);
    const QStringList before = m.typed[s];
    qsizetype cell = 0; // the start day stays as typed when the clipboard holds 17 numbers
    for (int p = kind == 1 ? 1 : 0; p < Positions; ++p)
        m.typed[s][p] = cells[cell++];
    if (m.typed[s] == before)
        m.paste.reset();
    else
        m.paste = Paste{m.shown, s, m.done, m.shownRecord(), before, m.typed[s]};
    return QStringLiteral("Paste Season %1 (%2 numbers)").arg(s).arg(cells.size());
}

// Paste Season with several selected: into the table, that season of each, as one step.
QString Sequence::pasteSeasonIntoSelection(Answer answer, int s, const QStringList& cells) {
    Model& m = model;
    const QList<int> chosen = m.selected();
    if (!m.settle(answer))
        return QStringLiteral("Paste Season %1 into several, kept the typed values").arg(s);
    Records after = m.records;
    const int first = Positions - int(cells.size()); // 17 numbers leave the start day
    for (const int slot : chosen) {
        for (int p = first; p < Positions; ++p)
            after[slot - 1].season(s).at(p) = qint16(cells[p - first].toInt());
    }
    changeSelected(after);
    return QStringLiteral("Paste Season %1 into %2").arg(s).arg(chosen.size());
}

void Sequence::changeSelected(const Records& after) {
    Model& m = model;
    if (after != m.records) {
        m.change(after, KeepShown, KeepShown, {}, true);
        m.show(KeepShown);
    }
}

// Ctrl+click on a row not selected: it joins the selection and goes on display, after the
// question about typed values.
QString Sequence::selectAlso(Answer answer) {
    Model& m = model;
    if (m.shown == 0 || m.rowOf(m.shown) < 0)
        return {};
    QList<int> free;
    for (const int slot : m.listed) {
        if (!m.selected().contains(slot))
            free << slot;
    }
    if (free.isEmpty())
        return {};
    const int slot = free[bounded(int(free.size()))];
    // With the table shown, as often in the table: one selection in two views.
    if (m.table && m.tabled.contains(slot) && bounded(2) == 0) {
        const weather::ValueTableProxy& rows = tableRows();
        const int row = rows.rowOf(slot);
        const QRect cell = table()->visualRect(rows.index(row, int(bounded(rows.columnCount()))));
        table()->scrollTo(rows.index(row, 0));
        const QRect shown = table()->visualRect(rows.index(row, 0));
        QTest::mouseClick(table()->viewport(), Qt::LeftButton, Qt::ControlModifier,
                          shown.isValid() ? shown.center() : cell.center());
        const QList<int> before = m.selected();
        if (m.settle(answer)) {
            m.show(slot);
            m.extra = before;
        }
        return QStringLiteral("Ctrl+click table row %1").arg(row);
    }
    editor.select(m.rowOf(slot), Qt::ControlModifier);
    const QList<int> before = m.selected();
    if (m.settle(answer)) {
        m.show(slot);
        m.extra = before;
    }
    return QStringLiteral("Ctrl+click row %1").arg(m.rowOf(slot));
}

// Change Values on the selection: a random change, now and then one that leaves the range and
// must change nothing. The model works out set, add and multiply itself; a scaled group must
// add up to the total, each value within one of its exact share, and a group of zeros or with a
// negative value stays as it was.
QString Sequence::changeValues(Answer answer) {
    Model& m = model;
    if (m.shown == 0)
        return {};
    const weather::ValueChange change = randomChange();
    editor.desktop->valueChanges = {change};
    trigger("mnuChangeValues");
    QString what = QStringLiteral("Change Values (%1 of season %2, group %3 position %4, "
                                  "%5 / %6)")
                       .arg(change.kind)
                       .arg(change.target.season)
                       .arg(change.target.group)
                       .arg(change.target.position)
                       .arg(change.amount)
                       .arg(change.factor);
    if (!m.settle(answer))
        return what + QStringLiteral(", kept the typed values");
    Records after = m.records;
    ChangeCheck outcome;
    for (const int slot : m.selected())
        changeOne(change, slot, after[slot - 1].season(change.target.season), outcome);
    if (outcome.outOfRange) {
        // Nothing changed: the shares of the configurations before the one at fault were
        // compared with the unchanged values.
        observed.clear();
        ++m.expect.messages;
        return what + QStringLiteral(", refused");
    }
    if (outcome.leftAlone)
        ++m.expect.messages;
    changeSelected(after);
    return what;
}

weather::ValueChange Sequence::randomChange() {
    weather::ValueChange change;
    change.kind = weather::ValueChange::Kind(bounded(4));
    change.target.season = bounded(Seasons);
    change.target.group = weather::ValueTarget::Group(bounded(4));
    change.target.position = bounded(Positions);
    if (change.kind == weather::ValueChange::ScaleToTotal &&
        change.target.group == weather::ValueTarget::Single)
        change.target.group = weather::ValueTarget::Wind;
    change.amount = std::array<qint64, 6>{0, 5, -7, 100, 32767, 40000}[bounded(6)];
    change.factor = std::array{0.5, 1.1, -1.0, 2.5, 1000.0}[bounded(5)];
    if (change.kind == weather::ValueChange::ScaleToTotal)
        change.amount = std::abs(change.amount); // the dialog takes no negative total
    return change;
}

// The positions a change reaches: one value, or a group's.
QList<int> positionsOf(const weather::ValueTarget& target) {
    if (target.group == weather::ValueTarget::Single)
        return {target.position};
    const int first = std::array{0, 1, 6, 11}[target.group];
    const int count = std::array{0, 5, 5, 7}[target.group];
    QList<int> positions;
    for (int p = first; p < first + count; ++p)
        positions << p;
    return positions;
}

// A value after a set, an add or a multiply (rounded half away from zero).
double changedValue(const weather::ValueChange& change, double value) {
    switch (change.kind) {
    case weather::ValueChange::Set:
        return double(change.amount);
    case weather::ValueChange::Add:
        return value + double(change.amount);
    case weather::ValueChange::Multiply:
        value *= change.factor;
        return value < 0 ? -std::floor(-value + 0.5) : std::floor(value + 0.5);
    case weather::ValueChange::ScaleToTotal:
        break;
    }
    return value;
}

// `season` of `slot` after `change`. A scaled group is the window's, checked: each value within
// one of its exact share and the total exact; a group of zeros or with a negative value stays.
void Sequence::changeOne(const weather::ValueChange& change, int slot, SeasonWeather& season,
                         ChangeCheck& check) {
    const QList<int> positions = positionsOf(change.target);
    qint64 sum = 0;
    bool negative = false;
    for (const int p : positions) {
        sum += season.at(p);
        negative = negative || season.at(p) < 0;
    }
    const bool scale = change.kind == weather::ValueChange::ScaleToTotal;
    if (scale && (negative || sum == 0)) {
        check.leftAlone = true;
        return;
    }
    const SeasonWeather& scaled = editor.window->table().Configs(slot).season(change.target.season);
    for (const int p : positions) {
        double value = changedValue(change, season.at(p));
        if (scale) {
            const double share = double(season.at(p)) * double(change.amount) / double(sum);
            if (share > 32767.5)
                check.outOfRange = true;
            else if (std::abs(scaled.at(p) - share) >= 1.0)
                observed = QStringLiteral("scaled value %1 of slot %2 is %3, its share %4")
                               .arg(p)
                               .arg(slot)
                               .arg(scaled.at(p))
                               .arg(share);
            value = scaled.at(p);
        }
        check.outOfRange = check.outOfRange || value < -32768 || value > 32767;
        if (!check.outOfRange)
            season.at(p) = qint16(value);
    }
    const qint64 total =
        std::accumulate(positions.begin(), positions.end(), qint64(0),
                        [&season](qint64 sum, int p) { return sum + season.at(p); });
    if (scale && !check.outOfRange && total != change.amount)
        observed =
            QStringLiteral("slot %1 scaled to %2, not %3").arg(slot).arg(total).arg(change.amount);
}

// Copy Configuration from the one on display, then Paste Configuration into the selection: the
// copy, another configuration's seasons, or text that is no configuration.
QString Sequence::pasteConfiguration(Answer answer) {
    Model& m = model;
    if (m.shown == 0)
        return {};
    trigger("mnuCopyConfig");
    if (!m.settle(answer))
        return QStringLiteral("Copy Configuration, kept the typed values");
    WeatherConfig source = m.shownRecord();
    const int kind = bounded(3);
    if (kind == 1) {
        source = m.records[bounded(int(m.records.size()))];
        QStringList rows;
        for (int s = 0; s < Seasons; ++s) {
            QStringList cells;
            for (int p = 0; p < Positions; ++p)
                cells << QString::number(source.season(s).at(p));
            rows << cells.join(u'\t');
        }
        QGuiApplication::clipboard()->setText(rows.join(QStringLiteral("\r\n")));
    } else if (kind == 2) {
        QGuiApplication::clipboard()->setText(QStringLiteral("1\t2\t3\n4\t5"));
    }
    trigger("mnuPasteConfig");
    if (kind == 2) {
        ++m.expect.messages;
        return QStringLiteral("Paste Configuration, not a configuration");
    }
    Records after = m.records;
    for (const int slot : m.selected()) {
        for (int s = 0; s < Seasons; ++s)
            after[slot - 1].season(s) = source.season(s);
    }
    changeSelected(after);
    return QStringLiteral("Copy and Paste Configuration into %1").arg(m.selected().size());
}

// Revert Configuration or Revert Season on the selection: only while it would change something;
// configurations added since the file was loaded or saved stay as they are.
QString Sequence::revert(Answer answer) {
    Model& m = model;
    const int s = bounded(Seasons + 1) - 1; // -1: the whole configuration
    if (s >= 0)
        tabs()->setCurrentIndex(s);
    trigger(s >= 0 ? "mnuRevertSeason" : "mnuRevertConfig");
    if (m.shown == 0 || m.reverted(s) == m.records)
        return QStringLiteral("Revert %1, off").arg(s);
    if (m.settle(answer))
        changeSelected(m.reverted(s));
    return QStringLiteral("Revert %1 of %2").arg(s).arg(m.selected().size());
}

// The rows are those the model lists, each with its number and its mark of a change; the
// configuration on display is the one selected row and the current row while it is listed (a
// question cancelled from the keyboard must not split the two).
void Sequence::checkList(Checker& c) const {
    const Model& m = model;
    QStringList names;
    QStringList numbers;
    QList<bool> marks;
    for (const int slot : m.listed) {
        const WeatherConfig& record = m.records[slot - 1];
        names << brief(nameText(record.Name));
        numbers << QString::number(record.Number);
        marks << (slot > m.file.size() || record != m.file[slot - 1]);
    }
    QStringList listed = editor.listed();
    std::transform(listed.begin(), listed.end(), listed.begin(), brief);
    c.equal(QStringLiteral("list (find \"%1\")").arg(m.find), listed, names);
    const QAbstractItemModel* rows = editor.list()->model();
    QStringList shownNumbers;
    QList<bool> shownMarks;
    for (int r = 0; r < rows->rowCount(); ++r) {
        shownNumbers << rows->index(r, 1).data().toString();
        shownMarks << rows->index(r, 0).data(Qt::UserRole).toBool();
    }
    c.equal(QStringLiteral("numbers listed"), shownNumbers, numbers);
    c.equal(QStringLiteral("changed marks"), shownMarks, marks);
    QList<int> selected;
    for (const QModelIndex& index : editor.list()->selectionModel()->selectedRows())
        selected << index.row();
    const int row = m.shown > 0 ? m.rowOf(m.shown) : -1;
    QList<int> meant;
    for (const int slot : m.selected())
        meant << m.rowOf(slot);
    std::sort(selected.begin(), selected.end());
    std::sort(meant.begin(), meant.end());
    c.equal(QStringLiteral("selected rows"), selected, row >= 0 ? meant : QList<int>{});
    if (row >= 0)
        c.equal(QStringLiteral("current row"), editor.list()->currentIndex().row(), row);
    if (m.expect.focus != nullptr)
        c.equal(QStringLiteral("focus"),
                QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : "none",
                m.expect.focus->objectName());
}

// View > Table and back; the boxes' typed values are asked about before they go out of sight.
QString Sequence::switchView(Answer answer) {
    trigger("mnuTable");
    if (model.table || model.settle(answer))
        model.table = !model.table;
    return QStringLiteral("View, Table");
}

// A click on a column's header: a new column sorts ascending, the same one reverses. The rows
// must then stand in the column's order, equal ones in file order, and nothing else changes.
QString Sequence::sortTable(Answer /*answer*/) {
    if (!model.table)
        return {};
    const int column = bounded(2 + Seasons * Positions);
    QHeaderView* header = table()->horizontalHeader();
    table()->scrollTo(table()->model()->index(0, column));
    const QPoint middle(header->sectionViewportPosition(column) + header->sectionSize(column) / 2,
                        header->height() / 2);
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, middle);
    model.descending = column == model.sortColumn && !model.descending;
    model.sortColumn = column;
    const auto sortKey = [this, column](int slot) -> std::variant<qint64, QString> {
        const WeatherConfig& record = model.records[slot - 1];
        if (column == 0)
            return qint64(record.Number);
        if (column == 1)
            return folded(nameText(record.Name));
        return qint64(record.season((column - 2) / Positions).at((column - 2) % Positions));
    };
    const QList<int> rowSlots = tableSlots();
    for (qsizetype r = 1; r < rowSlots.size() && observed.isEmpty(); ++r) {
        const auto before = sortKey(rowSlots[r - 1]);
        const auto after = sortKey(rowSlots[r]);
        const bool inOrder = before == after    ? rowSlots[r - 1] < rowSlots[r]
                             : model.descending ? after < before
                                                : before < after;
        if (!inOrder)
            observed = QStringLiteral("rows %1 and %2 out of order after sorting by column %3")
                           .arg(r - 1)
                           .arg(r)
                           .arg(column);
    }
    return QStringLiteral("sort the table by column %1%2")
        .arg(column)
        .arg(model.descending ? " descending" : "");
}

// The value filter from its three controls, or cleared.
QString Sequence::filterTable(Answer /*answer*/) {
    if (!model.table)
        return {};
    // The rows are found again when a control changes, as the window sees it.
    const std::array<int, 3> before = {model.filterValue, model.comparison, model.filterNumber};
    if (bounded(4) == 0) {
        editor.click(QStringLiteral("cmdClearFilter"));
        model.filterValue = -1;
    } else {
        model.filterValue = bounded(Seasons * Positions);
        model.comparison = bounded(6);
        model.filterNumber = bounded(450) - 50;
        editor.find<QComboBox>(QStringLiteral("cboFilterValue"))
            ->setCurrentIndex(model.filterValue + 1);
        editor.find<QComboBox>(QStringLiteral("cboFilterComparison"))
            ->setCurrentIndex(model.comparison);
        editor.find<QSpinBox>(QStringLiteral("spnFilterNumber"))->setValue(model.filterNumber);
    }
    if (before != std::array{model.filterValue, model.comparison, model.filterNumber})
        model.refindTable();
    return model.filterValue < 0 ? QStringLiteral("clear the value filter")
                                 : QStringLiteral("filter value %1, comparison %2, number %3")
                                       .arg(model.filterValue)
                                       .arg(model.comparison)
                                       .arg(model.filterNumber);
}

// A click on a value's cell (which shows its configuration, after the question), then F2, a
// text through the boxes' key filter and Enter: an Update of that value, or a message.
QString Sequence::editCell(Answer answer) {
    Model& m = model;
    if (!m.table || tableRows().rowCount() == 0)
        return {};
    int row = bounded(tableRows().rowCount());
    int s = bounded(Seasons);
    // Often a season with typed values (a paste) of the configuration on display: Update as the
    // answer stores them first, and the cell's value then goes into that season.
    const QList<int> pending = m.pendingSeasons();
    if (!pending.isEmpty() && tableRows().rowOf(m.shown) >= 0 && bounded(2) == 0) {
        row = tableRows().rowOf(m.shown);
        s = pending[bounded(int(pending.size()))];
    }
    const int slot = tableRows().slotAt(row);
    const int p = bounded(Positions);
    const QModelIndex cell = tableRows().index(row, weather::ValueTableModel::valueColumn(s, p));
    editor.window->activateWindow();
    table()->scrollTo(cell);
    QTest::mouseClick(table()->viewport(), Qt::LeftButton, {}, table()->visualRect(cell).center());
    QCoreApplication::processEvents();
    const int asked = m.expect.pendingQuestions;
    m.pick(slot, answer);
    const QString what =
        QStringLiteral("cell of slot %1 season %2 position %3").arg(slot).arg(s).arg(p);
    if (m.shown != slot || m.expect.pendingQuestions > asked)
        return QStringLiteral("click the ") + what;
    static const QStringList bad = {"", "40000", "-32769", "1-2", "x7y"};
    const QString text =
        bounded(3) == 0 ? bad[bounded(int(bad.size()))] : QString::number(bounded(450) - 50);
    QTest::keyClick(table(), Qt::Key_F2);
    auto* box = qobject_cast<QLineEdit*>(table()->indexWidget(table()->currentIndex()));
    if (box == nullptr)
        return observed = QStringLiteral("F2 opened no editor on the ") + what;
    box->selectAll();
    if (text.isEmpty())
        QTest::keyClick(box, Qt::Key_Backspace);
    else
        QTest::keyClicks(box, text);
    QTest::keyClick(box, Qt::Key_Return);
    // The editor commits after its key, and the window takes the value after the editor closed.
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
    const QString kept = QString(text).remove(QRegularExpression(QStringLiteral("[^-0-9]")));
    const qint16 stored = m.records[slot - 1].season(s).at(p);
    const auto value = boxNumber(kept);
    if (kept != QString::number(stored)) {
        if (!value)
            ++m.expect.messages;
        else if (*value != stored && m.settle(answer) &&
                 m.records[slot - 1].season(s).at(p) != *value) {
            Records after = m.records;
            after[slot - 1].season(s).at(p) = *value;
            m.change(after, slot, slot, {s});
            m.showStored(s);
        }
    }
    return QStringLiteral("type \"%1\" into the ").arg(text) + what;
}

// The table shows the rows the model finds, each with the record's number, name and values
// as they are now, the configuration on display as its current row; and the view chosen.
void Sequence::checkTable(Checker& c) const {
    const Model& m = model;
    c.equal(QStringLiteral("table shown"),
            editor.find<QWidget>(QStringLiteral("pnlTable"))->isVisibleTo(editor.window.get()),
            m.table);
    c.equal(QStringLiteral("record shown"),
            editor.find<QWidget>(QStringLiteral("scrRecord"))->isVisibleTo(editor.window.get()),
            !m.table);
    c.equal(QStringLiteral("View, Table checked"),
            editor.find<QAction>(QStringLiteral("mnuTable"))->isChecked(), m.table);
    QList<int> rowSlots = tableSlots();
    QList<int> meant = m.tabled;
    std::sort(rowSlots.begin(), rowSlots.end());
    std::sort(meant.begin(), meant.end());
    c.equal(QStringLiteral("table rows"), rowSlots, meant);
    const weather::ValueTableProxy& rows = tableRows();
    for (int r = 0; r < rows.rowCount() && c.problem.isEmpty(); ++r) {
        const int slot = rows.slotAt(r);
        if (slot < 1 || slot > m.records.size())
            continue;
        QStringList cells;
        for (int column = 0; column < rows.columnCount(); ++column)
            cells << brief(rows.index(r, column).data().toString());
        const QStringList record = fields(m.records[slot - 1]);
        const QStringList values =
            (record[2] + u',' + record[3] + u',' + record[4] + u',' + record[5]).split(u',');
        c.equal(QStringLiteral("table row %1").arg(r), cells,
                QStringList{record[0], brief(record[1])} + values);
    }
    if (m.shown > 0 && m.tabled.contains(m.shown))
        c.equal(QStringLiteral("table's current row"), rows.slotAt(table()->currentIndex().row()),
                m.shown);
    QList<int> selectedRows;
    for (const QModelIndex& row : table()->selectionModel()->selectedRows())
        selectedRows << rows.slotAt(row.row());
    std::sort(selectedRows.begin(), selectedRows.end());
    QList<int> selectedMeant;
    for (const int slot : m.selected()) {
        if (m.tabled.contains(slot))
            selectedMeant << slot;
    }
    c.equal(QStringLiteral("table's selection"), selectedRows, selectedMeant);
}

// Compares the window with the model; the first difference, or nothing.
QString Sequence::check(qsizetype messages, qsizetype questions, qsizetype pending) const {
    const Model& m = model;
    const FakeDesktop& d = *editor.desktop;
    const weather::frmWeather& window = *editor.window;
    Checker c;
    c.problem = observed;
    // First what the window asked and said, which explains most other differences: the
    // pending-edit question comes exactly when typed values would be lost, and only once.
    const qsizetype asked = d.pendingQuestions.size() - pending;
    c.equal(QStringLiteral("pending-edit questions"), asked, qsizetype(m.expect.pendingQuestions));
    if (m.expect.countOthers)
        c.equal(QStringLiteral("other questions"), d.questions.size() - questions - asked,
                qsizetype(m.expect.otherQuestions));
    QStringList said;
    for (qsizetype i = messages; i < d.messages.size(); ++i)
        said << brief(d.messages[i].text);
    c.equal(QStringLiteral("messages (%1)").arg(said.join(" | ")), said.size(),
            qsizetype(m.expect.messages));
    // The table holds the model's records: each step changed what it should and nothing else.
    const weather::ConfigTable& windowTable = window.table();
    c.equal(QStringLiteral("record count"), qsizetype(windowTable.recordCount()), m.records.size());
    for (int k = 1; k <= std::min<qsizetype>(windowTable.recordCount(), m.records.size()); ++k) {
        const QStringList held = fields(windowTable.Configs(k));
        const QStringList meant = fields(m.records[k - 1]);
        for (int f = 0; f < held.size(); ++f)
            c.equal(QStringLiteral("record %1 field %2").arg(k).arg(f), held[f], meant[f]);
    }
    checkList(c);
    checkTable(c);
    // Name and number show the record on display afresh, also after an import replaced it.
    c.equal(QStringLiteral("name box"), editor.find<QLineEdit>(QStringLiteral("txtName"))->text(),
            m.shown > 0 ? nameText(m.shownRecord().Name) : QString());
    c.equal(QStringLiteral("number"), editor.find<QLabel>(QStringLiteral("lblNumber"))->text(),
            m.shown > 0 ? QString::number(m.shownRecord().Number) : QString());
    // A tab is marked exactly when its boxes differ from the record; a marked tab keeps what was
    // typed, an unmarked one reads as the stored record (or is empty with nothing on display).
    for (int s = 0; s < Seasons; ++s) {
        const bool marked = m.pending(s);
        c.equal(QStringLiteral("season %1 marked").arg(s), tabs()->tabText(s).endsWith(u'*'),
                marked);
        for (int p = 0; p < Positions; ++p) {
            const QString text = editor.seasonBox(s, p)->text();
            const QString what = QStringLiteral("season %1 position %2").arg(s).arg(p);
            if (marked || m.shown == 0)
                c.equal(what, text, m.typed[s][p]);
            else
                c.equal(what, readAs(text), QString::number(m.shownRecord().season(s).at(p)));
        }
    }
    checkMarks(c);
    checkFaultsNamed(c, messages);
    // The modified mark follows the table against the file, not the undo history.
    c.equal(QStringLiteral("modified mark"), window.isWindowModified(), m.records != m.file);
    const auto on = [this](const char* action) {
        return editor.find<QAction>(QLatin1String(action))->isEnabled();
    };
    c.equal(QStringLiteral("Undo on"), on("mnuUndo"), m.done > 0 || m.pasteUndoable());
    c.equal(QStringLiteral("Redo on"), on("mnuRedo"), m.done < m.history.size());
    c.equal(QStringLiteral("Duplicate on"), on("mnuDuplicate"), m.shown > 0);
    c.equal(QStringLiteral("Delete Last on"), on("mnuDeleteLast"),
            m.shown > 0 && m.shown == m.records.size());
    c.equal(QStringLiteral("Change Values on"), on("mnuChangeValues"), m.shown > 0);
    c.equal(QStringLiteral("Revert Configuration on"), on("mnuRevertConfig"),
            m.shown > 0 && m.reverted(-1) != m.records);
    c.equal(QStringLiteral("Revert Season on"), on("mnuRevertSeason"),
            m.shown > 0 && m.reverted(tabs()->currentIndex()) != m.records);
    if (!m.expect.tabs.isEmpty() && !m.expect.tabs.contains(tabs()->currentIndex()))
        c.equal(QStringLiteral("current tab"), tabs()->currentIndex(), m.expect.tabs.first());
    c.equal(QStringLiteral("window open"), window.isVisible(), m.expect.visible);
    // The status bar's lasting part: the configurations, and those changed (when any).
    QList<int> counts;
    const QString countsText = editor.find<QLabel>(QStringLiteral("lblCounts"))->text();
    for (const auto& number : QRegularExpression(QStringLiteral("\\d+")).globalMatch(countsText))
        counts << number.captured().toInt();
    c.equal(QStringLiteral("counts in the status bar (%1)").arg(countsText), counts, m.counts());
    if (m.expect.saved) {
        weather::ConfigTable saved;
        const bool loaded = !weather::loadConfigFile(path, saved);
        weather::ConfigTable expected = tableOf(m.file);
        expected.HeaderLine = openedTable.HeaderLine;
        expected.TrailingText = openedTable.TrailingText;
        c.equal(QStringLiteral("saved file holds the records"), loaded && saved == expected, true);
    }
    return c.problem;
}

// With a configuration on display, a box is marked edited while it does not read as the stored
// value and invalid while it holds no number, its tooltip saying why (or what is stored); with
// none, no box is.
void Sequence::checkMarks(Checker& c) const {
    const Model& m = model;
    for (int s = 0; s < Seasons; ++s) {
        for (int p = 0; p < Positions; ++p) {
            const QLineEdit* box = editor.seasonBox(s, p);
            const auto value = boxNumber(box->text());
            const bool invalid = m.shown > 0 && !value;
            const bool edited = m.shown > 0 && value != m.shownRecord().season(s).at(p);
            const QString what = QStringLiteral("season %1 position %2 (\"%3\") marked %4")
                                     .arg(s)
                                     .arg(p)
                                     .arg(brief(box->text()));
            c.equal(what.arg(QStringLiteral("invalid")), box->property("invalid").toBool(),
                    invalid);
            c.equal(what.arg(QStringLiteral("edited")), box->property("edited").toBool(), edited);
            c.equal(what.arg(QStringLiteral("with a reason")), box->toolTip().isEmpty(),
                    !invalid && !edited);
        }
    }
}

// An Update refused for boxes without a number names every one of them in its one message and
// puts the cursor in the first.
void Sequence::checkFaultsNamed(Checker& c, qsizetype messages) const {
    const QList<std::pair<int, int>>& faulty = model.expect.faulty;
    const FakeDesktop& d = *editor.desktop;
    if (faulty.isEmpty() || d.messages.size() <= messages)
        return;
    const QString said = d.messages.last().text;
    for (const auto& [s, p] : faulty) {
        const QString name = editor.seasonBox(s, p)->accessibleName();
        c.equal(QStringLiteral("message names %1").arg(name), said.contains(name + u':'), true);
    }
    c.equal(QStringLiteral("lines of the message \"%1\"").arg(brief(said)), said.count(u'\n'),
            faulty.size());
    const QLineEdit* first = editor.seasonBox(faulty.first().first, faulty.first().second);
    c.equal(QStringLiteral("focus in the first faulty box"), editor.window->focusWidget() == first,
            true);
}

} // namespace

class TestWindowProperty : public QObject {
    Q_OBJECT

private slots:
    void randomSequences();
};

void TestWindowProperty::randomSequences() {
    const auto first = quint64(fromEnv("WEATHER_PROPERTY_SEED", 1));
    const int seconds = fromEnv("WEATHER_PROPERTY_SECONDS", 0);
    const int sequences = fromEnv("WEATHER_PROPERTY_SEQUENCES", 30);
    const int steps = fromEnv("WEATHER_PROPERTY_STEPS", 40);
    QElapsedTimer clock;
    clock.start();
    int run = 0;
    for (; seconds > 0 ? clock.elapsed() < seconds * 1000LL : run < sequences; ++run) {
        const QString failure = Sequence(first + quint64(run), steps).run();
        if (!failure.isEmpty())
            QFAIL(qPrintable(
                failure + QStringLiteral("\nrepeat: WEATHER_PROPERTY_SEED=%1 "
                                         "WEATHER_PROPERTY_SEQUENCES=1 WEATHER_PROPERTY_STEPS=%2")
                              .arg(first + quint64(run))
                              .arg(steps)));
    }
    qInfo("%d sequences of %d steps from seed %llu, %lld ms", run, steps, first, clock.elapsed());
}

QTEST_MAIN(TestWindowProperty)
#include "tst_window_property.moc"
