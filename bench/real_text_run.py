#!/usr/bin/env python3
"""Translates English text nobody here wrote and reports how the engine
fares on it: the licences and README files a Debian system ships.

    real_text_run.py E2J [FILE...]

E2J is the e2j program of a release build; without FILEs, every file under
/usr/share/common-licenses and every README under /usr/share/doc (gzipped or
not) is read.  Each file goes once through `e2j parse` (whether each sentence
parses whole, its time, the limit it hit) and once through `e2j translate`
(timed).  It prints sentences per second, the share of sentences with a full
parse (a sentence category over the whole sentence, not glue), the share that
hit a limit, the slowest sentences and the peak memory of the largest
translation; it exits 1 when a translation crashes, hangs past its time or
comes back empty.
"""

import glob
import gzip
import os
import resource
import subprocess
import sys
import time

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


def parse_report(output):
    """(sentence, full, milliseconds, limit) per sentence of `e2j parse`."""
    sentences, current = [], None
    for line in output.splitlines():
        if line.startswith("# "):
            current = {"text": line[2:].strip(), "full": False, "ms": 0.0, "limit": "none"}
            sentences.append(current)
        elif current is not None and line.startswith("sentence "):
            current["full"] = line.split()[1] == "yes"
        elif current is not None and line.startswith("time "):
            current["ms"] = float(line.split()[1])
        elif current is not None and line.startswith("limit "):
            current["limit"] = line.split(None, 1)[1]
    return sentences


def run(e2j, arguments, text):
    started = time.monotonic()
    done = subprocess.run([e2j] + arguments, input=text.encode("utf-8"), capture_output=True,
                          timeout=HANG_SECONDS)
    return done, time.monotonic() - started


def main(argv):
    if len(argv) < 2:
        print(__doc__.split("\n\n")[1], file=sys.stderr)
        return 2
    e2j, files = argv[1], argv[2:] or default_files()
    sentences, failures, translate_seconds = [], [], 0.0
    for path in files:
        try:
            text = read_text(path)
        except OSError as error:
            print(f"skipped {path}: {error}", file=sys.stderr)
            continue
        if not text.strip():
            continue
        try:
            parsed, _ = run(e2j, ["parse"], text)
            translated, seconds = run(e2j, ["translate"], text)
        except subprocess.TimeoutExpired:
            failures.append(f"{path}: hung past {HANG_SECONDS} s")
            continue
        if parsed.returncode != 0 or translated.returncode != 0:
            failures.append(f"{path}: exit {parsed.returncode} / {translated.returncode}")
        if not translated.stdout.strip():
            failures.append(f"{path}: empty translation")
        translate_seconds += seconds
        for sentence in parse_report(parsed.stdout.decode("utf-8", errors="replace")):
            sentence["file"] = path
            sentences.append(sentence)
    count = len(sentences)
    if count == 0:
        print("no sentences read")
        return 1
    full = sum(s["full"] for s in sentences)
    limited = sum(s["limit"] != "none" for s in sentences)
    peak_mb = resource.getrusage(resource.RUSAGE_CHILDREN).ru_maxrss / 1024
    print(f"files {len(files)}, sentences {count}")
    print(f"translation: {count / translate_seconds:.1f} sentences/s over {translate_seconds:.1f} s")
    print(f"full parse: {100.0 * full / count:.1f}%   limit hit: {100.0 * limited / count:.1f}%")
    print(f"peak memory of one run: {peak_mb:.0f} MB")
    for words in (10, 40):
        near = [s["ms"] for s in sentences if abs(len(s["text"].split()) - words) <= 2]
        if near:
            near.sort()
            print(f"parse time of {words}-word sentences (±2): median {near[len(near) // 2]:.1f} ms, "
                  f"worst {near[-1]:.1f} ms ({len(near)} sentences)")
    print("slowest sentences:")
    for s in sorted(sentences, key=lambda s: -s["ms"])[:5]:
        print(f"  {s['ms']:.0f} ms  {len(s['text'].split())} words  limit {s['limit']}  {s['text'][:100]}")
    for failure in failures:
        print("FAILED " + failure)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
