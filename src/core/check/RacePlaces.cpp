#include "RacePlaces.h"

namespace turvane::check {

void CheckRacePlaces(const Checker& meetings, Checker& races,
                     const std::vector<Alignment::Pair>& days) {
    if (!meetings.readable() || !races.readable()) {
        return;
    }
    const LineList& calendar = meetings.lines();
    const LineList& lines = races.lines();
    for (const auto [m, i] : days) {
        const RaceRow row = PlaceRaces(lines[i], calendar, m);
        for (int k = 1; k <= RaceSlots; ++k) {
            if (RaceSlotIsEmpty(lines[i], k)) {
                continue;
            }
            const std::string_view race = RaceText(lines[i], k);
            const auto shown = std::find_if(row.begin(), row.end(), [&](const auto& cell) {
                return cell && cell->data() == race.data();
            });
            int meeting = 0;
            for (int slot = MeetingSlots; slot >= 1; --slot) {
                if (MeetingCourseName(calendar[m], slot) == RaceCourseName(lines[i], k)) {
                    meeting = slot;
                }
            }
            const int column = shown == row.end() ? 0 : static_cast<int>(shown - row.begin());
            if (meeting != 0 && column == meeting) {
                continue;
            }
            const std::string course = QuotedBytes(RaceCourseName(lines[i], k));
            const std::string slot = std::to_string(k);
            Message message =
                meeting == 0
                    ? (column == 0
                           ? Message(QT_TRANSLATE_NOOP(
                                         "DataCheck",
                                         "race slot %1: the racecourse %2 has no meeting on "
                                         "line %3 of %4, and the list does not show the "
                                         "race"),
                                     {slot, course, Number(m + 1), meetings.name()})
                           : Message(
                                 QT_TRANSLATE_NOOP(
                                     "DataCheck",
                                     "race slot %1: the racecourse %2 has no meeting on "
                                     "line %3 of %4, and the list shows the race in "
                                     "column %5"),
                                 {slot, course, Number(m + 1), meetings.name(), Number(column)}))
                    : (column == 0 ? Message(QT_TRANSLATE_NOOP(
                                                 "DataCheck",
                                                 "race slot %1: the racecourse %2 is meeting slot "
                                                 "%3, and the list does not show the race"),
                                             {slot, course, Number(meeting)})
                                   : Message(QT_TRANSLATE_NOOP(
                                                 "DataCheck",
                                                 "race slot %1: the racecourse %2 is meeting slot "
                                                 "%3, and the list shows the race in column %4"),
                                             {slot, course, Number(meeting), Number(column)}));
            races.Report(i + 1, RaceSlotStart(k), Severity::Error, std::move(message));
        }
    }
}

} // namespace turvane::check
