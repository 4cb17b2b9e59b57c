#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Build Splitwick's French, German and Spanish dictionaries, hinted in their
own language, from the LibreOffice thesauri Debian ships (mythes-fr,
mythes-es, openthesaurus-de-text).

A word's hint is a few of its synonyms, one from each sense first. The word
lists (wfrench, wngerman, wspanish) keep only correctly spelt words, in hints
too; FreeDict's bilingual dictionaries tell common words from rare ones (by
how often WordNet tagged their English translations) and proper nouns from
common ones, and bring their own marks of crude words.

    import_thesaurus.py --kb build/bin/splitwick-kb --out data/kbs

Standard library only; the same inputs give the same files byte for byte.
"""

import argparse
import collections
import os
import re
import sys
import tempfile

import freedict
import hints
from import_freedict import board_word, english_tags, fits_1252, join_hint
from import_wordnet import (FORMAT_LENGTHS, balance, build_dic, escape, length_table, read_tag_counts,
                            served_lengths, stable_hash)

# Short words a phrase of the board may not start or end with: "par moins" is
# no entry. Nor may a phrase lean on a placeholder ("jemandem etwas geben").
DANGLING = {
    "fr": {"à", "au", "aux", "de", "des", "du", "d", "l", "la", "le", "les", "un", "une", "et", "ou", "en",
           "par", "pour", "sur", "sous", "avec", "sans", "se", "s", "ne", "pas", "qui", "que", "ce"},
    "es": {"a", "al", "de", "del", "el", "la", "los", "las", "lo", "un", "una", "y", "o", "en", "con",
           "por", "para", "sin", "se", "que", "su", "sus"},
    "de": {"der", "die", "das", "den", "dem", "des", "ein", "eine", "einen", "einem", "einer", "und",
           "oder", "zu", "zum", "zur", "von", "vom", "mit", "im", "in", "am", "an", "auf", "sich", "es",
           "nicht", "sein", "haben", "werden"},
}
PLACEHOLDERS = {"etwas", "jemand", "jemanden", "jemandem", "jemandes", "quelqu", "quelque", "alguien", "algo"}


# A length with this many entries is served: the 25-letter German entries are
# fewer than the English dictionaries' threshold, and worth a smaller dictionary.
LEAST_SERVED = 100


class Language:
    def __init__(self, code, name, thesaurus, word_list, freedict_code, most_words):
        self.code = code
        self.name = name                  # the dictionary's file name, without ".dic"
        self.thesaurus = thesaurus        # path below --thesauri
        self.word_list = word_list        # file in /usr/share/dict
        self.freedict_code = freedict_code
        self.most_words = most_words      # longest phrase, in words


LANGUAGES = [
    Language("fr", "Mots français", "mythes/thes_fr.dat", "french", "fra", 4),
    Language("de", "Wörter auf Deutsch", "openthesaurus-de/openthesaurus.txt", "ngerman", "deu", 3),
    Language("es", "Palabras en español", "mythes/th_es_ES_v2.dat", "spanish", "spa", 4),
]

MARK = re.compile(r"\(([^()]*)\)")
# Bracketed words that are labels; any other bracket holds optional words of
# the phrase ("(das) sinkende Schiff verlassen"), which is then no entry.
LABELS = {"derb", "abwertend", "veraltet", "veraltend", "regional", "vulgär", "variabel", "Jargon",
          "Plural", "Singular", "scherzhaft", "ironisch", "selten", "bildungssprachlich", "NoRAE",
          "Antónimo", "Antonimo"}


def partial(marks):
    return any(not (m.endswith(".") or m in LABELS or m[:1].isupper() or m == "?") for m in marks)


def split_marks(item):
    """"amontonamiento (vulg.)" -> ("amontonamiento", {"vulg."})."""
    marks = {m.strip() for m in MARK.findall(item)}
    return " ".join(MARK.sub(" ", item).split()), marks


def read_mythes(path):
    """Senses of every headword of a MyThes thesaurus: {word: [[(item, marks), ...], ...]}.
    The first line names the encoding; each headword line "word|n" is followed by
    n sense lines "(part of speech)|synonym|synonym..."."""
    with open(path, "rb") as f:
        encoding = f.readline().decode("ascii").strip()
        lines = f.read().decode("latin-1" if encoding.upper().startswith("ISO8859-1") else encoding,
                                "replace").split("\n")
    senses = collections.OrderedDict()
    i = 0
    while i < len(lines):
        if "|" not in lines[i]:
            i += 1
            continue
        head, count = lines[i].rsplit("|", 1)
        count = int(count) if count.isdigit() else 0
        word, marks = split_marks(head)
        if partial(marks):
            word = ""
        for line in lines[i + 1:i + 1 + count]:
            fields = line.split("|")
            sense_marks = set(marks) | {m for m in MARK.findall(fields[0])}
            senses.setdefault(word, []).append((sense_marks, [split_marks(x) for x in fields[1:] if x.strip()]))
        i += 1 + count
    return senses


def read_openthesaurus(path):
    """Every synset of OpenThesaurus's text export, as the same structure:
    each member's senses are the synsets it is in, its own marks with them."""
    senses = collections.OrderedDict()
    with open(path, encoding="utf-8") as f:
        for line in f:
            if line.startswith("#") or not line.strip():
                continue
            members = [split_marks(x) for x in line.rstrip("\n").split(";") if x.strip()]
            for k, (word, marks) in enumerate(members):
                if partial(marks):
                    continue
                others = members[:k] + members[k + 1:]
                senses.setdefault(word, []).append((marks, others))
    return senses


def read_list(path):
    with open(path, encoding="utf-8", errors="replace") as f:
        return {line.strip() for line in f if line.strip()}


def is_offensive_marks(marks):
    return bool({m.lower() for m in marks} & {m.lower() for m in hints.OFFENSIVE_MARKS})


def spelt(text, words, lang):
    """Every word is in the language's word list (capitalised as a sentence
    would, for a phrase's first word); short function words pass."""
    parts = text.split()
    for k, p in enumerate(parts):
        if p in words or (k == 0 and lang != "de" and p.lower() in words and p[0].isupper() is False):
            continue
        if len(p) <= 2 and p.islower():
            continue
        return False
    return True


def good_word(text, words, lang, most_words):
    """A word or phrase the board may deal: spelt right, no proper noun (the
    French and Spanish lists capitalise only names), no abbreviation, no phrase
    that dangles or leans on a placeholder."""
    word = board_word(text)
    if word is None or len(word) not in FORMAT_LENGTHS or not fits_1252(word):
        return None
    parts = word.split()
    if len(parts) > most_words or not spelt(word, words, lang):
        return None
    if lang != "de" and any(p != p.lower() for p in parts):
        return None
    if any(len(p) > 1 and p.isupper() for p in parts) or "." in text:
        return None
    lowered = [p.lower() for p in parts]
    if len(parts) > 1 and (lowered[0] in DANGLING[lang] or lowered[-1] in DANGLING[lang]):
        return None
    if set(lowered) & PLACEHOLDERS:
        return None
    return word


def hint_items(word, senses, words, lang, listed):
    """The word's synonyms fit for a hint, one from each sense in turn."""
    columns = []
    for _marks, items in senses:
        column = []
        for item, marks in items:
            if is_offensive_marks(marks) or partial(marks) or not item or "." in item or not fits_1252(item):
                continue
            if not spelt(item, words, lang) or set(item.lower().split()) & PLACEHOLDERS:
                continue
            if hints.offensive(item, listed) or hints.gives_away(item, word):
                continue
            column.append(item)
        columns.append(column)
    chosen = []
    for rank in range(max((len(c) for c in columns), default=0)):
        for column in columns:
            if rank < len(column) and column[rank] not in chosen \
                    and not any(hints.similarity(column[rank], c) >= hints.NEAR_COPY for c in chosen):
                chosen.append(column[rank])
    return chosen


class Entry:
    __slots__ = ("word", "hint", "pos", "alternatives", "rank", "source")


def freedict_facts(lang, folder, totals):
    """From FreeDict's language-English dictionary: how common each word is
    (the WordNet tag count of its best-known translation), the words it marks
    crude, and the words it translates only by names (proper nouns)."""
    tags, crude, names = collections.Counter(), set(), set()
    translated = collections.defaultdict(list)
    for s in freedict.read_dictd(folder, lang.freedict_code + "-eng"):
        key = s.headword.replace("-", " ")
        if s.labels & {"vulg.", "pej.", "sl.", "slang"}:
            crude.add(key)
        translated[key].extend(s.items)
        for item in s.items:
            text = item.lower()
            tags[key] = max(tags[key], totals.get(text[3:] if text.startswith("to ") else text, 0))
    for key, items in translated.items():
        if items and all(i[:1].isupper() for i in items):
            names.add(key)
    return tags, crude, names


def entries_of(lang, senses, words, facts, listed, source):
    tags, crude, names = facts
    offensive_words = {w for w, ss in senses.items() if any(is_offensive_marks(m) for m, _ in ss)}
    result = []
    seen = set()
    for text, word_senses in senses.items():
        word = good_word(text, words, lang.code, lang.most_words)
        if word is None or word.upper() in seen:
            continue
        if text in offensive_words or text in crude or hints.offensive(word, listed):
            continue
        if lang.code == "de" and text in names:
            continue
        items = hint_items(word, word_senses, words, lang.code, listed)
        hint = join_hint(items)
        if not hint:
            continue
        seen.add(word.upper())
        e = Entry()
        e.word, e.hint, e.source = word, hint, source
        marks = next((m for m, _ in word_senses if m), set())
        e.pos = " ".join(sorted(m for m in marks if m[:1].isupper()))[:40]
        used = len(hint.split(", "))
        e.alternatives = ", ".join(items[used:])[:200]
        # Common words first: a tagged English translation, then many synonyms.
        e.rank = (-tags.get(text, 0), -len(items), stable_hash(word))
        result.append(e)
    result.sort(key=lambda e: e.rank)
    return result


def tsv_line(e, language):
    fields = [e.word, e.hint, e.pos, "", e.alternatives, language, "", e.source, ""]
    return "\t".join(escape(f) for f in fields)


# Who made each thesaurus and under which licence, as Debian's copyright files say.
NOTICES = {
    "fr": ("Mots français", "the French thesaurus of mythes-fr (thes_fr), by Kevin Hendricks, "
           "Frédéric Labbé and Laurent Godard", "GNU LGPL version 2.1 or later"),
    "de": ("Wörter auf Deutsch", "OpenThesaurus (openthesaurus-de-text), Copyright (C) 2003-2014 "
           "Daniel Naber, https://www.openthesaurus.de", "GNU LGPL version 2.1 or later"),
    "es": ("Palabras en español", "the Spanish thesaurus of mythes-es (th_es_ANY_v2), Copyright "
           "Marcelo Garrone", "GNU LGPL version 2.1"),
}


def licence_text(licences="/usr/share/common-licenses"):
    parts = ["The dictionaries named below are derived from LibreOffice's thesauri as Debian",
             "ships them: their hints are the thesauri's synonyms. The word lists wfrench,",
             "wngerman and wspanish only filter the words; FreeDict (see FreeDict-LICENSE.txt)",
             "only ranks them. None of the lists' text is shipped.", ""]
    for name, source, licence in NOTICES.values():
        parts += ["%s: %s; licence: %s." % (name, source, licence), ""]
    parts += ["=" * 72, "GNU Lesser General Public License, version 2.1", "=" * 72]
    with open(os.path.join(licences, "LGPL-2.1"), encoding="utf-8") as f:
        parts.append(f.read())
    return "\n".join(parts)


def main(argv=None):
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--thesauri", default="/usr/share")
    parser.add_argument("--freedict", default="/usr/share/dictd")
    parser.add_argument("--wordnet", default="/usr/share/wordnet")
    parser.add_argument("--dict", default="/usr/share/dict")
    parser.add_argument("--out", default="data/kbs")
    parser.add_argument("--tsv", default=None, help="folder for the TSV files (default: a temporary one)")
    parser.add_argument("--kb", default=None, help="path of splitwick-kb; without it only TSVs are written")
    parser.add_argument("--cap", type=int, default=1500, help="most entries of one length")
    parser.add_argument("--only", default=None, help="one language code")
    args = parser.parse_args(argv)

    totals = english_tags(read_tag_counts(args.wordnet))
    listed = hints.read_offensive()
    scratch = None if args.tsv else tempfile.TemporaryDirectory(prefix="splitwick-kbs-")
    tsv_dir = args.tsv or scratch.name
    os.makedirs(tsv_dir, exist_ok=True)
    for lang in LANGUAGES:
        if args.only and lang.code != args.only:
            continue
        path = os.path.join(args.thesauri, lang.thesaurus)
        senses = read_openthesaurus(path) if lang.code == "de" else read_mythes(path)
        source = "OpenThesaurus" if lang.code == "de" else "MyThes " + os.path.basename(path).split(".")[0]
        words = read_list(os.path.join(args.dict, lang.word_list))
        facts = freedict_facts(lang, args.freedict, totals)
        entries = balance(entries_of(lang, senses, words, facts, listed[lang.code], source), args.cap,
                          least=LEAST_SERVED)
        table = length_table(entries)
        print("%s: %d entries" % (lang.name, len(entries)))
        print("  " + " ".join("%d:%d" % (n, table[n]) for n in FORMAT_LENGTHS))
        print("  serves 45-word rounds of lengths", served_lengths(table, len(entries)))
        tsv = os.path.join(tsv_dir, lang.name + ".tsv")
        with open(tsv, "w", encoding="cp1252", newline="\n") as f:
            for e in entries:
                f.write(tsv_line(e, lang.code) + "\n")
        if args.kb:
            os.makedirs(args.out, exist_ok=True)
            build_dic(args.kb, tsv, os.path.join(args.out, lang.name + ".dic"))
    if args.kb and not args.only:
        with open(os.path.join(args.out, "Thesaurus-LICENSE.txt"), "w", encoding="utf-8") as f:
            f.write(licence_text())
    if scratch:
        scratch.cleanup()
    return 0


if __name__ == "__main__":
    sys.exit(main())
