#include "pendingedits.h"

#include "seasontext.h"
#include "uitext.h"

#include <QCoreApplication>

namespace weather {

namespace {

QString seasonWord(int season) {
    return seasonText(season);
}

} // namespace

bool seasonDiffers(const SeasonWeather& stored, const QStringList& texts) {
    for (int p = 0; p < SeasonValueCount; ++p) {
        const BoxValue value = readBoxValue(texts.value(p));
        if (!value.ok() || value.value != stored.at(p))
            return true;
    }
    return false;
}

QString seasonTabText(int season, bool pending) {
    return pending ? QCoreApplication::translate("PendingEdits", "%1 *").arg(seasonWord(season))
                   : seasonWord(season);
}

QString seasonListText(const QList<int>& seasons) {
    QString list;
    for (qsizetype i = 0; i < seasons.size(); ++i) {
        if (i > 0)
            list += i + 1 == seasons.size() ? QCoreApplication::translate("PendingEdits", " and ")
                                            : QCoreApplication::translate("PendingEdits", ", ");
        list += seasonWord(seasons[i]);
    }
    return list;
}

QString pendingQuestion(const QList<int>& seasons, const QString& name) {
    const QString question =
        seasons.size() == 1
            ? QCoreApplication::translate("PendingEdits",
                                          "%1 of %2 has changes that are not updated.")
            : QCoreApplication::translate("PendingEdits",
                                          "%1 of %2 have changes that are not updated.");
    return question.arg(seasonListText(seasons), name);
}

} // namespace weather
