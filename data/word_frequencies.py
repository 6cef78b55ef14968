#!/usr/bin/env python3
"""Word frequencies of the manual pages of one language, for thesauri that
must drop headwords (vlthes compile --compact --frequencies).

    data/word_frequencies.py LANGUAGE_FOLDER [LIMIT] > LIST

LANGUAGE_FOLDER is a folder of /usr/share/man (de, pl, ru, cs, ...; "." for
the English pages). Prints "word count" lines in UTF-8, the most frequent
first; a word's count is that of all its spellings and it is written as it is
most often spelled. Formatting requests and escapes are left out.
"""
import collections
import gzip
import os
import re
import sys


def page_text(path):
    opener = gzip.open if path.endswith(".gz") else open
    try:
        with opener(path, "rb") as f:
            data = f.read()
    except OSError:
        return ""
    text = data.decode("utf-8", "replace")
    lines = []
    for line in text.splitlines():
        if line.startswith((".", "'")):
            # Macro lines: only the text of a few common ones is running text.
            m = re.match(r"^\.(?:B|I|BI|IB|BR|RB|IR|RI|SH|SS)\s+(.*)$", line)
            if not m:
                continue
            line = m.group(1).replace('"', " ")
        line = re.sub(r"\\f(?:\[[^]]*\]|\(..|.)", "", line)
        line = re.sub(r"\\\(..|\\\[[^]]*\]|\\[-&e|^ ]|\\.", " ", line)
        lines.append(line)
    return "\n".join(lines)


def main():
    if len(sys.argv) < 2:
        sys.stderr.write(__doc__)
        return 2
    folder = os.path.join("/usr/share/man", sys.argv[1])
    limit = int(sys.argv[2]) if len(sys.argv) > 2 else 50000
    counts = collections.Counter()
    spellings = collections.defaultdict(collections.Counter)
    for section in sorted(os.listdir(folder)) if os.path.isdir(folder) else []:
        if not section.startswith("man"):
            continue
        directory = os.path.join(folder, section)
        for name in sorted(os.listdir(directory)):
            for word in re.findall(r"[^\W\d_]+", page_text(os.path.join(directory, name))):
                key = word.lower()
                counts[key] += 1
                spellings[key][word] += 1
    for key, count in counts.most_common(limit):
        if count < 2:
            break
        sys.stdout.write("%s %d\n" % (spellings[key].most_common(1)[0][0], count))
    return 0


if __name__ == "__main__":
    sys.exit(main())
