#include "editcommands.h"

#include "codepage.h"
#include "frmweather.h"
#include "pendingedits.h"
#include "uitext.h"

#include <QCoreApplication>

#include <utility>

namespace weather {

namespace {

QString nameOf(frmWeather& window, int slot) {
    return menuName(fromWindows1252(window.editableTable().Configs(slot).Name));
}

QList<int> seasonsOf(const QList<UpdateSeasonCommand::SeasonValues>& values) {
    QList<int> seasons;
    for (const auto& v : values)
        seasons << v.first;
    return seasons;
}

} // namespace

UpdateSeasonCommand::UpdateSeasonCommand(frmWeather& window, int slot, QList<SeasonValues> values)
    : QUndoCommand(QCoreApplication::translate("EditCommands", "Update %1 of %2")
                       .arg(seasonListText(seasonsOf(values)), nameOf(window, slot))),
      window_(window), slot_(slot), after_(std::move(values)) {
    for (const auto& [season, unused] : after_)
        before_.append({season, window.editableTable().Configs(slot).season(season)});
}

void UpdateSeasonCommand::apply(const QList<SeasonValues>& values) {
    for (const auto& [season, weather] : values)
        window_.editableTable().Configs(slot_).season(season) = weather;
    const QList<int> seasons = seasonsOf(values);
    window_.showChange(slot_, seasons, pushed_ ? seasons.first() : -1);
    pushed_ = true;
}

RenameCommand::RenameCommand(frmWeather& window, int slot, QByteArray name)
    : QUndoCommand(
          QCoreApplication::translate("EditCommands", "Rename %1").arg(nameOf(window, slot))),
      window_(window), slot_(slot), before_(window.editableTable().Configs(slot).Name),
      after_(std::move(name)) {}

void RenameCommand::apply(const QByteArray& name) {
    window_.editableTable().Configs(slot_).Name = name;
    window_.showChange(slot_, {}, -1);
}

LastRecordCommand::LastRecordCommand(frmWeather& window, const QString& text, bool appends,
                                     WeatherConfig record, int shownAfterRemoval)
    : QUndoCommand(text), window_(window), appends_(appends), record_(std::move(record)),
      shownAfterRemoval_(shownAfterRemoval) {}

LastRecordCommand* LastRecordCommand::duplicate(frmWeather& window, int slot) {
    return new LastRecordCommand(
        window,
        QCoreApplication::translate("EditCommands", "Duplicate %1").arg(nameOf(window, slot)), true,
        copyOf(window.editableTable(), slot), slot);
}

LastRecordCommand* LastRecordCommand::deleteLast(frmWeather& window) {
    const int last = window.editableTable().recordCount();
    return new LastRecordCommand(
        window, QCoreApplication::translate("EditCommands", "Delete %1").arg(nameOf(window, last)),
        false, {}, last - 1);
}

void LastRecordCommand::append() {
    appendRecord(window_.editableTable(), record_);
    window_.refreshList();
    window_.showSlot(window_.editableTable().recordCount());
}

void LastRecordCommand::remove() {
    record_ = removeLastRecord(window_.editableTable());
    window_.refreshList();
    window_.showSlot(shownAfterRemoval_);
}

RecordsCommand::RecordsCommand(frmWeather& window, const QString& text, QList<Record> changed,
                               QList<WeatherConfig> appended)
    : QUndoCommand(text), window_(window), after_(std::move(changed)),
      appended_(std::move(appended)) {
    for (const auto& [slot, unused] : after_)
        before_.append({slot, window.editableTable().Configs(slot)});
}

void RecordsCommand::redo() {
    ConfigTable& table = window_.editableTable();
    for (const auto& [slot, record] : after_)
        table.Configs(slot) = record;
    for (const WeatherConfig& record : appended_)
        appendRecord(table, record);
    window_.refreshList();
}

void RecordsCommand::undo() {
    ConfigTable& table = window_.editableTable();
    for (qsizetype i = 0; i < appended_.size(); ++i)
        removeLastRecord(table);
    for (const auto& [slot, record] : before_)
        table.Configs(slot) = record;
    window_.refreshList();
}

QString menuName(const QString& name, qsizetype length) {
    if (name.size() <= length)
        return name;
    qsizetype kept = length - 1;
    if (name.at(kept - 1).isHighSurrogate())
        --kept; // never half a character
    return name.left(kept) + QChar(0x2026);
}

QString menuEscaped(QString text) {
    return text.replace(QLatin1Char('&'), QStringLiteral("&&"));
}

QString nameProblemText(const EncodedName& name) {
    switch (name.problem) {
    case EncodedName::LineBreak:
        return QCoreApplication::translate("EditCommands",
                                           "A configuration name cannot hold a line break.");
    case EncodedName::NotInCodePage: {
        const char32_t c = name.character;
        return QCoreApplication::translate(
                   "EditCommands",
                   "A configuration name cannot hold \"%1\" (U+%2): the game's code page "
                   "(Windows-1252) has no such character.")
            .arg(QString::fromUcs4(&c, 1),
                 QStringLiteral("%1").arg(uint(c), 4, 16, QLatin1Char('0')).toUpper());
    }
    case EncodedName::TooLong:
        return QCoreApplication::translate(
                   "EditCommands", "A configuration name can be at most %1 characters long.")
            .arg(MaxNameBytes);
    case EncodedName::None:
        break;
    }
    return {};
}

} // namespace weather
