#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Build Splitwick's English dictionaries with hints in French, German and
Spanish from FreeDict's bilingual dictionaries (the dictionaries of those
languages' own words come from import_thesaurus.py).

Reads FreeDict in the dictd format (Debian: dict-freedict-fra-eng, -deu-eng,
-spa-eng, -eng-fra, -eng-deu, -eng-spa), the word lists of each language
(wfrench, wngerman, wspanish; wamerican, wamerican-large) and WordNet's sense
tag counts (wordnet-base) to tell common words from rare ones. Writes one TSV
per dictionary and, when the path of splitwick-kb is given, the .dic files,
and FreeDict-LICENSE.txt beside them.

    import_freedict.py --kb build/bin/splitwick-kb --out data/kbs

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
from import_wordnet import (FORMAT_LENGTHS, OFFENSIVE_WORDS, balance, build_dic, escape,
                            length_table, read_scowl, read_tag_counts, served_lengths, stable_hash)

MAX_HINT = 60      # translations are short; a few of them make the hint
MAX_ITEMS = 4

# Crude words that no entry or hint of a family game shows, whatever the
# source says: the reviewed list, in every language folded alike.
LISTED = hints.read_offensive()
CRUDE = OFFENSIVE_WORDS | {w for ws in LISTED.values() for w in ws} | {"bastard", "boobs", "dick"}


class Language:
    def __init__(self, code, freedict_code, word_list, to_english, from_english, most_words,
                 tagged_only=False):
        self.code = code                    # "fr"
        self.freedict_code = freedict_code  # "fra"
        self.word_list = word_list          # file in /usr/share/dict
        self.to_english = to_english        # name of the dictionary of this language's words
        self.from_english = from_english    # name of the English one with hints in this language
        self.most_words = most_words        # longest phrase, in words ("pomme de terre")
        self.tagged_only = tagged_only      # only senses whose part of speech is given


LANGUAGES = [
    Language("fr", "fra", "french", "Mots français", "English (indices en français)", 3),
    Language("de", "deu", "ngerman", "Wörter auf Deutsch", "English (Hinweise auf Deutsch)", 1, True),
    Language("es", "spa", "spanish", "Palabras en español", "English (pistas en español)", 3),
]


def board_letter(c):
    """A letter the board shows as itself: the upper-cased Windows-1252 byte is
    not one that the game folds into another letter or a "?"."""
    if "a" <= c <= "z" or "A" <= c <= "Z":
        return True
    code = ord(c)
    return 0xC0 <= code <= 0xFE and code not in (0xD7, 0xF7)


def board_word(text):
    """The word as the board spells it (hyphens become spaces), or None when a
    letter of it cannot be shown as it is: such a word is left out, never mangled."""
    word = " ".join(text.replace("-", " ").split())
    if not word or not all(c == " " or board_letter(c) for c in word):
        return None
    return word


def fits_1252(text):
    try:
        text.encode("cp1252")
        return True
    except UnicodeEncodeError:
        return False


def fold(text):
    """Lower case without accents, to compare a word with its translations."""
    table = str.maketrans("àâäáãåçéèêëíìîïñóòôöõúùûüýÿæœß", "aaaaaaceeeeiiiinooooouuuuyyæœs")
    return text.lower().translate(table)


def tokens(text):
    return [t for t in re.split(r"[ '\-]+", text) if t]


def known(text, words, short_ok=True):
    """Every word of text is in the word list (words of one or two letters,
    articles and elided forms like "l'", pass when short_ok)."""
    parts = tokens(text)
    return bool(parts) and all((short_ok and len(p) <= 2) or p.lower() in words for p in parts)


class Entry:
    __slots__ = ("word", "hint", "pos", "gender", "source", "tags", "rank", "alternatives")


def english_tags(tag_counts):
    """Total tag count of every WordNet lemma, lower case with spaces."""
    totals = collections.Counter()
    for (lemma, _letter, _number), count in tag_counts.items():
        totals[lemma.replace("_", " ")] += count
    return totals


def wordnet_lemmas(wordnet_dir):
    """Every WordNet lemma, lower case with spaces: the English words of a
    dictionary are base forms ("jar", not "jars")."""
    lemmas = set()
    for name in ("noun", "verb", "adj", "adv"):
        with open(os.path.join(wordnet_dir, "index." + name), encoding="ascii") as f:
            lemmas.update(line.split(" ", 1)[0].replace("_", " ") for line in f if not line.startswith("  "))
    return lemmas


def commonness(item, totals):
    text = item.lower()
    if text.startswith("to "):
        text = text[3:]
    return totals.get(text, 0)


def acceptable(sense, lang):
    return (not (sense.labels & freedict.UNWANTED_LABELS) and not sense.plural
            and (sense.tagged or not lang.tagged_only))


def join_hint(items):
    hint = ""
    for item in items[:MAX_ITEMS]:
        longer = item if not hint else hint + ", " + item
        if len(longer) > MAX_HINT:
            break
        hint = longer
    return hint


def gather(pairs, word_ok, item_ok, totals, rank_by_item, crude_words=CRUDE, crude_items=CRUDE):
    """One entry per word (letter case ignored) from (sense, word, items, source)
    tuples: the word's usable translations in source order, the most common first
    when rank_by_item, and whatever repeats the word itself left out."""
    by_word = collections.OrderedDict()
    for sense, word, items, source in pairs:
        word = board_word(word)
        if word is None or len(word) not in FORMAT_LENGTHS or not word_ok(word):
            continue
        key = word.upper()
        slot = by_word.setdefault(key, {"word": word, "items": [], "pos": sense.pos,
                                        "gender": sense.gender, "source": source, "plain": 0})
        plain = 0 if sense.labels else 1
        for item in items:
            item = " ".join(item.split())
            if item not in slot["items"] and item_ok(item) and fits_1252(item):
                slot["items"].append(item)
        slot["plain"] = max(slot["plain"], plain)
    entries = []
    for slot in by_word.values():
        word = slot["word"]
        answer = {fold(t) for t in tokens(word) if len(t) >= 3}
        items = [i for i in slot["items"] if not answer & {fold(t) for t in tokens(i)}
                 and not hints.gives_away(i, word) and not hints.offensive(i, crude_items)]
        if not items or hints.offensive(word, crude_words):
            continue
        if rank_by_item:
            items.sort(key=lambda i: -commonness(i, totals))  # stable: source order breaks ties
        if slot["pos"] == "verb" and rank_by_item and not items[0].startswith("to "):
            items[0] = "to " + items[0]
        hint = join_hint(items)
        if not hint:
            continue
        e = Entry()
        e.word, e.hint, e.pos, e.gender, e.source = word, hint, slot["pos"], slot["gender"], slot["source"]
        e.alternatives = ", ".join(items[len(hint.split(", ")):])[:200]
        if rank_by_item:
            e.tags = max(commonness(i, totals) for i in items)
        else:
            e.tags = commonness(word, totals)
        e.rank = (-e.tags, -slot["plain"], stable_hash(word))
        entries.append(e)
    entries.sort(key=lambda e: e.rank)
    return entries


def english_entries(lang, folder, words, english, totals, lemmas):
    """English words hinted in the language: from English into it, then from
    the language's dictionary into English, reversed."""
    code = lang.freedict_code
    direct = "FreeDict eng-%s %s" % (code, freedict.edition(folder, "eng-" + code))
    reverse = "FreeDict %s-eng %s" % (code, freedict.edition(folder, code + "-eng"))
    pairs = [(s, s.headword, s.items, direct) for s in freedict.read_dictd(folder, "eng-" + code)
             if acceptable(s, lang)]
    for s in freedict.read_dictd(folder, code + "-eng"):
        if acceptable(s, lang) and known(s.headword, words, short_ok=False):
            for item in s.items:
                pairs.append((s, item, [s.headword], reverse))
    return gather(pairs, lambda w: known(w, english, short_ok=False) and w.lower() in lemmas,
                  lambda i: known(i, words), totals, rank_by_item=False,
                  crude_words=OFFENSIVE_WORDS | LISTED["en"] | {"bastard", "boobs", "dick"},
                  crude_items=LISTED[lang.code])


def tsv_line(e, language):
    fields = [e.word, e.hint, e.pos, e.gender, e.alternatives, language, "", e.source, ""]
    return "\t".join(escape(f) for f in fields)


def write_tsv(path, entries, language):
    with open(path, "w", encoding="cp1252", newline="\n") as f:
        for e in entries:
            f.write(tsv_line(e, language) + "\n")


def licence_text(folder, sources, licences="/usr/share/common-licenses"):
    """The notices of the FreeDict sources the dictionaries are made from."""
    parts = ["The dictionaries named below are derived from FreeDict's bilingual",
             "dictionaries (https://freedict.org/), as Debian ships them, under the GNU",
             "General Public License: see the notice of each source below, and the full",
             "texts of versions 2 and 3 of the GPL at the end of this file.", ""]
    for names, source in sources:
        parts.append("=" * 72)
        parts.append("%s: freedict-%s" % (", ".join(names), source))
        parts.append("=" * 72)
        parts.append(notice(folder, source))
        parts.append("")
    for version in ("2", "3"):
        parts.append("=" * 72)
        parts.append("GNU General Public License, version " + version)
        parts.append("=" * 72)
        with open(os.path.join(licences, "GPL-" + version), encoding="utf-8") as f:
            parts.append(f.read())
    return "\n".join(parts)


def notice(folder, source):
    """The header of a FreeDict source up to its changelog: title, editors, availability."""
    import gzip
    with gzip.open(os.path.join(folder, "freedict-%s.dict.dz" % source)) as f:
        head = f.read(20000).decode("utf-8", "replace")
    head = "\n".join(line for line in head.split("\n") if not line.startswith("00-database"))
    for stop in ("\nChangelog:", "\nThe Project:", "\n00-database-url"):
        if stop in head:
            head = head.split(stop)[0]
    return head.strip()


def main(argv=None):
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--freedict", default="/usr/share/dictd")
    parser.add_argument("--wordnet", default="/usr/share/wordnet")
    parser.add_argument("--dict", default="/usr/share/dict")
    parser.add_argument("--out", default="data/kbs")
    parser.add_argument("--tsv", default=None, help="folder for the TSV files (default: a temporary one)")
    parser.add_argument("--kb", default=None, help="path of splitwick-kb; without it only TSVs are written")
    parser.add_argument("--cap", type=int, default=1500, help="most entries of one length")
    args = parser.parse_args(argv)

    totals = english_tags(read_tag_counts(args.wordnet))
    english = read_scowl(os.path.join(args.dict, "american-english-large"))
    lemmas = wordnet_lemmas(args.wordnet)
    scratch = None if args.tsv else tempfile.TemporaryDirectory(prefix="splitwick-kbs-")
    tsv_dir = args.tsv or scratch.name
    os.makedirs(tsv_dir, exist_ok=True)
    sources = []
    for lang in LANGUAGES:
        words = read_scowl(os.path.join(args.dict, lang.word_list))
        made = ((lang.from_english, english_entries(lang, args.freedict, words, english, totals, lemmas), "en"),)
        for name, candidates, language in made:
            entries = balance(candidates, args.cap)
            table = length_table(entries)
            print("%s: %d entries" % (name, len(entries)))
            print("  " + " ".join("%d:%d" % (n, table[n]) for n in FORMAT_LENGTHS))
            print("  serves 45-word rounds of lengths", served_lengths(table, len(entries)))
            tsv = os.path.join(tsv_dir, name + ".tsv")
            write_tsv(tsv, entries, language)
            if args.kb:
                os.makedirs(args.out, exist_ok=True)
                build_dic(args.kb, tsv, os.path.join(args.out, name + ".dic"))
        code = lang.freedict_code
        sources += [((lang.to_english, lang.from_english), code + "-eng"),
                    ((lang.from_english, lang.to_english), "eng-" + code)]
    if args.kb:
        with open(os.path.join(args.out, "FreeDict-LICENSE.txt"), "w", encoding="utf-8") as f:
            f.write(licence_text(args.freedict, sources))
    if scratch:
        scratch.cleanup()
    return 0


if __name__ == "__main__":
    sys.exit(main())
