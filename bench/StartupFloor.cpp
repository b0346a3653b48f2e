// The floor for a start: the same main window showing the very same texts,
// but with the texts compiled in (see MakeFloorTexts), so nothing is read,
// cut or converted. What remains is the toolkit's own cost of starting,
// laying out and drawing that window.

#include "AppContext.h"
#include "Application.h"
#include "FirstPaint.h"
#include "FloorTexts.h"
#include "grid/StringGrid.h"
#include "mainUnit.h"

#include <QApplication>
#include <QGroupBox>
#include <QLineEdit>

#include <filesystem>

namespace {

QString Raw(const char16_t* text) {
    return QString::fromRawData(reinterpret_cast<const QChar*>(text),
                                static_cast<qsizetype>(std::char_traits<char16_t>::length(text)));
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    PrepareApplication();

    // No data directory: the window comes up with its design texts only.
    const AppContext context{std::make_shared<turvane::MemoryFiles>(),
                             [] {
                                 return turvane::CivilDate{2003, 5, 17};
                             },
                             [](const QString&, const QString&) {}, turvane::ScheduleYear{}};
    TForm1 form(context);
    for (const FloorGrid& grid : FloorGrids) {
        auto* target = form.findChild<StringGrid*>(QString::fromLatin1(grid.name));
        target->setRowCount(grid.rowCount);
        for (std::size_t i = 0; i < grid.cellCount; ++i) {
            const FloorCell& cell = grid.cells[i];
            target->setCell(cell.col, cell.row, Raw(cell.text));
        }
        target->setRow(grid.row);
        target->setTopRow(grid.topRow);
    }
    for (const FloorText& text : FloorEdits) {
        form.findChild<QLineEdit*>(QString::fromLatin1(text.name))->setText(Raw(text.text));
    }
    for (const FloorText& text : FloorCaptions) {
        form.findChild<QGroupBox*>(QString::fromLatin1(text.name))->setTitle(Raw(text.text));
    }
    FirstPaint painted(GridViewports(&form), [] { QCoreApplication::quit(); });
    form.show();
    return QApplication::exec();
}
