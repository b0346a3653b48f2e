#include "Poster.h"

#include "core/Errors.h"
#include "core/Translatable.h"

#include <algorithm>
#include <cmath>

namespace turvane {

namespace {

// In ems of the days' type.
constexpr double LinePitch = 1.3;
constexpr double CellPad = 0.35;
constexpr double WeekdayGap = 0.25;
constexpr double ColumnGap = 1.0;
constexpr double HeadingHeight = 1.6;
constexpr double HeadingSize = 1.15;
constexpr double MonthGap = 0.7;
constexpr double YearSize = 3.2;
constexpr double TitleSize = 1.7;
constexpr double LegendSize = 1.15;
constexpr double LegendGap = 1.2;
// The days' type, in points: below the least nothing is readable, above the
// most a short season would print as a headline.
constexpr double LeastPoints = 2;
constexpr double MostPoints = 28;
// Months stay whole in a column when that keeps this much of the type.
constexpr double KeepMonthsShare = 0.9;
// The sizes measured once and scaled to try a size; the one chosen is
// measured again.
constexpr double ReferencePoints = 10;

[[noreturn]] void DoesNotFit() {
    throw ScheduleError(QT_TRANSLATE_NOOP("CommandLine", "the season does not fit on one page"));
}

PosterStyle WeekdayStyle(DayKind kind) {
    switch (kind) {
    case DayKind::Saturday:
        return PosterStyle::Saturday;
    case DayKind::Sunday:
        return PosterStyle::Sunday;
    case DayKind::Holiday:
        break;
    }
    return PosterStyle::Holiday;
}

// The widest text of each part of a day's lines.
struct Widths {
    double date = 0, weekday = 0, meeting = 0, race = 0;

    Widths scaled(double factor) const {
        return {date * factor, weekday * factor, meeting * factor, race * factor};
    }
    double dateCell(double s) const { return 2 * CellPad * s + date + WeekdayGap * s + weekday; }
    double column(double s) const { return dateCell(s) + 4 * CellPad * s + meeting + race; }
};

Widths Measure(const Poster& poster, double s, const MeasurePosterText& measure) {
    Widths w;
    for (const PosterMonth& month : poster.months) {
        for (const PosterDay& day : month.days) {
            w.date = std::max(w.date, measure(day.label, PosterStyle::Date, s));
            w.weekday = std::max(w.weekday, measure(day.weekdayLabel, WeekdayStyle(day.kind()), s));
            for (const PosterLine& line : day.lines) {
                w.meeting = std::max(w.meeting, measure(line.meeting, PosterStyle::Meeting, s));
                w.race = std::max(
                    w.race,
                    measure(line.race,
                            line.gradeOne ? PosterStyle::GradeOneRace : PosterStyle::Race, s));
            }
        }
    }
    return w;
}

class Packer {
public:
    Packer(const Poster& poster, const MeasurePosterText& measure, double width, double height)
        : poster_(poster), measure_(measure), width_(width), height_(height) {}

    // Whether the poster fits at type size s with the days' widths w; lays
    // it out into out when given.
    bool pack(double s, const Widths& w, bool keepMonths, PosterLayout* out) {
        out_ = out;
        s_ = s;
        w_ = w;
        const double bodyTop = header();
        if (bodyTop >= height_) {
            return false;
        }
        const double need = w.column(s);
        columns_ = static_cast<int>((width_ + ColumnGap * s) / (need + ColumnGap * s));
        if (columns_ < 1) {
            return false;
        }
        columnWidth_ = (width_ - (columns_ - 1) * ColumnGap * s) / columns_;
        const double lineHeight = LinePitch * s;
        const double headingHeight = HeadingHeight * s;
        const double bottom = height_;
        column_ = 0;
        double y = bodyTop;
        for (const PosterMonth& month : poster_.months) {
            double monthHeight = headingHeight;
            for (const PosterDay& day : month.days) {
                monthHeight += DayLines(day) * lineHeight;
            }
            const double firstDay =
                month.days.empty() ? 0 : DayLines(month.days.front()) * lineHeight;
            const bool whole = monthHeight <= bottom - bodyTop;
            if (y > bodyTop && ((keepMonths && whole && y + monthHeight > bottom) ||
                                y + headingHeight + firstDay > bottom)) {
                if (++column_ >= columns_) {
                    return false;
                }
                y = bodyTop;
            }
            heading(month, y);
            double top = y;
            y += headingHeight;
            for (const PosterDay& day : month.days) {
                const double dayHeight = DayLines(day) * lineHeight;
                if (y + dayHeight > bottom) {
                    frame(top, y);
                    if (++column_ >= columns_ || bodyTop + headingHeight + dayHeight > bottom) {
                        return false;
                    }
                    y = bodyTop;
                    heading(month, y);
                    top = y;
                    y += headingHeight;
                }
                this->day(day, y);
                y += dayHeight;
            }
            frame(top, y);
            y += MonthGap * s;
        }
        if (out_) {
            out_->columns = columns_;
            out_->points = s;
        }
        return true;
    }

private:
    static int DayLines(const PosterDay& day) {
        return std::max<int>(1, static_cast<int>(day.lines.size()));
    }
    double columnX() const { return column_ * (columnWidth_ + ColumnGap * s_); }

    void text(double x, double y, double width, double height, std::u16string_view text,
              PosterStyle style, double points) {
        if (out_ && !text.empty()) {
            out_->texts.push_back({x, y, width, height, text, style, points});
        }
    }
    void shape(double x, double y, double width, double height, PosterShape shape) {
        if (out_) {
            out_->shapes.push_back({x, y, width, height, shape});
        }
    }

    // The year and the title on the left, the legend on the right, or under
    // them when the width does not take both. Returns the height used.
    double header() {
        const double yearPoints = YearSize * s_;
        const double yearHeight = yearPoints * 1.2;
        const double yearWidth = measure_(poster_.year, PosterStyle::Year, yearPoints);
        const double titlePoints = TitleSize * s_;
        const double titleWidth = measure_(poster_.title, PosterStyle::Title, titlePoints);
        text(0, 0, yearWidth, yearHeight, poster_.year, PosterStyle::Year, yearPoints);
        const double titleX = yearWidth + s_;
        text(titleX, 0, titleWidth, yearHeight, poster_.title, PosterStyle::Title, titlePoints);

        const double legendPoints = LegendSize * s_;
        std::vector<double> widths;
        double legendWidth = 0;
        for (const std::u16string& label : poster_.legend) {
            widths.push_back(measure_(label, PosterStyle::Legend, legendPoints));
            legendWidth += widths.back() + (widths.size() > 1 ? LegendGap * s_ : 0);
        }
        double x = width_ - legendWidth;
        double y = 0;
        double height = yearHeight;
        if (x < titleX + titleWidth + 2 * s_) {
            x = 0;
            y = yearHeight;
            height += legendPoints * 1.5;
            if (legendWidth > width_) {
                return height_; // no room: too large a type
            }
        }
        for (std::size_t i = 0; i < widths.size(); ++i) {
            text(x, y, widths[i], y == 0 ? yearHeight : legendPoints * 1.5, poster_.legend[i],
                 PosterStyle::Legend, legendPoints);
            x += widths[i] + LegendGap * s_;
        }
        return height + 0.6 * s_;
    }

    void heading(const PosterMonth& month, double y) {
        const double x = columnX();
        shape(x, y, columnWidth_, HeadingHeight * s_, PosterShape::MonthHeading);
        text(x + CellPad * s_, y, columnWidth_ - 2 * CellPad * s_, HeadingHeight * s_, month.title,
             PosterStyle::MonthHeading, HeadingSize * s_);
    }

    void frame(double top, double bottom) {
        shape(columnX(), top, columnWidth_, bottom - top, PosterShape::MonthFrame);
    }

    void day(const PosterDay& day, double y) {
        const double x = columnX();
        const double lineHeight = LinePitch * s_;
        const double height = DayLines(day) * lineHeight;
        const double pad = CellPad * s_;
        const double dateCell = w_.dateCell(s_);
        shape(x, y, dateCell, height,
              day.kind() == DayKind::Saturday ? PosterShape::SaturdayShade
                                              : PosterShape::SundayShade);
        text(x + pad, y, w_.date, lineHeight, day.label, PosterStyle::Date, s_);
        text(x + pad + w_.date + WeekdayGap * s_, y, w_.weekday, lineHeight, day.weekdayLabel,
             WeekdayStyle(day.kind()), s_);
        const double meetingX = x + dateCell + pad;
        const double raceX = meetingX + w_.meeting + 2 * pad;
        for (std::size_t i = 0; i < day.lines.size(); ++i) {
            const PosterLine& line = day.lines[i];
            const double lineY = y + static_cast<double>(i) * lineHeight;
            text(meetingX, lineY, w_.meeting, lineHeight, line.meeting, PosterStyle::Meeting, s_);
            if (line.gradeOne && out_) {
                const double raceWidth = measure_(line.race, PosterStyle::GradeOneRace, s_);
                shape(raceX - pad / 2, lineY + 0.08 * s_, raceWidth + pad, lineHeight - 0.16 * s_,
                      PosterShape::GradeOneShade);
            }
            text(raceX, lineY, x + columnWidth_ - pad - raceX, lineHeight, line.race,
                 line.gradeOne ? PosterStyle::GradeOneRace : PosterStyle::Race, s_);
        }
        shape(x, y + height, columnWidth_, 0, PosterShape::DayRule);
    }

    const Poster& poster_;
    const MeasurePosterText& measure_;
    double width_;
    double height_;
    PosterLayout* out_ = nullptr;
    double s_ = 0;
    Widths w_;
    int columns_ = 0;
    int column_ = 0;
    double columnWidth_ = 0;
};

// The largest size, to a tenth of a point, at which the poster fits the
// packer's page with its texts as wide as reference says, scaled; 0 when not
// even the least does.
double LargestFit(Packer& packer, const Widths& reference, bool keepMonths) {
    const auto fits = [&](double s) {
        return packer.pack(s, reference.scaled(s / ReferencePoints), keepMonths, nullptr);
    };
    if (!fits(LeastPoints)) {
        return 0;
    }
    double low = LeastPoints;
    double high = MostPoints;
    if (fits(high)) {
        low = high;
    }
    while (high - low > 0.05) {
        const double mid = (low + high) / 2;
        (fits(mid) ? low : high) = mid;
    }
    return std::floor(low * 10) / 10;
}

} // namespace

PosterLayout LayOutPoster(const Poster& poster, double paperWidth, double paperHeight,
                          double margin, const MeasurePosterText& measure, PosterTurn turn) {
    const double shortSide = std::min(paperWidth, paperHeight);
    const double longSide = std::max(paperWidth, paperHeight);
    struct Choice {
        bool landscape;
        bool keepMonths;
        double points;
    };
    Choice best{false, true, 0};
    const Widths reference = Measure(poster, ReferencePoints, measure);
    for (const bool landscape : {false, true}) {
        if ((turn == PosterTurn::Portrait && landscape) ||
            (turn == PosterTurn::Landscape && !landscape)) {
            continue;
        }
        Packer packer(poster, measure, (landscape ? longSide : shortSide) - 2 * margin,
                      (landscape ? shortSide : longSide) - 2 * margin);
        const double split = LargestFit(packer, reference, false);
        const double whole = LargestFit(packer, reference, true);
        const Choice choice = whole >= KeepMonthsShare * split ? Choice{landscape, true, whole}
                                                               : Choice{landscape, false, split};
        if (choice.points > best.points) {
            best = choice;
        }
    }
    if (best.points <= 0) {
        DoesNotFit();
    }
    PosterLayout layout;
    layout.landscape = best.landscape;
    layout.pageWidth = best.landscape ? longSide : shortSide;
    layout.pageHeight = best.landscape ? shortSide : longSide;
    Packer packer(poster, measure, layout.pageWidth - 2 * margin, layout.pageHeight - 2 * margin);
    // Widths measured at the size itself, which need not scale exactly.
    Widths widths = Measure(poster, best.points, measure);
    while (!packer.pack(best.points, widths, best.keepMonths, nullptr)) {
        best.points = std::floor(best.points * 0.98 * 10) / 10;
        if (best.points < LeastPoints) {
            DoesNotFit();
        }
        widths = Measure(poster, best.points, measure);
    }
    packer.pack(best.points, widths, best.keepMonths, &layout);
    for (PosterText& t : layout.texts) {
        t.x += margin;
        t.y += margin;
    }
    for (PosterShapeBox& b : layout.shapes) {
        b.x += margin;
        b.y += margin;
    }
    return layout;
}

} // namespace turvane
