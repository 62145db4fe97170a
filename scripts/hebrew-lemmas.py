#!/usr/bin/env python3
# Derives the list of frequent Hebrew content lemmas (data/frequency/
# hebrew-lemmas.txt) from the subtitle word-form list (data/frequency/
# hebrew-words.txt) with hspell's analyser. The lemma list only tells which
# words the vocabulary should have; it is never copied into a dictionary.
#
# The rule, for each word form in frequency order:
#  * hspell -l analyses the form, both as a whole word and as a word after
#    a prefix (ה+בית, ל+תת); readings as a proper name count only when there
#    is no other.
#  * Of the lemmas these analyses name, the one carried by the most frequent
#    forms of the whole list wins (each form adds 1/rank to every lemma it
#    may belong to), so רוצה goes to רצה and not to the rare verb רוצה; a
#    lemma spelled as the form itself counts twice unless it is a verb
#    (תודה is not הודה, but הנשים is אישה).
#  * Function words (hspell's class x: pronouns, prepositions, particles),
#    proper names and forms hspell does not know (names written in Hebrew
#    letters, interjections, broken words) are dropped, apart from the few
#    real words listed in KNOWN_TO_US below. NOT_WORDS lists forms that
#    hspell reads as words but that the subtitles use as names, or as the
#    credits of the subtitles themselves.
#  * A lemma appears once, at the rank of its most frequent form.
# Usage: scripts/hebrew-lemmas.py > data/frequency/hebrew-lemmas.txt
import collections
import os
import subprocess
import sys

ROOT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..")

# Frequent real words that hspell does not know, with their lemma and class.
KNOWN_TO_US = {
    "אמא": ("אמא", "ע"),
    "לאמא": ("אמא", "ע"),
    "האמא": ("אמא", "ע"),
    "ואמא": ("אמא", "ע"),
    "מאמא": ("אמא", "ע"),
    "שאמא": ("אמא", "ע"),
    "היתה": ("היה", "פ"),
    "שהיתה": ("היה", "פ"),
    "מייד": ("מיד", "x"),
    "בריכה": ("בריכה", "ע"),
    "הבריכה": ("בריכה", "ע"),
    "בבריכה": ("בריכה", "ע"),
    "גניבה": ("גניבה", "ע"),
    "גניבת": ("גניבה", "ע"),
    "פארק": ("פארק", "ע"),
    "הפארק": ("פארק", "ע"),
    "בפארק": ("פארק", "ע"),
    "לפארק": ("פארק", "ע"),
    "קורבן": ("קורבן", "ע"),
    "הקורבן": ("קורבן", "ע"),
    "קורבנות": ("קורבן", "ע"),
    "הקורבנות": ("קורבן", "ע"),
    "מוסיקה": ("מוזיקה", "ע"),
    "המוסיקה": ("מוזיקה", "ע"),
    "טלויזיה": ("טלוויזיה", "ע"),
    "בטלויזיה": ("טלוויזיה", "ע"),
    "קולג": ("קולג'", "ע"),
    "הקולג": ("קולג'", "ע"),
    "בקולג": ("קולג'", "ע"),
    "לקולג": ("קולג'", "ע"),
    "מצויין": ("מצוין", "ת"),
    "מצויינת": ("מצוין", "ת"),
    "מסויים": ("מסוים", "ת"),
    "מסויימת": ("מסוים", "ת"),
    "עוצמה": ("עוצמה", "ע"),
    "זכרונות": ("זיכרון", "ע"),
    "גיהנום": ("גיהינום", "ע"),
    "לגיהנום": ("גיהינום", "ע"),
    "נסיון": ("ניסיון", "ע"),
    "רשיון": ("רישיון", "ע"),
    "עיסקה": ("עסקה", "ע"),
    "בעייה": ("בעיה", "ע"),
    "דוגמא": ("דוגמה", "ע"),
    "לדוגמא": ("דוגמה", "ע"),
    "השיער": ("שיער", "ע"),
    "בשיער": ("שיער", "ע"),
    "לשיער": ("שיער", "ע"),
    "אמיתי": ("אמיתי", "ת"),
    "האמיתי": ("אמיתי", "ת"),
    "אמיתית": ("אמיתי", "ת"),
    "האמיתית": ("אמיתי", "ת"),
    "אמיתיים": ("אמיתי", "ת"),
    "האמיתיים": ("אמיתי", "ת"),
    "אמיתיות": ("אמיתי", "ת"),
    "מירוץ": ("מרוץ", "ע"),
    "במירוץ": ("מרוץ", "ע"),
    "השריפה": ("שריפה", "ע"),
    "אובדן": ("אובדן", "ע"),
    "בלאגן": ("בלגן", "ע"),
    "פירות": ("פרי", "ע"),
    "התיאוריה": ("תיאוריה", "ע"),
    "חופשייה": ("חופשי", "ת"),
    "יפהפיה": ("יפהפה", "ת"),
    "המאפיה": ("מאפיה", "ע"),
    "הקופסא": ("קופסה", "ע"),
    "האופנה": ("אופנה", "ע"),
    "אישתי": ("אישה", "ע"),
    "אישתו": ("אישה", "ע"),
    "אישתך": ("אישה", "ע"),
    "האשה": ("אישה", "ע"),
    "הכח": ("כוח", "ע"),
    "כח": ("כוח", "ע"),
    "האויר": ("אוויר", "ע"),
    "איזור": ("אזור", "ע"),
    "האיזור": ("אזור", "ע"),
    "באיזור": ("אזור", "ע"),
    "יכלתי": ("יכול", "פ"),
    "להשאר": ("נשאר", "פ"),
    "ישאר": ("נשאר", "פ"),
    "תשאר": ("נשאר", "פ"),
    "להכנס": ("נכנס", "פ"),
    "להפגש": ("נפגש", "פ"),
    "להרגע": ("נרגע", "פ"),
    "להנות": ("נהנה", "פ"),
    "יקח": ("לקח", "פ"),
    "תקח": ("לקח", "פ"),
    "תקחי": ("לקח", "פ"),
    "יתן": ("נתן", "פ"),
    "תתן": ("נתן", "פ"),
    "נראת": ("נראה", "פ"),
}


# Names written in Hebrew letters that hspell takes for words, pieces of
# abbreviations split at their quote mark (ארה"ב, ד"ר), and the subtitle
# credits (תורגם, סונכרן: "translated", "synchronised").
NOT_WORDS = set("""
פיטר דני טוני אריק מרטין דניס אוון סטן מגי אווה גבי רוני אשלי וולט ברברה בראון
ארי ארה דר מג לס תורגם סונכרן וסונכרן ותורגם פול
רון קיטי סופרמן אוסקר קמרון האריס מליסה קלווין גרגורי ביילי תומס נטלי נעמי
פישר אריקה בייקר באטמן מונק רודי מרקו מרטי הומר דוק ולס בלוס ברנן דרו סאן בורק ברודי מורטי
""".split())


def analyse(words):
    """hspell -l over the words (it reads and writes ISO-8859-8): for each
    word, the lemmas and classes of the whole word and of the prefixed word."""
    data = "\n".join(words).encode("iso-8859-8")
    out = subprocess.run(["hspell", "-l"], input=data, capture_output=True, check=True).stdout
    whole, prefixed = collections.defaultdict(list), collections.defaultdict(list)
    current, target = None, None
    for line in out.decode("iso-8859-8").splitlines():
        if not line.startswith("\t"):
            head, _, rest = line.partition(": ")
            word = rest.strip().replace("+", "")
            current = word
            target = whole if head.startswith("מילה") else prefixed if head.startswith("צירוף") else None
            continue
        if target is None or current is None:
            continue
        item = line.strip()
        lemma, _, tags = item.partition("(")
        tags = tags.rstrip(")").split(",")
        cls = "name" if "פרטי" in tags else tags[0]
        target[current].append((lemma, cls))
    return whole, prefixed


def main():
    with open(os.path.join(ROOT, "data", "frequency", "hebrew-words.txt"), encoding="utf-8") as f:
        forms = [w.strip() for w in f if w.strip()]
    hebrew = [w for w in forms if all("א" <= c <= "ת" for c in w)]
    whole, prefixed = analyse(sorted(set(hebrew)))

    candidates = {}
    for w in hebrew:
        if w in NOT_WORDS:
            continue
        if w in KNOWN_TO_US:
            candidates[w] = [KNOWN_TO_US[w]]
        elif len(w) > 1:
            options = list(dict.fromkeys(whole.get(w, []) + prefixed.get(w, [])))
            real = [o for o in options if o[1] != "name"]
            candidates[w] = real or options

    weight = collections.Counter()
    for rank, w in enumerate(forms, 1):
        for lemma in {lemma for lemma, _ in candidates.get(w, [])}:
            weight[lemma] += 1.0 / rank

    seen = set()
    print("# Frequent Hebrew content lemmas, most frequent first, derived by")
    print("# scripts/hebrew-lemmas.py from hebrew-words.txt (see data/README.md).")
    print("# lemma<TAB>class (noun ע, verb פ, adjective ת)<TAB>rank of its most")
    print("# frequent form<TAB>that form")
    for rank, w in enumerate(forms, 1):
        options = candidates.get(w)
        if not options:
            continue
        lemma, cls = max(options, key=lambda o: weight[o[0]] * (2 if o[0] == w and o[1] != "פ" else 1))
        if cls in ("x", "name") or lemma in seen:
            continue
        seen.add(lemma)
        print(f"{lemma}\t{cls}\t{rank}\t{w}")


if __name__ == "__main__":
    sys.exit(main())
