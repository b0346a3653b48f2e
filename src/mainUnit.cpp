#include "mainUnit.h"

#include "Display.h"
#include "ErrorBox.h"
#include "Fonts.h"
#include "GUnit.h"
#include "GridIndexError.h"
#include "GridMenu.h"
#include "ScheduleTables.h"
#include "WidgetFactory.h"
#include "data/ByteText.h"
#include "data/CourseCalendar.h"
#include "data/DataFiles.h"
#include "data/DateKeys.h"
#include "data/MeetingCalendar.h"
#include "grid/StringGrid.h"
#include "print/PrintFromWindow.h"

#include <QFrame>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>

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

} // namespace

TForm1::TForm1(AppContext context, QWidget* parent)
    : QWidget(parent), context_(std::move(context)) {
    BuildLayout();
    // The window is shown with whatever was filled before a failure.
    RunReportingErrors(context_, [this] { FormCreate(); });
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
                            {4, 0, 64, {80, 116, 116, 116}, DesignFont(FixedGothic, 12)});

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

    GroupBox4 =
        PlaceGroupBox(GroupBox3, "GroupBox4", {8, 16, 185, 113}, QStringLiteral("本日の開催"));
    SetTextColor(GroupBox4, Qt::red);
    Edit1 = PlaceReadOnlyEdit(GroupBox4, "Edit1", {8, 16, 169, 20}, QStringLiteral("本日の開催 1"),
                              QStringLiteral("なし"));
    Edit2 = PlaceReadOnlyEdit(GroupBox4, "Edit2", {8, 48, 169, 20}, QStringLiteral("本日の開催 2"));
    Edit3 = PlaceReadOnlyEdit(GroupBox4, "Edit3", {8, 80, 169, 20}, QStringLiteral("本日の開催 3"));

    GroupBox5 =
        PlaceGroupBox(GroupBox3, "GroupBox5", {8, 136, 185, 113}, QStringLiteral("次の開催"));
    SetTextColor(GroupBox5, Qt::blue);
    Edit4 = PlaceReadOnlyEdit(GroupBox5, "Edit4", {8, 16, 169, 20}, QStringLiteral("次の開催 1"),
                              QStringLiteral("なし"));
    Edit5 = PlaceReadOnlyEdit(GroupBox5, "Edit5", {8, 48, 169, 20}, QStringLiteral("次の開催 2"));
    Edit6 = PlaceReadOnlyEdit(GroupBox5, "Edit6", {8, 80, 169, 20}, QStringLiteral("次の開催 3"));

    Button3 = PlaceButton(GroupBox3, "Button3", {200, 160, 81, 41}, QStringLiteral("重賞日程"));
    SetTextColor(Button3, Qt::black);

    // Keyboard focus: the course grid, the meeting grid, then the panel.
    SetFocusOrder(
        {StringGrid2, StringGrid1, Button2, Edit1, Edit2, Edit3, Edit4, Edit5, Edit6, Button3});

    InstallGridMenu(StringGrid1, context_);
    InstallGridMenu(StringGrid2, context_);
    InstallPrintShortcut(this, context_);

    connect(Button2, &QPushButton::clicked, this,
            [this] { RunReportingErrors(context_, [this] { Button2Click(); }); });
    connect(Button3, &QPushButton::clicked, this,
            [this] { RunReportingErrors(context_, [this] { Button3Click(); }); });
}

void TForm1::FormCreate() {
    Label1->setText(QStringLiteral("開催日程\n　") + ToDisplay(ToFullWidth(context_.year.text())));
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
    if (!context_.files->DataFileExists(MeetingFile)) {
        return;
    }
    const LineList lines = LoadLines(*context_.files, MeetingFile);
    if (!lines.empty()) {
        StringGrid1->setRowCount(static_cast<int>(lines.size()));
    }
    GridRows rows(*StringGrid1, 0);
    FillMeetingRows(lines, rows);
    FillCourseGrid();
}

void TForm1::FillCourseGrid() {
    const LineList lines = LoadLines(*context_.files, CourseFile);
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
    const CivilDate today = context_.today();
    GroupBox4->setTitle(QStringLiteral("本日の開催 [") + ToDisplay(TodayText(today)) +
                        QLatin1Char(']'));
    const std::string todayKey = TodayKey(today);
    const LineList lines = LoadLines(*context_.files, MeetingFile);
    SearchTodayAndNext(lines, todayKey, context_.year, *this);
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
                        ToDisplay(MeetingDateText(line, context_.year)) + QLatin1Char(']'));
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
    TForm2 form(context_, this);
    form.exec();
}
