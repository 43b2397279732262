#include <QString>
#include <QTextStream>

// Placeholder until the window lands: the editor is only reachable through --check.
int runWindow(const QString& file) {
    Q_UNUSED(file);
    QTextStream(stderr) << "This build has no editor window yet; use --check FILE.\n";
    return 1;
}
