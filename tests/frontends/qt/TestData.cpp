#include "TestData.h"

#include "WidgetFactory.h"
#include "core/DataDir.h"
#include "core/DataFiles.h"

#include <QLabel>
#include <QPushButton>

#include <fstream>
#include <map>
#include <sstream>

namespace fs = std::filesystem;

void TempDataDir::Write(std::string_view name, const std::string& bytes) const {
    std::ofstream(path() / name, std::ios::binary) << bytes;
}

void TempDataDir::CopySampleYear() const {
    for (const std::string_view name :
         {turvane::MeetingFile, turvane::CourseFile, turvane::RaceFile}) {
        fs::copy_file(fs::path(TURVANE_SAMPLE_DIR) / name, path() / name,
                      fs::copy_options::overwrite_existing);
    }
}

std::shared_ptr<const turvane::FileSource> TempDataDir::source() const {
    return std::make_shared<turvane::DataDir>(path());
}

const std::string& SampleFile(std::string_view name) {
    static std::map<std::string, std::string> files;
    auto [it, added] = files.try_emplace(std::string(name));
    if (added) {
        std::ifstream in(fs::path(TURVANE_SAMPLE_DIR) / name, std::ios::binary);
        std::ostringstream bytes;
        bytes << in.rdbuf();
        it->second = bytes.str();
    }
    return it->second;
}

void MemoryDataDir::CopySampleYear() const {
    for (const std::string_view name :
         {turvane::MeetingFile, turvane::CourseFile, turvane::RaceFile}) {
        files_->Write(name, SampleFile(name));
    }
}

TestContext::TestContext(std::shared_ptr<const turvane::FileSource> files, turvane::CivilDate date)
    : today(date), context{std::move(files), [date] { return date; },
                           [errors = errors, caption = lastCaption](const QString& c,
                                                                    const QString& text) {
                               *caption = c;
                               errors->append(text);
                           },
                           turvane::ScheduleYear()} {}

void ExpectBuiltFrom(const QWidget& window, const turvane::screens::WindowDesign& design) {
    using turvane::screens::ControlKind;
    EXPECT_EQ(window.objectName().toStdString(), design.name);
    EXPECT_EQ(window.windowTitle(), ToQString(design.caption));
    EXPECT_EQ(window.size(), QSize(design.clientSize.width, design.clientSize.height));
    for (const turvane::screens::ControlDesign& control : design.controls) {
        const std::string name(control.name);
        SCOPED_TRACE(name);
        const auto* widget = window.findChild<QWidget*>(QString::fromStdString(name));
        ASSERT_NE(widget, nullptr);
        // A label grows to fit the text it is given.
        if (control.kind == ControlKind::Label) {
            EXPECT_EQ(widget->pos(), ToQRect(control.rect).topLeft());
        } else {
            EXPECT_EQ(widget->geometry(), ToQRect(control.rect));
        }
        const QString text = ToQString(control.text);
        switch (control.kind) {
        case ControlKind::GroupBox:
            EXPECT_EQ(qobject_cast<const QGroupBox*>(widget)->title().isEmpty(), text.isEmpty());
            break;
        case ControlKind::Button:
            EXPECT_EQ(qobject_cast<const QPushButton*>(widget)->text(), text);
            break;
        case ControlKind::StringGrid: {
            const auto* grid = qobject_cast<const StringGrid*>(widget);
            ASSERT_NE(grid, nullptr);
            EXPECT_EQ(grid->colCount(), control.grid->colCount);
            EXPECT_EQ(grid->fixedRows(), control.grid->fixedRows);
            EXPECT_EQ(grid->fixedCols(), control.grid->fixedCols);
            EXPECT_EQ(grid->defaultRowHeight(), control.grid->rowHeight);
            EXPECT_EQ(grid->fixedColor(), ToQColor(control.grid->fixedColor));
            for (int c = 0; c < control.grid->colCount; ++c) {
                EXPECT_EQ(grid->colWidth(c), control.grid->colWidth(c)) << c;
            }
            break;
        }
        default:
            break;
        }
    }
}

void ExpectGridShows(const StringGrid& grid, const turvane::screens::GridFill& fill,
                     const turvane::screens::TextTable& texts) {
    EXPECT_EQ(grid.rowCount(), fill.rowCount());
    for (int r = 0; r < fill.filledRows(); ++r) {
        for (int c = 0; c < fill.colCount(); ++c) {
            EXPECT_EQ(grid.cell(c, r), ToQString(texts[fill.cell(c, r)])) << c << ", " << r;
        }
    }
    if (fill.selectedRow()) {
        EXPECT_EQ(grid.row(), *fill.selectedRow());
    }
    if (fill.topRow()) {
        EXPECT_EQ(grid.topRow(), *fill.topRow());
    }
}
