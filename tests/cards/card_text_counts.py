#!/usr/bin/python3
"""Counts the formulas of the 52 readings in cards/CardTexts.cpp and fails when one of the
editorial goals below is exceeded.

Usage: card_text_counts.py [path/to/CardTexts.cpp] [--verbose]

It reads the string literals of the table kCardTexts (description, keywords and, where given,
question of each card) and counts, over the descriptions:
- lists: readings holding a list of three or more items: items of at most six words between
  commas closed by "and" or "or" ("a X, a Y or a Z", "X, Y and Z"), or three items after a
  colon. A heuristic (it misses lists of long clauses, and "whether", "perhaps" or "when" open a
  clause, not an item), so --verbose prints each list found. Goal: at most 15.
- "may": the word, anywhere. Goal: at most 15. "this week" or "within the week": none.
- tics: each of small, quiet, firm, steady, ground with its forms (smaller, quietly, firmly,
  steadily). Goal: none more than 6 times.
- shared phrases: three words in a row that two readings share. Words run inside a clause (a
  punctuation mark ends a run), a card's name ("the Four of Clubs") ends a run, and a run of
  nothing but stop-words does not count. The stop-words are articles, pronouns, prepositions,
  conjunctions and the forms of "be" and "have"; "so", "do" and the modal verbs are words,
  since "and so does" and "may well" are formulas. Goal: none.
- shape: 378 to 751 characters, one line, no double blank, a closing full stop or question
  mark; keywords 41 to 86 characters, four to six items, the last joined by "and", and the
  seven long-standing lines word for word.
- questions: one per card, each ending in "?", at most 100 characters, no two alike, and no
  three-word phrase shared by two of them (same rule as above).
Reported, not judged here: the last sentence of each reading (--verbose), for the count of
endings on an image, a fact or a question; the words that may assume a job, a family or a mood
(WORK_FAMILY_MOOD); and the court cards' words of age. A reader judges those.
"""

import re
import sys
from collections import defaultdict
from pathlib import Path

NAMES = [f"{rank} Of {suit}" for suit in ("Clubs", "Diamond", "Hearts", "Spades")
         for rank in ("Ace", "Two", "Three", "Four", "Five", "Six", "Seven", "Eight", "Nine",
                      "Ten", "King", "Queen", "Knights")]

# The keyword lines the deck has always shown, quirks and all, by card.
QUOTED_KEYWORDS = {
    3: "Change, flexibility, development, traveling and ambitious",
    4: "Happiness, joy, rest, warm and supportive",
    8: "Energetic, active, powerful, sharp, cautious and focused",
    22: "Self- reliance, self-actualization, independent, satisfied and ambitious.",
    35: "love, romance, joy, happiness and relaxing.",
    42: "Independent, self-destructive, conflicts, separation and starting a new phase of life.",
    49: "New beginning, realization, end of bad habits, painful parting and prosperous. ",
}

STOP_WORDS = set("""
a an the and or but nor if when while because though although than that as
of to in on at by for with from into onto about over under after before up out off
i me my mine myself you your yours yourself he him his himself she her hers herself it its
itself we us our ours they them their theirs themselves one's
this these those who whom whose which what where
be is are was were been being am have has had having not no
""".split())

TICS = {"small": r"small\w*", "quiet": r"quiet\w*", "firm": r"firm\w*",
        "steady": r"stead(?:y|i)\w*", "ground": r"ground\w*"}

WORK_FAMILY_MOOD = (r"\b(?:work|job|office|colleagues?|workmates?|shift|boss|employer|career|"
                    r"meeting|marriage|husband|wife|partner|children|child|family|parents?|"
                    r"tired|weary|weariness|anxious|anxiety|sad|lonely|struggle|exhausted)\b")

GOALS = {"lists": 15, "may": 15, "tic": 6}

CARD_NAME = re.compile(
    r"(?:(?:the|this) )?(?:ace|two|three|four|five|six|seven|eight|nine|ten|king|queen|knight)"
    r"(?:'s)? of (?:clubs|diamonds|hearts|spades)'?s?")
WORD = re.compile(r"[a-z0-9]+(?:['-][a-z0-9]+)*")


def read_table(path):
    """The rows of kCardTexts: a list of lists of strings, one string per field."""
    source = Path(path).read_text(encoding="utf-8")
    # The translation marker's context is not part of the text.
    source = re.sub(r'QT_TRANSLATE_NOOP\(\s*"CardReading",', "", source)
    start = source.index("kCardTexts = {{") + len("kCardTexts = {{")
    rows, fields, literal, depth, i = [], None, None, 0, start
    while i < len(source):
        c = source[i]
        if source.startswith("//", i):
            i = source.index("\n", i)
            continue
        if c == '"':
            j, text = i + 1, []
            while source[j] != '"':
                if source[j] == "\\":
                    j += 1
                    text.append({"n": "\n", "t": "\t"}.get(source[j], source[j]))
                else:
                    text.append(source[j])
                j += 1
            literal = (literal or "") + "".join(text)
            i = j + 1
            continue
        if c == "{":
            depth += 1
            fields, literal = [], None
        elif c == "," and fields is not None and literal is not None:
            fields.append(literal)
            literal = None
        elif c == "}":
            if depth == 0:
                break
            depth -= 1
            if literal is not None:
                fields.append(literal)
            rows.append(fields)
            fields, literal = None, None
        i += 1
    return rows


def clauses(text):
    """Runs of words between punctuation marks, with card names as breaks."""
    text = CARD_NAME.sub(" | ", text.lower())
    for clause in re.split(r"[.,;:!?()|\"]| - ", text):
        words = WORD.findall(clause)
        if words:
            yield words


def phrases(text):
    found = set()
    for words in clauses(text):
        for i in range(len(words) - 2):
            run = words[i:i + 3]
            if not all(w in STOP_WORDS for w in run):
                found.add(" ".join(run))
    return found


def shared_phrases(texts):
    """{phrase: [card numbers]} for phrases met in two or more texts."""
    seen = defaultdict(list)
    for k, text in texts.items():
        for run in phrases(text):
            seen[run].append(k)
    return {run: ks for run, ks in seen.items() if len(ks) > 1}


def lists_in(text):
    """Lists of three or more items: short items (six words at most, not opening a clause with
    "when", "if", "which" ...) between commas, closed by "and" or "or" ("a X, a Y or a Z", "X, Y
    and Z"), or three or more items after a colon."""
    found = []
    for sentence in re.split(r"(?<=[.!?])\s+", text):
        for n, segment in enumerate(re.split(r"(:|;|\s+-\s+)\s*", sentence)[::2]):
            after_colon = n > 0 and ":" in sentence
            parts = [p.strip() for p in segment.split(",")]
            clause = [bool(re.match(
                r"(?i)(when|if|because|which|who|then|but|so|though|while|since|even|provided|whether|"
                r"especially|perhaps|once)\b", p)) for p in parts]
            short = [len(p.split()) <= 6 and not c for p, c in zip(parts, clause)]
            i = 0
            while i < len(parts):
                if not short[i]:
                    i += 1
                    continue
                j = i
                while j < len(parts) and short[j]:
                    j += 1
                run, closing = parts[i:j], parts[j] if j < len(parts) else None
                items, closed = len(run), False
                if len(run) > 1 and re.match(r"(?:and|or) ", run[-1]):
                    closed = True
                elif re.search(r" (?:and|or) ", run[-1]):
                    items, closed = items + 1, True
                elif closing is not None and not clause[j]:
                    if re.match(r"(?:and|or) ", closing):
                        items, closed = items + 1, True
                    elif (re.search(r" (?:and|or) ", closing)
                          and len(re.split(r" (?:and|or) ", closing)[0].split()) <= 6):
                        items, closed = items + 2, True
                if not closed and i == 0 and after_colon:
                    items, closed = items + (1 if closing is not None else 0), True
                if items >= 3 and closed:
                    found.append(", ".join(parts[i:j + (1 if closing is not None else 0)]))
                i = j
    return found


def check(path, verbose):
    rows = read_table(path)
    failures = []
    if len(rows) != 52:
        print(f"{len(rows)} rows, not 52")
        return 1
    desc = {k: row[0] for k, row in enumerate(rows, 1)}
    keys = {k: row[1] for k, row in enumerate(rows, 1)}
    questions = {k: row[2] for k, row in enumerate(rows, 1) if len(row) > 2}

    def report(label, count, goal, detail=""):
        failed = goal is not None and count > goal
        mark = "FAIL" if failed else "ok  "
        goal_text = f" (goal: at most {goal})" if goal is not None else ""
        print(f"{mark} {label}: {count}{goal_text}{detail}")
        if failed:
            failures.append(label)

    # Lists.
    lists = {k: lists_in(t) for k, t in desc.items()}
    with_lists = [k for k, found in lists.items() if found]
    report("readings with a list of three or more", len(with_lists), GOALS["lists"],
           f"; {sum(map(len, lists.values()))} lists, two or more in "
           f"{sum(1 for f in lists.values() if len(f) > 1)} readings")
    if verbose:
        for k in with_lists:
            for found in lists[k]:
                print(f"       {k:2} {found}")

    # May, this week.
    may = {k: len(re.findall(r"\bmay\b", t, re.I)) for k, t in desc.items()}
    report('"may"', sum(may.values()), GOALS["may"],
           f" in {sum(1 for n in may.values() if n)} readings")
    week = [k for k, t in desc.items() if re.search(r"\b(?:this|within the) week\b", t, re.I)]
    report('"this week" or "within the week"', len(week), 0, f" {week}" if week else "")

    # Tics.
    for tic, pattern in TICS.items():
        hits = [k for k, t in desc.items() for _ in re.findall(rf"\b{pattern}", t, re.I)]
        report(f'"{tic}" and its forms', len(hits), GOALS["tic"])

    # Shared phrases.
    shared = shared_phrases(desc)
    report("three-word phrases shared by two readings", len(shared), 0)
    if shared and (verbose or len(shared) <= 60):
        for run, ks in sorted(shared.items(), key=lambda item: item[1]):
            print(f"       \"{run}\" in {', '.join(map(str, ks))}")

    # Shapes.
    bad_length = [k for k, t in desc.items() if not 378 <= len(t) <= 751]
    report("descriptions outside 378 to 751 characters", len(bad_length), 0,
           f" {bad_length}" if bad_length else "")
    lengths = sorted((len(t), k) for k, t in desc.items())
    print(f"     (shortest {lengths[0][1]}: {lengths[0][0]}, longest {lengths[-1][1]}: "
          f"{lengths[-1][0]})")
    report("descriptions with a line break", sum("\n" in t for t in desc.values()), 0)
    doubles = [k for k, t in desc.items() if "  " in t]
    report("descriptions with a double blank", len(doubles), 0, f" {doubles}" if doubles else "")
    unstopped = [k for k, t in desc.items() if not re.search(r"[.?]$", t)]
    report("descriptions without a closing full stop", len(unstopped), 0,
           f" {unstopped}" if unstopped else "")
    same = len(desc) - len(set(desc.values()))
    report("descriptions repeated", same, 0)

    bad_keys = []
    for k, line in keys.items():
        if k in QUOTED_KEYWORDS:
            if line != QUOTED_KEYWORDS[k]:
                bad_keys.append(k)
            continue
        items = re.split(r", | and ", line.rstrip("."))
        if (not 41 <= len(line) <= 86 or "  " in line or not line.endswith(".")
                or not 4 <= len(items) <= 6 or ", and " in line or " and " not in line):
            bad_keys.append(k)
    report("keyword lines out of shape, or long-standing ones changed", len(bad_keys), 0,
           f" {bad_keys}" if bad_keys else "")
    report("keyword lines repeated", len(keys) - len(set(keys.values())), 0)

    # Questions.
    if questions:
        bad_q = [k for k, q in questions.items()
                 if not q.endswith("?") or len(q) > 100 or "  " in q
                 or list(questions.values()).count(q) > 1]
        report("questions missing, repeated, too long or not ending in '?'",
               len(bad_q) + 52 - len(questions), 0, f" {bad_q}" if bad_q else "")
        q_shared = shared_phrases(questions)
        report("three-word phrases shared by two questions", len(q_shared), 0)
        for run, ks in sorted(q_shared.items(), key=lambda item: item[1]):
            print(f"       \"{run}\" in {', '.join(map(str, ks))}")
        q_lengths = sorted(len(q) for q in questions.values())
        print(f"     (questions {q_lengths[0]} to {q_lengths[-1]} characters)")

    # For a reader to judge.
    questions_end = sum(t.endswith("?") for t in desc.values())
    print(f"     readings ending in a question: {questions_end}")
    flagged = {k: sorted(set(m.lower() for m in re.findall(WORK_FAMILY_MOOD, t, re.I)))
               for k, t in desc.items()}
    flagged = {k: words for k, words in flagged.items() if words}
    print(f"     readings naming work, family or mood (to judge by hand): {len(flagged)}")
    courts = [k for k in desc if (k - 1) % 13 >= 10]
    aged = {k: re.findall(r"\b(?:age|aged|years|young|old|older|elderly|retired)\b", desc[k],
                          re.I) for k in courts}
    print(f"     courts with a word of age: {sum(1 for v in aged.values() if v)} "
          f"{ {k: v for k, v in aged.items() if v} }")
    if verbose:
        for k, words in flagged.items():
            print(f"       {k:2} {' '.join(words)}")
        print("     last sentences:")
        for k, t in desc.items():
            last = re.split(r"(?<=[.!?])\s+", t.strip())[-1]
            print(f"       {k:2} {NAMES[k - 1]}: {last}")

    if failures:
        print(f"{len(failures)} goal(s) exceeded.")
        return 1
    print("Every goal met.")
    return 0


if __name__ == "__main__":
    args = [a for a in sys.argv[1:] if a != "--verbose"]
    default = Path(__file__).resolve().parents[2] / "cards" / "CardTexts.cpp"
    sys.exit(check(args[0] if args else default, "--verbose" in sys.argv))
