#include "tst_window_support.h"

#include "testfiles.h"

#include <QAbstractButton>
#include <QGuiApplication>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeView>

namespace windowtest {

QString FakeDesktop::chooseFileToOpen(QWidget* /*parent*/,
                                      const weather::OpenFileRequest& request) {
    fileRequests << request;
    return fileAnswers.isEmpty() ? QString() : fileAnswers.takeFirst();
}

weather::ChosenFile FakeDesktop::chooseFileToSave(QWidget* /*parent*/,
                                                  const weather::OpenFileRequest& request) {
    saveFileRequests << request;
    const int filter =
        saveFilterAnswers.isEmpty() ? request.selectedFilter : saveFilterAnswers.takeFirst();
    return {saveFileAnswers.isEmpty() ? QString() : saveFileAnswers.takeFirst(), filter};
}

void FakeDesktop::showMessage(QWidget* /*parent*/, Message kind, const QString& title,
                              const QString& text) {
    messages << Shown{kind, title, text};
}

weather::Desktop::Answer FakeDesktop::askToSave(QWidget* /*parent*/, const QString& /*title*/,
                                                const QString& question, const QString& details) {
    questions << question;
    this->details << details;
    return saveAnswers.isEmpty() ? Answer::Cancel : saveAnswers.takeFirst();
}

bool FakeDesktop::askToOverwrite(QWidget* /*parent*/, const QString& /*title*/,
                                 const QString& question) {
    questions << question;
    return !overwriteAnswers.isEmpty() && overwriteAnswers.takeFirst();
}

weather::Desktop::PendingAnswer FakeDesktop::askAboutPendingEdits(QWidget* /*parent*/,
                                                                  const QString& /*title*/,
                                                                  const QString& question) {
    questions << question;
    pendingQuestions << question;
    return pendingAnswers.isEmpty() ? PendingAnswer::Cancel : pendingAnswers.takeFirst();
}

bool FakeDesktop::askToImport(QWidget* /*parent*/, const QString& /*title*/,
                              const QString& question) {
    questions << question;
    return !importAnswers.isEmpty() && importAnswers.takeFirst();
}

weather::Desktop::PendingAnswer FakeDesktop::askToUpdateAndSave(QWidget* parent,
                                                                const QString& title,
                                                                const QString& question,
                                                                const QString& details) {
    this->details << details;
    return askAboutPendingEdits(parent, title, question);
}

bool FakeDesktop::confirmDelete(QWidget* /*parent*/, const QString& /*title*/,
                                const QString& question) {
    questions << question;
    return !deleteAnswers.isEmpty() && deleteAnswers.takeFirst();
}

std::optional<weather::ValueChange> FakeDesktop::chooseValueChange(QWidget* /*parent*/,
                                                                   int /*season*/, int /*count*/) {
    if (valueChanges.isEmpty())
        return std::nullopt;
    return valueChanges.takeFirst();
}

bool FakeDesktop::askToOpenCopy(QWidget* /*parent*/, const QString& /*title*/,
                                const QString& question) {
    questions << question;
    return !copyAnswers.isEmpty() && copyAnswers.takeFirst();
}

bool FakeDesktop::askToRetry(QWidget* /*parent*/, const QString& /*title*/, const QString& text) {
    questions << text;
    return !retryAnswers.isEmpty() && retryAnswers.takeFirst();
}

Editor::Editor(Settings start) {
    // Settings (window place, recent files, the CSV separator) go to a scratch folder, and each
    // window starts from none, as on a first run.
    static const QTemporaryDir settings;
    static const bool pathSet = [] {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settings.path());
        return true;
    }();
    Q_UNUSED(pathSet);
#ifdef Q_OS_WIN
    // The registry keeps nothing for a program without an organisation (setPath above is for
    // files only); under Wine the prefix is a scratch one.
    if (QCoreApplication::organizationName().isEmpty())
        QCoreApplication::setOrganizationName(
            QStringLiteral("Weather Configurations Editor Tests"));
#endif
    if (start == Settings::Fresh)
        QSettings().clear();
    auto fake = std::make_unique<FakeDesktop>();
    desktop = fake.get();
    window = std::make_unique<weather::frmWeather>(std::move(fake));
    window->show();
    // A window never shown (no offscreen platform: Wine drops QT_QPA_PLATFORM unless it is
    // passed as WINEQT_QPA_PLATFORM) leaves every later check without meaning.
    if (!QTest::qWaitForWindowExposed(window.get()))
        QTest::qFail(qPrintable(QStringLiteral("the editor window was not shown on the platform ") +
                                QGuiApplication::platformName()),
                     __FILE__, __LINE__);
}

Editor::~Editor() = default;

QLineEdit* Editor::txtVal(int n) const {
    return find<QLineEdit>(QStringLiteral("txtVal(%1)").arg(n));
}

QLineEdit* Editor::txtStart(int s) const {
    return find<QLineEdit>(QStringLiteral("txtStart(%1)").arg(s));
}

QLineEdit* Editor::seasonBox(int season, int position) const {
    return position == 0 ? txtStart(season) : txtVal(season * 17 + position - 1);
}

QTreeView* Editor::list() const {
    return find<QTreeView>(QStringLiteral("lstConfigs"));
}

int Editor::currentRow() const {
    return list()->currentIndex().row();
}

QStringList Editor::listed() const {
    QStringList names;
    const QAbstractItemModel* model = list()->model();
    for (int i = 0; i < model->rowCount(); ++i)
        names << model->index(i, 0).data().toString();
    return names;
}

void Editor::select(int position, Qt::KeyboardModifiers modifiers) const {
    QTreeView* view = list();
    const QModelIndex entry = view->model()->index(position, 0);
    view->scrollTo(entry);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, modifiers,
                      view->visualRect(entry).center());
}

void Editor::openWithEmptyBoxes() const {
    openThroughDialog(testfiles::examplePath());
    for (int s = 0; s < 4; ++s) {
        for (int p = 0; p < 18; ++p)
            seasonBox(s, p)->clear();
    }
}

void Editor::rename(const QString& name) const {
    auto* box = find<QLineEdit>(QStringLiteral("txtName"));
    box->setText(name);
    box->setModified(true);
    QTest::keyClick(box, Qt::Key_Return);
}

void Editor::click(const QString& name) const {
    QTest::mouseClick(find<QAbstractButton>(name), Qt::LeftButton);
}

void Editor::openThroughDialog(const QString& path) const {
    desktop->fileAnswers << path;
    click(QStringLiteral("cmdOpen"));
}

void Editor::openNumberedFile(const QString& path) const {
    if (writeNumberedFile(path, {5, 6}).isEmpty())
        qWarning("cannot write %s", qPrintable(path));
    openThroughDialog(path);
}

QByteArray writeNumberedFile(const QString& path, const QList<int>& numbers) {
    QList<QByteArray> records;
    for (int k = 1; k <= numbers.size(); ++k)
        records << testfiles::recordLines(
            QByteArray::number(numbers[k - 1]) + " Climate " + QByteArray::number(k), k);
    const QByteArray bytes =
        testfiles::join(testfiles::fileLines(QByteArray::number(numbers.size()), records));
    return testfiles::writeAll(path, bytes) ? bytes : QByteArray();
}

} // namespace windowtest
