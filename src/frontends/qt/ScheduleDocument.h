#pragma once

#include <QFont>
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
// texts the windows' grids show (filled by the same code). Paints onto any
// paged device: a PDF writer or a printer.
//
// Each section gets the largest font, up to a comfortable reading size, at
// which its widest texts fit the page width, so no cell is ever wrapped or
// clipped; a section whose header row exists repeats it on every page. Every
// page is headed with the program, the year and the section, and numbered
// "N / M" over the whole document.
class ScheduleDocument {
public:
    struct Section {
        QString title;
        QFont font;                  // the family of the section's grid
        int cols = 0;                // the date column included
        std::vector<QString> header; // the fixed row; empty when there is none
        std::vector<QString> cells;  // row after row, cols each

        int rows() const { return cols == 0 ? 0 : static_cast<int>(cells.size()) / cols; }
        const QString& cell(int col, int row) const {
            return cells[static_cast<std::size_t>(row * cols + col)];
        }
    };

    // Reads the three data files and fills the sections as the windows fill
    // their grids. Any failure the windows would report (a file that cannot
    // be read, a date that is not a number, a race without a calendar line)
    // throws that ScheduleError: there is no partial document.
    static ScheduleDocument Read(const turvane::FileSource& files, turvane::ScheduleYear year);

    const std::vector<Section>& sections() const { return sections_; }
    // The name of the document, e.g. for a print job.
    QString title() const;

    // The orientation on which the document's widest section prints largest,
    // for devices that keep one orientation for all pages.
    QPageLayout::Orientation preferredOrientation(const QPagedPaintDevice& device) const;

    // Paints every page onto device, whose painting must not have begun.
    // With orientationPerSection each section turns the page the way it
    // prints largest; otherwise every page keeps the device's orientation.
    // Returns the number of pages, 0 when the device could not be painted on.
    int paint(QPagedPaintDevice& device, bool orientationPerSection) const;

private:
    std::vector<Section> sections_;
    QString year_;
};
