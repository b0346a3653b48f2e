#include "CaseName.h"
#include "ErrorBox.h"
#include "GUnit.h"
#include "SelfCopy.h"
#include "TempDir.h"
#include "TestData.h"
#include "WidgetFactory.h"
#include "core/DataFiles.h"
#include "grid/StringGrid.h"
#include "mainUnit.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFile>
#include <QFontInfo>
#include <QGroupBox>
#include <QGuiApplication>
#include <QIcon>
#include <QImage>
#include <QLabel>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

using namespace cp932text;

namespace {

using MainWindowTest = WindowTest;

TEST_F(MainWindowTest, IsBuiltFromItsDesign) {
    dir_.CopySampleYear();
    TForm1* form = OpenMain();
    EXPECT_STREQ(form->metaObject()->className(), "TForm1");
    EXPECT_EQ(form->minimumSize(), form->maximumSize());
    ExpectBuiltFrom(*form, turvane::screens::MainWindowDesign());
}

struct FillCase {
    const char* name;
    turvane::CivilDate today;
    const char* removed; // a data file taken away, or nullptr
};

class WindowFill : public WindowTest, public testing::WithParamInterface<FillCase> {};

// The window shows what the screens layer filled, and its failure in the box.
TEST_P(WindowFill, MainWindowShowsTheScreensFill) {
    dir_.CopySampleYear();
    if (GetParam().removed) {
        dir_.Remove(GetParam().removed);
    }
    TForm1* form = OpenMain(GetParam().today);
    const auto fill = turvane::screens::FillMainWindow(*ctx_->context.files, GetParam().today, {});
    ExpectGridShows(*Grid(form, "StringGrid1"), fill.StringGrid1, fill.texts);
    ExpectGridShows(*Grid(form, "StringGrid2"), fill.StringGrid2, fill.texts);
    EXPECT_EQ(form->findChild<QLabel*>("Label1")->text(), ToQString(fill.Label1));
    EXPECT_EQ(Caption(form, "GroupBox4"), ToQString(fill.GroupBox4));
    EXPECT_EQ(Caption(form, "GroupBox5"), ToQString(fill.GroupBox5));
    for (std::size_t i = 0; i < fill.edits.size(); ++i) {
        const QByteArray name = "Edit" + QByteArray::number(static_cast<int>(i) + 1);
        EXPECT_EQ(Text(form, name.constData()), ToQString(fill.edits[i])) << name.constData();
    }
    const QStringList expected =
        fill.failure ? QStringList{ToQString(turvane::screens::ErrorBoxText(fill.failure->message))}
                     : QStringList{};
    EXPECT_EQ(errors(), expected);
}

INSTANTIATE_TEST_SUITE_P(
    Starts, WindowFill,
    testing::Values(FillCase{"MeetingDay", {2003, 5, 17}, nullptr},
                    FillCase{"BetweenMeetingDays", {2003, 5, 12}, nullptr},
                    FillCase{"AfterTheYear", {2004, 1, 1}, nullptr},
                    FillCase{"WithoutTheCourseFile", {2003, 5, 17}, turvane::CourseFile.data()},
                    FillCase{"WithoutTheMeetingFile", {2003, 5, 17}, turvane::MeetingFile.data()}),
    CaseName());

// The windows are Japanese whatever the locale, and so are the dialogs Qt
// opens for them, where Qt's Japanese is installed.
TEST(QtDialogsTest, SpeakJapanese) {
    if (!QFile::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath) + "/qtbase_ja.qm")) {
        GTEST_SKIP() << "Qt's Japanese translation is not installed";
    }
    EXPECT_EQ(QCoreApplication::translate("QFileDialog", "&Open"), QStringLiteral("開く(&O)"));
    EXPECT_EQ(QCoreApplication::translate("QPrintDialog", "Print"), QStringLiteral("印刷"));
}

TEST_F(MainWindowTest, OpensCentred) {
    dir_.CopySampleYear();
    TForm1* form = OpenMain();
    const QPoint screenCentre = QGuiApplication::primaryScreen()->availableGeometry().center();
    EXPECT_LE((form->geometry().center() - screenCentre).manhattanLength(), 2);
}

TEST_F(MainWindowTest, Label1ShowsTwoLines) {
    dir_.CopySampleYear();
    TForm1* form = OpenMain();
    auto* label = form->findChild<QLabel*>("Label1");
    EXPECT_EQ(label->text(), "開催日程\n　２００３");
    EXPECT_GE(label->height(), 2 * QFontMetrics(label->font()).lineSpacing());
}

TEST_F(MainWindowTest, CloseButtonClosesTheWindow) {
    dir_.CopySampleYear();
    TForm1* form = OpenMain();
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form));
    QTest::mouseClick(form->findChild<QPushButton*>("Button2"), Qt::LeftButton);
    EXPECT_FALSE(form->isVisible());
}

TEST_F(MainWindowTest, ErrorBoxCaptionIsTheProgramName) {
    OpenMain();
    ASSERT_FALSE(errors().isEmpty());
    if (selfcopy::IsCopy("caption")) {
        selfcopy::Report("caption", ctx_->lastCaption->toStdString());
        return;
    }
    EXPECT_EQ(*ctx_->lastCaption, "ui_tests");

    // Also from a folder whose name is Shift-JIS and Latin-1 bytes, not UTF-8.
    const TempDir temp;
    const std::string output =
        selfcopy::RunCopy(temp.path() / "\x8b\xa3\x94\x6e-caf\xe9", "caption");
    EXPECT_EQ(selfcopy::Reported(output, "caption"), "ui_tests");
}

TEST(DesignFonts, ResolveToTheIpaGothicFaces) {
    EXPECT_EQ(QFontInfo(QFont("ＭＳ Ｐゴシック")).family(), "IPAPGothic");
    EXPECT_EQ(QFontInfo(QFont("MS PGothic")).family(), "IPAPGothic");
    EXPECT_EQ(QFontInfo(QFont("ＭＳ ゴシック")).family(), "IPAGothic");
    EXPECT_EQ(QFontInfo(QFont("MS Gothic")).family(), "IPAGothic");
}

TEST_F(MainWindowTest, IconIsTheSamePictureDoubledOnScreensAt200Percent) {
    const QIcon icon = OpenMain()->windowIcon();
    const QImage normal = icon.pixmap(QSize(32, 32), 1.0).toImage();
    const QPixmap high = icon.pixmap(QSize(32, 32), 2.0);
    EXPECT_EQ(high.deviceIndependentSize(), QSizeF(32, 32));
    const QImage doubled = high.toImage();
    ASSERT_EQ(normal.size(), QSize(32, 32));
    ASSERT_EQ(doubled.size(), QSize(64, 64));
    // Every pixel becomes a 2 x 2 block of the same colour, no blur.
    int differing = 0;
    for (int y = 0; y < 64; ++y) {
        for (int x = 0; x < 64; ++x) {
            differing += doubled.pixel(x, y) != normal.pixel(x / 2, y / 2);
        }
    }
    EXPECT_EQ(differing, 0);
}

// The design's colours on a dark desktop: both windows built under a dark
// application palette (the colour scheme "darker" of qt6ct, role by role),
// read back from the pixels they paint. Every design colour must reach the
// screen on the background it was designed on, so the contrast between text
// and background stays what it is under the standard palette.
QPalette DarkerScheme() {
    const char* const colors[] = {"#ffffff", "#424245", "#979797", "#5e5c5b", "#302f2e",
                                  "#4a4947", "#ffffff", "#ffffff", "#ffffff", "#3d3d3d",
                                  "#222020", "#e7e4e0", "#12608a", "#f9f9f9", "#0986d3",
                                  "#a70b06", "#5c5b5a", "#ffffff", "#3f3f36", "#ffffff"};
    QPalette palette;
    for (std::size_t role = 0; role < std::size(colors); ++role) {
        palette.setColor(QPalette::ColorRole(role), QColor(colors[role]));
    }
    return palette;
}

double Luminance(QRgb rgb) {
    const auto channel = [](int value) {
        const double c = value / 255.0;
        return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(qRed(rgb)) + 0.7152 * channel(qGreen(rgb)) +
           0.0722 * channel(qBlue(rgb));
}

double Contrast(QRgb a, QRgb b) {
    const double la = Luminance(a);
    const double lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

enum class Area { Edit, GroupCaption, BodyCell };

struct ColourCase {
    const char* name;
    const char* window;
    const char* control;
    Area area;
    double minContrast; // under the standard palette
};

// Text colour and background of a control as painted: the background from
// the top-right corner of where its text goes, the text colour the pixel
// that stands out most from it.
struct Painted {
    QRgb text;
    QRgb background;
};

class DesignColours : public testing::TestWithParam<ColourCase> {
protected:
    static Painted Paint(const QPalette& desktop) {
        const QPalette saved = QApplication::palette();
        QApplication::setPalette(desktop);
        MemoryDataDir dir;
        dir.CopySampleYear();
        TestContext ctx(dir.source(), {2003, 5, 17});
        TForm1 main(ctx.context);
        TForm2 list(ctx.context);
        QWidget* window = QString(GetParam().window) == "Form1" ? static_cast<QWidget*>(&main)
                                                                : static_cast<QWidget*>(&list);
        const Painted painted = Read(window);
        QApplication::setPalette(saved);
        return painted;
    }

    static Painted Read(QWidget* window) {
        window->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(window));
        auto* control = window->findChild<QWidget*>(QString::fromLatin1(GetParam().control));
        EXPECT_NE(control, nullptr);
        if (!control) {
            return {};
        }
        const QImage image = window->grab().toImage();
        const qreal scale = image.devicePixelRatio();
        const QRect area = TextArea(control).translated(control->mapTo(window, QPoint()));
        const auto at = [&](int x, int y) {
            return image.pixel(QPointF(x * scale, y * scale).toPoint());
        };
        Painted painted{0, at(area.right() - 3, area.top() + 3)};
        painted.text = painted.background;
        for (int y = area.top(); y <= area.bottom(); ++y) {
            for (int x = area.left(); x <= area.right(); ++x) {
                if (Contrast(at(x, y), painted.background) >
                    Contrast(painted.text, painted.background)) {
                    painted.text = at(x, y);
                }
            }
        }
        return painted;
    }

    // Where the control shows text, in its own coordinates: for a grid, the
    // first body cell with text below the selected row.
    static QRect TextArea(QWidget* control) {
        if (GetParam().area == Area::GroupCaption) {
            return {0, 0, control->width(), QFontMetrics(control->font()).height()};
        }
        auto* grid = qobject_cast<StringGrid*>(control);
        if (!grid) {
            return control->rect();
        }
        const QAbstractItemModel* model = grid->model();
        for (int row = grid->currentIndex().row() + 1; row < model->rowCount(); ++row) {
            for (int col = 0; col < model->columnCount(); ++col) {
                const QModelIndex cell = model->index(row, col);
                if (!cell.data().toString().isEmpty()) {
                    return grid->visualRect(cell)
                        .adjusted(0, 0, -1, -1)
                        .translated(grid->viewport()->mapTo(grid, QPoint()));
                }
            }
        }
        ADD_FAILURE() << "no text below the selected row";
        return {};
    }
};

TEST_P(DesignColours, LookTheSameOnADarkDesktop) {
    const Painted standard = Paint(QApplication::style()->standardPalette());
    const Painted dark = Paint(DarkerScheme());
    EXPECT_GE(Contrast(standard.text, standard.background), GetParam().minContrast);
    EXPECT_EQ(QColor(dark.background).name().toStdString(),
              QColor(standard.background).name().toStdString());
    EXPECT_EQ(QColor(dark.text).name().toStdString(), QColor(standard.text).name().toStdString());
    EXPECT_GE(Contrast(dark.text, dark.background), 3.0);
}

// Red on white is the design's weakest pair, at 4:1.
INSTANTIATE_TEST_SUITE_P(
    Controls, DesignColours,
    testing::Values(ColourCase{"TodaysMeetingRed", "Form1", "Edit1", Area::Edit, 3.9},
                    ColourCase{"NextMeetingBlue", "Form1", "Edit4", Area::Edit, 8},
                    ColourCase{"NextMeetingCaptionBlue", "Form1", "GroupBox5", Area::GroupCaption,
                               7},
                    ColourCase{"MeetingGridBlack", "Form1", "StringGrid1", Area::BodyCell, 15},
                    ColourCase{"CourseGridBlack", "Form1", "StringGrid2", Area::BodyCell, 15},
                    ColourCase{"RaceGridBlack", "Form2", "StringGrid1", Area::BodyCell, 15}),
    CaseName());

// The pixels of the ring of the given width along a control's edges, as the
// window paints them, that have the given colour; and how many there are.
std::pair<int, int> RingPixels(QWidget* window, QWidget* control, int width, QRgb colour) {
    const QImage image = window->grab().toImage();
    const qreal scale = image.devicePixelRatio();
    const QRect edge = control->rect().translated(control->mapTo(window, QPoint()));
    const QRect inside = edge.adjusted(width, width, -width, -width);
    int matching = 0;
    int all = 0;
    for (int y = edge.top(); y <= edge.bottom(); ++y) {
        for (int x = edge.left(); x <= edge.right(); ++x) {
            if (!inside.contains(x, y)) {
                ++all;
                matching += image.pixel(QPointF(x * scale, y * scale).toPoint()) == colour;
            }
        }
    }
    return {matching, all};
}

// The grid with the keyboard focus is framed all round, two pixels wide, in
// the design's highlight colour, on a dark desktop as well; the other grid
// keeps its plain frame (its selected cell may touch it), and the frame moves
// no cell.
TEST(FocusFrame, MarksTheGridWithTheFocusInTheDesignHighlight) {
    const QRgb highlight =
        QApplication::style()->standardPalette().color(QPalette::Active, QPalette::Highlight).rgb();
    for (const QPalette& desktop : {QApplication::style()->standardPalette(), DarkerScheme()}) {
        const QPalette saved = QApplication::palette();
        QApplication::setPalette(desktop);
        MemoryDataDir dir;
        dir.CopySampleYear();
        TestContext ctx(dir.source(), {2003, 5, 17});
        TForm1 form(ctx.context);
        form.show();
        form.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
        auto* courses = form.findChild<StringGrid*>("StringGrid2");
        auto* meetings = form.findChild<StringGrid*>("StringGrid1");
        const QRect courseCells = courses->viewport()->geometry();
        const QRect meetingCells = meetings->viewport()->geometry();
        const auto expectFramed = [&](StringGrid* focused, StringGrid* other) {
            SCOPED_TRACE(focused->objectName().toStdString());
            ASSERT_TRUE(focused->hasFocus());
            const auto [framed, ring] = RingPixels(&form, focused, 2, highlight);
            EXPECT_EQ(framed, ring);
            EXPECT_EQ(RingPixels(&form, other, 1, highlight).first, 0);
        };
        expectFramed(courses, meetings); // from the start
        QTest::keyClick(courses, Qt::Key_Tab);
        expectFramed(meetings, courses);
        EXPECT_EQ(courses->viewport()->geometry(), courseCells);
        EXPECT_EQ(meetings->viewport()->geometry(), meetingCells);
        QApplication::setPalette(saved);
    }
}

} // namespace
