#include "editcommands.h"

#include "frmweather.h"
#include "uitext.h"

#include <QCoreApplication>

#include <utility>

namespace weather {

UpdateSeasonCommand::UpdateSeasonCommand(frmWeather& window, int slot, int season,
                                         const SeasonWeather& values)
    : QUndoCommand(
          QCoreApplication::translate("EditCommands", "Update %1").arg(seasonText(season))),
      window_(window), slot_(slot), season_(season),
      before_(window.editableTable().Configs(slot).season(season)), after_(values) {}

void UpdateSeasonCommand::apply(const SeasonWeather& values) {
    window_.editableTable().Configs(slot_).season(season_) = values;
    window_.showSeason(slot_, season_);
}

RenameCommand::RenameCommand(frmWeather& window, int slot, QByteArray name)
    : QUndoCommand(QCoreApplication::translate("EditCommands", "Rename")), window_(window),
      slot_(slot), before_(window.editableTable().Configs(slot).Name), after_(std::move(name)) {}

void RenameCommand::apply(const QByteArray& name) {
    window_.editableTable().Configs(slot_).Name = name;
    window_.showName(slot_);
}

LastRecordCommand::LastRecordCommand(frmWeather& window, const QString& text, bool appends,
                                     WeatherConfig record, int shownAfterRemoval)
    : QUndoCommand(text), window_(window), appends_(appends), record_(std::move(record)),
      shownAfterRemoval_(shownAfterRemoval) {}

LastRecordCommand* LastRecordCommand::duplicate(frmWeather& window, int slot) {
    return new LastRecordCommand(
        window, QCoreApplication::translate("EditCommands", "Duplicate Configuration"), true,
        copyOf(window.editableTable(), slot), slot);
}

LastRecordCommand* LastRecordCommand::deleteLast(frmWeather& window) {
    const int last = window.editableTable().recordCount();
    return new LastRecordCommand(
        window, QCoreApplication::translate("EditCommands", "Delete Last Configuration"), false, {},
        last - 1);
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
