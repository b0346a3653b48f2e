<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>CommandLine</name>
    <message>
        <source>turvane: %1 (see &apos;turvane --help&apos;)</source>
        <translation>turvane: %1（&apos;turvane --help&apos; を参照してください）</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>&apos;%1&apos; というオプションはありません</translation>
    </message>
    <message>
        <source>missing value after &apos;%1&apos;</source>
        <translation>&apos;%1&apos; の後に値がありません</translation>
    </message>
    <message>
        <source>&apos;%1&apos; takes no value</source>
        <translation>&apos;%1&apos; は値を取りません</translation>
    </message>
    <message>
        <source>--date: &apos;%1&apos; is not a date of the form YYYY-MM-DD</source>
        <translation>--date: &apos;%1&apos; は YYYY-MM-DD 形式の日付ではありません</translation>
    </message>
    <message>
        <source>--date: &apos;%1&apos; is no day of the calendar</source>
        <translation>--date: &apos;%1&apos; という日は暦にありません</translation>
    </message>
    <message>
        <source>no problems found</source>
        <translation>問題は見つかりませんでした</translation>
    </message>
    <message>
        <source>1 error</source>
        <translation>エラー 1 件</translation>
    </message>
    <message>
        <source>%1 errors</source>
        <translation>エラー %1 件</translation>
    </message>
    <message>
        <source>1 warning</source>
        <translation>警告 1 件</translation>
    </message>
    <message>
        <source>%1 warnings</source>
        <translation>警告 %1 件</translation>
    </message>
    <message>
        <source>, </source>
        <translation>、</translation>
    </message>
    <message>
        <source>turvane: checked Cal1.dat, Cal2.dat and jyuusyou.dat in &apos;%1&apos;, %2 lines: %3</source>
        <translation>turvane: &apos;%1&apos; の Cal1.dat、Cal2.dat、jyuusyou.dat（計 %2 行）を検査しました: %3</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>このヘルプを表示して終了します。</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>バージョンを表示して終了します。</translation>
    </message>
    <message>
        <source>Show the schedule as if today were &lt;date&gt;, given as YYYY-MM-DD.</source>
        <translation>今日が &lt;date&gt;（YYYY-MM-DD
形式）であるものとして日程を表示します。</translation>
    </message>
    <message>
        <source>Check the layout of the three data files, print every problem as FILE:LINE:COLUMN: error|warning: message, and exit: 0 when there is none, 1 when there is any.</source>
        <translation>3 つのデータファイルのレイアウトを検査し、見つけた問題を
1 件ずつ「FILE:LINE:COLUMN: エラー|警告:
メッセージ」の形で出力し、問題がなければ
0、あれば 1 で終了します。</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>余計な引数 &apos;%1&apos; があります</translation>
    </message>
    <message>
        <source>--data: &apos;%1&apos; is not a directory</source>
        <translation>--data: &apos;%1&apos; はディレクトリではありません</translation>
    </message>
    <message>
        <source>Copyright (C) 2026 Turvane developers
This is free software under the MIT licence.
</source>
        <translation>Copyright (C) 2026 Turvane developers
このプログラムは MIT ライセンスのフリーソフトウェアです。
</translation>
    </message>
    <message>
        <source>turvane: a window needs a graphical display, and none is set (neither DISPLAY nor WAYLAND_DISPLAY); %1</source>
        <translation>turvane: ウィンドウを開くにはグラフィカルなディスプレイが必要ですが、設定されていません（DISPLAY も WAYLAND_DISPLAY もありません）。%1</translation>
    </message>
    <message>
        <source>turvane: a window needs a graphical display, and the display &apos;%1&apos; does not answer; %2</source>
        <translation>turvane: ウィンドウを開くにはグラフィカルなディスプレイが必要ですが、ディスプレイ &apos;%1&apos; に接続できません。%2</translation>
    </message>
    <message>
        <source>Write the meetings and graded races as an iCalendar file &lt;file&gt; (&apos;-&apos; for standard output) and exit: 0 when written, 1 when not.</source>
        <translation>開催と重賞を iCalendar ファイル &lt;file&gt;（&apos;-&apos;
なら標準出力）に書き出します。書き出せたら
0、書き出せなかったら 1 で終了します。</translation>
    </message>
    <message>
        <source>With --ics: the graded races alone.</source>
        <translation>重賞だけを書き出します（--ics と一緒に使います）。</translation>
    </message>
    <message>
        <source>--year: &apos;%1&apos; is not a year from 1000 to 9999</source>
        <translation>--year: &apos;%1&apos; は 1000 から 9999 までの年ではありません</translation>
    </message>
    <message>
        <source>--ics: the file name is empty</source>
        <translation>--ics: ファイル名が空です</translation>
    </message>
    <message>
        <source>--check and --ics cannot be used together</source>
        <translation>--check と --ics は同時に指定できません</translation>
    </message>
    <message>
        <source>--only-graded works only with --ics</source>
        <translation>--only-graded は --ics と一緒にしか使えません</translation>
    </message>
    <message>
        <source>cannot write the calendar to standard output: %1</source>
        <translation>カレンダーを標準出力に書き出せません: %1</translation>
    </message>
    <message>
        <source>cannot write &apos;%1&apos;: %2</source>
        <translation>&apos;%1&apos; に書き込めません: %2</translation>
    </message>
    <message>
        <source>SOURCE_DATE_EPOCH: &apos;%1&apos; is not a count of seconds since 1970</source>
        <translation>SOURCE_DATE_EPOCH: &apos;%1&apos; は 1970 年からの秒数ではありません</translation>
    </message>
    <message>
        <source>Write the schedule as a PDF document to &lt;file&gt; (&apos;-&apos; for standard output) and exit, with no window.</source>
        <translation>ウィンドウを開かずに、日程を PDF 文書として &lt;file&gt;（&apos;-&apos;
なら標準出力）に書き出して終了します。</translation>
    </message>
    <message>
        <source>--check and --pdf cannot be combined</source>
        <translation>--check と --pdf は同時に指定できません</translation>
    </message>
    <message>
        <source>--ics and --pdf cannot be combined</source>
        <translation>--ics と --pdf は同時に指定できません</translation>
    </message>
    <message>
        <source>--pdf: no file given</source>
        <translation>--pdf: ファイル名がありません</translation>
    </message>
    <message>
        <source>no PDF written</source>
        <translation>PDF は書き出していません</translation>
    </message>
    <message>
        <source>cannot write the PDF to standard output</source>
        <translation>PDF を標準出力に書き出せません</translation>
    </message>
    <message>
        <source>Write the three data files as one CSV file for a spreadsheet to &lt;file&gt; (&apos;-&apos; for standard output), and exit.</source>
        <translation>3 つのデータファイルを、表計算ソフト向けの 1 つの CSV
ファイル &lt;file&gt;（&apos;-&apos;
なら標準出力）に書き出して終了します。</translation>
    </message>
    <message>
        <source>give only one of --export-csv and --import-csv</source>
        <translation>--export-csv と --import-csv はどちらか一方だけを指定してください</translation>
    </message>
    <message>
        <source>%1: the file name is empty</source>
        <translation>%1: ファイル名が空です</translation>
    </message>
    <message>
        <source>&apos;%1&apos; exists already and stays as it is; nothing was written</source>
        <translation>&apos;%1&apos; はすでにあるので、そのままにしました。何も書き出していません</translation>
    </message>
    <message>
        <source>cannot write &apos;%1&apos;: %2; nothing was written</source>
        <translation>&apos;%1&apos; に書き込めません: %2。何も書き出していません</translation>
    </message>
    <message>
        <source>nothing was exported: a CSV file cannot carry what is named above</source>
        <translation>何も書き出していません。上に挙げた内容は CSV ファイルでは表せません</translation>
    </message>
    <message>
        <source>an import of the CSV file writes the lines named above otherwise</source>
        <translation>この CSV ファイルを取り込むと、上に挙げた行は元とは違う形で書き出されます</translation>
    </message>
    <message>
        <source>cannot write the CSV to standard output: %1</source>
        <translation>CSV を標準出力に書き出せません: %1</translation>
    </message>
    <message>
        <source>cannot read &apos;%1&apos;: %2</source>
        <translation>&apos;%1&apos; を読み込めません: %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is larger than %2 MiB; nothing was written</source>
        <translation>&apos;%1&apos; が %2 MiB より大きいため、何も書き出していません</translation>
    </message>
    <message>
        <source>nothing was written; the CSV file&apos;s problems are listed above</source>
        <translation>何も書き出していません。CSV ファイルの問題は上に挙げたとおりです</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>ディスクがいっぱいです</translation>
    </message>
    <message>
        <source>the file would be larger than allowed</source>
        <translation>ファイルが許される大きさを超えます</translation>
    </message>
    <message>
        <source>no such file or folder</source>
        <translation>そのようなファイルやフォルダーはありません</translation>
    </message>
    <message>
        <source>a part of the path is a file, not a folder</source>
        <translation>パスの途中がフォルダーではなくファイルです</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>フォルダーです</translation>
    </message>
    <message>
        <source>permission denied</source>
        <translation>権限がありません</translation>
    </message>
    <message>
        <source>the file system is read-only</source>
        <translation>ファイルシステムが読み込み専用です</translation>
    </message>
    <message>
        <source>the device reported an error</source>
        <translation>装置がエラーを報告しました</translation>
    </message>
    <message>
        <source>the name is too long</source>
        <translation>名前が長すぎます</translation>
    </message>
    <message>
        <source>Shows the horse-racing meeting schedule of one racing year: the meeting
calendar, the same days by racecourse, today&apos;s meetings and the next meeting
day, and the year&apos;s graded races. It reads Cal1.dat, Cal2.dat and jyuusyou.dat
from the directory given with --data; without it, from your season of today&apos;s
year, $XDG_DATA_HOME/turvane/&lt;year&gt; (~/.local/share/turvane/&lt;year&gt;) as
--import-csv makes it, when there is one, and otherwise from the directory of
its executable. The year is --year, or the one year.txt beside the files
records, or 2003.
Qt&apos;s own options, such as -platform and -style, work as well.</source>
        <translation>ある年の競馬の開催日程を表示します。開催日程、競馬場別開催日程、本日の開催と
次の開催日、その年の重賞日程を見ることができます。データファイル Cal1.dat、
Cal2.dat、jyuusyou.dat は、--data で指定したディレクトリから読み込みます。
指定がなければ、今日の年の自分の日程 $XDG_DATA_HOME/turvane/&lt;year&gt;
（~/.local/share/turvane/&lt;year&gt;。--import-csv で作ります）があればそこから、
なければ実行ファイルのあるディレクトリから読み込みます。年は --year、
なければファイルのそばの year.txt に記録された年、それもなければ 2003 年です。
-platform や -style など、Qt 自身のオプションも使えます。</translation>
    </message>
    <message>
        <source>Read the three data files from &lt;dir&gt; instead of your season of today&apos;s year or the program&apos;s directory.</source>
        <translation>&lt;dir&gt; にある 3 つのデータファイルを読み込みます（--data
がなければ、--seasons が示すもの）。</translation>
    </message>
    <message>
        <source>The year the data files describe, four digits (default: the one in year.txt beside them, or 2003).</source>
        <translation>データファイルの年を 4 桁で指定します（既定は、ファイルのそばの year.txt
に記録された年、それもなければ 2003）。</translation>
    </message>
    <message>
        <source>Build the three data files and year.txt from such a CSV file (&apos;-&apos; for standard input) in the directory given with --data, which must not hold any of them yet, or else in a new folder of your seasons named by the year of the CSV&apos;s dates, and exit.</source>
        <translation>その形の CSV ファイル（&apos;-&apos; なら標準入力）から
3 つのデータファイルと year.txt を作り、--data
で指定したディレクトリに置いて終了します。--data
がなければ、CSV
の日付の年の名前で新しいフォルダーを自分の日程（--seasons
を参照）の中に作ります。どちらも上書きはしません。</translation>
    </message>
    <message>
        <source>List your seasons, one a line, say which data the program shows when started without --data, and exit.</source>
        <translation>自分の日程を 1 行に 1 つずつ一覧し、--data
なしで起動したときにどのデータを表示するかを示して終了します。</translation>
    </message>
    <message>
        <source>this system names no folder for your seasons; give --data &lt;dir&gt;, the directory to build the files in; nothing was written</source>
        <translation>このシステムには自分の日程を置くフォルダーがありません。ファイルを作るディレクトリを --data &lt;dir&gt; で指定してください。何も書き出していません</translation>
    </message>
    <message>
        <source>your season of %1 exists already in &apos;%2&apos; and stays as it is; nothing was written. To replace it, delete that folder first; to keep both, import into a directory of your choice with --data &lt;dir&gt;</source>
        <translation>%1 年の自分の日程は &apos;%2&apos; にすでにあるので、そのままにしました。何も書き出していません。置き換えるには、先にそのフォルダーを消してください。両方残すには、--data &lt;dir&gt; で好きなディレクトリに取り込んでください</translation>
    </message>
    <message>
        <source>wrote Cal1.dat, Cal2.dat, jyuusyou.dat and year.txt (%1) into &apos;%2&apos;</source>
        <translation>Cal1.dat、Cal2.dat、jyuusyou.dat、year.txt（%1 年）を &apos;%2&apos; に書き出しました</translation>
    </message>
    <message>
        <source>started without --data in %1, the program shows this season</source>
        <translation>%1 年に --data なしで起動すると、この日程を表示します</translation>
    </message>
    <message>
        <source>%1 holds &apos;%2&apos;, not a year; write the season&apos;s year in four digits there, such as 2027, or give --year</source>
        <translation>%1 にあるのは年ではなく &apos;%2&apos; です。そこに日程の年を 2027 のように 4 桁で書くか、--year を指定してください</translation>
    </message>
    <message>
        <source>started without --data, the program shows the season of %1, today&apos;s year: &apos;%2&apos;</source>
        <translation>--data なしで起動すると、今日の年である %1 年の日程を表示します: &apos;%2&apos;</translation>
    </message>
    <message>
        <source>started without --data, the program shows the files beside it: &apos;%1&apos;</source>
        <translation>--data なしで起動すると、プログラムのそばのファイルを表示します: &apos;%1&apos;</translation>
    </message>
    <message>
        <source>started without --data, the program shows the files beside it, &apos;%1&apos;, as &apos;%2&apos; holds no season of %3, today&apos;s year; --import-csv FILE makes one</source>
        <translation>--data なしで起動すると、プログラムのそばのファイル &apos;%1&apos; を表示します。&apos;%2&apos; に今日の年である %3 年の日程がないためです。--import-csv FILE で作れます</translation>
    </message>
    <message>
        <source>Write the whole season on one page, to pin on a wall, as a PDF document to &lt;file&gt; (&apos;-&apos; for standard output) and exit, with no window.</source>
        <translation>ウィンドウを開かずに、壁に貼れるようシーズン全体を 1 ページにまとめ、PDF 文書として &lt;file&gt;（&apos;-&apos;
なら標準出力）に書き出して終了します。</translation>
    </message>
    <message>
        <source>With --pdf or --poster: the paper, A4, A3 or Letter (default A3 for the poster, the locale&apos;s paper for --pdf).</source>
        <translation>--pdf と --poster の用紙: A4、A3、Letter のどれか（既定はポスターが A3、--pdf
はロケールの用紙）。</translation>
    </message>
    <message>
        <source>--paper: &apos;%1&apos; is not A4, A3 or Letter</source>
        <translation>--paper: &apos;%1&apos; は A4、A3、Letter のどれでもありません</translation>
    </message>
    <message>
        <source>--paper works only with --pdf or --poster</source>
        <translation>--paper は --pdf か --poster と一緒にしか使えません</translation>
    </message>
    <message>
        <source>%1 and --poster cannot be combined</source>
        <translation>%1 と --poster は同時に指定できません</translation>
    </message>
    <message>
        <source>--poster: no file given</source>
        <translation>--poster: ファイル名がありません</translation>
    </message>
    <message>
        <source>the season does not fit on one page</source>
        <translation>シーズンが 1 ページに収まりません</translation>
    </message>
    <message>
        <source>%1: note: %2</source>
        <translation>%1: 注: %2</translation>
    </message>
    <message>
        <source>turvane: the PDF is not written to a terminal; send it to a file or a program instead: &apos;turvane --pdf - &gt; schedule.pdf&apos; or &apos;turvane --pdf - | lp&apos;</source>
        <translation>turvane: PDF は端末には書き出しません。ファイルかプログラムに送ってください: &apos;turvane --pdf - &gt; schedule.pdf&apos; または &apos;turvane --pdf - | lp&apos;</translation>
    </message>
    <message>
        <source>no calendar written</source>
        <translation>カレンダーは書き出していません</translation>
    </message>
    <message>
        <source>nothing was exported</source>
        <translation>何も書き出していません</translation>
    </message>
    <message>
        <source>--check, --pdf, --ics, --export-csv and --import-csv work without one</source>
        <translation>--check、--pdf、--ics、--export-csv、--import-csv はディスプレイがなくても使えます</translation>
    </message>
    <message>
        <source>the file is %1 MiB, larger than the %2 MiB the program reads</source>
        <translation>ファイルは %1 MiB で、プログラムが読み込む %2 MiB を超えています</translation>
    </message>
    <message>
        <source>cannot open the file</source>
        <translation>ファイルを開けません</translation>
    </message>
    <message>
        <source>cannot open the file; %1</source>
        <translation>ファイルを開けません。%1</translation>
    </message>
    <message>
        <source>the date &apos;%1&apos; is not a number</source>
        <translation>日付 &apos;%1&apos; が数字ではありません</translation>
    </message>
    <message>
        <source>the line is missing: the file ends after line %1, and every line of jyuusyou.dat that names races needs the line of the same day here</source>
        <translation>行がありません。このファイルは %1 行目で終わっていますが、重賞のある jyuusyou.dat の行には、同じ日の行がこのファイルに必要です</translation>
    </message>
    <message>
        <source>the date &apos;%1&apos; is not a day of %2</source>
        <translation>日付 &apos;%1&apos; は %2 年にない日です</translation>
    </message>
    <message>
        <source>turvane: %1; %2 (&apos;%3&apos; lists every problem of the data files)</source>
        <translation>turvane: %1。%2（データファイルのすべての問題は &apos;%3&apos; で確認できます）</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is there, but file names are case-sensitive: rename it to &apos;%2&apos;</source>
        <translation>&apos;%1&apos; はありますが、ファイル名は大文字と小文字を区別します。&apos;%2&apos; に名前を変えてください</translation>
    </message>
    <message>
        <source>%1; %2</source>
        <translation>%1。%2</translation>
    </message>
    <message>
        <source>turvane: &apos;%1&apos; finds %2 in the data files, the first above; they are written as they read</source>
        <translation>turvane: データファイルに問題があります（&apos;%1&apos; の結果は%2で、最初のものは上のとおりです）。読めたとおりに書き出します</translation>
    </message>
    <message>
        <source>%1; &apos;turvane --check&apos; lists every problem of the files</source>
        <translation>%1。ファイルの問題は &apos;turvane --check&apos; ですべて確認できます</translation>
    </message>
    <message>
        <source>turvane: cannot start &apos;%1&apos;</source>
        <translation>turvane: &apos;%1&apos; を起動できません</translation>
    </message>
    <message>
        <source>Read the three data files from &lt;dir&gt; instead of your season of today&apos;s year or the program&apos;s folder.</source>
        <translation>今日の年の自分の日程やプログラムのフォルダーの代わりに、&lt;dir&gt; にある
3 つのデータファイルを読み込みます。</translation>
    </message>
    <message>
        <source>Shows the horse-racing meeting schedule of one racing year: the meeting
calendar, the same days by racecourse, today&apos;s meetings and the next meeting
day, and the year&apos;s graded races. It reads Cal1.dat, Cal2.dat and jyuusyou.dat
from the folder given with --data; without it, from your season of today&apos;s
year, %APPDATA%\Turvane\&lt;year&gt;, when there is one, and otherwise from the
folder of the program. The year is --year, or the one year.txt beside the
files records, or 2003.</source>
        <translation>ある年の競馬の開催日程を表示します。開催日程、競馬場別開催日程、本日の開催と
次の開催日、その年の重賞日程を見ることができます。データファイル Cal1.dat、
Cal2.dat、jyuusyou.dat は、--data で指定したフォルダーから読み込みます。
指定がなければ、今日の年の自分の日程 %APPDATA%\Turvane\&lt;year&gt; があればそこから、
なければプログラムのあるフォルダーから読み込みます。年は --year、なければ
ファイルのそばの year.txt に記録された年、それもなければ 2003 年です。</translation>
    </message>
</context>
<context>
    <name>DataCheck</name>
    <message>
        <source>first numeral</source>
        <translation>開催回の数字</translation>
    </message>
    <message>
        <source>first word</source>
        <translation>「回」の文字</translation>
    </message>
    <message>
        <source>second numeral</source>
        <translation>日目の数字</translation>
    </message>
    <message>
        <source>second word</source>
        <translation>「日目」の文字</translation>
    </message>
    <message>
        <source>meeting slot %1</source>
        <translation>開催枠 %1</translation>
    </message>
    <message>
        <source>racecourse label</source>
        <translation>競馬場ラベル</translation>
    </message>
    <message>
        <source>racecourse name</source>
        <translation>競馬場名</translation>
    </message>
    <message>
        <source>blank after the racecourse name</source>
        <translation>競馬場名の後の空白</translation>
    </message>
    <message>
        <source>course slot %1</source>
        <translation>競馬場枠 %1</translation>
    </message>
    <message>
        <source>race slot %1</source>
        <translation>重賞枠 %1</translation>
    </message>
    <message>
        <source>race text</source>
        <translation>レース名</translation>
    </message>
    <message>
        <source>cannot open the file</source>
        <translation>ファイルを開けません</translation>
    </message>
    <message>
        <source>the line is empty</source>
        <translation>空行です</translation>
    </message>
    <message>
        <source>a NUL byte ends the text here; what follows it (%1 byte) is never read</source>
        <translation>ここにある NUL バイトでテキストが終わります。後ろの %1 バイトは読み込まれません</translation>
    </message>
    <message>
        <source>a NUL byte ends the text here; what follows it (%1 bytes) is never read</source>
        <translation>ここにある NUL バイトでテキストが終わります。後ろの %1 バイトは読み込まれません</translation>
    </message>
    <message>
        <source>the date %1 is not four digits (month and day)</source>
        <translation>日付 %1 が 4 桁の数字（月と日）ではありません</translation>
    </message>
    <message>
        <source>the date %1 is not a day of %2</source>
        <translation>日付 %1 は %2 年にない日です</translation>
    </message>
    <message>
        <source>the date %1 repeats the one on line %2</source>
        <translation>日付 %1 が %2 行目と重複しています</translation>
    </message>
    <message>
        <source>the date %1 comes after %2 on line %3; the lines must be in date order</source>
        <translation>日付 %1 が %3 行目の %2 より後にあります。行は日付順に並べてください</translation>
    </message>
    <message>
        <source>the bytes after %1</source>
        <translation>%1 の後ろ</translation>
    </message>
    <message>
        <source>the %1 of %2</source>
        <translation>%2 の%1</translation>
    </message>
    <message>
        <source>the byte %1 is not a character of code page 932</source>
        <translation>バイト %1 はコードページ 932 の文字ではありません</translation>
    </message>
    <message>
        <source>a double-byte character is cut by the end of the line</source>
        <translation>2 バイト文字が行末で切れています</translation>
    </message>
    <message>
        <source>a double-byte character is cut: its second byte (byte %1) starts %2</source>
        <translation>2 バイト文字が区切りをまたいでいます。2 バイト目（%1 バイト目）が %2 の先頭にあたります</translation>
    </message>
    <message>
        <source>the bytes %1 are not a character of code page 932</source>
        <translation>バイト列 %1 はコードページ 932 の文字ではありません</translation>
    </message>
    <message>
        <source>%1 ends with the line after %2 byte of its %3</source>
        <translation>%1 が %3 バイト中 %2 バイトのところで行末になっています</translation>
    </message>
    <message>
        <source>%1 ends with the line after %2 bytes of its %3</source>
        <translation>%1 が %3 バイト中 %2 バイトのところで行末になっています</translation>
    </message>
    <message>
        <source>%1: %2 stands where a digit or a blank belongs</source>
        <translation>%1: 数字か空白のはずの位置に %2 があります</translation>
    </message>
    <message>
        <source>%1 byte after %2 is never shown</source>
        <translation>%2 の後ろの %1 バイトは表示されません</translation>
    </message>
    <message>
        <source>%1 bytes after %2 are never shown</source>
        <translation>%2 の後ろの %1 バイトは表示されません</translation>
    </message>
    <message>
        <source>%1: the racecourse name %2 is not two double-byte characters</source>
        <translation>%1: 競馬場名 %2 が全角 2 文字ではありません</translation>
    </message>
    <message>
        <source>the date %1 should be %2, as in %3 and %4</source>
        <translation>日付 %1 は、%3 と %4 に合わせて %2 のはずです</translation>
    </message>
    <message>
        <source>the date %1 differs from %2 on line %3 of %4</source>
        <translation>日付 %1 が %4 の %3 行目の %2 と異なります</translation>
    </message>
    <message>
        <source>a line for %1 is missing here; %2 has it on line %3</source>
        <translation>ここにあるべき %1 の行がありません（%2 では %3 行目）</translation>
    </message>
    <message>
        <source>%1 lines are missing here, for %2 to %3; %4 has them from line %5 on</source>
        <translation>ここにあるべき %2 から %3 までの %1 行がありません（%4 では %5 行目から）</translation>
    </message>
    <message>
        <source>this line (%1) is in neither %2 nor %3</source>
        <translation>この行（%1）は %2 にも %3 にもありません</translation>
    </message>
    <message>
        <source>this line and the one after it are in neither %2 nor %3</source>
        <translation>この行と次の行は %2 にも %3 にもありません</translation>
    </message>
    <message>
        <source>this line and the %1 after it are in neither %2 nor %3</source>
        <translation>この行と続く %1 行は %2 にも %3 にもありません</translation>
    </message>
    <message>
        <source>race slot %1: the racecourse %2 has no meeting on line %3 of %4, and the list does not show the race</source>
        <translation>重賞枠 %1: 競馬場 %2 は %4 の %3 行目に開催がないため、重賞日程に表示されません</translation>
    </message>
    <message>
        <source>race slot %1: the racecourse %2 has no meeting on line %3 of %4, and the list shows the race in column %5</source>
        <translation>重賞枠 %1: 競馬場 %2 は %4 の %3 行目に開催がなく、重賞日程では %5 列目に表示されます</translation>
    </message>
    <message>
        <source>race slot %1: the racecourse %2 is meeting slot %3, and the list does not show the race</source>
        <translation>重賞枠 %1: 競馬場 %2 の開催は開催枠 %3 ですが、重賞日程に表示されません</translation>
    </message>
    <message>
        <source>race slot %1: the racecourse %2 is meeting slot %3, and the list shows the race in column %4</source>
        <translation>重賞枠 %1: 競馬場 %2 の開催は開催枠 %3 ですが、重賞日程では %4 列目に表示されます</translation>
    </message>
    <message>
        <source>error</source>
        <translation>エラー</translation>
    </message>
    <message>
        <source>warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>a quoted cell starts here and is never closed (a &apos;&quot;&apos; is missing)</source>
        <translation>引用符で始まるセルがここから始まり、閉じられていません（&apos;&quot;&apos; が足りません）</translation>
    </message>
    <message>
        <source>a &apos;&quot;&apos; stands inside a cell that is not quoted; write it as &apos;&quot;&quot;&apos; inside a quoted cell</source>
        <translation>引用符で囲まれていないセルの中に &apos;&quot;&apos; があります。引用符で囲んだセルの中で &apos;&quot;&quot;&apos; と書いてください</translation>
    </message>
    <message>
        <source>text follows the closing &apos;&quot;&apos; of a quoted cell</source>
        <translation>セルを閉じる &apos;&quot;&apos; の後に文字が続いています</translation>
    </message>
    <message>
        <source>the file holds no header row and no meeting</source>
        <translation>ファイルに見出し行も開催もありません</translation>
    </message>
    <message>
        <source>the file holds no meeting</source>
        <translation>ファイルに開催が 1 つもありません</translation>
    </message>
    <message>
        <source>the column &apos;%1&apos; comes twice</source>
        <translation>列 &apos;%1&apos; が 2 回出てきます</translation>
    </message>
    <message>
        <source>the header row lacks the column(s) %1; the first row must name the columns: %2</source>
        <translation>見出し行に列 %1 がありません。最初の行には次の列名を並べてください: %2</translation>
    </message>
    <message>
        <source>the %1: the byte %2 is not UTF-8 text</source>
        <translation>%1: バイト %2 は UTF-8 の文字ではありません</translation>
    </message>
    <message>
        <source>the %1: &apos;%2&apos; (%3) has no code page 932 form</source>
        <translation>%1: &apos;%2&apos;（%3）はコードページ 932 で表せません</translation>
    </message>
    <message>
        <source>the %1 holds a line break or a NUL, which a line of the data files cannot</source>
        <translation>%1 に改行か NUL が含まれています。データファイルの行には入れられません</translation>
    </message>
    <message>
        <source>racecourse</source>
        <translation>競馬場</translation>
    </message>
    <message>
        <source>the racecourse %1 is none of %2</source>
        <translation>競馬場 %1 は %2 のどれでもありません</translation>
    </message>
    <message>
        <source>the %1 %2 does not fit its one-digit field (0-9, or empty for a blank)</source>
        <translation>%1 %2 は 1 桁の欄に収まりません（0〜9、空白にするなら空欄）</translation>
    </message>
    <message>
        <source>the slot %1 is none of 1, 2 and 3 (or empty)</source>
        <translation>枠 %1 は 1、2、3（または空欄）のどれでもありません</translation>
    </message>
    <message>
        <source>the date %1 is not a date written as YYYY-MM-DD</source>
        <translation>日付 %1 は YYYY-MM-DD 形式の日付ではありません</translation>
    </message>
    <message>
        <source>the date %1 is not in %2, the year of the schedule</source>
        <translation>日付 %1 は日程の年である %2 年の日付ではありません</translation>
    </message>
    <message>
        <source>the date %1 is no day of %2</source>
        <translation>日付 %1 は %2 年にない日です</translation>
    </message>
    <message>
        <source>the kind %1 is none of meeting, race and line</source>
        <translation>種類 %1 は meeting、race、line のどれでもありません</translation>
    </message>
    <message>
        <source>meeting number</source>
        <translation>開催回</translation>
    </message>
    <message>
        <source>mark</source>
        <translation>記号</translation>
    </message>
    <message>
        <source>the mark %1 takes %2 bytes in code page 932; it must take 2 (one full-width character)</source>
        <translation>記号 %1 はコードページ 932 で %2 バイトになります。2 バイト（全角 1 文字）にしてください</translation>
    </message>
    <message>
        <source>the race text takes %1 bytes in code page 932; at most %2 fit (a full-width character takes 2)</source>
        <translation>レース名はコードページ 932 で %1 バイトになります。入るのは %2 バイトまでです（全角 1 文字は 2 バイト）</translation>
    </message>
    <message>
        <source>the file %1 is none of %2, %3 and %4</source>
        <translation>ファイル %1 は %2、%3、%4 のどれでもありません</translation>
    </message>
    <message>
        <source>the line size %1 is no number of bytes from 0 to %2</source>
        <translation>行の長さ %1 は 0 から %2 までのバイト数ではありません</translation>
    </message>
    <message>
        <source>%1 has a meeting on %2 on line %3 already; a racecourse holds one meeting a day</source>
        <translation>%1 の %2 の開催はすでに %3 行目にあります。1 つの競馬場の開催は 1 日に 1 つです</translation>
    </message>
    <message>
        <source>meeting slot %1 of %2 is taken by the meeting on line %3</source>
        <translation>%2 の開催枠 %1 は %3 行目の開催が使っています</translation>
    </message>
    <message>
        <source>more than three meetings on %1 (lines %2); a day has three meeting slots</source>
        <translation>%1 の開催が 3 つより多くあります（%2 行目）。開催枠は 1 日に 3 つです</translation>
    </message>
    <message>
        <source>there is no meeting on %1 for this row to belong to</source>
        <translation>この行が属する %1 の開催がありません</translation>
    </message>
    <message>
        <source>there is no meeting at %1 on %2 for this race to belong to</source>
        <translation>このレースが属する %1 の %2 の開催がありません</translation>
    </message>
    <message>
        <source>%1 has a graded race on %2 on line %3 already; the list shows one race per meeting</source>
        <translation>%1 の %2 の重賞はすでに %3 行目にあります。一覧に載る重賞は 1 開催に 1 つです</translation>
    </message>
    <message>
        <source>race slot %1 comes after meeting slot %2 of %3, so the list would not show the race under its meeting; leave the slot empty</source>
        <translation>重賞枠 %1 は %3 の開催枠 %2 より後ろなので、一覧ではこの重賞がその開催の列に出ません。枠は空欄にしてください</translation>
    </message>
    <message>
        <source>race slot %1 of %2 is taken by the race on line %3</source>
        <translation>%2 の重賞枠 %1 は %3 行目の重賞が使っています</translation>
    </message>
    <message>
        <source>the size of the line of %1 on %2 is given on line %3 already</source>
        <translation>%2 の %1 の行の長さはすでに %3 行目で指定されています</translation>
    </message>
    <message>
        <source>the line of %1 on %2 holds %3 bytes that are not all blanks; it cannot end after %4</source>
        <translation>%2 の %1 の行には空白だけではない %3 バイトがあるので、%4 バイトで終えることはできません</translation>
    </message>
    <message>
        <source>the exported CSV would not import: %1</source>
        <translation>書き出した CSV は取り込めません: %1</translation>
    </message>
    <message>
        <source>the files built from the CSV would not pass the check: %1</source>
        <translation>CSV から作ったファイルは検査を通りません: %1</translation>
    </message>
    <message>
        <source>meeting slot %1: the slot ends with the line</source>
        <translation>開催枠 %1: 枠の途中で行が終わっています</translation>
    </message>
    <message>
        <source>meeting slot %1: the racecourse %2 is none of the ten the course file has a column for</source>
        <translation>開催枠 %1: 競馬場 %2 は、競馬場別ファイルに列のある 10 場のどれでもありません</translation>
    </message>
    <message>
        <source>meeting slot %1: the racecourse %2 also holds meeting slot %3, and the course file has one column for it</source>
        <translation>開催枠 %1: 競馬場 %2 は開催枠 %3 にもあります。競馬場別ファイルの列は 1 つだけです</translation>
    </message>
    <message>
        <source>the day holds no meeting; the CSV carries meeting days only, so an import leaves this line out</source>
        <translation>この日には開催がありません。CSV には開催日しか入らないため、取り込むとこの行はなくなります</translation>
    </message>
    <message>
        <source>race slot %1: the racecourse %2 holds no meeting that day</source>
        <translation>重賞枠 %1: 競馬場 %2 ではその日に開催がありません</translation>
    </message>
    <message>
        <source>the lines are not in date order, each day once</source>
        <translation>行が日付順（各日 1 回）に並んでいません</translation>
    </message>
    <message>
        <source>the CSV carries each meeting&apos;s mark, racecourse and numbers, with the layout&apos;s words and blanks around them</source>
        <translation>CSV に入るのは各開催の記号・競馬場・数字だけで、周りの語と空白はレイアウトどおりに書かれます</translation>
    </message>
    <message>
        <source>the course file is built from the meetings, and they give other bytes here</source>
        <translation>競馬場別ファイルは開催から作られるため、ここは別のバイトになります</translation>
    </message>
    <message>
        <source>the CSV carries each race&apos;s racecourse, slot and text, one blank between name and text</source>
        <translation>CSV に入るのは各重賞の競馬場・枠・レース名だけで、競馬場名とレース名の間は空白 1 つになります</translation>
    </message>
    <message>
        <source>an import of the CSV writes this line otherwise from byte %1 on (%2)</source>
        <translation>CSV を取り込むと、この行は %1 バイト目から違う形で書き出されます（%2）</translation>
    </message>
    <message>
        <source>%1: the tens digit %2 of the day number is not followed by a digit</source>
        <translation>%1: 開催日次の十の位 %2 の後に数字がありません</translation>
    </message>
    <message>
        <source>the dates are in %1, not in %2, the year asked for with --year; leave --year out to import the season of %1</source>
        <translation>日付は --year で指定した %2 年ではなく %1 年のものです。%1 年の日程として取り込むには --year を外してください</translation>
    </message>
    <message>
        <source>the day number %1 does not fit its field (0-99, or empty for a blank)</source>
        <translation>開催日次 %1 は欄に収まりません（0〜99、空白にするなら空欄）</translation>
    </message>
    <message>
        <source>the file looks like UTF-8: save it as Shift_JIS (code page 932); of the %1 problems this makes, the first %2 follow</source>
        <translation>ファイルは UTF-8 で保存されているようです。Shift_JIS（コードページ 932）で保存してください。そのために生じる問題 %1 件のうち、最初の %2 件を次に示します</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>&apos;%1&apos; の後に値がありません。</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>&apos;%1&apos; の後に余計な値があります。</translation>
    </message>
    <message>
        <source>Usage: %1</source>
        <translation>使用法: %1</translation>
    </message>
    <message>
        <source>[options]</source>
        <translation>[オプション]</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>オプション:</translation>
    </message>
</context>
</TS>
