#!/usr/bin/env python3
"""make_book.py FOLDER COUNT NEEDLE: fills FOLDER with COUNT notes of 200 bytes to 20 KB of
plain text (CR LF line ends), the same every time. NEEDLE appears only in the note that the
note list shows last, so a search for it reads every note.

make_book.py --big FOLDER lines|paragraph BYTES: a book of two notes, "A start" (one short line)
and "Big", BYTES of text in short lines (about 50 bytes each) or in one paragraph."""
import os
import random
import sys

WORDS = ("meeting call notes list shopping phone address project draft idea remember "
         "tuesday friday budget invoice garden recipe travel ticket doctor school book "
         "birthday report quarter review plan team email password router printer").split()


def note_text(rng, size):
    lines = []
    length = 0
    while length < size:
        line = " ".join(rng.choice(WORDS) for _ in range(rng.randint(3, 14)))
        if rng.random() < 0.1:
            line = "%02d.00am: %s" % (rng.randint(1, 12), line)
        lines.append(line)
        length += len(line) + 2
    return ("\r\n".join(lines))[:size]


def big_book(folder, shape, size):
    rng = random.Random(size)
    words = []
    length = 0
    while length < size:
        words.append(rng.choice(WORDS))
        length += len(words[-1]) + 1
    if shape == "paragraph":
        text = " ".join(words)[:size]
    else:
        lines = [" ".join(words[i:i + 7]) for i in range(0, len(words), 7)]
        text = "\r\n".join(lines)[:size]
    os.makedirs(folder, exist_ok=True)
    with open(os.path.join(folder, "A start.txt"), "w", newline="") as f:
        f.write("a short note")
    with open(os.path.join(folder, "Big.txt"), "w", newline="") as f:
        f.write(text)


def main():
    if sys.argv[1] == "--big":
        big_book(sys.argv[2], sys.argv[3], int(sys.argv[4]))
        return
    folder, count, needle = sys.argv[1], int(sys.argv[2]), sys.argv[3]
    os.makedirs(folder, exist_ok=True)
    rng = random.Random(count)
    for i in range(1, count + 1):
        size = int(rng.triangular(200, 20000, 2000))
        text = note_text(rng, size)
        if i == count:
            text = text[: size // 2] + " " + needle + " " + text[size // 2:]
        # Numbers as wide as the largest (five digits at least), so that the list shows the
        # notes in number order and the one holding NEEDLE last.
        with open(os.path.join(folder, "Note %0*d.txt" % (max(5, len(str(count))), i)), "w",
                  newline="") as f:
            f.write(text)


if __name__ == "__main__":
    main()
