#include "configfile.h"
#include "csvfile.h"
#include "importcommand.h"
#include "testfiles.h"
#include "tst_window_support.h"

#include <QAction>
#include <QDir>
#include <QTemporaryDir>
#include <QTest>
#include <QUndoStack>

using namespace weather;
using namespace windowtest;

namespace {

// An editor with a copy of the example open from `dir`, and its path.
struct OpenEditor {
    explicit OpenEditor(const QTemporaryDir& dir)
        : path(dir.filePath(QStringLiteral("my.weather.cfg"))) {
        if (!testfiles::writeAll(path, testfiles::readAll(testfiles::examplePath())) ||
            !editor.window->openFile(path))
            qWarning("the example did not open");
    }
    void trigger(const char* action) const {
        editor.find<QAction>(QLatin1String(action))->trigger();
    }
    [[nodiscard]] QUndoStack* undo() const { return editor.find<QUndoStack>("undoStack"); }

    Editor editor;
    QString path;
};

} // namespace

class TestWindowCsv : public QObject {
    Q_OBJECT
private slots:
    // The command swaps the tables both ways and refreshes each time.
    void importCommand() {
        ConfigTable table = testfiles::makeTable(3);
        int refreshes = 0;
        QUndoStack stack;
        stack.push(new ImportCommand(table, testfiles::makeTable(5, 7), [&] { ++refreshes; }));
        QCOMPARE(table, testfiles::makeTable(5, 7));
        stack.undo();
        QCOMPARE(table, testfiles::makeTable(3));
        stack.redo();
        QCOMPARE(table, testfiles::makeTable(5, 7));
        QCOMPARE(refreshes, 3);
    }

    void menuNeedsAnOpenFile() {
        const Editor editor;
        for (const char* name : {"mnuExportCsv", "mnuImportCsv"}) {
            auto* action = editor.find<QAction>(QLatin1String(name));
            QVERIFY(!action->isEnabled());
            action->trigger(); // even when reached some other way, it asks nothing
        }
        QVERIFY(editor.desktop->fileRequests.isEmpty() &&
                editor.desktop->saveFileRequests.isEmpty());
    }

    // Export beside the open file; an edited CSV imports as one undoable step.
    void exportAndImport() {
        QTemporaryDir dir;
        const OpenEditor open(dir);
        const ConfigTable original = open.editor.window->table();
        const QString csv = dir.filePath(QStringLiteral("out.csv"));
        open.editor.desktop->saveFileAnswers << csv;
        open.trigger("mnuExportCsv");
        const OpenFileRequest asked = open.editor.desktop->saveFileRequests.value(0);
        QCOMPARE(QDir(asked.folder), QDir(dir.path()));
        QCOMPARE(asked.fileName, QStringLiteral("my.weather.csv"));
        QCOMPARE(testfiles::readAll(csv), formatCsv(original));
        QVERIFY(!open.editor.window->isWindowModified());

        QByteArray edited = formatCsv(original);
        edited.replace("Temperate Coast", "Temperate Co\xC3\xA4st");
        QVERIFY(testfiles::writeAll(csv, edited));
        open.editor.select(1);
        open.editor.desktop->fileAnswers << csv;
        open.trigger("mnuImportCsv");
        QCOMPARE(open.editor.desktop->fileRequests.value(0).fileName, QStringLiteral("out.csv"));
        QCOMPARE(open.editor.listed().value(0), QStringLiteral("Temperate Co\u00E4st"));
        QCOMPARE(open.editor.window->table().Configs(1).Name, QByteArray("Temperate Co\xE4st"));
        // The configuration on display stays on display, with what the import brought.
        QCOMPARE(open.editor.window->shownSlot(), 2);
        QCOMPARE(open.editor.find<QLineEdit>("txtName")->text(),
                 QString::fromLatin1(open.editor.window->table().Configs(2).Name));
        QVERIFY(open.editor.window->isWindowModified());

        open.undo()->undo();
        QCOMPARE(open.editor.window->table(), original);
        QCOMPARE(open.editor.listed().value(0), QStringLiteral("Temperate Coast"));
        QVERIFY(open.editor.desktop->messages.isEmpty());
    }

    // A faulty CSV is reported as the command line reports it and changes nothing.
    void failedImport() {
        QTemporaryDir dir;
        const OpenEditor open(dir);
        const ConfigTable original = open.editor.window->table();
        const QString csv = dir.filePath(QStringLiteral("bad.csv"));
        QVERIFY(testfiles::writeAll(csv, formatCsv(original).replace(",Temperate Coast,", ",,,")));
        open.editor.desktop->fileAnswers << csv;
        open.trigger("mnuImportCsv");
        ConfigTable unused;
        QCOMPARE(open.editor.desktop->messages.value(0).text,
                 loadCsvFile(csv, unused).value_or(FileError{}).toString());
        QCOMPARE(open.editor.window->table(), original);
        QVERIFY(!open.editor.window->isWindowModified());
        QCOMPARE(open.undo()->count(), 0);
    }
};

QTEST_MAIN(TestWindowCsv)
#include "tst_window_csv.moc"
