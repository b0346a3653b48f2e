#!/usr/bin/env python3
"""Runs the benchmarks of a build made with TURVANE_BENCH and prints the
figures against their floors.

    bench/run.py BUILD-DIR [--runs N]

Start-ups are timed as whole processes, the program and its floor
alternating, under Qt's offscreen platform and under Xvfb; the peak memory
of each process comes from wait4().
"""

import argparse
import datetime
import json
import os
import pathlib
import shutil
import statistics
import subprocess
import sys
import tempfile
import time

SAMPLE = pathlib.Path(__file__).resolve().parent.parent / "sample"
FILES = ("Cal1.dat", "Cal2.dat", "jyuusyou.dat")


def run_once(command, env):
    """Wall seconds and peak resident MiB of one process."""
    start = time.perf_counter()
    process = subprocess.Popen(command, env=env, stdout=subprocess.PIPE, stderr=subprocess.STDOUT)
    _, status, usage = os.wait4(process.pid, 0)
    seconds = time.perf_counter() - start
    output = process.stdout.read().decode(errors="replace")
    process.stdout.close()
    if status != 0:
        sys.exit(f"{command[0]} failed ({status}):\n{output}")
    return seconds, usage.ru_maxrss / 1024.0, output


def median_runs(commands, env, runs, envs=None):
    """Alternates the commands, each with its own environment from envs if
    given; returns {command index: (median s, median MiB)}."""
    envs = envs or [env] * len(commands)
    times = {i: [] for i in range(len(commands))}
    memory = {i: [] for i in range(len(commands))}
    for i in range(len(commands)):  # one warm-up each: page cache, font cache
        run_once(commands[i], envs[i])
    for _ in range(runs):
        for i, command in enumerate(commands):
            seconds, mib, _ = run_once(command, envs[i])
            times[i].append(seconds)
            memory[i].append(mib)
    return {i: (statistics.median(times[i]), statistics.median(memory[i])) for i in times}


def data_layer(build):
    out = subprocess.run(
        [build / "bench" / "data_layer_bench", "--benchmark_format=json",
         "--benchmark_repetitions=5", "--benchmark_report_aggregates_only=true"],
        check=True, capture_output=True, text=True).stdout
    results = {b["name"]: b for b in json.loads(out)["benchmarks"] if b.get("aggregate_name") == "median"}
    print("== Data layer (medians of 5)")
    for name, b in results.items():
        if "bytes_per_second" in b:
            print(f"  {name:40s} {b['real_time']:9.1f} ms  {b['bytes_per_second'] / 1e9:6.2f} GB/s")
        elif "items_per_second" in b:
            print(f"  {name:40s} {1e9 / b['items_per_second']:9.1f} ns per line")
    load = results["LoadLines/100MB_median"]["bytes_per_second"]
    floor = results["MemchrFloor/100MB_median"]["bytes_per_second"]
    print(f"  LoadLines / memchr floor throughput: {load / floor:.2f} (target >= 0.5)")


def startup(build, env, label, runs):
    """The window alone, the window after all the program's main() does
    before it (in Japanese, which loads the command line's translations),
    and the floor."""
    bench = build / "bench" / "turvane_startup_bench"
    floor = build / "bench" / "turvane_startup_floor"
    japanese = dict(env, LANG="ja_JP.UTF-8")
    result = median_runs([[str(bench)], [str(bench), "--as-program"], [str(floor)]], env, runs,
                         envs=[env, japanese, env])
    t_floor, m_floor = result[2]
    print(f"== Start-up, sample year, {label} (medians of {runs}, alternating)")
    for name, (t, m) in (("program", result[0]), ("+ main()", result[1]),
                         ("floor", result[2])):
        print(f"  {name:8s}{t * 1000:7.1f} ms {m:7.1f} MiB")
    for name, (t, m) in (("program", result[0]), ("program with main()'s command line", result[1])):
        print(f"  {name} / floor: time {t / t_floor:.3f}, memory {m / m_floor:.3f} "
              f"(target <= 1.10)")


def scaled_data(days, directory):
    """The sample year's lines repeated until there are `days` meeting days."""
    directory.mkdir(parents=True, exist_ok=True)
    for name in FILES:
        lines = (SAMPLE / name).read_bytes().split(b"\r\n")[:-1]
        with open(directory / name, "wb") as out:
            for i in range(days):
                out.write(lines[i % len(lines)] + b"\r\n")


def scale(build, env, runs):
    bench = build / "bench" / "turvane_startup_bench"
    print(f"== Scale (offscreen, medians of {runs})")
    with tempfile.TemporaryDirectory() as tmp:
        for days in (1_000, 10_000, 100_000, 1_000_000):
            directory = pathlib.Path(tmp) / str(days)
            scaled_data(days, directory)
            result = median_runs([[str(bench), str(directory)]], env, runs)
            seconds, mib = result[0]
            _, _, output = run_once([str(bench), str(directory), "--scroll-end"], env)
            scroll = output.strip().splitlines()[-1]
            print(f"  {days:>9,} days {seconds * 1000:9.1f} ms {mib:8.1f} MiB   "
                  f"{seconds * 1e6 / days:7.2f} us/day   {scroll}")
            shutil.rmtree(directory)


def graded(build, env):
    bench = build / "bench" / "turvane_startup_bench"
    _, _, output = run_once([str(bench), "--graded", "21"], env)
    print("== Graded-race list, offscreen")
    print("  " + output.strip().splitlines()[-1])


def preview(build, env, runs):
    """Ctrl+P in the main window until the print preview shows its first page."""
    bench = build / "bench" / "turvane_startup_bench"
    _, _, output = run_once([str(bench), "--preview", str(runs)], env)
    print("== Print preview, offscreen")
    print("  " + output.strip().splitlines()[-1])


def calendar(build, runs):
    """The calendar export as users run it: whole processes, no display."""
    program = build / "src" / "turvane"
    print(f"== Calendar export, whole process (medians of {runs})")
    with tempfile.TemporaryDirectory() as tmp:
        for days in (110, 10_000, 100_000):
            directory = pathlib.Path(tmp) / str(days)
            scaled_data(days, directory)
            out = pathlib.Path(tmp) / "turvane.ics"
            env = dict(os.environ, SOURCE_DATE_EPOCH="0")
            seconds, mib = median_runs(
                [[str(program), "--ics", str(out), "--data", str(directory)]], env, runs)[0]
            print(f"  {days:>9,} days {seconds * 1000:9.1f} ms {mib:8.1f} MiB   "
                  f"{seconds * 1e6 / days:7.2f} us/day   {out.stat().st_size / 1e6:7.1f} MB")
            shutil.rmtree(directory)
    out = subprocess.run([build / "bench" / "calendar_export_bench"], check=True,
                         capture_output=True, text=True).stdout
    print("  in memory (events and their text, no file):")
    for line in out.splitlines():
        if line.startswith("CalendarExport"):
            print("  " + line)


def pdf(build, env, runs):
    """turvane --pdf: the whole document, written by the program itself."""
    program = build / "src" / "turvane"
    linked = subprocess.run(["ldd", str(program)], capture_output=True, text=True).stdout
    printing = [line.split()[0] for line in linked.splitlines()
                if "print" in line.lower() or "cups" in line.lower()]
    print(f"== PDF (offscreen, medians of {runs}); print support linked at start-up: "
          f"{', '.join(printing) if printing else 'none'}")
    timed_documents(program, env, runs, "--pdf", [
        ("sample year", None),
        ("1,000 days", lambda directory: scaled_data(1_000, directory)),
        ("10,000 days", lambda directory: scaled_data(10_000, directory))])


def timed_documents(program, env, runs, option, seasons):
    """Whole `turvane OPTION FILE --data DIR` processes, one line per season:
    (label, make) pairs, make(DIR) writing the season, None for the sample."""
    with tempfile.TemporaryDirectory() as tmp:
        out = pathlib.Path(tmp) / "document.pdf"
        for number, (label, make) in enumerate(seasons):
            directory = SAMPLE if make is None else pathlib.Path(tmp) / str(number)
            if make is not None:
                make(directory)
            command = [str(program), option, str(out), "--data", str(directory)]
            seconds, mib = median_runs([command], env, runs)[0]
            pages = out.read_bytes().count(b"/Type /Page\n")
            print(f"  {label:>14} {seconds * 1000:9.1f} ms {mib:8.1f} MiB  {pages:6} pages  "
                  f"{out.stat().st_size / 1024:8.0f} KiB")


def busy_season(days, directory):
    """`days` meeting days spread over the year, each with three meetings and
    three graded races taken in turn from the sample year's."""
    directory.mkdir(parents=True, exist_ok=True)
    meetings = [line[at:at + 16] for line in (SAMPLE / "Cal1.dat").read_bytes().split(b"\r\n")
                for at in range(4, len(line) - 15, 16) if line[at:at + 16].strip()]
    races = [line[at + 4:at + 38] for line in (SAMPLE / "jyuusyou.dat").read_bytes().split(b"\r\n")
             for at in range(4, len(line) - 37, 38) if line[at:at + 4].strip()]
    calendar, graded = [], []
    for i in range(days):
        date = datetime.date(2003, 1, 5) + datetime.timedelta(days=i * 360 // days)
        mmdd = date.strftime("%m%d").encode()
        chosen = [meetings[(3 * i + k) % len(meetings)] for k in range(3)]
        calendar.append(mmdd + b"".join(chosen))
        graded.append(mmdd + b"".join(m[2:6] + races[(3 * i + k) % len(races)]
                                      for k, m in enumerate(chosen)))
    (directory / "Cal1.dat").write_bytes(b"".join(line + b"\r\n" for line in calendar))
    (directory / "Cal2.dat").write_bytes(b"".join(line[:4] + b" " * 90 + b"\r\n"
                                                  for line in calendar))
    (directory / "jyuusyou.dat").write_bytes(b"".join(line + b"\r\n" for line in graded))


def poster(build, env, runs):
    """turvane --poster: the whole season on one A3 page, a whole process."""
    program = build / "src" / "turvane"
    print(f"== Poster (offscreen, medians of {runs})")
    timed_documents(program, env, runs, "--poster", [
        ("sample year", None),
        ("130 days x 3", lambda directory: busy_season(130, directory))])


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("build", type=pathlib.Path)
    parser.add_argument("--runs", type=int, default=21)
    parser.add_argument("--only", choices=["poster", "pdf"],
                        help="run this figure alone (on a shared machine)")
    args = parser.parse_args()
    build = args.build.resolve()
    offscreen = dict(os.environ, QT_QPA_PLATFORM="offscreen")
    if args.only:
        {"poster": poster, "pdf": pdf}[args.only](build, offscreen, args.runs)
        return

    data_layer(build)
    startup(build, offscreen, "offscreen", args.runs)
    xvfb = subprocess.Popen(["Xvfb", ":97", "-screen", "0", "1024x768x24", "-nolisten", "tcp"],
                            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    try:
        time.sleep(1)
        startup(build, dict(os.environ, QT_QPA_PLATFORM="xcb", DISPLAY=":97"), "Xvfb", args.runs)
    finally:
        xvfb.terminate()
    scale(build, offscreen, max(3, args.runs // 4))
    graded(build, offscreen)
    preview(build, offscreen, args.runs)
    calendar(build, max(3, args.runs // 4))
    pdf(build, offscreen, max(3, args.runs // 4))
    poster(build, offscreen, max(3, args.runs // 4))


if __name__ == "__main__":
    main()
