# SPDX-License-Identifier: GPL-3.0-or-later
"""Reading FreeDict's bilingual dictionaries in the dictd format (an index and
a gzip-compressed text) and turning their senses into word / translation pairs."""

import gzip
import os
import re

B64 = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/"

# Labels whose senses stay out: crude, dated or regional words, and readings a
# learner would not guess from the word.
UNWANTED_LABELS = {"vulg.", "pej.", "slang", "obs.", "archaic", "dated", "rare", "Schw.",
                   "Austr.", "Ös.", "Südtirol", "poet.", "humor.", "euphem.", "sl."}

POS_NAMES = {"n": "noun", "v": "verb", "adj": "adjective", "adv": "adverb", "prep": "preposition",
             "pron": "pronoun", "conj": "conjunction", "int": "interjection", "num": "numeral"}
GENDERS = {"masc": "masculine", "fem": "feminine", "neut": "neuter"}

# Look-alike characters of the sources that Windows-1252 spells plainly.
PLAIN = str.maketrans({"\u2010": "-", "\u2011": "-", "\u2018": "'", "\u2019": "'", "\u00a0": " "})


def b64_number(text):
    value = 0
    for c in text:
        value = value * 64 + B64.index(c)
    return value


class Sense:
    """One sense of a headword: its translations and what the entry says about it."""
    __slots__ = ("headword", "items", "pos", "gender", "labels", "plural", "order", "tagged")

    def __init__(self, headword, items, pos, gender, labels, plural, order, tagged=True):
        self.headword = headword
        self.items = items      # translations, annotations removed
        self.pos = pos          # "noun", "verb", ... or ""
        self.gender = gender    # "masculine", "feminine", "neuter" or ""
        self.labels = labels    # domain and register labels ("coll.", "bot.")
        self.plural = plural    # the entry is a plural form
        self.order = order      # place in the source, for a stable choice
        self.tagged = tagged    # the source gives its part of speech (untagged lines of
                                # the larger sources are mostly inflected forms)


def split_items(line):
    """Translations of one line: "1. a, b <n>, c [bot.]" -> (["a", "b", "c"], {"bot."}, ["n"])."""
    line = re.sub(r"^\d+\.\s*", "", line.strip())
    tags = re.findall(r"<([^>]*)>", line)
    labels = set(re.findall(r"\[([^\]]+)\]", line))
    line = re.sub(r"\[[^\]]*\]", "", line)
    line = re.sub(r"<[^>]*>", "", line)
    line = re.sub(r"\([^()]*\)", "", line)
    items = []
    for item in re.split(r"[,;]", line):
        item = " ".join(item.translate(PLAIN).split())
        if item and item not in items:
            items.append(item)
    return items, labels, tags


def parse_entry(text, order):
    """The senses of one dictd entry: a header "word /ipa/ <pos>", then lines of
    translations (numbered or not); indented lines are examples and notes."""
    lines = text.split("\n")
    head = lines[0]
    tags = re.findall(r"<([^>]*)>", head)
    headword = re.sub(r"\s*(/[^/]*/)?\s*(<[^>]*>)?\s*$", "", head).strip()
    headword = headword.translate(PLAIN)
    parts = [p.strip() for p in tags[0].split(",")] if tags else []
    pos = next((POS_NAMES[p] for p in parts if p in POS_NAMES), "")
    gender = next((GENDERS[p] for p in parts if p in GENDERS), "")
    plural = "pl" in parts
    senses = []
    for k, line in enumerate(lines[1:]):
        if not line.strip() or line[0].isspace():
            continue
        items, labels, line_tags = split_items(line)
        line_parts = [p.strip() for p in line_tags[0].split(",")] if line_tags else []
        line_pos = pos or next((POS_NAMES[p] for p in line_parts if p in POS_NAMES), "")
        if items:
            senses.append(Sense(headword, items, line_pos, gender, labels, plural or "pl" in line_parts,
                                (order, k), bool(tags or line_tags)))
    return senses


def read_dictd(folder, name):
    """Every sense of freedict-<name>, in the order of the index."""
    with open(os.path.join(folder, "freedict-%s.index" % name), encoding="utf-8") as f:
        index = [line.rstrip("\n").split("\t") for line in f]
    with gzip.open(os.path.join(folder, "freedict-%s.dict.dz" % name)) as f:
        data = f.read()
    senses = []
    seen = set()
    for order, (word, offset, length) in enumerate(index):
        if word.startswith("00database") or word.startswith("00-database"):
            continue
        start, size = b64_number(offset), b64_number(length)
        if (start, size) in seen:
            continue
        seen.add((start, size))
        senses.extend(parse_entry(data[start:start + size].decode("utf-8", "replace"), order))
    return senses


def edition(folder, name):
    """The source's edition as its header gives it ("0.4.1"), or ""."""
    with gzip.open(os.path.join(folder, "freedict-%s.dict.dz" % name)) as f:
        head = f.read(4000).decode("utf-8", "replace")
    found = re.search(r"Edition:\s*(\S+)", head)
    return found.group(1) if found else ""
