#include "BusySeason.h"
#include "CaseName.h"
#include "GUnit.h"
#include "GridMenu.h"
#include "PdfOutput.h"
#include "PosterDocument.h"
#include "PrintFromWindow.h"
#include "ScheduleDocument.h"
#include "TestData.h"
#include "core/Cp932.h"
#include "core/DataFiles.h"
#include "core/Errors.h"
#include "grid/StringGrid.h"
#include "mainUnit.h"

#include <QAction>
#include <QApplication>
#include <QBuffer>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMap>
#include <QMenu>
#include <QPageSize>
#include <QPdfWriter>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <csignal>
#include <functional>
#include <sys/resource.h>

using namespace cp932text;

namespace {

// What one of poppler's tools (pdftotext, pdfinfo, pdffonts) says of the
// document, given these options before its file.
QString Poppler(const QString& tool, const QByteArray& pdf, QStringList options,
                QStringList after = {}) {
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("schedule.pdf"));
    QFile out(file);
    if (!out.open(QIODevice::WriteOnly) || out.write(pdf) != pdf.size()) {
        ADD_FAILURE() << "cannot write " << file.toStdString();
        return {};
    }
    out.close();
    QProcess process;
    process.start(tool, options << file << after);
    if (!process.waitForFinished(30000) || process.exitCode() != 0) {
        ADD_FAILURE() << tool.toStdString() << " failed (poppler-utils installed?)";
        return {};
    }
    return QString::fromUtf8(process.readAllStandardOutput());
}

// What poppler's pdftotext reads from the document with the given option.
QString PdfText(const QByteArray& pdf, const QString& option) {
    return Poppler(QStringLiteral("pdftotext"), pdf, {option}, {QStringLiteral("-")});
}

// The weekday beside a date on paper, from the date as the grids show it
// ("　１月　５日"), worked out by Qt's calendar; a weekday meeting is a holiday's.
QString WeekdayOf(const QString& label, int year) {
    QString digits;
    for (const QChar c : label) {
        digits += c.isDigit() ? QChar(u'0' + c.digitValue()) : c;
    }
    static const QRegularExpression date(QStringLiteral("([0-9]+)月\\s*([0-9]+)日"));
    const auto match = date.match(digits.replace(QChar(0x3000), QLatin1Char(' ')));
    const QDate day(year, match.captured(1).toInt(), match.captured(2).toInt());
    if (!match.hasMatch() || !day.isValid()) {
        return {};
    }
    const int weekday = day.dayOfWeek(); // 1 Monday ... 7 Sunday
    static const QString names = QStringLiteral("月火水木金土日");
    return '(' + names.mid(weekday - 1, 1) + (weekday < 6 ? QStringLiteral("・祝)") : ")");
}

// The document's text, one string per page.
QStringList PdfPages(const QByteArray& pdf) {
    QStringList pages = PdfText(pdf, QStringLiteral("-layout")).split('\f');
    if (!pages.isEmpty() && pages.back().trimmed().isEmpty()) {
        pages.removeLast();
    }
    return pages;
}

// A row as text extraction gives it back: cells in order, any run of blanks
// (full-width ones included) as one.
QString Flattened(QStringList cells) {
    for (QString& cell : cells) {
        cell.replace(QChar(0x3000), QLatin1Char(' '));
    }
    return cells.join(QLatin1Char(' ')).simplified();
}

// The grid's rows as paper shows them: the weekday beside each date.
QStringList ShownRows(const StringGrid& grid, int firstRow) {
    QStringList rows;
    for (int r = firstRow; r < grid.rowCount(); ++r) {
        QStringList cells;
        for (int c = 0; c < grid.colCount(); ++c) {
            cells.append(grid.cell(c, r));
        }
        cells.insert(1, WeekdayOf(cells[0], 2003));
        rows.append(Flattened(cells));
    }
    return rows;
}

QByteArray PdfOf(const turvane::FileSource& files) {
    const ScheduleDocument document = ScheduleDocument::Read(files, {});
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    EXPECT_TRUE(WriteSchedulePdf(document, buffer, QPageSize(QPageSize::A4)));
    return buffer.data();
}

struct Section {
    QString title;
    QStringList rows; // as the window's grid shows them
    QString header;   // on every page of the section; empty for none
};

// pdf holds every row of every grid of the windows on context, in order, on
// numbered pages, each page of a section under its title.
void ExpectTheWholeDocument(const QByteArray& pdf, const AppContext& context) {
    TForm1 main(context);
    TForm2 list(context);
    const auto grid = [](QWidget& w, const char* name) {
        return w.findChild<StringGrid*>(QString::fromLatin1(name));
    };
    const std::vector<Section> sections = {
        {"開催日程", ShownRows(*grid(main, "StringGrid1"), 0), {}},
        {"競馬場別開催日程", ShownRows(*grid(main, "StringGrid2"), 1),
         Flattened(QStringList{"★京都", "●阪神", "☆中京", "○小倉", "◆東京", "■中山", "◇福島",
                               "□新潟", "△札幌", "◎函館"})},
        {"重賞日程一覧", ShownRows(*grid(list, "StringGrid1"), 0), {}},
    };

    const QStringList pages = PdfPages(pdf);
    ASSERT_GE(pages.size(), 3);
    std::size_t section = 0;
    int row = 0;
    for (qsizetype p = 0; p < pages.size(); ++p) {
        QStringList lines = pages[p].split('\n');
        for (QString& line : lines) {
            line = Flattened({line});
        }
        lines.removeAll(QString());
        ASSERT_GE(lines.size(), 2) << "page " << p + 1;
        // A section starts on a new page once the one before has ended.
        if (row == sections[section].rows.size()) {
            ++section;
            row = 0;
        }
        ASSERT_LT(section, sections.size()) << "page " << p + 1;
        const Section& s = sections[section];
        EXPECT_EQ(lines.front().toStdString(), ("Turvane 2003 " + s.title).toStdString())
            << "page " << p + 1;
        EXPECT_EQ(lines.back().toStdString(),
                  QStringLiteral("%1 / %2").arg(p + 1).arg(pages.size()).toStdString());
        lines = lines.mid(1, lines.size() - 2);
        if (!s.header.isEmpty()) {
            ASSERT_FALSE(lines.isEmpty());
            EXPECT_EQ(lines.takeFirst().toStdString(), s.header.toStdString()) << "page " << p + 1;
        }
        for (const QString& line : lines) {
            ASSERT_LT(row, s.rows.size()) << "page " << p + 1 << ": " << line.toStdString();
            EXPECT_EQ(line.toStdString(), s.rows[row].toStdString())
                << s.title.toStdString() << " row " << row;
            ++row;
        }
    }
    EXPECT_EQ(section, sections.size() - 1);
    EXPECT_EQ(row, sections.back().rows.size());
}

TEST(PrintedDocument, HoldsEveryRowOfEveryGridInOrderOnNumberedPages) {
    MemoryDataDir dir;
    dir.CopySampleYear();
    TestContext ctx(dir.source(), {2003, 5, 17});
    const QByteArray pdf = PdfOf(dir.files());
    EXPECT_GT(PdfPages(pdf).size(), 3);
    ExpectTheWholeDocument(pdf, ctx.context);
    EXPECT_TRUE(ctx.errors->isEmpty()) << ctx.errors->join('\n').toStdString();
}

// Every word of the pages' text as a box, page by page, and the pages' sizes.
struct PageWords {
    QRectF sheet;
    std::vector<std::pair<QRectF, QString>> words;
};

std::vector<PageWords> WordBoxes(const QByteArray& pdf) {
    const QString boxes = PdfText(pdf, QStringLiteral("-bbox"));
    static const QRegularExpression page(
        QStringLiteral("<page width=\"([0-9.]+)\" height=\"([0-9.]+)\">(.*?)</page>"),
        QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression word(
        QStringLiteral("<word xMin=\"([0-9.]+)\" yMin=\"([0-9.]+)\" xMax=\"([0-9.]+)\" "
                       "yMax=\"([0-9.]+)\">([^<]*)</word>"));
    std::vector<PageWords> pages;
    for (auto p = page.globalMatch(boxes); p.hasNext();) {
        const auto m = p.next();
        PageWords words{QRectF(0, 0, m.captured(1).toDouble(), m.captured(2).toDouble()), {}};
        for (auto w = word.globalMatch(m.captured(3)); w.hasNext();) {
            const auto b = w.next();
            words.words.push_back(
                {QRectF(QPointF(b.captured(1).toDouble(), b.captured(2).toDouble()),
                        QPointF(b.captured(3).toDouble(), b.captured(4).toDouble())),
                 b.captured(5)});
        }
        pages.push_back(std::move(words));
    }
    return pages;
}

// Every page's lines of text, as boxes: the page header first, the page
// number last, the table's rows between them, each inside the page. A row is
// its cell, not only its text: the text is centred in a cell as high as the
// distance between rows.
TEST(PrintedDocument, KeepsEveryRowBetweenThePageHeaderAndFooter) {
    MemoryDataDir dir;
    dir.CopySampleYear();
    int pages = 0;
    qreal pitch = 0; // a section's last page may hold one row: the pitch of the page before
    for (const PageWords& page : WordBoxes(PdfOf(dir.files()))) {
        ++pages;
        // Lines by the top of their words, each as the box around them.
        QMap<qreal, std::pair<QRectF, QString>> lines;
        for (const auto& [box, text] : page.words) {
            EXPECT_TRUE(page.sheet.contains(box)) << "page " << pages << ": " << text.toStdString();
            auto& line = lines[std::round(box.top() * 10) / 10];
            line.first = line.first.isNull() ? box : line.first.united(box);
            line.second += (line.second.isEmpty() ? "" : " ") + text;
        }
        ASSERT_GE(lines.size(), 3) << "page " << pages;
        const auto header = lines.take(lines.firstKey());
        const auto footer = lines.take(lines.lastKey());
        EXPECT_TRUE(header.second.startsWith("Turvane 2003 ")) << header.second.toStdString();
        EXPECT_EQ(footer.second.toStdString(), QStringLiteral("%1 / ").arg(pages).toStdString() +
                                                   footer.second.section(' ', 2).toStdString());
        const auto rows = lines.values();
        for (qsizetype r = 1; r < rows.size(); ++r) {
            const qreal step = rows[r].first.center().y() - rows[r - 1].first.center().y();
            pitch = r == 1 ? step : std::min(pitch, step);
        }
        ASSERT_GT(pitch, 0) << "page " << pages;
        for (const auto& [box, text] : rows) {
            SCOPED_TRACE("page " + std::to_string(pages) + ": " + text.toStdString());
            EXPECT_GE(box.center().y() - pitch / 2, header.first.bottom());
            EXPECT_LE(box.center().y() + pitch / 2, footer.first.top());
        }
    }
    EXPECT_GT(pages, 3);
}

QByteArray PosterOf(const turvane::FileSource& files, turvane::ScheduleYear year = {},
                    const QPageSize& paper = QPageSize(QPageSize::A3)) {
    const PosterDocument poster = PosterDocument::Read(files, year);
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    EXPECT_TRUE(WritePosterPdf(poster, buffer, paper));
    return buffer.data();
}

TEST(PrintedDocument, EmbedsEveryFont) {
    MemoryDataDir dir;
    dir.CopySampleYear();
    for (const QByteArray& pdf : {PdfOf(dir.files()), PosterOf(dir.files())}) {
        const QStringList lines =
            Poppler(QStringLiteral("pdffonts"), pdf, {}).split('\n', Qt::SkipEmptyParts);
        ASSERT_GE(lines.size(), 3) << "no fonts listed";
        for (const QString& line : lines.mid(2)) {
            const QStringList fields = line.split(' ', Qt::SkipEmptyParts);
            // name type... encoding emb sub uni object ID: emb is the fifth from the end.
            ASSERT_GE(fields.size(), 6) << line.toStdString();
            EXPECT_EQ(fields[fields.size() - 5], "yes") << line.toStdString();
            EXPECT_TRUE(line.startsWith(QLatin1String("IPA"))) << line.toStdString();
        }
    }
}

// Every column of every table at least as wide as its widest text, as Qt
// measures it in the font it prints in; the tables centred on the page.
TEST(PrintedDocument, NoColumnNarrowerThanItsWidestText) {
    MemoryDataDir dir;
    dir.CopySampleYear();
    const ScheduleDocument document = ScheduleDocument::Read(dir.files(), {});
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setPageSize(QPageSize(QPageSize::A4));
    const qreal perPoint = writer.logicalDpiX() / 72.0;
    for (const auto orientation : {QPageLayout::Portrait, QPageLayout::Landscape}) {
        QPageLayout layout = writer.pageLayout();
        layout.setOrientation(orientation);
        const qreal pageWidth = layout.paintRect(QPageLayout::Point).width();
        const std::vector<turvane::TablePlan> plans = document.plans(writer, orientation);
        const auto& tables = document.tables();
        ASSERT_EQ(plans.size(), 3u);
        for (std::size_t t = 0; t < plans.size(); ++t) {
            const turvane::PrintedTable& table = tables.tables[t];
            const turvane::TablePlan& plan = plans[t];
            SCOPED_TRACE(QString::fromStdU16String(table.title).toStdString() +
                         (orientation == QPageLayout::Portrait ? " portrait" : " landscape"));
            EXPECT_NEAR(plan.left * 2 + plan.width(), pageWidth, 0.01);
            EXPECT_LE(plan.points, 12);
            for (int c = 0; c < table.cols; ++c) {
                qreal widest = 0;
                for (int r = 0; r < table.rows(); ++r) {
                    const auto at = static_cast<std::size_t>(r * table.cols + c);
                    QFont font(QString::fromStdU16String(table.fontFace));
                    font.setPointSizeF(plan.points);
                    font.setBold(table.emphasised[at]);
                    const QString text =
                        QString::fromStdU16String(tables.texts[table.cells[at]]).trimmed();
                    widest = std::max(widest, QFontMetricsF(font, &writer).horizontalAdvance(text) /
                                                  perPoint);
                }
                // A readable width for a column with nothing in it, too.
                EXPECT_GE(plan.colWidths[static_cast<std::size_t>(c)],
                          std::max(widest + 2 * plan.inset, 3 * plan.points))
                    << "column " << c;
            }
        }
    }
}

// A data file's lines, decoded.
QStringList Lines(const std::string& cp932) {
    QStringList lines =
        QString::fromStdString(turvane::Cp932ToUtf8(cp932)).split(QStringLiteral("\r\n"));
    lines.removeAll(QString());
    return lines;
}

// "　１月　５日" of a line starting "0105", made here from the digits.
QString DateLabel(const QString& line) {
    const auto half = [](QStringView digits) {
        QString out = digits.startsWith('0') ? QStringLiteral("\u3000")
                                             : QString(QChar(0xFF10 + digits[0].digitValue()));
        return out + QChar(0xFF10 + digits[1].digitValue());
    };
    return half(QStringView(line).mid(0, 2)) + "月" + half(QStringView(line).mid(2, 2)) + "日";
}

// The name of every graded race of the file, without its racecourse.
QStringList RaceNames(const std::string& cp932) {
    QStringList names;
    for (std::size_t start = 0; start < cp932.size();) {
        std::size_t end = cp932.find("\r\n", start);
        const std::string line = cp932.substr(start, end - start);
        start = end + 2;
        for (std::size_t at = 4; at + 4 <= line.size(); at += 38) {
            if (line.compare(at, 4, "    ") != 0) {
                names << QString::fromStdString(turvane::Cp932ToUtf8(line.substr(at + 4, 34)))
                             .trimmed();
            }
        }
    }
    return names;
}

// Texts with every blank taken out, so that a date reads the same whatever
// gaps text extraction puts into it.
QString Unspaced(QString text) {
    text.remove(QRegularExpression(QStringLiteral("[\\s\u3000]")));
    return text;
}

// Whether unspaced holds date (unspaced too) not as the end of a longer
// date (２月 in １２月).
bool HoldsDate(const QString& unspaced, const QString& date) {
    for (qsizetype at = unspaced.indexOf(date); at >= 0; at = unspaced.indexOf(date, at + 1)) {
        if (at == 0 || !unspaced[at - 1].isDigit() || unspaced[at - 1].unicode() < 0x100) {
            return true;
        }
    }
    return false;
}

// The poster: one page of the paper asked for, turned either way, holding
// every meeting day's date with its weekday (for any year) and every graded
// race's name.
TEST(Poster, HoldsTheWholeSeasonOnOnePage) {
    MemoryDataDir dir;
    dir.CopySampleYear();
    struct Case {
        int year;
        QPageSize::PageSizeId paper;
    };
    for (const Case c :
         {Case{2003, QPageSize::A3}, Case{2027, QPageSize::A4}, Case{2003, QPageSize::Letter}}) {
        SCOPED_TRACE(std::to_string(c.year) + " " + QPageSize::name(c.paper).toStdString());
        const QByteArray pdf =
            PosterOf(dir.files(), turvane::ScheduleYear(c.year), QPageSize(c.paper));
        const QString info = Poppler(QStringLiteral("pdfinfo"), pdf, {});
        EXPECT_TRUE(info.contains(QRegularExpression(QStringLiteral("Pages:\\s+1\n"))))
            << info.toStdString();
        const QSize points = QPageSize(c.paper).sizePoints();
        const QString portrait =
            QStringLiteral("%1 x %2 pts").arg(points.width()).arg(points.height());
        const QString landscape =
            QStringLiteral("%1 x %2 pts").arg(points.height()).arg(points.width());
        EXPECT_TRUE(info.contains(portrait) || info.contains(landscape)) << info.toStdString();

        const QString text = Unspaced(PdfText(pdf, QStringLiteral("-layout")));
        int days = 0;
        for (const QString& line : Lines(SampleFile(turvane::MeetingFile))) {
            const QString label = DateLabel(line);
            const QString weekday = WeekdayOf(label, c.year);
            ASSERT_FALSE(weekday.isEmpty()) << line.toStdString();
            EXPECT_TRUE(HoldsDate(text, Unspaced(label + weekday)))
                << (label + weekday).toStdString();
            ++days;
        }
        EXPECT_EQ(days, 110);
        const QStringList races = RaceNames(SampleFile(turvane::RaceFile));
        for (const QString& race : races) {
            EXPECT_TRUE(text.contains(Unspaced(race))) << race.toStdString();
        }
        EXPECT_EQ(races.size(), 126);
    }
}

// The sample year and a season of 130 days with three meetings and three
// races each, on A3 and A4: one page, every word on the paper and none on
// another.
TEST(Poster, BusySeasonStillOnOnePageWithNothingOverlapping) {
    const BusySeasonFiles season = BusySeason(130, TURVANE_SAMPLE_DIR);
    turvane::MemoryFiles busy;
    busy.Write(turvane::MeetingFile, season.calendar);
    busy.Write(turvane::RaceFile, season.races);
    MemoryDataDir sample;
    sample.CopySampleYear();
    for (const auto paper : {QPageSize::A3, QPageSize::A4}) {
        const turvane::FileSource* sampleFiles = &sample.files();
        const turvane::FileSource* busyFiles = &busy;
        for (const turvane::FileSource* files : {sampleFiles, busyFiles}) {
            SCOPED_TRACE(QPageSize::name(paper).toStdString() +
                         (files == busyFiles ? " busy season" : " sample year"));
            const std::vector<PageWords> pages = WordBoxes(PosterOf(*files, {}, QPageSize(paper)));
            ASSERT_EQ(pages.size(), 1u);
            const auto& words = pages[0].words;
            EXPECT_GT(words.size(), files == busyFiles ? 1500u : 900u);
            for (std::size_t i = 0; i < words.size(); ++i) {
                const auto& [box, text] = words[i];
                EXPECT_TRUE(pages[0].sheet.contains(box)) << text.toStdString();
                for (std::size_t j = i + 1; j < words.size(); ++j) {
                    // Boxes touching by rounding are apart.
                    const QRectF overlap =
                        box.adjusted(0.2, 0.2, -0.2, -0.2).intersected(words[j].first);
                    EXPECT_TRUE(overlap.isEmpty())
                        << text.toStdString() << " on " << words[j].second.toStdString();
                }
            }
        }
    }
}

// Every failure that stops a window's filling means no document at all.
struct FailureCase {
    const char* name;
    std::function<void(MemoryDataDir&)> damage;
    std::string message; // with PATH for the data directory
};

void PrintTo(const FailureCase& c, std::ostream* os) {
    *os << c.name;
}

class DocumentFailure : public testing::TestWithParam<FailureCase> {};

TEST_P(DocumentFailure, LeavesNoDocument) {
    MemoryDataDir dir;
    dir.CopySampleYear();
    GetParam().damage(dir);
    std::string expected = GetParam().message;
    if (const auto at = expected.find("PATH"); at != std::string::npos) {
        expected.replace(at, 4, "/memory");
    }
    try {
        ScheduleDocument::Read(dir.files(), {});
        ADD_FAILURE() << "a document was made";
    } catch (const turvane::ScheduleError& error) {
        EXPECT_EQ(error.what(), expected);
    }
}

std::string WithLine(std::string_view name, std::size_t index, const std::string& line) {
    std::string bytes = SampleFile(name);
    std::size_t start = 0;
    for (std::size_t i = 0; i < index; ++i) {
        start = bytes.find('\n', start) + 1;
    }
    return bytes.replace(start, bytes.find('\n', start) - start + 1, line + "\r\n");
}

INSTANTIATE_TEST_SUITE_P(
    Reads, DocumentFailure,
    testing::Values(
        FailureCase{"MissingCalendar", [](MemoryDataDir& d) { d.Remove(turvane::MeetingFile); },
                    "ファイル PATH/Cal1.dat は開けません"},
        FailureCase{"MissingCourses", [](MemoryDataDir& d) { d.Remove(turvane::CourseFile); },
                    "ファイル PATH/Cal2.dat は開けません"},
        FailureCase{"MissingRaces", [](MemoryDataDir& d) { d.Remove(turvane::RaceFile); },
                    "ファイル PATH/jyuusyou.dat は開けません"},
        // The last day: past any today a window would search to.
        FailureCase{"CalendarDateNoNumber",
                    [](MemoryDataDir& d) {
                        d.Write(turvane::MeetingFile, WithLine(turvane::MeetingFile, 109, "12x8"));
                    },
                    "'200312x8' は整数ではありません"},
        FailureCase{"RaceDateNoNumber",
                    [](MemoryDataDir& d) {
                        d.Write(turvane::RaceFile, WithLine(turvane::RaceFile, 109, "12x8"));
                    },
                    "'200312x8' は整数ではありません"},
        FailureCase{"RaceWithoutCalendarLine",
                    [](MemoryDataDir& d) {
                        d.Write(turvane::RaceFile,
                                SampleFile(turvane::RaceFile) + "1231" + Race(Tokyo, "X") + "\r\n");
                    },
                    "リストのインデックスが範囲を超えています (110)"}),
    CaseName());

// Ctrl+P and the grids' context menu, on the shown windows.
class PrintFromWindows : public WindowTest {
protected:
    void SetUp() override {
        dir_.CopySampleYear();
        OpenMain({2003, 5, 17})->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(main_.get()));
    }

    // Does what opens the preview and checks, from inside its modal run,
    // that it shows the whole document, then closes it. False when no
    // preview opened.
    static bool PreviewOpensOn(const std::function<void()>& action, int leastPages = 3) {
        bool opened = false;
        QTimer poll;
        poll.setInterval(10);
        QObject::connect(&poll, &QTimer::timeout, &poll, [&] {
            QWidget* dialog = QApplication::activeModalWidget();
            if (!dialog || qstrcmp(dialog->metaObject()->className(), "QPrintPreviewDialog")) {
                return; // not yet: a menu may still be running its action
            }
            opened = true;
            poll.stop();
            // The page count beside the page number, "/ N": every section
            // has a page at least (how many depends on the printer's paper).
            static const QRegularExpression count(QStringLiteral("^/ ([0-9]+)$"));
            int pages = 0;
            for (const QLabel* label : dialog->findChildren<QLabel*>()) {
                if (const auto match = count.match(label->text()); match.hasMatch()) {
                    pages = match.captured(1).toInt();
                }
            }
            EXPECT_GE(pages, leastPages) << "the preview does not show the whole document";
            QMetaObject::invokeMethod(dialog, "reject", Qt::QueuedConnection);
        });
        poll.start();
        action();
        return opened;
    }

    // Opens the grid's menu from the keyboard and runs inMenu while it shows.
    static void WithMenu(StringGrid* grid, const std::function<void()>& open,
                         const std::function<void(QMenu&)>& inMenu) {
        bool shown = false;
        // A local timer: when no menu opens, nothing fires after the test.
        QTimer wait;
        wait.setSingleShot(true);
        QObject::connect(&wait, &QTimer::timeout, grid, [&] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            if (!menu) {
                return;
            }
            shown = true;
            inMenu(*menu);
            if (menu->isVisible()) {
                menu->close();
            }
        });
        wait.start(0);
        open();
        EXPECT_TRUE(shown);
    }
};

TEST_F(PrintFromWindows, CtrlPOpensThePreviewOfTheWholeDocument) {
    EXPECT_TRUE(
        PreviewOpensOn([&] { QTest::keyClick(main_.get(), Qt::Key_P, Qt::ControlModifier); }));
    EXPECT_TRUE(ctx_->errors->isEmpty()) << ctx_->errors->join('\n').toStdString();
}

TEST_F(PrintFromWindows, CtrlPInTheGradedRaceList) {
    TForm2 list(ctx_->context, main_.get());
    list.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&list));
    EXPECT_TRUE(PreviewOpensOn([&] { QTest::keyClick(&list, Qt::Key_P, Qt::ControlModifier); }));
}

TEST_F(PrintFromWindows, UnreadableFileShowsItsErrorAndNoPreview) {
    dir_.Remove(turvane::RaceFile);
    EXPECT_FALSE(
        PreviewOpensOn([&] { QTest::keyClick(main_.get(), Qt::Key_P, Qt::ControlModifier); }));
    ASSERT_EQ(ctx_->errors->size(), 1);
    EXPECT_EQ(ctx_->errors->at(0), "ファイル /memory/jyuusyou.dat は開けません.");
}

TEST_F(PrintFromWindows, MenuKeyAndShiftF10OpenTheMenuInEveryGrid) {
    TForm2 list(ctx_->context, main_.get());
    for (StringGrid* grid : {Grid(main_.get(), "StringGrid1"), Grid(main_.get(), "StringGrid2"),
                             Grid(&list, "StringGrid1")}) {
        QStringList texts;
        const auto read = [&](QMenu& menu) {
            texts.clear();
            for (const QAction* action : menu.actions()) {
                texts.append(action->isSeparator()
                                 ? QStringLiteral("-")
                                 : action->text() + '\t' + action->shortcut().toString());
            }
        };
        QString current;
        WithMenu(
            grid, [&] { QTest::keyClick(grid, Qt::Key_Menu); },
            [&](QMenu& menu) {
                read(menu);
                // Opened by a key, the menu starts on its first entry, so a
                // screen reader has something to read at once.
                EXPECT_TRUE(QTest::qWaitFor([&] { return menu.activeAction() != nullptr; }));
                current = menu.activeAction() ? menu.activeAction()->text() : QString();
            });
        EXPECT_EQ(current, "コピー(&C)") << grid->accessibleName().toStdString();
        EXPECT_EQ(texts, (QStringList{"コピー(&C)\tCtrl+C", "すべて選択(&A)\tCtrl+A", "-",
                                      "印刷(&P)...\tCtrl+P", "ポスターを印刷(&O)...\t",
                                      "カレンダーに書き出す(&E)...\t"}))
            << grid->accessibleName().toStdString();
        texts.clear();
        WithMenu(
            grid, [&] { QTest::keyClick(grid, Qt::Key_F10, Qt::ShiftModifier); }, read);
        EXPECT_EQ(texts.size(), 6);
        texts.clear();
        WithMenu(
            grid,
            [&] {
                QContextMenuEvent click(QContextMenuEvent::Mouse, QPoint(5, 5),
                                        grid->viewport()->mapToGlobal(QPoint(5, 5)));
                QApplication::sendEvent(grid->viewport(), &click);
            },
            read);
        EXPECT_EQ(texts.size(), 6);
    }
}

TEST_F(PrintFromWindows, MenuEntriesReachTheirCommands) {
    StringGrid* grid = Grid(main_.get(), "StringGrid1");
    grid->setFocus();
    const auto choose = [&](char letter) {
        WithMenu(
            grid, [&] { QTest::keyClick(grid, Qt::Key_Menu); },
            [&](QMenu& menu) { QTest::keyClick(&menu, letter); });
    };
    choose('a');
    EXPECT_EQ(grid->selectionModel()->selectedIndexes().size(), 110 * 3);
    QApplication::clipboard()->setText(QStringLiteral("before"));
    choose('c');
    const QStringList copied = QApplication::clipboard()->text().split('\n');
    ASSERT_EQ(copied.size(), 110);
    EXPECT_EQ(copied[0], grid->cell(1, 0) + '\t' + grid->cell(2, 0) + '\t' + grid->cell(3, 0));
    EXPECT_TRUE(PreviewOpensOn([&] { choose('p'); }));
    EXPECT_TRUE(PreviewOpensOn([&] { choose('o'); }, 1));
}

// The poster printed to a PDF file from the windows: the one page.
TEST_F(PrintFromWindows, PosterToFileIsOnePage) {
    QTemporaryDir target;
    const QString path = target.filePath(QStringLiteral("poster.pdf"));
    PrintToFileFromWindow(ctx_->context, path, Printout::Poster);
    EXPECT_TRUE(ctx_->errors->isEmpty()) << ctx_->errors->join('\n').toStdString();
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray pdf = file.readAll();
    EXPECT_TRUE(Poppler(QStringLiteral("pdfinfo"), pdf, {})
                    .contains(QRegularExpression(QStringLiteral("Pages:\\s+1\n"))));
    EXPECT_TRUE(Unspaced(PdfText(pdf, QStringLiteral("-layout"))).contains("オークスGⅠ"));
}

// "カレンダーに書き出す" proposes turvane-YYYY.ics in the save dialog and writes
// there what the window shows: the list window its races alone.
TEST_F(PrintFromWindows, CalendarEntryWritesTheChosenFile) {
    TForm2 list(ctx_->context, main_.get());
    QTemporaryDir target;
    for (const bool inList : {false, true}) {
        StringGrid* grid = inList ? Grid(&list, "StringGrid1") : Grid(main_.get(), "StringGrid2");
        const QString path = target.filePath(inList ? "races.ics" : "all.ics");
        QString proposed;
        QTimer poll;
        poll.setInterval(10);
        QObject::connect(&poll, &QTimer::timeout, &poll, [&] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            if (!dialog) {
                return;
            }
            poll.stop();
            proposed = QFileInfo(dialog->selectedFiles().value(0)).fileName();
            // Typed as a user types it: selectFile() would move the dialog to
            // another folder, which its file model loads in a thread of its own.
            auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
            ASSERT_NE(name, nullptr);
            name->setText(path);
            QMetaObject::invokeMethod(dialog, "accept", Qt::QueuedConnection);
        });
        poll.start();
        WithMenu(
            grid, [&] { QTest::keyClick(grid, Qt::Key_Menu); },
            [&](QMenu& menu) { QTest::keyClick(&menu, 'e'); });
        EXPECT_TRUE(QTest::qWaitFor([&] { return QFile::exists(path); }));
        EXPECT_EQ(proposed, "turvane-2003.ics");
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray ics = file.readAll();
        EXPECT_TRUE(ics.contains("SUMMARY:東京 オークス GⅠ")) << inList;
        EXPECT_EQ(ics.contains("-meeting-"), !inList);
    }
    EXPECT_TRUE(ctx_->errors->isEmpty()) << ctx_->errors->join('\n').toStdString();
}

// Printing to a PDF file, as the preview's print does once the user chose
// one: the whole document in the file, or the error box in Japanese with the
// user's file as it was and nothing beside it.
TEST_F(PrintFromWindows, PrintToFileWritesTheWholeDocumentOrKeepsTheOldFile) {
    QTemporaryDir target;
    const QString path = target.filePath(QStringLiteral("schedule.pdf"));
    const QByteArray old("%PDF-1.4 the user's old file\n");
    struct Case {
        const char* name;
        bool fullDisk;
        QString at;
        QString error; // none: written
    };
    const Case cases[] = {
        {"FullDisk", true, path,
         "'" + path + "' に書き込めません: ファイルが許される大きさを超えます."},
        {"FolderInItsPlace", false, target.path(),
         "'" + target.path() + "' に書き込めません: フォルダーです."},
        {"Written", false, path, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(old) == old.size());
        file.close();
        ctx_->errors->clear();
        if (c.fullDisk) {
            rlimit limit{};
            ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &limit), 0);
            const rlimit small{4096, limit.rlim_max};
            const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
            ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
            PrintToFileFromWindow(ctx_->context, c.at);
            setrlimit(RLIMIT_FSIZE, &limit);
            std::signal(SIGXFSZ, oldHandler);
        } else {
            PrintToFileFromWindow(ctx_->context, c.at);
        }
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray written = file.readAll();
        if (c.error.isEmpty()) {
            EXPECT_TRUE(ctx_->errors->isEmpty()) << ctx_->errors->join('\n').toStdString();
            ExpectTheWholeDocument(written, ctx_->context);
        } else {
            EXPECT_EQ(ctx_->errors->join('\n').toStdString(), c.error.toStdString());
            EXPECT_EQ(written.toStdString(), old.toStdString());
        }
        EXPECT_EQ(
            QDir(target.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
            QStringList{QStringLiteral("schedule.pdf")});
    }
}

} // namespace
