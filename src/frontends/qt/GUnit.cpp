#include "GUnit.h"

#include "AppContext.h"
#include "ErrorBox.h"
#include "Fonts.h"
#include "GridIndexError.h"
#include "GridMenu.h"
#include "PrintFromWindow.h"
#include "ScheduleTables.h"
#include "WidgetFactory.h"
#include "core/DataFiles.h"
#include "core/DateKeys.h"
#include "grid/StringGrid.h"

#include <QGroupBox>
#include <QPushButton>
#include <QResizeEvent>

using namespace turvane;

namespace {

constexpr QSize ClientSize(742, 223);
constexpr int ListHeight = 161; // GroupBox1 at the design size
constexpr int ButtonBoxTop = 167;
constexpr int ButtonBoxHeight = 56;
// The columns: the date, then the races of three meetings.
constexpr int ColWidths[] = {64, 229, 225, 193};

} // namespace

TForm2::TForm2(const AppContext& context, QWidget* parent)
    : QDialog(parent), context_(std::make_unique<const AppContext>(context)) {
    BuildLayout();
    // The window opens even when filling it failed; "戻     る" still closes it.
    RunReportingErrors(*context_, [this] { FormCreate(); });
}

TForm2::~TForm2() = default;

void TForm2::BuildLayout() {
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("Turvane 重賞日程一覧"));
    UseDesignPalette(this);
    setFont(DesignFont(ProportionalGothic, 12));
    setSizeGripEnabled(false);
    // Always shown modally; screen readers are told so from the start.
    setModal(true);
    resize(ClientSize);

    GroupBox1 =
        PlaceGroupBox(this, "GroupBox1", {0, 0, 742, ListHeight}, QStringLiteral("重賞日程一覧"));
    GroupBox1->setFont(DesignFont(ProportionalGothic, 13));
    SetTextColor(GroupBox1, Qt::red);
    StringGrid1 = PlaceGrid(GroupBox1, "StringGrid1", {2, 15, 738, 144},
                            {4, 0, 64, ColWidths, DesignFont(ProportionalGothic, 13)});

    GroupBox2 = PlaceGroupBox(this, "GroupBox2", {0, ButtonBoxTop, 742, ButtonBoxHeight}, {});
    Button1 = PlaceButton(GroupBox2, "Button1", {8, 14, 729, 33}, QStringLiteral("戻     る"));
    // The untitled box only frames the button.
    GroupBox2->setAccessibleName(Button1->accessibleName());
    SetFocusOrder({StringGrid1, Button1});
    InstallGridMenu(StringGrid1, *context_, CalendarContent::GradedRacesOnly);
    InstallPrintShortcut(this, *context_);
    connect(Button1, &QPushButton::clicked, this,
            [this] { RunReportingErrors(*context_, [this] { Button1Click(); }); });
}

void TForm2::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    // Both boxes keep their distances to the top and bottom edges, so both
    // grow by the change in height; the button box then covers the list's
    // lower part, as it always has.
    const int d = height() - ClientSize.height();
    GroupBox1->setGeometry(0, 0, width(), std::max(0, ListHeight + d));
    GroupBox2->setGeometry(0, ButtonBoxTop, width(), std::max(0, ButtonBoxHeight + d));
    StringGrid1->setGeometry(2, 15, std::max(0, width() - 4),
                             std::max(0, GroupBox1->height() - 17));
}

void TForm2::FormCreate() {
    const LineList races = LoadLines(*context_->files, RaceFile);
    const LineList calendar = LoadLines(*context_->files, MeetingFile);
    StringGrid1->setRowCount(static_cast<int>(races.size()));
    const std::string todayKey = TodayKey(context_->today());
    GridRows rows(*StringGrid1, 0);
    FillRaceRows(races, calendar, rows);
    const int selected = static_cast<int>(FirstDayOnOrAfter(races, todayKey, context_->year));
    SelectGridRow(*StringGrid1, selected);
    StringGrid1->setTopRow(selected);
}

void TForm2::Button1Click() {
    close();
}
