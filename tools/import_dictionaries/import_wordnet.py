#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Build Splitwick's shipped dictionaries from WordNet 3.0 and the SCOWL word lists.

Reads the WordNet database (Debian: wordnet-base) and the SCOWL lists of
sizes 50 and 70 (Debian: wamerican, wamerican-large), writes one TSV file per
dictionary in the input format of `splitwick-kb build`, and, when the path of
splitwick-kb is given, turns each TSV into a .dic file.

    import_wordnet.py --kb build/bin/splitwick-kb --out data/kbs

Standard library only. The run is deterministic: the same inputs give the
same files byte for byte.
"""

import argparse
import collections
import hashlib
import os
import re
import subprocess
import sys
import tempfile

import hints

# Word lengths that some split format asks for; any other length could never
# be drawn and would only dilute the draw.
FORMAT_LENGTHS = (4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 20, 25)
# How many of the 36 formats use each length (for the report).
FORMATS_PER_LENGTH = {4: 2, 5: 3, 6: 2, 7: 3, 8: 3, 9: 4, 10: 4, 11: 2, 12: 2,
                      13: 2, 14: 2, 15: 2, 16: 2, 20: 2, 25: 1}

MAX_GLOSS = 119  # hints stay under 120 characters

LEXFILES = [
    "adj.all", "adj.pert", "adv.all", "noun.Tops", "noun.act", "noun.animal",
    "noun.artifact", "noun.attribute", "noun.body", "noun.cognition",
    "noun.communication", "noun.event", "noun.feeling", "noun.food", "noun.group",
    "noun.location", "noun.motive", "noun.object", "noun.person",
    "noun.phenomenon", "noun.plant", "noun.possession", "noun.process",
    "noun.quantity", "noun.relation", "noun.shape", "noun.state",
    "noun.substance", "noun.time", "verb.body", "verb.change", "verb.cognition",
    "verb.communication", "verb.competition", "verb.consumption",
    "verb.contact", "verb.creation", "verb.emotion", "verb.motion",
    "verb.perception", "verb.possession", "verb.social", "verb.stative",
    "verb.weather", "adj.ppl",
]

POS_FILES = (("n", "noun"), ("v", "verb"), ("a", "adj"), ("r", "adv"))
POS_NAMES = {"n": "noun", "v": "verb", "a": "adjective", "s": "adjective", "r": "adverb"}
POS_ORDER = {"n": 0, "v": 1, "a": 2, "s": 2, "r": 3}

# Anchor synsets (noun offsets) whose hyponyms and instances get an attribute.
# An entry gets every attribute whose anchor lies on its hypernym paths.
ANCHORS = {
    "Country": ("08168978", "08544813"),      # state, nation / country, land
    "City": ("08524735",),                    # city
    "Capital": ("08691669",),                 # national capital
    "CapitalPS": ("08695539",),               # state capital
    "ProvState": ("08655464", "08654360"),    # American state / state, province
    "Continent": ("09254614",),
    "Island": ("09316454",),
    "River": ("09411430",),
    "Lake": ("09328904",),
    "Mountain": ("09359803",),
    "MtnRange": ("09403734",),
    "Volcano": ("09472597",),
    "OceanSea": ("09376198", "09426788"),
    "Desert": ("08505573",),
    "GulfBayStrait": ("09296121", "09215664", "09446115"),
    "Landform": ("09287968",),                # geological formation
    "Currency": ("13604718", "13385913"),     # monetary unit / currency
    "Language": ("06282651",),
    "Disease": ("14070360",),
    "Infestation": ("14452616",),
    "Affliction": ("14213199",),
    "Disability": ("14548343",),
    "Defect": ("14464005",),
    "Medicine": ("03740161", "03247620"),     # medicine / drug
    "Treatment": ("00661091", "00657604"),    # therapy / medical care
    "Occupation": ("09632518", "10480253", "10605985"),  # worker, professional
    "Musician": ("10340312", "10339966"),
    "Artist": ("09812338",),
    "Author": ("10794014",),
    "Composer": ("09947232",),
    "Actor": ("09765278",),
    "Playwright": ("10030277",),
    "Director": ("10088390", "10088200"),     # film maker / film director
    "Character": ("09587565",),
    "Genre": ("05845332",),
    "Species": ("00015388", "00017222", "12992868"),  # animal, plant, fungus
}
# Whole lexicographer files that make a category.
LEXFILE_ATTRIBUTES = {
    "noun.food": "Food",
    "noun.body": "BodyPart",
}

TAXON_PREFIXES = ("genus ", "family ", "order ", "class ", "phylum ", "subclass ",
                  "suborder ", "superfamily ", "subfamily ", "division ",
                  "subphylum ", "superorder ", "infraorder ", "superclass ",
                  "kingdom ", "subkingdom ", "subgenus ", "tribe ", "subdivision ")
TAXONOMIC_GROUP = "07992450"  # taxonomic group, taxon

# Words of the answer that stay readable in its hint.
KEEP_IN_HINT = {"the", "and", "for", "with", "from", "into", "onto", "upon", "out",
                "off", "its", "not", "but", "nor", "per", "via", "than", "that",
                "this", "who", "which"}

BLANK = "___"

# Slurs and obscenities stay out of a family game: senses in these usage
# domains (ethnic slur; obscenity, vulgarism; disparagement) or glossed so.
OFFENSIVE_USAGE = {"06718862", "07124340", "06717170"}
# Words whose everyday reading is offensive although the sense WordNet would
# give is not ("coon" as a rustic).
OFFENSIVE_WORDS = {"coon", "cock", "prick", "queer", "screw", "slut", "whore"} | hints.read_offensive()["en"]
# Words of the reviewed list that no definition shows either.
OFFENSIVE_IN_HINTS = hints.read_offensive(in_hints=True)["en"]
OFFENSIVE_GLOSS = re.compile(r"ethnic slur|(offensive|obscene|vulgar|derogatory|disparaging) (term|name|word|slang)",
                             re.IGNORECASE)


class Synset:
    __slots__ = ("offset", "pos", "lexfile", "lemmas", "hypernyms", "gloss", "usage")

    def __init__(self, offset, pos, lexfile, lemmas, hypernyms, gloss, usage=()):
        self.offset = offset
        self.pos = pos
        self.lexfile = lexfile
        self.lemmas = lemmas
        self.hypernyms = hypernyms
        self.gloss = gloss
        self.usage = usage  # offsets of its usage domains ("ethnic slur", "obscenity", ...)

    def offensive(self):
        return bool(set(self.usage) & OFFENSIVE_USAGE) or OFFENSIVE_GLOSS.search(self.gloss) is not None


def read_synsets(wordnet_dir):
    """Every synset of the four data files, keyed by (file letter, offset)."""
    synsets = {}
    for letter, name in POS_FILES:
        with open(os.path.join(wordnet_dir, "data." + name), encoding="ascii") as f:
            for line in f:
                if line.startswith("  "):
                    continue  # licence header
                head, _, gloss = line.partition("| ")
                fields = head.split()
                offset, lexfile, ss_type = fields[0], int(fields[1]), fields[2]
                count = int(fields[3], 16)
                lemmas = []
                for k in range(count):
                    lemma = fields[4 + 2 * k]
                    lemma = re.sub(r"\((a|p|ip)\)$", "", lemma)
                    lemmas.append(lemma)
                at = 4 + 2 * count
                pointer_count = int(fields[at])
                hypernyms = []
                usage = []
                for k in range(pointer_count):
                    symbol, target, target_pos = fields[at + 1 + 4 * k: at + 4 + 4 * k]
                    if symbol in ("@", "@i"):
                        hypernyms.append((target_pos.replace("s", "a"), target))
                    elif symbol == ";u":
                        usage.append(target)
                synsets[(letter, offset)] = Synset(offset, ss_type, LEXFILES[lexfile],
                                                   lemmas, hypernyms, gloss.strip(), tuple(usage))
    return synsets


def read_tag_counts(wordnet_dir):
    """Tag count of each sense, keyed by (lowercase lemma, file letter, sense number)."""
    counts = {}
    with open(os.path.join(wordnet_dir, "cntlist.rev"), encoding="ascii") as f:
        for line in f:
            key, number, count = line.split()
            lemma, _, rest = key.partition("%")
            ss_type = int(rest.split(":")[0])
            letter = {1: "n", 2: "v", 3: "a", 4: "r", 5: "a"}[ss_type]
            counts[(lemma, letter, int(number))] = int(count)
    return counts


def read_senses(wordnet_dir, tag_counts):
    """(lowercase lemma, file letter) -> [(sense number, offset, tag count)] in sense order."""
    senses = {}
    for letter, name in POS_FILES:
        with open(os.path.join(wordnet_dir, "index." + name), encoding="ascii") as f:
            for line in f:
                if line.startswith("  "):
                    continue
                fields = line.split()
                lemma = fields[0]
                synset_count = int(fields[2])
                offsets = fields[-synset_count:]
                senses[(lemma, letter)] = [
                    (number, offset, tag_counts.get((lemma, letter, number), 0))
                    for number, offset in enumerate(offsets, 1)]
    return senses


def read_scowl(path):
    words = set()
    with open(path, encoding="utf-8", errors="replace") as f:
        for line in f:
            words.add(line.strip().lower())
    return words


def normalise(lemma):
    """The entry's word as the board spells it: hyphens and underscores become
    spaces, apostrophes go. None when anything but letters and spaces is left."""
    word = lemma.replace("_", " ").replace("-", " ").replace("'", "")
    word = " ".join(word.split())
    if not word or not re.fullmatch(r"[A-Za-z ]+", word):
        return None
    return word


def scowl_size(lemma, size50, size70):
    """Smallest SCOWL size (50 or 70) that holds every word of the lemma, else None."""
    size = 50
    for token in re.split(r"[_\- ]+", lemma):
        if not token:
            continue
        forms = {token.lower(), token.lower().replace("'", "")}
        if forms & size50:
            continue
        if forms & size70:
            size = 70
            continue
        return None
    return size


def stable_hash(text):
    return int.from_bytes(hashlib.sha1(text.encode()).digest()[:4], "big")


class WordNet:
    def __init__(self, wordnet_dir, anchors=ANCHORS):
        self.synsets = read_synsets(wordnet_dir)
        self.senses = read_senses(wordnet_dir, read_tag_counts(wordnet_dir))
        self._closure = {}
        self.anchor_of = {}
        for attribute, offsets in anchors.items():
            for offset in offsets:
                if ("n", offset) not in self.synsets:
                    raise SystemExit("anchor %s of %s is not a noun synset" % (offset, attribute))
                self.anchor_of.setdefault(("n", offset), []).append(attribute)
        self.genera = set()
        for synset in self.synsets.values():
            for lemma in synset.lemmas:
                if lemma.startswith("genus_"):
                    self.genera.add(lemma[6:].lower())

    def closure(self, key):
        """Every synset on the hypernym (and instance hypernym) paths, the synset included."""
        if key in self._closure:
            return self._closure[key]
        result = {key}
        for parent in self.synsets[key].hypernyms:
            result |= self.closure(parent)
        self._closure[key] = frozenset(result)
        return self._closure[key]

    def attributes(self, key):
        names = set()
        synset = self.synsets[key]
        if synset.lexfile in LEXFILE_ATTRIBUTES:
            names.add(LEXFILE_ATTRIBUTES[synset.lexfile])
        for ancestor in self.closure(key):
            if ancestor != key:  # "river" itself is not a river
                names.update(self.anchor_of.get(ancestor, ()))
        return names

    def is_taxon(self, key, lemma):
        """Latin taxon names: "genus X", "family Y", binomials, and whatever a taxonomic group subsumes."""
        low = lemma.lower().replace("_", " ")
        if low.startswith(TAXON_PREFIXES):
            return True
        if ("n", TAXONOMIC_GROUP) in self.closure(key):
            return True
        parts = low.split()
        if len(parts) >= 2 and lemma[0].isupper() and parts[0] in self.genera:
            return True
        if len(parts) == 1 and low in self.genera:
            return True
        return False


# Words a shortened hint should not end on.
DANGLING = {"a", "an", "the", "and", "or", "of", "to", "in", "on", "at", "by", "for", "with",
            "from", "as", "that", "which", "who", "is", "are", "its", "their", "into", "but"}


def cut_gloss(gloss):
    """The definition part of a gloss: up to the first ';', without examples.
    When that is too long its parenthetical remarks go, and if it is still too
    long it ends with "..." after a whole word. None when nothing usable is left."""
    text = gloss.split(";")[0].strip()
    if '"' in text:
        text = text.split('"')[0].strip()
    text = text.rstrip(" :,")
    if len(text) > MAX_GLOSS:
        text = re.sub(r"\s*\([^()]*\)", "", text).strip()
    text = " ".join(text.split())
    if len(text) > MAX_GLOSS:
        words = text[:MAX_GLOSS - 2].split(" ")[:-1]  # room for "...", no cut word
        while words and (words[-1].lower() in DANGLING or not words[-1].strip(",:-")):
            words.pop()
        text = " ".join(words).rstrip(",:-") + "..." if len(words) >= 4 else ""
    return text or None


def word_forms(word):
    """A word of the answer and its simple plural / singular forms."""
    w = word.lower()
    forms = {w, w + "s", w + "es"}
    if w.endswith("y") and len(w) > 2:
        forms.add(w[:-1] + "ies")
    if w.endswith("s") and len(w) > 3:
        forms.add(w[:-1])
        if w.endswith("es"):
            forms.add(w[:-2])
    return forms


def blank_answer(gloss, word):
    """Replace the answer's own words in its hint with ___ (whole words, any case)."""
    forms = set()
    for part in word.split():
        if len(part) < 3 or part.lower() in KEEP_IN_HINT:
            continue
        forms |= word_forms(part)
    if not forms:
        return gloss
    pattern = r"(?<![A-Za-z])(" + "|".join(sorted(map(re.escape, forms), key=len, reverse=True)) + r")(?![A-Za-z])"
    return re.sub(pattern, BLANK, gloss, flags=re.IGNORECASE)


def hint_is_useful(hint):
    """At least two real words left, and no more blanks than real words."""
    blanks = hint.count(BLANK)
    words = len(re.findall(r"[A-Za-z]{3,}", hint.replace(BLANK, " ")))
    return words >= 2 and blanks <= words


class Candidate:
    """One possible entry: a word and the sense chosen for it."""
    __slots__ = ("word", "key", "synset", "definition", "size", "tags", "total_tags",
                 "senses", "attributes", "rank")


def sense_records(wn, size50, size70):
    """One record per usable sense: the filters that do not depend on the
    dictionary (length, noun.Tops, taxa, SCOWL) are applied here, once."""
    total_tags = collections.Counter()
    sense_count = collections.Counter()
    first_noun = {}  # spelling -> order of its most frequent noun sense
    not_only_noun = set()  # spellings that are also verbs, adjectives or adverbs
    offensive = collections.Counter()  # word -> how many of its senses are offensive
    records = []
    for (lemma_low, letter), senses in wn.senses.items():
        for number, offset, tags in senses:
            key = (letter, offset)
            synset = wn.synsets[key]
            spelling = next((l for l in synset.lemmas if l.lower() == lemma_low), lemma_low)
            order = (-tags, number)
            if letter == "n" and (spelling not in first_noun or order < first_noun[spelling]):
                first_noun[spelling] = order
            if letter != "n":
                not_only_noun.add(spelling)
            word = normalise(spelling)
            if word is None:
                continue
            low = word.lower()
            total_tags[low] += tags
            sense_count[low] += 1
            if synset.offensive():
                offensive[low] += 1
                continue
            if len(word) not in FORMAT_LENGTHS or synset.lexfile == "noun.Tops":
                continue
            if letter == "n" and wn.is_taxon(key, spelling):
                continue
            size = scowl_size(spelling, size50, size70)
            if size is None:
                continue
            records.append((low, (-tags, POS_ORDER[synset.pos], number), spelling, key, size, tags))
    # A themed dictionary takes a noun sense only when it is what the noun
    # usually means, its most frequent noun sense with that spelling (tagged in
    # the corpus, when the spelling is also a verb or an adjective): so "Turkey"
    # is a country and "bear" an animal there, but "head" is neither a person
    # nor an animal, and "have" is no person.
    def usual(r):
        spelling, key, tags = r[2], r[3], r[5]
        return (key[0] == "n" and (-tags, r[1][2]) == first_noun.get(spelling)
                and (tags > 0 or spelling not in not_only_noun))
    # A word that is mostly a slur or an obscenity goes altogether ("coon"),
    # one with a few such senses keeps its others ("boy").
    records = [r + (usual(r),) for r in records
               if 2 * offensive[r[0]] < sense_count[r[0]] and not hints.offensive(r[0], OFFENSIVE_WORDS)]
    return records, total_tags, sense_count


_made = {}


def make_candidate(wn, spelling, key, size, tags, total_tags, senses):
    """The entry for a word and its chosen sense, or None when its hint is unusable."""
    cache_key = (spelling, key)
    if cache_key in _made:
        return _made[cache_key]
    result = None
    definition = cut_gloss(wn.synsets[key].gloss)
    if definition is not None:
        word = normalise(spelling)
        hint = blank_answer(definition, word)
        # Out too: a definition that nearly repeats the word ("not political"
        # for "nonpolitical") or spells it ("to come or go into" for "go into").
        if hint_is_useful(hint) and not hints.names_answer(hint, word) and not hints.offensive(hint, OFFENSIVE_IN_HINTS):
            c = Candidate()
            c.word, c.key, c.synset = word, key, wn.synsets[key]
            c.definition, c.size, c.tags = hint, size, tags
            c.total_tags, c.senses = total_tags, senses
            c.attributes = wn.attributes(key)
            result = c
    _made[cache_key] = result
    return result


def collect_candidates(wn, senses, allow_synset, max_size, themed):
    """The best sense of every word among the senses that allow_synset accepts,
    keyed by the word without regard to case: the highest tag count, then
    noun before verb before adjective before adverb, then WordNet's sense order."""
    records, total_tags, sense_count = senses
    best = {}
    for low, order, spelling, key, size, tags, usual in records:
        if size > max_size or not allow_synset(wn.synsets[key]) or (themed and not usual):
            continue
        if low not in best or order < best[low][0]:
            best[low] = (order, spelling, key, size, tags)
    candidates = []
    for low, (_, spelling, key, size, tags) in best.items():
        c = make_candidate(wn, spelling, key, size, tags, total_tags[low], sense_count[low])
        if c is not None:
            candidates.append(c)
    return candidates


def rank_candidates(candidates, word_tags):
    """Most common first: tag counts of the word, then the SCOWL size, then how
    common the words of a phrase are (the tag count of its rarest word, from
    word_tags), then the number of senses; a stable hash breaks ties."""
    for c in candidates:
        parts = c.word.lower().split()
        phrase = min(word_tags.get(p, 0) for p in parts) if len(parts) > 1 else c.total_tags
        c.rank = (-c.total_tags, c.size, -min(phrase, 50), -c.senses, stable_hash(c.word))
    candidates.sort(key=lambda c: c.rank)
    return candidates


def shortage_chance(m, n, words=45, draws=5000):
    """Chance that a round of `words` words fails: the game draws uniformly
    from all n entries, with replacement, and gives up when 5000 draws have
    not found `words` distinct entries among the m of the round's length."""
    if m < words:
        return 1.0
    # state[k]: chance of having k distinct entries so far (k < words).
    state = [1.0] + [0.0] * (words - 1)
    done = 0.0
    for _ in range(draws):
        new = [0.0] * words
        for k, chance in enumerate(state):
            if chance < 1e-300:
                continue
            hit = (m - k) / n
            new[k] += chance * (1 - hit)
            if k + 1 == words:
                done += chance * hit
            else:
                new[k + 1] += chance * hit
        state = new
    return max(0.0, 1.0 - done)


# A length "serves" a 45-word round when it fails at most this often.
SERVE_LIMIT = 1e-9


def served_lengths(counts, total):
    return [n for n in FORMAT_LENGTHS if shortage_chance(counts.get(n, 0), total) <= SERVE_LIMIT]


# Fewer entries of one length than this never serve 45-word rounds reliably.
MIN_SERVED = 150


def balance(candidates, cap, least=None):
    """Keep at most `cap` entries of each length, the most common ones.

    The cap is then lowered until every length that has at least MIN_SERVED
    entries serves a 45-word round: a length's share of the
    draw falls as the other lengths grow, so the scarcest length sets the size."""
    by_length = collections.defaultdict(list)
    for c in candidates:
        by_length[len(c.word)].append(c)

    def counts_for(limit):
        return {n: min(len(lst), limit) for n, lst in by_length.items()}

    least = least or MIN_SERVED
    wanted = [n for n, lst in by_length.items() if len(lst) >= least]
    if wanted:
        low, high = least, cap
        while low < high:  # largest cap that still serves every wanted length
            mid = (low + high + 1) // 2
            counts = counts_for(mid)
            total = sum(counts.values())
            # The scarcest wanted length fails first.
            if not wanted or shortage_chance(min(counts[n] for n in wanted), total) <= SERVE_LIMIT:
                low = mid
            else:
                high = mid - 1
        cap = low
    result = []
    for n in sorted(by_length):
        result.extend(by_length[n][:cap])
    return result


def escape(text):
    return (text.replace("\\", "\\\\").replace("\t", "\\t")
            .replace("\n", "\\n").replace("\r", "\\r"))


def tsv_line(c, wn):
    synset = c.synset
    synonyms = []
    for lemma in synset.lemmas:
        shown = " ".join(lemma.replace("_", " ").split())
        if shown.lower().replace("-", " ").replace("'", "") != c.word.lower() and shown not in synonyms:
            synonyms.append(shown)
    parent = ""
    if synset.hypernyms:
        parent = wn.synsets[synset.hypernyms[0]].lemmas[0].replace("_", " ")
    fields = [
        c.word,
        c.definition,
        POS_NAMES[synset.pos],
        synset.lexfile,
        ", ".join(synonyms),
        "SCOWL %d" % c.size,
        parent,
        "WordNet 3.0 %s-%s" % (synset.offset, synset.pos),
        ",".join(sorted(c.attributes)),
    ]
    return "\t".join(escape(f) for f in fields)


def write_tsv(path, entries, wn):
    with open(path, "w", encoding="cp1252", newline="\n") as f:
        for c in entries:
            f.write(tsv_line(c, wn) + "\n")


def build_dic(kb, tsv, dic):
    subprocess.run([kb, "build", tsv, dic], check=True)


def length_table(entries):
    counts = collections.Counter(len(c.word) for c in entries)
    return {n: counts.get(n, 0) for n in FORMAT_LENGTHS}


class Dictionary:
    """What goes into one shipped dictionary."""

    def __init__(self, name, about, lexfiles=None, scowl=70, themed=False, phrases=True, cap=2000):
        self.name = name
        self.about = about        # one line for the help page
        self.lexfiles = lexfiles  # None: every sense
        self.scowl = scowl        # largest SCOWL size a word may come from
        self.themed = themed      # only senses that are what the word usually means
        self.phrases = phrases    # False: single words only
        self.cap = cap            # most entries of one length

    def allows(self, synset):
        return self.lexfiles is None or synset.lexfile in self.lexfiles


# Sorted without regard to case, the second name is the default of a fresh install.
DICTIONARIES = [
    Dictionary("Animals and Plants",
               "animals, birds, fish, insects, trees, flowers and other plants",
               lexfiles=("noun.animal", "noun.plant"), themed=True, cap=1500),
    Dictionary("English",
               "the general dictionary and the default: words and phrases of every kind, "
               "from everyday words to less common ones"),
    Dictionary("Everyday Words",
               "single common words only, no phrases",
               scowl=50, phrases=False, cap=1000),
    Dictionary("People and Places",
               "famous people, occupations and kinds of people, countries, cities, states, "
               "rivers, mountains and other places",
               lexfiles=("noun.person", "noun.location"), themed=True, cap=1500),
]


def most_words(m, n):
    """The largest word count (4..45) whose rounds a length with m of n entries fills reliably."""
    best = 0
    for words in range(4, 46):
        if shortage_chance(m, n, words) > SERVE_LIMIT:
            break
        best = words
    return best


def letter_list(lengths):
    """4, 5, 6, 7, 9, 10 and 20 -> "4 to 7, 9, 10 and 20"."""
    runs = []
    for n in lengths:
        if runs and n == runs[-1][1] + 1:
            runs[-1][1] = n
        else:
            runs.append([n, n])
    parts = []
    for a, b in runs:
        parts += ["%d to %d" % (a, b)] if b > a + 1 else ["%d" % k for k in range(a, b + 1)]
    return parts[0] if len(parts) == 1 else ", ".join(parts[:-1]) + " and " + parts[-1]


def help_section(summaries):
    """HTML for the help page: the shipped dictionaries and the formats each serves."""
    lines = ["<table>",
             "  <tr><th>Dictionary</th><th>Entries</th><th>What it holds</th>"
             "<th>Formats it fills with 45 words</th></tr>"]
    notes = []
    for d, entries, table in summaries:
        served = served_lengths(table, entries)
        formats = sum(FORMATS_PER_LENGTH[n] for n in served)
        if formats == sum(FORMATS_PER_LENGTH.values()):
            serves = "all 36 formats"
        else:
            serves = "%d of the 36 formats: words of %s letters" % (formats, letter_list(served))
        lines.append("  <tr><td>%s</td><td>%s</td><td>%s</td><td>%s</td></tr>"
                     % (d.name, "{:,}".format(entries), d.about, serves))
        for n in FORMAT_LENGTHS:
            if n not in served and table[n] >= 4:
                most = most_words(table[n], entries)
                if most >= 4:
                    notes.append("%s fills %d-letter formats with up to %d words" % (d.name, n, most))
    lines.append("</table>")
    text = ("<p>The four dictionaries below are made from WordNet 3.0 (Princeton University; "
            "its licence is in <code>kbs/WordNet-LICENSE.txt</code>), kept to words found in common "
            "English word lists, with each definition taken from the word's most frequent sense.</p>")
    lines.insert(0, text)
    if notes:
        lines.append("<p>With fewer words: " + "; ".join(notes) + ".</p>")
    return "\n".join(lines)


def fill_help_page(path, html):
    begin, end = "<!-- dictionaries:begin -->", "<!-- dictionaries:end -->"
    with open(path, encoding="utf-8") as f:
        page = f.read()
    a, b = page.index(begin) + len(begin), page.index(end)
    page = page[:a] + "\n" + html + "\n" + page[b:]
    with open(path, "w", encoding="utf-8") as f:
        f.write(page)


def main(argv=None):
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--wordnet", default="/usr/share/wordnet")
    parser.add_argument("--dict", default="/usr/share/dict")
    parser.add_argument("--out", default="data/kbs", help="folder of the .dic files")
    parser.add_argument("--tsv", default=None, help="folder for the TSV files (default: a temporary one)")
    parser.add_argument("--kb", default=None, help="path of splitwick-kb; without it only TSVs are written")
    parser.add_argument("--help-page", default=None,
                        help="help page whose dictionaries section to fill (e.g. data/xq/xq.htm)")
    args = parser.parse_args(argv)

    wn = WordNet(args.wordnet)
    size50 = read_scowl(os.path.join(args.dict, "american-english"))
    size70 = read_scowl(os.path.join(args.dict, "american-english-large"))

    scratch = None if args.tsv else tempfile.TemporaryDirectory(prefix="splitwick-kbs-")
    tsv_dir = args.tsv or scratch.name
    os.makedirs(tsv_dir, exist_ok=True)
    if args.kb:
        os.makedirs(args.out, exist_ok=True)

    senses = sense_records(wn, size50, size70)
    summaries = []
    for dictionary in DICTIONARIES:
        name = dictionary.name
        candidates = collect_candidates(wn, senses, dictionary.allows, dictionary.scowl, dictionary.themed)
        if not dictionary.phrases:
            candidates = [c for c in candidates if " " not in c.word]
        entries = balance(rank_candidates(candidates, senses[1]), dictionary.cap)
        tsv = os.path.join(tsv_dir, name + ".tsv")
        write_tsv(tsv, entries, wn)
        table = length_table(entries)
        with_attr = sum(1 for c in entries if c.attributes)
        print("%s: %d entries (%d with attributes)" % (name, len(entries), with_attr))
        print("  " + " ".join("%d:%d" % (n, table[n]) for n in FORMAT_LENGTHS))
        print("  serves 45-word rounds of lengths", served_lengths(table, len(entries)))
        summaries.append((dictionary, len(entries), table))
        if args.kb:
            build_dic(args.kb, tsv, os.path.join(args.out, name + ".dic"))
    if args.help_page:
        fill_help_page(args.help_page, help_section(summaries))
    if scratch:
        scratch.cleanup()
    return 0


if __name__ == "__main__":
    sys.exit(main())
