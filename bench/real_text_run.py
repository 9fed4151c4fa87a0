#!/usr/bin/env python3
"""Translates English text nobody here wrote and reports how the engine
fares on it: the licences and README files a Debian system ships.

    real_text_run.py E2J [FILE...]

E2J is the e2j program of a release build; without FILEs, every file under
/usr/share/common-licenses and every README under /usr/share/doc (gzipped or
not) is read.  Each file goes once through `e2j translate` (timed), once
through `e2j parse --chart` (whether each sentence parses whole, its time,
the limit it hit, the phrases its chart holds), once more through `e2j
parse` (each sentence keeps the better of its two times) and once through
`e2j words` (its words).  It prints sentences per second; the share of sentences
with a full parse (a sentence category over the whole sentence, not glue),
over all sentences and over those holding a letter (the others are rules,
separators and numbers, which the translator passes through); the share
that hit a limit; parse times by sentence length, against the goals of a
10-word sentence under 5 ms and a 40-word one under 100 ms; the slowest
sentences; the commonest words at which sentences stop parsing; and the peak
memory of the largest translation.  It exits 1 when a translation crashes,
hangs past its time or comes back empty.
"""

import glob
import gzip
import os
import re
import resource
import subprocess
import sys
import time
from collections import Counter

# A file's translation may take this long before it counts as hung.
HANG_SECONDS = 600


def default_files():
    files = sorted(p for p in glob.glob("/usr/share/common-licenses/*") if os.path.isfile(p))
    for root, _, names in os.walk("/usr/share/doc"):
        files.extend(os.path.join(root, n) for n in sorted(names) if n.upper().startswith("README"))
    return files


def read_text(path):
    opener = gzip.open if path.endswith(".gz") else open
    with opener(path, "rb") as source:
        data = source.read()
    return data.decode("utf-8", errors="replace")


# The phrases whose span shows how far from its first word a sentence parses.
PHRASES = {"S", "SDECL", "SIMP", "SQ", "QWH", "NP", "VP", "PRED", "PP"}


def parse_report(output):
    """Per sentence of `e2j parse --chart`: its text, whether it parses
    whole, its milliseconds, the limit it hit, and how many of its words
    from the first a phrase spans ("reach")."""
    sentences, current = [], None
    for line in output.splitlines():
        if line.startswith("# "):
            current = {"text": line[2:].strip(), "full": False, "ms": 0.0, "limit": "none", "reach": 0}
            sentences.append(current)
        elif current is None:
            continue
        elif line.startswith("sentence "):
            current["full"] = line.split()[1] == "yes"
        elif line.startswith("time "):
            current["ms"] = float(line.split()[1])
        elif line.startswith("limit "):
            current["limit"] = line.split(None, 1)[1]
        elif line.startswith("cell "):
            d, e = (int(n) for n in line[5:].split(","))
            current["cell"] = (d, e)
        elif line.startswith("  ") and "cell" in current:
            d, e = current["cell"]
            fields = line.split("\t")
            if e == d and len(fields) > 1 and fields[1] in PHRASES:
                current["reach"] = max(current["reach"], d + 1)
    return sentences


def word_report(output):
    """The words of each sentence of `e2j words`."""
    sentences = []
    for line in output.splitlines():
        if line.startswith("# "):
            sentences.append([])
        elif sentences and "\t" in line and line.split("\t")[0].isdigit():
            sentences[-1].append(line.split("\t")[1])
    return sentences


def has_letter(text):
    return re.search("[A-Za-z]", text.replace("\\n", " ").replace("\\t", " ")) is not None


def stop_reason(sentence):
    """Where a sentence without a full parse stops: the word after the
    longest phrase from its first word."""
    words, reach = sentence["words"], sentence["reach"]
    if reach == 0:
        return "nothing from the first word " + repr(words[0] if words else "")
    if reach >= len(words):
        return "phrases over all of it, no sentence"
    where = "ends in" if reach + 1 == len(words) else "stops at"
    return f"{where} {words[reach]!r}"


def run(e2j, arguments, text, path, failures):
    """e2j's outcome on the text and its seconds; None where it hung.  A hang
    or a failing exit is recorded in failures."""
    started = time.monotonic()
    try:
        done = subprocess.run([e2j] + arguments, input=text.encode("utf-8"), capture_output=True,
                              timeout=HANG_SECONDS)
    except subprocess.TimeoutExpired:
        failures.append(f"{path}: {arguments[0]} hung past {HANG_SECONDS} s")
        return None, 0.0
    if done.returncode != 0:
        failures.append(f"{path}: {arguments[0]} exit {done.returncode}")
    return done, time.monotonic() - started


def report_failures(failures):
    """Prints each failure; the exit status they call for."""
    for failure in failures:
        print("FAILED " + failure)
    return 1 if failures else 0


def main(argv):
    if len(argv) < 2:
        print(__doc__.split("\n\n")[1], file=sys.stderr)
        return 2
    e2j, files = argv[1], argv[2:] or default_files()
    texts, failures, translate_seconds = [], [], 0.0
    for path in files:
        try:
            text = read_text(path)
        except OSError as error:
            print(f"skipped {path}: {error}", file=sys.stderr)
            continue
        if text.strip():
            texts.append((path, text))
    # Translations first: the peak memory of the children so far is theirs.
    translatable = []
    for path, text in texts:
        translated, seconds = run(e2j, ["translate"], text, path, failures)
        if translated is None:
            continue
        if not translated.stdout.strip():
            failures.append(f"{path}: empty translation")
        translate_seconds += seconds
        translatable.append((path, text))
    peak_mb = resource.getrusage(resource.RUSAGE_CHILDREN).ru_maxrss / 1024
    sentences = []
    for path, text in translatable:
        parsed, _ = run(e2j, ["parse", "--chart"], text, path, failures)
        # Timed twice, each sentence keeping its better time: the machine
        # may be shared, and other work is not the parser's.
        timed, _ = run(e2j, ["parse"], text, path, failures)
        listed, _ = run(e2j, ["words"], text, path, failures)
        if parsed is None or timed is None or listed is None:
            continue
        reports = parse_report(parsed.stdout.decode("utf-8", errors="replace"))
        again = parse_report(timed.stdout.decode("utf-8", errors="replace"))
        words = word_report(listed.stdout.decode("utf-8", errors="replace"))
        for i, sentence in enumerate(reports):
            sentence["file"] = path
            sentence["words"] = words[i] if i < len(words) else []
            if i < len(again):
                sentence["ms"] = min(sentence["ms"], again[i]["ms"])
            sentences.append(sentence)
    count = len(sentences)
    if count == 0:
        print("no sentences read")
        report_failures(failures)
        return 1
    full = sum(s["full"] for s in sentences)
    lettered = [s for s in sentences if has_letter(s["text"])]
    lettered_full = sum(s["full"] for s in lettered)
    limited = sum(s["limit"] != "none" for s in sentences)
    print(f"files {len(files)}, sentences {count}, {len(lettered)} of them holding a letter")
    print(f"translation: {count / translate_seconds:.1f} sentences/s over {translate_seconds:.1f} s")
    print(f"full parse: {100.0 * full / count:.1f}% of all sentences, "
          f"{100.0 * lettered_full / max(1, len(lettered)):.1f}% of those holding a letter   "
          f"limit hit: {100.0 * limited / count:.1f}%")
    print(f"peak memory of one translation: {peak_mb:.0f} MB")
    # Words as the parser counts them (a run of "~" is a word a character),
    # and as blanks separate them.
    for counted, size in (("words", lambda s: len(s["words"])), ("blank-separated words",
                                                                  lambda s: len(s["text"].split()))):
        for words, goal in ((10, 5.0), (40, 100.0)):
            near = sorted(s["ms"] for s in sentences if abs(size(s) - words) <= 2)
            if near:
                over = sum(ms > goal for ms in near)
                print(f"parse time of sentences of {words} {counted} (±2): median {near[len(near) // 2]:.1f} ms, "
                      f"worst {near[-1]:.1f} ms, {over} over {goal:.0f} ms ({len(near)} sentences)")
    print("parse time by words: median / worst")
    for low, high in ((1, 5), (6, 15), (16, 30), (31, 50), (51, 100), (101, 255)):
        times = sorted(s["ms"] for s in sentences if low <= len(s["words"]) <= high)
        if times:
            print(f"  {low:3}-{high:<3} {times[len(times) // 2]:8.1f} / {times[-1]:8.1f} ms  ({len(times)} sentences)")
    print("slowest sentences:")
    for s in sorted(sentences, key=lambda s: -s["ms"])[:10]:
        print(f"  {s['ms']:.0f} ms  {len(s['words'])} words  limit {s['limit']}  {s['text'][:100]}")
    print("where sentences holding a letter stop parsing (commonest first):")
    reasons = Counter(stop_reason(s) for s in lettered if not s["full"])
    for reason, times in reasons.most_common(15):
        print(f"  {times:6}  {reason}")
    return report_failures(failures)


if __name__ == "__main__":
    sys.exit(main(sys.argv))
