#pragma once

#include "outputs/PrintedTables.h"

#include <QPageLayout>
#include <QString>

#include <vector>

class QPagedPaintDevice;

namespace turvane {
class FileSource;
class ScheduleYear;
} // namespace turvane

// The year's schedule on paper: the meeting grid, the course grid and the
// graded-race list, each a section starting on a new page, with exactly the
// texts the windows' grids show, a weekday beside each date, a rule where
// the month changes and grade-one races in bold. What the tables hold and
// how they are laid out is decided in outputs/PrintedTables; this paints it
// onto any paged device: a PDF writer or a printer.
//
// Every page is headed with the program, the year and the section, and
// numbered "N / M" over the whole document; a section whose header row
// exists repeats it on every page.
class ScheduleDocument {
public:
    // Reads the three data files; throws the ScheduleError the windows would
    // report: there is no partial document.
    static ScheduleDocument Read(const turvane::FileSource& files, turvane::ScheduleYear year);

    const turvane::PrintedTables& tables() const { return content_; }
    // The name of the document, e.g. for a print job.
    QString title() const;

    // How each section lies on the device's pages in orientation.
    std::vector<turvane::TablePlan> plans(const QPagedPaintDevice& device,
                                          QPageLayout::Orientation orientation) const;

    // The orientation on which the document's widest section prints largest,
    // for devices that keep one orientation for all pages.
    QPageLayout::Orientation preferredOrientation(const QPagedPaintDevice& device) const;

    // Paints every page onto device, whose painting must not have begun.
    // With orientationPerSection each section turns the page the way it
    // prints largest; otherwise every page keeps the device's orientation.
    // Returns the number of pages, 0 when the device could not be painted on.
    int paint(QPagedPaintDevice& device, bool orientationPerSection) const;

private:
    turvane::PrintedTables content_;
    std::vector<QString> shown_; // content_'s texts, each converted once
};
