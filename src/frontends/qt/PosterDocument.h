#pragma once

#include "outputs/Poster.h"

#include <QPageLayout>
#include <QString>

class QIODevice;
class QPageSize;
class QPagedPaintDevice;

// The whole season on one page (outputs/Poster decides what goes where),
// painted onto a PDF writer or a printer in the program's proportional
// Gothic, in colours that keep apart in black and white: month names white
// on a dark bar, Sundays and holidays on a darker shade and in bold,
// Saturdays on a lighter one, grade-one races in bold on a shade of their own.
class PosterDocument {
public:
    // Reads the data files; throws the ScheduleError the windows would
    // report, or CalendarDateError for a date that is no day of the year.
    static PosterDocument Read(const turvane::FileSource& files, turvane::ScheduleYear year);

    const turvane::Poster& poster() const { return poster_; }
    QString title() const;

    // The poster on the device's page, turned as told; margins are the
    // device's.
    turvane::PosterLayout layOut(const QPagedPaintDevice& device, turvane::PosterTurn turn) const;
    // The orientation in which the poster prints largest on the device's paper.
    QPageLayout::Orientation preferredOrientation(const QPagedPaintDevice& device) const;
    // Paints the one page, in the device's orientation. False when the
    // device could not be painted on; throws ScheduleError when the season
    // does not fit the page even in the smallest type.
    bool paint(QPagedPaintDevice& device) const;
    // Paints a layout made for the device's page.
    static bool paint(QPagedPaintDevice& device, const turvane::PosterLayout& layout);

private:
    turvane::Poster poster_;
};

// Writes the poster as a one-page PDF to out on paper of pageSize, turned
// the way it prints largest. False when nothing could be painted.
bool WritePosterPdf(const PosterDocument& poster, QIODevice& out, const QPageSize& pageSize);
