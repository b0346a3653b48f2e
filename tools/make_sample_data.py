#!/usr/bin/env python3
"""Regenerate the sample data files Cal1.dat, Cal2.dat and jyuusyou.dat.

The files describe the 2003 racing year: one line per meeting day, the same
day on the same line of all three files.  They are written as code page 932
bytes with CR LF line ends, in fixed byte columns:

  Cal1.dat      MMDD + up to three 16-byte meeting slots ("★京都 1回 5日目")
  Cal2.dat      MMDD + ten 9-byte slots, one per racecourse ("1回 5日目")
  jyuusyou.dat  MMDD + up to three 38-byte graded-race slots, slot k naming
                the race run at the meeting in Cal1 slot k

Usage: make_sample_data.py [output-directory]   (default: <repo>/sample)
"""

import collections
import datetime
import pathlib
import sys

YEAR = 2003
ENCODING = "cp932"
EOL = b"\r\n"

# Racecourses in Cal2 column order, each with its one-character mark.
COURSES = [
    ("京都", "★"),
    ("阪神", "●"),
    ("中京", "☆"),
    ("小倉", "○"),
    ("東京", "◆"),
    ("中山", "■"),
    ("福島", "◇"),
    ("新潟", "□"),
    ("札幌", "△"),
    ("函館", "◎"),
]
MARK = dict(COURSES)
COLUMN = {name: i for i, (name, _) in enumerate(COURSES)}

# Weekday holidays that carried racing (everything else is Saturday/Sunday).
HOLIDAYS = {"0113", "0321", "0505", "0721", "0915", "1013", "1124"}

# Meetings per Cal1 slot: (course, meeting number, racing days as MMDD).
# Day numbers follow the order of the days.  Slot 1 holds the eastern main
# meeting, slot 2 the western main meeting, slot 3 the local one (if any).
EAST = [
    ("中山", 1, "0105 0111 0112 0113 0118 0119 0125 0126"),
    ("東京", 1, "0201 0202 0208 0209 0215 0216 0222 0223"),
    ("中山", 2, "0301 0302 0308 0309 0315 0316 0321 0322 0323"),
    ("中山", 3, "0329 0330 0405 0406 0412 0413 0419 0420"),
    ("東京", 2, "0426 0427 0503 0504 0505 0510 0511 0517 0518"),
    ("東京", 3, "0524 0525 0531 0601 0607 0608 0614 0615"),
    ("福島", 2, "0621 0622 0628 0629 0705 0706 0712 0713"),
    ("新潟", 2, "0719 0720 0721 0726 0727 0802 0803 0809 0810"),
    ("新潟", 3, "0816 0817 0823 0824 0830 0831 0906 0907"),
    ("中山", 4, "0913 0914 0915 0920 0921 0927 0928 1004 1005"),
    ("東京", 4, "1011 1012 1013 1018 1019 1025 1026 1101 1102"),
    ("東京", 5, "1108 1109 1115 1116 1122 1123 1124 1129 1130"),
    ("中山", 5, "1206 1207 1213 1214 1220 1221 1227 1228"),
]
WEST = [
    ("京都", 1, "0105 0111 0112 0113 0118 0119 0125 0126"),
    ("京都", 2, "0201 0202 0208 0209 0215 0216 0222 0223"),
    ("阪神", 1, "0301 0302 0308 0309 0315 0316 0321 0322 0323"),
    ("阪神", 2, "0329 0330 0405 0406 0412 0413 0419 0420"),
    ("京都", 3, "0426 0427 0503 0504 0505 0510 0511 0517 0518"),
    ("中京", 2, "0524 0525 0531 0601 0607 0608 0614 0615"),
    ("阪神", 3, "0621 0622 0628 0629 0705 0706 0712 0713"),
    ("小倉", 2, "0719 0720 0721 0726 0727 0802 0803 0809 0810"),
    ("小倉", 3, "0816 0817 0823 0824 0830 0831 0906 0907"),
    ("阪神", 4, "0913 0914 0915 0920 0921 0927 0928 1004 1005"),
    ("京都", 4, "1011 1012 1013 1018 1019 1025 1026 1101 1102"),
    ("京都", 5, "1108 1109 1115 1116 1122 1123 1124 1129 1130"),
    ("阪神", 5, "1206 1207 1213 1214 1220 1221 1227 1228"),
]
LOCAL = [
    ("小倉", 1, "0201 0202 0208 0209 0215 0216 0222 0223"),
    ("中京", 1, "0308 0309 0315 0316 0321 0322 0323 0329 0330"),
    ("福島", 1, "0412 0413 0419 0420 0426 0427 0503 0504 0505"),
    ("新潟", 1, "0510 0511 0517 0518 0524 0525 0531 0601"),
    ("函館", 1, "0614 0615 0621 0622 0628 0629 0705 0706"),
    ("函館", 2, "0712 0713 0719 0720 0721 0726 0727"),
    ("札幌", 1, "0802 0803 0809 0810 0816 0817 0823 0824"),
    ("札幌", 2, "0830 0831 0906 0907"),
    ("新潟", 4, "1011 1012 1013 1018 1019 1025 1026 1101 1102"),
    ("福島", 3, "1108 1109 1115 1116 1122 1123 1124"),
    ("中京", 3, "1206 1207 1213 1214 1220 1221 1227 1228"),
]
SLOTS = [EAST, WEST, LOCAL]

# Graded races: (MMDD, course, race name, grade).
RACES = [
    ("0105", "中山", "中山金杯", "GⅢ"),
    ("0105", "京都", "京都金杯", "GⅢ"),
    ("0112", "中山", "ガーネットS", "GⅢ"),
    ("0112", "京都", "シンザン記念", "GⅢ"),
    ("0118", "京都", "平安S", "GⅢ"),
    ("0119", "中山", "京成杯", "GⅢ"),
    ("0119", "京都", "日経新春杯", "GⅡ"),
    ("0125", "京都", "京都牝馬S", "GⅢ"),
    ("0126", "中山", "アメリカJCC", "GⅡ"),
    ("0126", "京都", "シルクロードS", "GⅢ"),
    ("0202", "東京", "根岸S", "GⅢ"),
    ("0209", "東京", "東京新聞杯", "GⅢ"),
    ("0209", "京都", "きさらぎ賞", "GⅢ"),
    ("0215", "東京", "クイーンC", "GⅢ"),
    ("0216", "東京", "共同通信杯", "GⅢ"),
    ("0216", "京都", "京都記念", "GⅡ"),
    ("0216", "小倉", "小倉大賞典", "GⅢ"),
    ("0222", "東京", "ダイヤモンドS", "GⅢ"),
    ("0223", "東京", "フェブラリーS", "GⅠ"),
    ("0301", "阪神", "アーリントンC", "GⅢ"),
    ("0302", "中山", "中山記念", "GⅡ"),
    ("0302", "阪神", "阪急杯", "GⅢ"),
    ("0308", "阪神", "チューリップ賞", "GⅢ"),
    ("0309", "中山", "弥生賞", "GⅡ"),
    ("0309", "中京", "中日新聞杯", "GⅢ"),
    ("0315", "中山", "中山牝馬S", "GⅢ"),
    ("0315", "阪神", "阪神スプリングジャンプ", "J・GⅡ"),
    ("0316", "中山", "スプリングS", "GⅡ"),
    ("0316", "阪神", "報知杯フィリーズレビュー", "GⅡ"),
    ("0321", "中山", "フラワーC", "GⅢ"),
    ("0322", "中山", "クリスタルC", "GⅢ"),
    ("0322", "中京", "ファルコンS", "GⅢ"),
    ("0323", "阪神", "阪神大賞典", "GⅡ"),
    ("0323", "中京", "中京記念", "GⅢ"),
    ("0329", "中山", "日経賞", "GⅡ"),
    ("0330", "中山", "マーチS", "GⅢ"),
    ("0330", "阪神", "毎日杯", "GⅢ"),
    ("0330", "中京", "高松宮記念", "GⅠ"),
    ("0405", "中山", "ダービー卿チャレンジT", "GⅢ"),
    ("0406", "阪神", "産経大阪杯", "GⅡ"),
    ("0412", "中山", "ニュージーランドT", "GⅡ"),
    ("0413", "阪神", "桜花賞", "GⅠ"),
    ("0419", "中山", "中山グランドジャンプ", "J・GⅠ"),
    ("0419", "阪神", "アンタレスS", "GⅢ"),
    ("0420", "中山", "皐月賞", "GⅠ"),
    ("0420", "阪神", "読売マイラーズC", "GⅡ"),
    ("0427", "東京", "フローラS", "GⅡ"),
    ("0503", "東京", "青葉賞", "GⅡ"),
    ("0504", "京都", "天皇賞（春）", "GⅠ"),
    ("0510", "京都", "京都新聞杯", "GⅡ"),
    ("0511", "東京", "NHKマイルC", "GⅠ"),
    ("0511", "新潟", "新潟大賞典", "GⅢ"),
    ("0517", "東京", "京王杯スプリングC", "GⅡ"),
    ("0517", "京都", "京都ハイジャンプ", "J・GⅡ"),
    ("0525", "東京", "オークス", "GⅠ"),
    ("0525", "中京", "東海S", "GⅡ"),
    ("0531", "東京", "目黒記念", "GⅡ"),
    ("0601", "東京", "東京優駿（日本ダービー）", "GⅠ"),
    ("0601", "中京", "金鯱賞", "GⅡ"),
    ("0608", "東京", "安田記念", "GⅠ"),
    ("0614", "東京", "ユニコーンS", "GⅢ"),
    ("0615", "東京", "エプソムC", "GⅢ"),
    ("0622", "阪神", "マーメイドS", "GⅢ"),
    ("0622", "函館", "函館スプリントS", "GⅢ"),
    ("0629", "阪神", "宝塚記念", "GⅠ"),
    ("0706", "福島", "ラジオたんぱ賞", "GⅢ"),
    ("0706", "阪神", "プロキオンS", "GⅢ"),
    ("0713", "福島", "七夕賞", "GⅢ"),
    ("0720", "小倉", "北九州記念", "GⅢ"),
    ("0720", "函館", "函館2歳S", "GⅢ"),
    ("0727", "新潟", "アイビスサマーダッシュ", "GⅢ"),
    ("0727", "函館", "函館記念", "GⅢ"),
    ("0802", "小倉", "小倉サマージャンプ", "J・GⅢ"),
    ("0803", "札幌", "クイーンS", "GⅢ"),
    ("0810", "新潟", "関屋記念", "GⅢ"),
    ("0810", "小倉", "小倉記念", "GⅢ"),
    ("0810", "札幌", "エルムS", "GⅢ"),
    ("0817", "札幌", "札幌記念", "GⅡ"),
    ("0823", "新潟", "新潟ジャンプS", "J・GⅢ"),
    ("0824", "新潟", "新潟2歳S", "GⅢ"),
    ("0831", "新潟", "新潟記念", "GⅢ"),
    ("0906", "札幌", "札幌2歳S", "GⅢ"),
    ("0907", "小倉", "小倉2歳S", "GⅢ"),
    ("0913", "阪神", "阪神ジャンプS", "J・GⅢ"),
    ("0914", "中山", "京成杯オータムH", "GⅢ"),
    ("0914", "阪神", "セントウルS", "GⅢ"),
    ("0920", "阪神", "朝日チャレンジC", "GⅢ"),
    ("0921", "中山", "セントライト記念", "GⅡ"),
    ("0921", "阪神", "ローズS", "GⅡ"),
    ("0927", "阪神", "シリウスS", "GⅢ"),
    ("0928", "中山", "オールカマー", "GⅡ"),
    ("0928", "阪神", "神戸新聞杯", "GⅡ"),
    ("1005", "中山", "スプリンターズS", "GⅠ"),
    ("1011", "東京", "東京ハイジャンプ", "J・GⅡ"),
    ("1012", "東京", "毎日王冠", "GⅡ"),
    ("1012", "京都", "京都大賞典", "GⅡ"),
    ("1018", "東京", "府中牝馬S", "GⅢ"),
    ("1018", "京都", "デイリー杯2歳S", "GⅡ"),
    ("1019", "京都", "秋華賞", "GⅠ"),
    ("1025", "東京", "富士S", "GⅢ"),
    ("1026", "京都", "菊花賞", "GⅠ"),
    ("1101", "京都", "スワンS", "GⅡ"),
    ("1102", "東京", "天皇賞（秋）", "GⅠ"),
    ("1108", "東京", "京王杯2歳S", "GⅡ"),
    ("1108", "京都", "ファンタジーS", "GⅢ"),
    ("1109", "東京", "アルゼンチン共和国杯", "GⅡ"),
    ("1115", "東京", "武蔵野S", "GⅢ"),
    ("1115", "京都", "京都ジャンプS", "J・GⅢ"),
    ("1116", "京都", "エリザベス女王杯", "GⅠ"),
    ("1116", "福島", "福島記念", "GⅢ"),
    ("1122", "東京", "東京スポーツ杯2歳S", "GⅢ"),
    ("1123", "京都", "マイルチャンピオンシップ", "GⅠ"),
    ("1129", "東京", "ジャパンCダート", "GⅠ"),
    ("1129", "京都", "京阪杯", "GⅢ"),
    ("1130", "東京", "ジャパンC", "GⅠ"),
    ("1206", "中山", "ステイヤーズS", "GⅡ"),
    ("1206", "阪神", "鳴尾記念", "GⅢ"),
    ("1207", "阪神", "阪神ジュベナイルフィリーズ", "GⅠ"),
    ("1213", "中京", "CBC賞", "GⅡ"),
    ("1214", "中山", "朝日杯フューチュリティS", "GⅠ"),
    ("1220", "中山", "中山大障害", "J・GⅠ"),
    ("1220", "阪神", "阪神牝馬S", "GⅡ"),
    ("1221", "中山", "フェアリーS", "GⅢ"),
    ("1221", "中京", "愛知杯", "GⅢ"),
    ("1227", "阪神", "ラジオたんぱ杯2歳S", "GⅢ"),
    ("1228", "中山", "有馬記念", "GⅠ"),
]

# A few lines are deliberately short so readers must cope with lines that
# end early instead of being padded to full width.
CAL1_TWO_SLOT_LINES = {"0113", "1004"}          # end after slot 2
RACE_TRIMMED_LINES = {"0105", "0111", "0223", "0504", "0915"}  # no blank tail

CAL1_SLOT = 16
CAL2_SLOT = 9
RACE_SLOT = 38
RACE_TEXT = 34


def enc(text):
    return text.encode(ENCODING)


def meeting_days():
    """Map MMDD -> list of three (course, meeting, day) or None, by slot."""
    days = collections.defaultdict(lambda: [None, None, None])
    for slot, meetings in enumerate(SLOTS):
        for course, number, dates in meetings:
            dates = dates.split()
            assert len(dates) <= 9, (course, number)
            for day, mmdd in enumerate(dates, start=1):
                assert days[mmdd][slot] is None, (mmdd, slot)
                days[mmdd][slot] = (course, number, day)
    for mmdd, slots in days.items():
        date = datetime.date(YEAR, int(mmdd[:2]), int(mmdd[2:]))
        assert date.weekday() >= 5 or mmdd in HOLIDAYS, mmdd
        assert slots[0] and slots[1], mmdd  # both main meetings always run
        names = [s[0] for s in slots if s]
        assert len(names) == len(set(names)), mmdd
    return dict(sorted(days.items()))


def races_by_slot(days):
    """Map MMDD -> three race slots (name, grade) or None, as in Cal1."""
    result = {mmdd: [None, None, None] for mmdd in days}
    for mmdd, course, name, grade in RACES:
        slots = days[mmdd]
        k = next(i for i, s in enumerate(slots) if s and s[0] == course)
        assert result[mmdd][k] is None, (mmdd, course)
        result[mmdd][k] = (name, grade)
    return result


def cal1_line(mmdd, slots):
    out = enc(mmdd)
    for course, number, day in slots:
        if course is None:
            piece = b" " * CAL1_SLOT
        else:
            piece = enc(f"{MARK[course]}{course} {number}回 {day}日目")
        assert len(piece) == CAL1_SLOT, piece
        out += piece
    if mmdd in CAL1_TWO_SLOT_LINES:
        assert slots[2][0] is None, mmdd
        out = out[:4 + 2 * CAL1_SLOT]
    assert len(out) in (4 + 2 * CAL1_SLOT, 4 + 3 * CAL1_SLOT), mmdd
    return out


def cal2_line(mmdd, slots):
    columns = [b" " * CAL2_SLOT] * len(COURSES)
    for course, number, day in slots:
        if course is not None:
            columns[COLUMN[course]] = enc(f"{number}回 {day}日目")
    assert all(len(c) == CAL2_SLOT for c in columns)
    out = enc(mmdd) + b"".join(columns)
    assert len(out) == 4 + CAL2_SLOT * len(COURSES)
    return out


def race_line(mmdd, slots, races):
    pieces = []
    for (course, _, _), race in zip(slots, races):
        if race is None:
            pieces.append(b" " * RACE_SLOT)
            continue
        name, grade = race
        text = enc(f" {name} {grade}")
        assert len(text) <= RACE_TEXT, (mmdd, name)
        pieces.append(enc(course) + text.ljust(RACE_TEXT, b" "))
    if mmdd in RACE_TRIMMED_LINES:
        while pieces and pieces[-1].strip() == b"":
            pieces.pop()
    assert all(len(p) == RACE_SLOT for p in pieces)
    return enc(mmdd) + b"".join(pieces)


def main():
    outdir = pathlib.Path(sys.argv[1]) if len(sys.argv) > 1 else \
        pathlib.Path(__file__).resolve().parent.parent / "sample"
    days = meeting_days()
    races = races_by_slot(days)
    empty = (None, None, None)
    cal1, cal2, jyuusyou = [], [], []
    for mmdd, slots in days.items():
        slots = [s or empty for s in slots]
        cal1.append(cal1_line(mmdd, slots))
        cal2.append(cal2_line(mmdd, slots))
        jyuusyou.append(race_line(mmdd, slots, races[mmdd]))

    outdir.mkdir(parents=True, exist_ok=True)
    for name, lines in (("Cal1.dat", cal1), ("Cal2.dat", cal2),
                        ("jyuusyou.dat", jyuusyou)):
        (outdir / name).write_bytes(b"".join(line + EOL for line in lines))

    per_course = collections.Counter(c for meetings in SLOTS
                                     for c, _, _ in meetings)
    print(f"{len(days)} meeting days, {len(RACES)} graded races -> {outdir}")
    for course, _ in COURSES:
        print(f"  {course}: {per_course[course]} meetings")


if __name__ == "__main__":
    main()
