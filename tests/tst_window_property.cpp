// A model-based random test of the editor window. Random sequences of what a user does (select
// with the mouse and the keys, type into season boxes, Update, Enter, rename, Duplicate, Delete
// Last, Undo, Redo, the three answers of the pending-edit question, Save, Export, Import, close)
// run on the real window offscreen, the test desktop answering every dialog. After every step
// the window is compared with a model kept by the test alone: a plain list of records, what the
// file holds, the configuration on display, the texts typed into its boxes and the undo history.
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

#include <QAbstractButton>
#include <QAction>
#include <QElapsedTimer>
#include <QItemSelectionModel>
#include <QLabel>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <array>
#include <numeric>
#include <optional>

using weather::Desktop;
using weather::SeasonWeather;
using weather::WeatherConfig;
using namespace windowtest;

namespace {

using Records = QList<WeatherConfig>;
using Answer = Desktop::PendingAnswer;
constexpr int Seasons = 4;
constexpr int Positions = 18;
constexpr int KeepShown = -1; // the step keeps the configuration on display while it exists

int fromEnv(const char* name, int fallback) {
    bool ok = false;
    const int value = qEnvironmentVariableIntValue(name, &ok);
    return ok ? value : fallback;
}

// The model's own reading of a box: blanks around, an optional minus, digits, within 16 bits.
std::optional<qint16> boxNumber(const QString& text) {
    QString digits = text.trimmed();
    const bool negative = digits.startsWith(u'-');
    if (negative)
        digits.remove(0, 1);
    if (digits.isEmpty() || digits.size() > 6 ||
        !std::all_of(digits.begin(), digits.end(), [](QChar c) { return c.isDigit(); }))
        return std::nullopt;
    const int value = negative ? -digits.toInt() : digits.toInt();
    if (value < -32768 || value > 32767)
        return std::nullopt;
    return qint16(value);
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

// What a box reads as, for comparing with a stored value.
QString readAs(const QString& text) {
    const auto value = boxNumber(text);
    return value ? QString::number(*value) : QStringLiteral("no number (%1)").arg(text);
}

// Text short enough for a failure message.
QString brief(const QString& text) {
    return text.size() <= 60
               ? text
               : text.left(40) + QStringLiteral("... (%1 characters)").arg(text.size());
}

struct NameCase {
    QString text;
    bool refused;
};
const QList<NameCase>& nameCases() {
    static const QList<NameCase> cases = {{QStringLiteral("Renamed Coast"), false},
                                          {QString::fromUtf8("Café €"), false},
                                          {QStringLiteral("x"), false},
                                          {QStringLiteral("=SUM(A1)"), false},
                                          {QString(255, QChar(0xE9)), false},
                                          {QString(), true},
                                          {QStringLiteral("   "), true},
                                          {QString::fromUtf8("Snow ☃"), true},
                                          {QStringLiteral("North\nSouth"), true},
                                          {QString(256, u'a'), true}};
    return cases;
}

weather::ConfigTable tableOf(const Records& records) {
    weather::ConfigTable table;
    table.ConfigCount = int(records.size());
    for (int k = 1; k <= records.size(); ++k)
        table.Configs(k) = records[k - 1];
    return table;
}

QString seasonText(const SeasonWeather& season) {
    QStringList values;
    for (int p = 0; p < Positions; ++p)
        values << QString::number(season.at(p));
    return values.join(u',');
}

// Where two records differ, in words.
QString difference(const WeatherConfig& window, const WeatherConfig& model) {
    if (window.Number != model.Number)
        return QStringLiteral("number %1, model %2").arg(window.Number).arg(model.Number);
    if (window.Name != model.Name)
        return QStringLiteral("name \"%1\", model \"%2\"")
            .arg(brief(nameText(window.Name)), brief(nameText(model.Name)));
    for (int s = 0; s < Seasons; ++s) {
        if (window.season(s) != model.season(s))
            return QStringLiteral("season %1 %2, model %3")
                .arg(s)
                .arg(seasonText(window.season(s)), seasonText(model.season(s)));
    }
    return {};
}

// One step on the undo history: the records before and after, what each direction shows.
struct Step {
    Records before;
    Records after;
    int undoShows; // a slot, 0 for none, or KeepShown
    int redoShows;
    QList<int> tabs; // the season tabs it changes; undo and redo show one of them
};

// What one step should have done beyond the state the model holds.
struct Expect {
    int pendingQuestions = 0;
    int otherQuestions = 0;  // the close question
    bool countOthers = true; // off when the delete question may or may not come
    int messages = 0;
    QList<int> tabs; // the current tab is one of these (empty: not checked)
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

    const WeatherConfig& shownRecord() const { return records[shown - 1]; }
    bool pending(int s) const {
        if (shown == 0)
            return false;
        for (int p = 0; p < Positions; ++p) {
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
        shown = slot == KeepShown ? (shown <= records.size() ? shown : 0) : slot;
        for (int s = 0; s < Seasons; ++s)
            showStored(s);
    }
    void change(const Records& after, int undoShows, int redoShows, const QList<int>& tabs) {
        history.resize(done);
        history << Step{records, after, undoShows, redoShows, tabs};
        ++done;
        records = after;
    }
    void undo() {
        const Step& step = history[--done];
        records = step.before;
        show(step.undoShows);
        expect.tabs = step.tabs;
    }
    void redo() {
        const Step& step = history[done++];
        records = step.after;
        show(step.redoShows);
        expect.tabs = step.tabs;
    }
    // The boxes of season `s` as values; none (the season's tab shown) when one holds no number.
    std::optional<SeasonWeather> read(int s) {
        SeasonWeather values;
        for (int p = 0; p < Positions; ++p) {
            const auto value = boxNumber(typed[s][p]);
            if (!value) {
                ++expect.messages;
                expect.tabs = {s};
                return std::nullopt;
            }
            values.at(p) = *value;
        }
        return values;
    }
    // The Update button and Enter: stores season `s`, a step only when it changes the record.
    void update(int s) {
        const auto values = read(s);
        if (!values)
            return;
        if (*values != shownRecord().season(s)) {
            Records after = records;
            after[shown - 1].season(s) = *values;
            change(after, shown, shown, {s});
        }
        showStored(s);
    }
    // The pending-edit question before a step that changes the table or the display: asked
    // exactly when a season has typed values not updated. False when the step must not go on.
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
    void select(int slot, Answer answer) {
        if (slot != shown && settle(answer))
            show(slot);
    }
};

// Collects the first difference between the window and the model.
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

class Sequence {
public:
    Sequence(quint64 seed, int steps);
    // Empty when every step matched the model; else what differed, where, and the last steps.
    QString run();

private:
    QString step(Answer answer);
    QString check(int messages, int questions, int pending) const;
    QString finish();
    [[nodiscard]] int bounded(int n) { return int(random_.bounded(n)); }
    QString typedText(int s, int p);
    Records mutated(Records records);
    void trigger(const char* action) const {
        editor_.find<QAction>(QLatin1String(action))->trigger();
    }
    QTabWidget* tabs() const { return editor_.find<QTabWidget>(QStringLiteral("SSTab1")); }
    void clickSave() const;

    quint64 seed_;
    int steps_;
    QRandomGenerator random_;
    QTemporaryDir dir_;
    QString path_ = dir_.filePath(QStringLiteral("weather.cfg"));
    QByteArray original_;
    Editor editor_;
    Model model_;
    QStringList log_;
    QString exportPath_;
    Records exported_;
    Records initial_; // as the file was opened
};

Sequence::Sequence(quint64 seed, int steps) : seed_(seed), steps_(steps), random_(seed) {
    original_ = testfiles::readAll(testfiles::examplePath());
    // Every fourth file holds a name far longer than a name box holds or a rename may give: the
    // window must show it and never refuse it unless the user edits it.
    if (seed % 4 == 3)
        original_.replace("\r\n2 Mediterranean\r\n", "\r\n2 " + QByteArray(40000, 'x') + "\r\n");
    weather::ConfigTable table;
    if (!testfiles::writeAll(path_, original_) || weather::loadConfigFile(path_, table))
        qFatal("cannot set up %s", qPrintable(path_));
    for (int k = 1; k <= table.recordCount(); ++k)
        model_.records << table.Configs(k);
    model_.file = initial_ = model_.records;
    model_.show(0);
    editor_.window->activateWindow(); // for renames that end by moving the focus
    if (!QTest::qWaitForWindowActive(editor_.window.get()))
        qWarning("the editor window did not become active");
    editor_.openThroughDialog(path_);
}

QString Sequence::run() {
    FakeDesktop& d = *editor_.desktop;
    for (int i = 0; i <= steps_; ++i) {
        const qsizetype messages = d.messages.size(), questions = d.questions.size(),
                        pending = d.pendingQuestions.size();
        model_.expect = {};
        static constexpr std::array Answers{Answer::Update, Answer::Update, Answer::Discard,
                                            Answer::Cancel};
        const Answer answer = Answers[bounded(int(Answers.size()))];
        d.pendingAnswers = {answer};
        log_ << QStringLiteral("%1: %2").arg(i).arg(i < steps_ ? step(answer) : finish());
        d.pendingAnswers.clear();
        d.fileAnswers.clear();
        d.saveFileAnswers.clear();
        d.saveAnswers.clear();
        d.deleteAnswers.clear();
        QString problem = check(int(messages), int(questions), int(pending));
        if (problem.isEmpty() && i == steps_ && testfiles::readAll(path_) != original_)
            problem = QStringLiteral("after undoing everything, Save wrote other bytes");
        if (!problem.isEmpty())
            return QStringLiteral("seed %1, step %2 of %3: %4\nlast steps:\n  %5")
                .arg(seed_)
                .arg(i)
                .arg(steps_)
                .arg(problem, log_.mid(std::max<qsizetype>(
                                           0, log_.size() - fromEnv("WEATHER_PROPERTY_LOG", 8)))
                                  .join("\n  "));
        if (!editor_.window->isVisible()) { // closed without a question: open again, go on
            editor_.window->show();
            if (!QTest::qWaitForWindowExposed(editor_.window.get()))
                qWarning("the editor window was not exposed again");
        }
    }
    return {};
}

void Sequence::clickSave() const {
    if (auto* button = editor_.find<QAbstractButton>(QStringLiteral("cmdSave")))
        QTest::mouseClick(button, Qt::LeftButton);
    else
        trigger("mnuSave");
}

// The last step: undo everything (dropping typed values), then Save. The file must hold its
// original bytes again, whether or not it was saved in between.
QString Sequence::finish() {
    editor_.desktop->pendingAnswers = {Answer::Discard};
    while (model_.done > 0) {
        trigger("mnuUndo");
        if (model_.settle(Answer::Discard))
            model_.undo();
        editor_.desktop->pendingAnswers = {Answer::Discard};
    }
    clickSave();
    if (model_.settle(Answer::Discard)) {
        model_.file = model_.records;
        model_.expect.saved = true;
    }
    model_.expect.tabs.clear();
    return QStringLiteral("undo everything, Save");
}

QString Sequence::typedText(int s, int p) {
    const int slot = model_.shown;
    switch (bounded(6)) {
    case 0: // back to what the file holds: the table may equal the file again (as it will
            // when the position was picked for holding a change)
        return slot <= model_.file.size() ? QString::number(model_.file[slot - 1].season(s).at(p))
                                          : QStringLiteral("0");
    case 1: // the stored value, written another way: no edit
        return QStringLiteral("00") + QString::number(model_.shownRecord().season(s).at(p));
    case 2: { // no number, out of range, or letters the box drops
        static const QStringList bad = {"", "-", "40000", "1-2", "-32769", "4x2", "abc"};
        return bad[bounded(int(bad.size()))];
    }
    case 3:
        return bounded(2) ? QStringLiteral("32767") : QStringLiteral("-32768");
    default:
        return QString::number(int(random_.bounded(450)) - 50);
    }
}

// A CSV to import: the records with some changes, or none.
Records Sequence::mutated(Records records) {
    for (int changes = bounded(3); changes > 0; --changes) {
        const int k = bounded(int(records.size()));
        switch (bounded(4)) {
        case 0:
            records[k].season(bounded(Seasons)).at(bounded(Positions)) = qint16(bounded(400));
            break;
        case 1: {
            const QString name = nameCases()[bounded(5)].text; // the valid ones
            records[k].Name = nameBytes(name);
            break;
        }
        case 2:
            records << records[k];
            records.last().Number = records[records.size() - 2].Number + 1;
            break;
        default:
            if (records.size() > 1)
                records.removeLast();
        }
    }
    return records;
}

// Performs one random step on the window and on the model; returns what it did.
QString Sequence::step(Answer answer) {
    static const QStringList answerNames = {"Update", "Discard", "Cancel"};
    const QString asked = QStringLiteral(" [%1]").arg(answerNames[int(answer)]);
    FakeDesktop& d = *editor_.desktop;
    Model& m = model_;
    const int n = int(m.records.size());
    const int shown = m.shown;
    static constexpr std::array<int, 14> Weights{12, 6, 25, 7, 6, 8, 4, 4, 10, 6, 3, 3, 5, 2};
    for (;;) {
        int pick = bounded(std::accumulate(Weights.begin(), Weights.end(), 0));
        int kind = 0;
        while (pick >= Weights[kind])
            pick -= Weights[kind++];
        switch (kind) {
        case 0: { // select with the mouse
            if (n == 0)
                break;
            const int row = bounded(n);
            editor_.select(row);
            m.select(row + 1, answer);
            return QStringLiteral("click row %1").arg(row) + asked;
        }
        case 1: { // select with a key in the list
            if (shown == 0)
                break;
            const int k = bounded(4);
            const std::array keys{Qt::Key_Up, Qt::Key_Down, Qt::Key_Home, Qt::Key_End};
            const std::array targets{std::max(shown - 1, 1), std::min(shown + 1, n), 1, n};
            QTest::keyClick(editor_.list(), keys[k]);
            m.select(targets[k], answer);
            return QStringLiteral("key %1 in the list")
                       .arg(QStringList{"Up", "Down", "Home", "End"}[k]) +
                   asked;
        }
        case 2: { // type into a season box; its key filter drops all but digits and "-"
            if (shown == 0)
                break;
            int s = bounded(Seasons), p = bounded(Positions);
            if (shown <= m.file.size() && bounded(4) == 0) { // undo a change by hand, perhaps
                for (int q = 0; q < Seasons * Positions; ++q) {
                    if (m.shownRecord().season(q / Positions).at(q % Positions) !=
                        m.file[shown - 1].season(q / Positions).at(q % Positions)) {
                        s = q / Positions;
                        p = q % Positions;
                    }
                }
            }
            const QString text = typedText(s, p);
            QLineEdit* box = editor_.seasonBox(s, p);
            tabs()->setCurrentIndex(s);
            box->selectAll();
            if (text.isEmpty())
                QTest::keyClick(box, Qt::Key_Backspace);
            else
                QTest::keyClicks(box, text);
            QString kept = text;
            kept.remove(QRegularExpression(QStringLiteral("[^-0-9]")));
            if (text.isEmpty() || !kept.isEmpty())
                m.typed[s][p] = kept;
            return QStringLiteral("type \"%1\" into season %2 position %3").arg(text).arg(s).arg(p);
        }
        case 3: { // Update button
            const int s = bounded(Seasons);
            tabs()->setCurrentIndex(s);
            editor_.click(QStringLiteral("cmdUpdate(%1)").arg(s));
            if (shown == 0)
                ++m.expect.messages; // nothing to update yet
            else
                m.update(s);
            return QStringLiteral("Update season %1").arg(s);
        }
        case 4: { // Enter in a season box
            if (shown == 0)
                break;
            const int s = bounded(Seasons), p = bounded(Positions);
            tabs()->setCurrentIndex(s);
            QTest::keyClick(editor_.seasonBox(s, p), Qt::Key_Return);
            m.update(s);
            return QStringLiteral("Enter in season %1 position %2").arg(s).arg(p);
        }
        case 5: { // rename, ended by Enter or by moving the focus; refused names change nothing
            if (shown == 0)
                break;
            const NameCase& name = nameCases()[bounded(int(nameCases().size()))];
            const bool enter = bounded(2) == 0;
            auto* box = editor_.find<QLineEdit>(QStringLiteral("txtName"));
            editor_.window->activateWindow();
            if (!QTest::qWaitForWindowActive(editor_.window.get()))
                qWarning("the editor window did not become active");
            box->setFocus();
            box->setText(name.text);
            if (enter)
                QTest::keyClick(box, Qt::Key_Return);
            else
                tabs()->setFocus();
            if (name.text != nameText(m.shownRecord().Name)) {
                if (name.refused) {
                    ++m.expect.messages;
                } else {
                    Records after = m.records;
                    after[shown - 1].Name = nameBytes(name.text);
                    m.change(after, shown, shown, {});
                }
            }
            return QStringLiteral("rename to \"%1\" by %2")
                .arg(brief(name.text), enter ? "Enter" : "focus out");
        }
        case 6: { // Duplicate: a copy numbered after the last, shown
            if (shown == 0)
                break;
            trigger("mnuDuplicate");
            if (m.settle(answer)) {
                Records after = m.records;
                WeatherConfig copy = after[shown - 1];
                copy.Name = copy.Name.left(255 - 7) + " (copy)";
                copy.Number = after.last().Number + 1;
                after << copy;
                m.change(after, shown, n + 1, {});
                m.show(n + 1);
            }
            return QStringLiteral("Duplicate") + asked;
        }
        case 7: { // Delete Last, while the last one is on display
            if (shown == 0 || shown != n)
                break;
            const bool confirm = !m.pendingSeasons().isEmpty() || bounded(4) > 0;
            d.deleteAnswers = {confirm};
            trigger("mnuDeleteLast");
            m.expect.countOthers = false;
            if (m.settle(answer) && confirm) {
                m.change(m.records.mid(0, n - 1), n, n - 1, {});
                m.show(n - 1);
            }
            return QStringLiteral("Delete Last, %1").arg(confirm ? "confirmed" : "cancelled") +
                   asked;
        }
        case 8:
            if (m.done == 0)
                break;
            trigger("mnuUndo");
            if (m.settle(answer))
                m.undo();
            return QStringLiteral("Undo") + asked;
        case 9:
            if (m.done == m.history.size())
                break;
            trigger("mnuRedo");
            // Update as the answer stores the typed values as a new step: nothing to redo then.
            if (m.settle(answer) && m.done < m.history.size())
                m.redo();
            return QStringLiteral("Redo") + asked;
        case 10:
            clickSave();
            if (m.settle(answer)) {
                m.file = m.records;
                m.expect.saved = true;
            }
            return QStringLiteral("Save") + asked;
        case 11: { // export the table, not the typed values
            exportPath_ = dir_.filePath(QStringLiteral("export-%1.csv").arg(log_.size()));
            d.saveFileAnswers = {exportPath_};
            trigger("mnuExportCsv");
            exported_ = m.records;
            return QStringLiteral("Export");
        }
        case 12: { // import: the last export, a changed table, a CSV with a fault, or cancel
            const int source = bounded(4);
            QString what = QStringLiteral("cancelled");
            Records imported;
            if (source == 0 && !exportPath_.isEmpty()) {
                d.fileAnswers = {exportPath_};
                imported = exported_;
                what = QStringLiteral("the last export");
            } else if (source <= 1) {
                imported = mutated(m.records.isEmpty() ? initial_ : m.records);
                const QString path =
                    dir_.filePath(QStringLiteral("import-%1.csv").arg(log_.size()));
                if (!testfiles::writeAll(path, weather::formatCsv(tableOf(imported))))
                    return QStringLiteral("cannot write ") + path;
                d.fileAnswers = {path};
                what = QStringLiteral("a changed table");
            } else if (source == 2) {
                const QString path = dir_.filePath(QStringLiteral("fault.csv"));
                if (!testfiles::writeAll(path, "Number,Name\r\n1,x\r\n"))
                    return QStringLiteral("cannot write ") + path;
                d.fileAnswers = {path};
                what = QStringLiteral("a CSV with a fault");
            }
            trigger("mnuImportCsv");
            if (m.settle(answer) && source <= 2) {
                // Names beyond 255 characters are refused, as a rename refuses them.
                const bool refused = source == 2 || std::any_of(imported.begin(), imported.end(),
                                                                [](const WeatherConfig& c) {
                                                                    return c.Name.size() > 255;
                                                                });
                if (refused) {
                    ++m.expect.messages;
                } else {
                    m.change(imported, KeepShown, KeepShown, {});
                    m.show(KeepShown);
                }
            }
            return QStringLiteral("Import ") + what + asked;
        }
        default: // close: asks to save exactly when the table differs from the file
            d.saveAnswers = {Desktop::Answer::Cancel};
            editor_.window->close();
            if (m.settle(answer)) {
                if (m.records != m.file)
                    ++m.expect.otherQuestions;
                else
                    m.expect.visible = false;
            }
            return QStringLiteral("close") + asked;
        }
    }
}

// Compares the window with the model; the first difference, or nothing.
QString Sequence::check(int messages, int questions, int pending) const {
    const Model& m = model_;
    const FakeDesktop& d = *editor_.desktop;
    const weather::frmWeather& window = *editor_.window;
    Checker c;
    // First what the window asked and said, which explains most other differences: the
    // pending-edit question comes exactly when typed values would be lost, and only once.
    const int asked = int(d.pendingQuestions.size()) - pending;
    c.equal(QStringLiteral("pending-edit questions"), asked, m.expect.pendingQuestions);
    if (m.expect.countOthers)
        c.equal(QStringLiteral("other questions"), int(d.questions.size()) - questions - asked,
                m.expect.otherQuestions);
    QStringList said;
    for (qsizetype i = messages; i < d.messages.size(); ++i)
        said << brief(d.messages[i].text);
    c.equal(QStringLiteral("messages (%1)").arg(said.join(" | ")), int(said.size()),
            m.expect.messages);
    // The table holds the model's records: each step changed what it should and nothing else.
    const weather::ConfigTable& table = window.table();
    c.equal(QStringLiteral("record count"), table.recordCount(), int(m.records.size()));
    for (int k = 1; k <= std::min(table.recordCount(), int(m.records.size())); ++k) {
        if (c.problem.isEmpty() && !(table.Configs(k) == m.records[k - 1]))
            c.problem = QStringLiteral("record %1: %2")
                            .arg(k)
                            .arg(difference(table.Configs(k), m.records[k - 1]));
    }
    // The list names every record; the configuration on display is its one selected entry and
    // its current row (a question cancelled from the keyboard must not split the two).
    QStringList names;
    for (const WeatherConfig& record : m.records)
        names << brief(nameText(record.Name));
    QStringList listed = editor_.listed();
    std::transform(listed.begin(), listed.end(), listed.begin(), brief);
    c.equal(QStringLiteral("list"), listed, names);
    QList<int> selected;
    for (const QModelIndex& index : editor_.list()->selectionModel()->selectedRows())
        selected << index.row() + 1;
    c.equal(QStringLiteral("selected slots"), selected,
            m.shown > 0 ? QList<int>{m.shown} : QList<int>{});
    if (m.shown > 0)
        c.equal(QStringLiteral("current row's slot"), editor_.list()->currentIndex().row() + 1,
                m.shown);
    // Name and number show the record on display afresh, also after an import replaced it.
    c.equal(QStringLiteral("name box"), editor_.find<QLineEdit>(QStringLiteral("txtName"))->text(),
            m.shown > 0 ? nameText(m.shownRecord().Name) : QString());
    c.equal(QStringLiteral("number"), editor_.find<QLabel>(QStringLiteral("lblNumber"))->text(),
            m.shown > 0 ? QString::number(m.shownRecord().Number) : QString());
    // A tab is marked exactly when its boxes differ from the record; a marked tab keeps what was
    // typed, an unmarked one reads as the stored record (or is empty with nothing on display).
    for (int s = 0; s < Seasons; ++s) {
        const bool pending = m.pending(s);
        c.equal(QStringLiteral("season %1 marked").arg(s), tabs()->tabText(s).endsWith(u'*'),
                pending);
        for (int p = 0; p < Positions; ++p) {
            const QString text = editor_.seasonBox(s, p)->text();
            const QString what = QStringLiteral("season %1 position %2").arg(s).arg(p);
            if (pending || m.shown == 0)
                c.equal(what, text, m.typed[s][p]);
            else
                c.equal(what, readAs(text), QString::number(m.shownRecord().season(s).at(p)));
        }
    }
    // The modified mark follows the table against the file, not the undo history.
    c.equal(QStringLiteral("modified mark"), window.isWindowModified(), m.records != m.file);
    c.equal(QStringLiteral("Undo on"),
            editor_.find<QAction>(QStringLiteral("mnuUndo"))->isEnabled(), m.done > 0);
    c.equal(QStringLiteral("Redo on"),
            editor_.find<QAction>(QStringLiteral("mnuRedo"))->isEnabled(),
            m.done < m.history.size());
    c.equal(QStringLiteral("Duplicate on"),
            editor_.find<QAction>(QStringLiteral("mnuDuplicate"))->isEnabled(), m.shown > 0);
    c.equal(QStringLiteral("Delete Last on"),
            editor_.find<QAction>(QStringLiteral("mnuDeleteLast"))->isEnabled(),
            m.shown > 0 && m.shown == m.records.size());
    if (!m.expect.tabs.isEmpty() && !m.expect.tabs.contains(tabs()->currentIndex()))
        c.equal(QStringLiteral("current tab"), tabs()->currentIndex(), m.expect.tabs.first());
    c.equal(QStringLiteral("window open"), window.isVisible(), m.expect.visible);
    if (m.expect.saved) {
        weather::ConfigTable saved;
        const bool loaded = !weather::loadConfigFile(path_, saved);
        c.equal(QStringLiteral("saved file loads and holds the records"),
                loaded && saved == tableOf(m.file), true);
    }
    return c.problem;
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
