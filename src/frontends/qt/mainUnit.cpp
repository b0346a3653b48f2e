#include "mainUnit.h"

#include "AppContext.h"
#include "Display.h"
#include "ErrorBox.h"
#include "Fonts.h"
#include "GUnit.h"
#include "GridIndexError.h"
#include "GridMenu.h"
#include "PrintFromWindow.h"
#include "ScheduleTables.h"
#include "WidgetFactory.h"
#include "core/ByteText.h"
#include "core/CourseCalendar.h"
#include "core/DataFiles.h"
#include "core/DateKeys.h"
#include "core/MeetingCalendar.h"
#include "core/Version.h"
#include "grid/StringGrid.h"

#include <QFrame>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>

#include <array>
#include <tuple>

using namespace turvane;

namespace {

// The client area the design's placements add up to; the window manager adds
// its frame around it.
constexpr QSize ClientSize(762, 553);

QIcon ApplicationIcon() {
    // Both pictures, whatever the scale at start: QIcon looks for the @2x file
    // on its own only when the program starts on a scaled screen.
    QIcon icon;
    icon.addFile(QStringLiteral(":/turvane.png"));
    icon.addFile(QStringLiteral(":/turvane@2x.png"));
    return icon;
}

// The meeting grid's columns: the date, then three meetings.
constexpr int MeetingColWidths[] = {80, 116, 116, 116};

// One box of the panel, GroupBox<number>, and its three edits, numbered on
// from the box before: "なし" in the first until the search fills them, each
// named for a screen reader by the box's caption and its place.
std::tuple<QGroupBox*, QLineEdit*, QLineEdit*, QLineEdit*>
PlacePanelBox(QWidget* parent, int number, int top, const QString& caption, const QColor& color) {
    const QByteArray boxName = "GroupBox" + QByteArray::number(number);
    QGroupBox* box = PlaceGroupBox(parent, boxName.constData(), {8, top, 185, 113}, caption);
    SetTextColor(box, color);
    std::array<QLineEdit*, 3> edits{};
    for (int i = 0; i < 3; ++i) {
        const QByteArray name = "Edit" + QByteArray::number(3 * (number - 4) + i + 1);
        edits[static_cast<std::size_t>(i)] =
            PlaceReadOnlyEdit(box, name.constData(), {8, 16 + 32 * i, 169, 20},
                              caption + QStringLiteral(" %1").arg(i + 1),
                              i == 0 ? QStringLiteral("なし") : QString());
    }
    return {box, edits[0], edits[1], edits[2]};
}

} // namespace

TForm1::TForm1(const AppContext& context, QWidget* parent)
    : QWidget(parent), context_(std::make_unique<const AppContext>(context)) {
    BuildLayout();
    // The window is shown with whatever was filled before a failure.
    RunReportingErrors(*context_, [this] { FormCreate(); });
}

TForm1::~TForm1() = default;

void TForm1::BuildLayout() {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Turvane version " TURVANE_VERSION));
    setWindowIcon(ApplicationIcon());
    UseDesignPalette(this);
    setFont(DesignFont(ProportionalGothic, 12));
    setFixedSize(ClientSize);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect frame(QPoint(), ClientSize);
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }

    GroupBox2 =
        PlaceGroupBox(this, "GroupBox2", {0, 261, 762, 292}, QStringLiteral("競馬場別開催日程"));
    SetTextColor(GroupBox2, Qt::red);
    StringGrid2 = PlaceGrid(GroupBox2, "StringGrid2", {2, 14, 751, 276},
                            {11, 1, 65, {}, DesignFont(ProportionalGothic, 12)});

    GroupBox1 = PlaceGroupBox(this, "GroupBox1", {0, 0, 465, 261}, QStringLiteral("開催日程"));
    SetTextColor(GroupBox1, Qt::red);
    StringGrid1 = PlaceGrid(GroupBox1, "StringGrid1", {2, 14, 455, 245},
                            {4, 0, 64, MeetingColWidths, DesignFont(FixedGothic, 12)});

    GroupBox3 = PlaceGroupBox(this, "GroupBox3", {472, 0, 290, 261}, {});
    // Untitled on screen, where its contents speak for themselves.
    GroupBox3->setAccessibleName(QStringLiteral("本日の開催と次の開催"));
    Bevel1 = Place<QFrame>(GroupBox3, "Bevel1", {200, 16, 81, 129});
    Bevel1->setFrameStyle(QFrame::Panel | QFrame::Raised);
    Label1 = Place<QLabel>(GroupBox3, "Label1", {208, 24, 69, 16});
    Label1->setText(QStringLiteral("開催日程"));
    Label1->setFont(DesignFont(ProportionalGothic, 16, true));
    SetTextColor(Label1, Qt::red);
    Image1 = Place<QLabel>(GroupBox3, "Image1", {224, 72, 33, 33});
    Image1->setPixmap(ApplicationIcon().pixmap(32, 32));
    Image1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Image1->setAccessibleName(QStringLiteral("Turvane"));
    Label2 = Place<QLabel>(GroupBox3, "Label2", {206, 120, 70, 13});
    Label2->setText(QStringLiteral("oakhollow"));
    Label2->setFont(DesignFont(ProportionalGothic, 13));
    SetTextColor(Label2, Qt::yellow);
    Button2 = PlaceButton(GroupBox3, "Button2", {200, 200, 81, 49}, QStringLiteral("閉 じ る"));

    std::tie(GroupBox4, Edit1, Edit2, Edit3) =
        PlacePanelBox(GroupBox3, 4, 16, QStringLiteral("本日の開催"), Qt::red);
    std::tie(GroupBox5, Edit4, Edit5, Edit6) =
        PlacePanelBox(GroupBox3, 5, 136, QStringLiteral("次の開催"), Qt::blue);

    Button3 = PlaceButton(GroupBox3, "Button3", {200, 160, 81, 41}, QStringLiteral("重賞日程"));
    SetTextColor(Button3, Qt::black);

    // Keyboard focus: the course grid, the meeting grid, then the panel.
    SetFocusOrder(
        {StringGrid2, StringGrid1, Button2, Edit1, Edit2, Edit3, Edit4, Edit5, Edit6, Button3});

    InstallGridMenu(StringGrid1, *context_);
    InstallGridMenu(StringGrid2, *context_);
    InstallPrintShortcut(this, *context_);

    connect(Button2, &QPushButton::clicked, this,
            [this] { RunReportingErrors(*context_, [this] { Button2Click(); }); });
    connect(Button3, &QPushButton::clicked, this,
            [this] { RunReportingErrors(*context_, [this] { Button3Click(); }); });
}

void TForm1::FormCreate() {
    Label1->setText(QStringLiteral("開催日程\n　") + ToDisplay(ToFullWidth(context_->year.text())));
    Label1->adjustSize();
    WriteCourseHeader();
    FillMeetingGrid();
    ShowTodayAndNext();
}

void TForm1::WriteCourseHeader() {
    const std::vector<QString> header = CourseHeader();
    StringGrid2->setCells(1, 0, std::span(header).subspan(1));
}

void TForm1::FillMeetingGrid() {
    if (!context_->files->DataFileExists(MeetingFile)) {
        return;
    }
    const LineList lines = LoadLines(*context_->files, MeetingFile);
    if (!lines.empty()) {
        StringGrid1->setRowCount(static_cast<int>(lines.size()));
    }
    GridRows rows(*StringGrid1, 0);
    FillMeetingRows(lines, rows);
    FillCourseGrid();
}

void TForm1::FillCourseGrid() {
    const LineList lines = LoadLines(*context_->files, CourseFile);
    if (!lines.empty()) {
        StringGrid2->setRowCount(static_cast<int>(lines.size()) + 1);
    }
    GridRows rows(*StringGrid2, 1);
    FillCourseRows(lines, rows);
}

void TForm1::ShowTodayAndNext() {
    for (QLineEdit* edit : {Edit1, Edit2, Edit3, Edit4, Edit5, Edit6}) {
        edit->clear();
    }
    const CivilDate today = context_->today();
    GroupBox4->setTitle(QStringLiteral("本日の開催 [") + ToDisplay(TodayText(today)) +
                        QLatin1Char(']'));
    const std::string todayKey = TodayKey(today);
    const LineList lines = LoadLines(*context_->files, MeetingFile);
    // The search reports to the window through the data layer's interface,
    // which stays out of the window's header.
    class Panel : public TodayAndNextSink {
    public:
        explicit Panel(TForm1& form) : form_(form) {}
        void ShowTodaysMeetings(std::string_view line) override { form_.ShowTodaysMeetings(line); }
        void ShowNextMeetingDay(std::string_view line) override { form_.ShowNextMeetingDay(line); }
        void ShowNoMeetingToday() override { form_.ShowNoMeetingToday(); }
        void ShowNoMoreMeetingsThisYear() override { form_.ShowNoMoreMeetingsThisYear(); }
        void ScrollGridsTo(std::size_t lineIndex) override { form_.ScrollGridsTo(lineIndex); }

    private:
        TForm1& form_;
    } panel(*this);
    SearchTodayAndNext(lines, todayKey, context_->year, panel);
}

void TForm1::ScrollGridsTo(std::size_t lineIndex) {
    const int i = static_cast<int>(lineIndex);
    SelectGridRow(*StringGrid2, i + 1);
    StringGrid2->setTopRow(i + 1);
    SelectGridRow(*StringGrid1, i);
    StringGrid1->setTopRow(i);
}

void TForm1::ShowTodaysMeetings(std::string_view line) {
    Edit1->setText(ToDisplay(MeetingText(line, 1)));
    Edit2->setText(ToDisplay(MeetingText(line, 2)));
    Edit3->setText(ToDisplay(MeetingText(line, 3)));
}

void TForm1::ShowNextMeetingDay(std::string_view line) {
    GroupBox5->setTitle(QStringLiteral("次の開催 [") +
                        ToDisplay(MeetingDateText(line, context_->year)) + QLatin1Char(']'));
    Edit4->setText(ToDisplay(MeetingText(line, 1)));
    Edit5->setText(ToDisplay(MeetingText(line, 2)));
    Edit6->setText(ToDisplay(MeetingText(line, 3)));
}

void TForm1::ShowNoMeetingToday() {
    Edit1->setText(QStringLiteral("本日の開催はありません"));
}

void TForm1::ShowNoMoreMeetingsThisYear() {
    Edit4->setText(QStringLiteral("本年の開催はありません"));
}

void TForm1::Button2Click() {
    close();
}

void TForm1::Button3Click() {
    // A new list for every press, read afresh, released when it closes.
    TForm2 form(*context_, this);
    form.exec();
}
