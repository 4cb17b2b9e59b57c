# SPDX-License-Identifier: GPL-3.0-or-later
"""What every importer asks of a hint: not a near-copy of its answer, not
holding the answer, nothing offensive. The shipped-dictionary test applies the
same measure (tests/words/shipped_dictionaries_test.cpp)."""

import os
import re

NEAR_COPY = 0.8  # a hint item this similar to its answer gives it away

# Marks the sources put on words and senses that a family game leaves out.
OFFENSIVE_MARKS = {"vulg.", "vulg", "vulgaire", "vulgär", "derb", "abwertend", "injurieux", "injurieuse",
                   "péjoratif", "péj.", "pej.", "despectivo", "despect.", "vulgar", "insulto", "ofensivo",
                   "Schimpfwort", "obscène", "obsceno", "offensive", "ethnic slur", "disparaging"}

_FOLD = str.maketrans("àâäáãåçéèêëíìîïñóòôöõúùûüýÿ", "aaaaaaceeeeiiiinooooouuuuyy")


def fold(text):
    """Lower case without accents and with ß as ss, to compare words across spellings."""
    return text.lower().translate(_FOLD).replace("ß", "ss").replace("œ", "oe").replace("æ", "ae")


def tokens(text):
    return [t for t in re.split(r"[^\w]+", text) if t]


def similarity(a, b):
    """1 - edit distance / longer length, of the folded texts (spaces and
    hyphens aside): "zèbre" and "zebra" are 0.8 alike."""
    a = fold(a).replace(" ", "").replace("-", "")
    b = fold(b).replace(" ", "").replace("-", "")
    if not a or not b:
        return 0.0
    longer = max(len(a), len(b))
    bound = 1.0 - abs(len(a) - len(b)) / longer
    if bound < NEAR_COPY:
        return bound  # the lengths alone keep them apart: an upper bound spares the table
    previous = list(range(len(b) + 1))
    for i, ca in enumerate(a, 1):
        current = [i]
        for j, cb in enumerate(b, 1):
            current.append(min(previous[j] + 1, current[j - 1] + 1, previous[j - 1] + (ca != cb)))
        previous = current
    return 1.0 - previous[-1] / longer


def gives_away(item, word):
    """The hint item names the answer: a near-copy, the whole answer inside
    it, or a word of the answer (three letters or more) among its words."""
    if similarity(item, word) >= NEAR_COPY:
        return True
    folded_item, folded_word = fold(item), fold(word)
    if folded_word.replace(" ", "") in folded_item.replace(" ", "").replace("-", ""):
        return True
    answer = {t for t in tokens(folded_word) if len(t) >= 3}
    return bool(answer & set(tokens(folded_item)))


def read_offensive(path=os.path.join(os.path.dirname(os.path.abspath(__file__)), "offensive_words.txt"),
                   in_hints=False):
    """{language: set of folded words} from the reviewed list; in_hints leaves
    out the words it keeps out of entries only."""
    words = {}
    with open(path, encoding="utf-8") as f:
        for line in f:
            fields = line.split()
            if fields and not fields[0].startswith("#"):
                words.setdefault(fields[0], set())
                if not (in_hints and fields[2:] == ["entry"]):
                    words[fields[0]].add(fold(fields[1]))
    return words


def letter_words(text):
    return re.findall(r"[^\W\d_]+", fold(text))


def names_answer(hint, word):
    """A hint (a definition, or translations joined by ", ") that one of its
    items copies nearly or that spells the whole answer among its words."""
    if any(similarity(item, word) >= NEAR_COPY for item in hint.split(", ")):
        return True
    return " %s " % " ".join(letter_words(word)) in " %s " % " ".join(letter_words(hint))


def offensive(text, listed):
    """Any word of text (or the whole text) is on the reviewed list."""
    folded = fold(text)
    return folded in listed or any(t in listed for t in tokens(folded))
