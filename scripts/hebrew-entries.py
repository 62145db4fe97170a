#!/usr/bin/env python3
# Lays out Hebrew-Russian entries in the dictionary source format from short
# lines written by hand, and confirms every Hebrew form with hspell's
# analyser before printing anything: a verb form must be analysed as that
# verb in that person, number, gender and tense; a plural or construct form
# as that noun's; an adjective's forms as that adjective's. A form hspell
# does not confirm stops the run, unless the line gives it by hand and marks
# it with "!" (for words hspell does not know), which means it was checked
# by reading.
#
# Lines (fields separated by " | "; blank lines and "#" comments skipped):
#   V group pattern root | translation [| code=form ...]
#       a verb: its base form, infinitive and every labelled form; the
#       pattern names the conjugation (see PATTERNS), the root is written
#       with its letters in order (final letters allowed); code=form replaces
#       one form, for the verbs the pattern does not quite fit. Digits in a
#       replacement mark the root letters: 1, 2, 3, 4 stand for them.
#   F group form headword | translation [| g=m|f]
#       a word of the verb's family in the same group (form 2-199).
#   N group headword | translation | g=m|f [pl=...] [cs=...] [cp=...]
#       a noun with its plural, construct singular and construct plural.
#   A group headword | translation [| f=... mp=... fp=...]
#       an adjective; the forms default to +ה, +ים, +ות.
#   W group headword | translation
#       any other word or phrase.
# Usage: scripts/hebrew-entries.py LINES > entries.src
import re
import subprocess
import sys

FINAL = {"כ": "ך", "מ": "ם", "נ": "ן", "פ": "ף", "צ": "ץ"}
PLAIN = {v: k for k, v in FINAL.items()}
MARK = "־"

CODES = [500, 501, 502, 505, 506, 507, 508, 509, 511, 512, 513, 514, 516, 517, 519, 521, 522, 523, 524, 531, 532, 533]
TAGS = {
    501: {"1", "יחיד", "עבר"}, 502: {"2", "יחיד", "עבר"}, 505: {"נ", "3", "יחיד", "עבר"},
    506: {"1", "רבים", "עבר"}, 507: {"ז", "2", "רבים", "עבר"}, 508: {"נ", "2", "רבים", "עבר"},
    509: {"3", "רבים", "עבר"}, 511: {"1", "יחיד", "עתיד"}, 512: {"2", "יחיד", "עתיד"},
    513: {"נ", "2", "יחיד", "עתיד"}, 514: {"ז", "3", "יחיד", "עתיד"}, 516: {"1", "רבים", "עתיד"},
    517: {"2", "רבים", "עתיד"}, 519: {"3", "רבים", "עתיד"}, 521: {"ז", "יחיד", "הווה"},
    522: {"נ", "יחיד", "הווה"}, 523: {"ז", "רבים", "הווה"}, 524: {"נ", "רבים", "הווה"},
    531: {"ז", "2", "יחיד", "ציווי"}, 532: {"נ", "2", "יחיד", "ציווי"}, 533: {"2", "רבים", "ציווי"},
    1: {"3", "יחיד", "עבר"},
}

# Each pattern: the base form, then the forms in the order of CODES. Digits
# are the root letters.
PATTERNS = {
    # paal, future with o: כתב
    "paal": "123 ל12ו3 123תי 123ת 123ה 123נו 123תם 123תן 123ו א12ו3 ת12ו3 ת123י י12ו3 נ12ו3 ת123ו י123ו"
            " 1ו23 1ו23ת 1ו23ים 1ו23ות 12ו3 123י 123ו",
    # paal, future with a (a guttural last or middle letter): שמע, שאל
    "paal-a": "123 ל12ו3 123תי 123ת 123ה 123נו 123תם 123תן 123ו א123 ת123 ת123י י123 נ123 ת123ו י123ו"
              " 1ו23 1ו23ת 1ו23ים 1ו23ות 123 123י 123ו",
    # paal with he last: צפה
    "paal-lh": "123 ל12ות 12יתי 12ית 12תה 12ינו 12יתם 12יתן 12ו א123 ת123 ת12י י123 נ123 ת12ו י12ו"
               " 1ו23 1ו23 1ו2ים 1ו2ות 123 12י 12ו",
    # piel: דיבר
    "piel": "1י23 ל123 1י23תי 1י23ת 1י23ה 1י23נו 1י23תם 1י23תן 1י23ו א123 ת123 ת123י י123 נ123 ת123ו י123ו"
            " מ123 מ123ת מ123ים מ123ות 123 123י 123ו",
    # piel with a guttural or resh in the middle (no doubling, no yod): בירך is not, but סירב, תיאר are written with yod too
    # piel with he last: חיכה
    "piel-lh": "1י23 ל12ות 1י2יתי 1י2ית 1י2תה 1י2ינו 1י2יתם 1י2יתן 1י2ו א123 ת123 ת12י י123 נ123 ת12ו י12ו"
               " מ123 מ123 מ12ים מ12ות 123 12י 12ו",
    # four-letter piel: תרגם
    "piel4": "1234 ל1234 1234תי 1234ת 1234ה 1234נו 1234תם 1234תן 1234ו א1234 ת1234 ת1234י י1234 נ1234 ת1234ו"
             " י1234ו מ1234 מ1234ת מ1234ים מ1234ות 1234 1234י 1234ו",
    # hifil: הזמין
    "hifil": "ה12י3 לה12י3 ה123תי ה123ת ה12י3ה ה123נו ה123תם ה123תן ה12י3ו א12י3 ת12י3 ת12י3י י12י3 נ12י3"
             " ת12י3ו י12י3ו מ12י3 מ12י3ה מ12י3ים מ12י3ות ה123 ה12י3י ה12י3ו",
    # hifil of a root whose first letter is nun (הגיד) or whose middle letter
    # is vav or yod (הניח, הבין): two root letters show, written here 2 and 3
    "hifil-2": "ה2י3 לה2י3 ה23תי ה23ת ה2י3ה ה23נו ה23תם ה23תן ה2י3ו א2י3 ת2י3 ת2י3י י2י3 נ2י3 ת2י3ו י2י3ו"
               " מ2י3 מ2י3ה מ2י3ים מ2י3ות ה23 ה2י3י ה2י3ו",
    # hifil of a root whose first letter is yod: הוסיף
    "hifil-py": "הו2י3 להו2י3 הו23תי הו23ת הו2י3ה הו23נו הו23תם הו23תן הו2י3ו או2י3 תו2י3 תו2י3י יו2י3 נו2י3"
                " תו2י3ו יו2י3ו מו2י3 מו2י3ה מו2י3ים מו2י3ות הו23 הו2י3י הו2י3ו",
    # hitpael: התלבש (the t changes places with a first s, sh, ts, z)
    "hitpael": "הת123 להת123 הת123תי הת123ת הת123ה הת123נו הת123תם הת123תן הת123ו את123 תת123 תת123י ית123"
               " נת123 תת123ו ית123ו מת123 מת123ת מת123ים מת123ות הת123 הת123י הת123ו",
    "hitpael4": "הת1234 להת1234 הת1234תי הת1234ת הת1234ה הת1234נו הת1234תם הת1234תן הת1234ו את1234 תת1234"
                " תת1234י ית1234 נת1234 תת1234ו ית1234ו מת1234 מת1234ת מת1234ים מת1234ות הת1234 הת1234י הת1234ו",
    # nifal: נכנס
    "nifal": "נ123 להי123 נ123תי נ123ת נ123ה נ123נו נ123תם נ123תן נ123ו א123 תי123 תי123י יי123 ני123 תי123ו"
             " יי123ו נ123 נ123ת נ123ים נ123ות הי123 הי123י הי123ו",
}
# hifil with he last: הרשה
PATTERNS["hifil-lh"] = ("ה123 לה12ות ה12יתי ה12ית ה12תה ה12ינו ה12יתם ה12יתן ה12ו א123 ת123 ת12י י123 נ123 ת12ו י12ו"
                        " מ123 מ123 מ12ים מ12ות ה123 ה12י ה12ו")
# hifil of a root with yod first and he last: הודה
PATTERNS["hifil-py-lh"] = ("הו23 להו2ות הו2יתי הו2ית הו2תה הו2ינו הו2יתם הו2יתן הו2ו או23 תו23 תו2י יו23 נו23 תו2ו"
                           " יו2ו מו23 מו23 מו2ים מו2ות הו23 הו2י הו2ו")
# polel and hitpolel, of hollow and doubled roots: שוחח, התמודד
PATTERNS["polel"] = PATTERNS["piel"].replace("1י23", "1ו23").replace("123", "1ו23")
PATTERNS["hitpolel"] = PATTERNS["hitpael"].replace("123", "1ו23")
# nifal with a guttural or resh first: איעלם, אירגע
PATTERNS["nifal-g"] = PATTERNS["nifal"].replace(" א123 ", " אי123 ")
# a hollow root in hifil: הניח from נוח, הבין from בין
PATTERNS["hifil-hollow"] = PATTERNS["hifil-2"].replace("2", "1")


def fill(template, root, hitpael=False, doubled=False):
    """The form and its display for a template whose digits are root letters."""
    letters = [PLAIN.get(c, c) for c in root]
    # A last root letter nun takes in the nun of the ending: האמנו, טענו.
    last = str(len(letters))
    if template.endswith(last + "נו") and letters[-1] == "נ":
        template = template[:-2] + "ו"
    # In hitpael the t changes place with a first s, sh, ts or z, and after
    # ts and z becomes tet and dalet: השתמש, הצטער, הזדקן.
    if hitpael and "ת1" in template and letters[0] in "סשצז":
        template = template.replace("ת1", "1" + {"צ": "ט", "ז": "ד"}.get(letters[0], "ת"))
    resolved = [letters[int(c) - 1] if c.isdigit() else c for c in template]
    chars, red = [], []
    for i, c in enumerate(template):
        if c.isdigit():
            letter = letters[int(c) - 1]
            # In piel and hitpael a consonant vav or yod inside the word is
            # written twice unless the same letter stands next to it: לוודא,
            # דיווח, לאיים, מטייל (but גייס, whose yod follows the piel yod).
            if doubled and letter in "וי" and i > 0 and resolved[i - 1] != letter \
                    and (i + 1 == len(template) or resolved[i + 1] != letter):
                chars.append(letter)
                red.append(False)
            chars.append(letter)
            red.append(True)
        else:
            chars.append(c)
            red.append(False)
    chars[-1] = FINAL.get(chars[-1], chars[-1])
    display, inside = [], False
    for c, r in zip(chars, red):
        if r != inside:
            display.append(MARK)
            inside = r
        display.append(c)
    if inside:
        display.append(MARK)
    return "".join(chars), "".join(display)


def analyse(words):
    data = "\n".join(words).encode("iso-8859-8")
    out = subprocess.run(["hspell", "-l"], input=data, capture_output=True, check=True).stdout
    result, current = {}, None
    for line in out.decode("iso-8859-8").splitlines():
        if not line.startswith("\t"):
            head, _, rest = line.partition(": ")
            current = rest.strip()
            kind = "whole" if head.startswith("מילה") else "prefixed" if head.startswith("צירוף") else None
            if kind:
                result.setdefault(current.replace("+", ""), []).append((kind, current, []))
            else:
                current = None
            continue
        if current is None:
            continue
        lemma, _, tags = line.strip().partition("(")
        result[current.replace("+", "")][-1][2].append((lemma, set(tags.rstrip(")").split(","))))
    return result


def main():
    items = []
    for number, line in enumerate(open(sys.argv[1], encoding="utf-8"), 1):
        line = line.strip()
        if not line or line.startswith("#"):
            continue
        parts = [p.strip() for p in line.split(" | ")]
        items.append((number, parts[0].split(), parts[1] if len(parts) > 1 else "", parts[2:]))

    checks = []  # (line, word, how to confirm it)
    out = []
    for number, head, russian, rest in items:
        kind, group = head[0], head[1]
        options = {}
        for r in rest:
            for kv in r.split():
                k, _, v = kv.partition("=")
                options[k] = v
        if kind == "V":
            pattern, root = head[2], head[3]
            forms = PATTERNS[pattern].split()
            hitpael = pattern.startswith(("hitpael", "hitpolel"))
            doubled = pattern.startswith(("piel", "hitpael", "hitpolel"))
            base, base_display = fill(forms[0], root, hitpael, doubled)
            lemma = base
            # The root goes into the hidden field when the base form does not
            # show all of its letters.
            shown = "".join(c for c in base_display.split(MARK)[1::2])
            plain_root = "".join(PLAIN.get(c, c) for c in root)
            hidden = "" if "".join(PLAIN.get(c, c) for c in shown) == plain_root else plain_root
            out.append((group, 1, base, base_display, russian, {"field1": hidden}))
            checks.append((number, base, ("verb", lemma, 1)))
            for code, template in zip(CODES, forms[1:]):
                forced = options.get(str(code), "")
                word, display = fill(forced.rstrip("!") or template, root, hitpael, doubled)
                out.append((group, code, word, display, "", {}))
                if not forced.endswith("!"):
                    checks.append((number, word, ("verb", lemma, code)))
        elif kind == "F":
            form, word = int(head[2]), head[3]
            out.append((group, form, word, "", russian, {"gender": options.get("g", "")}))
            checks.append((number, word.rstrip("!"), ("known",)))
        elif kind == "N":
            word = head[2]
            g = options["g"]
            out.append((group, 1, word, "", russian, {}))
            checks.append((number, word, ("known",)))
            for code, key, num, cons in ((401, "pl", "pl", False), (402, "cs", "sg", True), (403, "cp", "pl", True)):
                if key in options and options[key]:
                    w = options[key]
                    out.append((group, code, w.rstrip("!"), "", "", {"number": num, "gender": g, "construct": "yes" if cons else ""}))
                    if not w.endswith("!"):
                        checks.append((number, w, ("noun", word, {"רבים"} if num == "pl" else {"יחיד"}, cons)))
        elif kind == "A":
            word = head[2]
            out.append((group, 1, word, "", russian, {}))
            checks.append((number, word, ("known",)))
            stem = word[:-1] + PLAIN.get(word[-1], word[-1])
            if stem.endswith("י"):
                defaults = {"f": stem + "ת", "mp": stem + "ים", "fp": stem + "ות"}
            else:
                defaults = {"f": stem + "ה", "mp": stem + "ים", "fp": stem + "ות"}
            for code, key, num, g in ((401, "f", "sg", "f"), (402, "mp", "pl", "m"), (403, "fp", "pl", "f")):
                w = options.get(key, defaults[key])
                if w == "-":
                    continue
                out.append((group, code, w.rstrip("!"), "", "", {"number": num, "gender": g}))
                if not w.endswith("!"):
                    checks.append((number, w, ("adjective", word, {"נ" if g == "f" else "ז", "יחיד" if num == "sg" else "רבים"})))
        elif kind == "W":
            word = " ".join(head[2:])
            out.append((group, int(options.get("form", 1)), word.rstrip("!"), "", russian, {}))
            if not word.endswith("!"):
                for w in word.split():
                    checks.append((number, w, ("known",)))
        else:
            sys.exit(f"line {number}: unknown kind {kind}")

    analyses = analyse(sorted({w for _, w, _ in checks} | {"ל" + w for _, w, c in checks if c[0] == "verb" and c[2] == 500}))
    failures = []
    for number, word, how in checks:
        found = analyses.get(word, [])
        ok = False
        if how[0] == "known":
            ok = bool(found)
        elif how[0] == "verb":
            lemma, code = how[1], how[2]
            for kind, split, readings in found:
                for l, tags in readings:
                    if l != lemma or "פ" not in tags or any(t.startswith("כינוי") for t in tags):
                        continue
                    if code == 500:
                        ok |= kind == "prefixed" and split.startswith("ל+") and "מקור" in tags
                    elif kind == "whole":
                        ok |= TAGS[code] <= tags
        elif how[0] == "noun":
            lemma, number_tags, construct = how[1], how[2], how[3]
            for kind, _, readings in found:
                for l, tags in readings:
                    if kind == "whole" and l == lemma and ("ע" in tags or "ת" in tags) and number_tags <= tags \
                            and ("סמיכות" in tags) == construct \
                            and not any(t.startswith("כינוי") for t in tags):
                        ok = True
        elif how[0] == "adjective":
            lemma, tags_needed = how[1], how[2]
            for kind, _, readings in found:
                for l, tags in readings:
                    # an adjective that is a participle is analysed as the
                    # present tense of its verb
                    if kind == "whole" and (l == lemma or "הווה" in tags) and tags_needed <= tags and "סמיכות" not in tags:
                        ok = True
        if not ok:
            failures.append(f"line {number}: {word} not confirmed as {how}")
    if failures:
        sys.exit("\n".join(failures))

    for group, code, word, display, russian, attrs in out:
        print(f"entry {group} {code}")
        print(f"headword    {word}")
        if display:
            print(f"display     {display}")
        if attrs.get("field1"):
            print(f"field1      {attrs['field1']}")
        if russian:
            print(f"russian     {russian}")
        for key in ("number", "gender", "construct"):
            if attrs.get(key):
                print(f"{key:<12}{attrs[key]}")
        print()


if __name__ == "__main__":
    main()
