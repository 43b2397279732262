#include "columntotals.h"

#include "seasontext.h"

#include <QCoreApplication>

namespace weather {

namespace {

QString totalText(const QString& sum) {
    return QCoreApplication::translate("ColumnTotals", "Total %1").arg(sum);
}

} // namespace

QString columnTotalText(const QStringList& texts) {
    int sum = 0;
    for (const QString& text : texts) {
        const BoxValue value = readBoxValue(text);
        if (!value.ok())
            return totalText(QStringLiteral("?"));
        sum += value.value;
    }
    return totalText(QString::number(sum));
}

} // namespace weather
