#include "weblink.h"

#include "desktop.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QUrl>

namespace weather {

namespace {

QString escaped(QStringView text) {
    return text.toString().toHtmlEscaped().replace(QLatin1Char('\n'), QStringLiteral("<br>"));
}

} // namespace

QString plainTextWithLinks(const QString& text) {
    static const QRegularExpression address(QStringLiteral(R"(https?://[^\s<>"]+)"));
    QString html;
    qsizetype done = 0;
    for (auto it = address.globalMatch(text); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        const QString link = match.captured().toHtmlEscaped();
        html += escaped(QStringView(text).sliced(done, match.capturedStart() - done)) +
                QStringLiteral("<a href=\"") + link + QStringLiteral("\">") + link +
                QStringLiteral("</a>");
        done = match.capturedEnd();
    }
    return html + escaped(QStringView(text).sliced(done));
}

bool openWebLink(Desktop& desktop, QWidget* parent, const QString& title, const QUrl& url) {
    if (desktop.openUrl(url))
        return true;
    desktop.showMessage(parent, Desktop::Message::Failure, title,
                        QCoreApplication::translate("Desktop",
                                                    "The web browser could not be started to "
                                                    "show %1. Open the address in a browser "
                                                    "yourself.")
                            .arg(url.toString()));
    return false;
}

} // namespace weather
