#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Checks of the dictionary import rules, on small hand-made WordNet files.

    python3 -m unittest discover -s tools/import_dictionaries
"""

import os
import random
import tempfile
import unittest

import import_wordnet as iw


# A tiny WordNet: offsets are only keys here, so they need not be byte positions.
DATA_NOUN = """\
  1 licence header line
00000001 03 n 01 entity 0 000 | that which is perceived or known
00000002 05 n 01 animal 0 001 @ 00000001 n 0000 | a living organism
00000003 05 n 02 bear 0 Ursus_arctos 0 001 @ 00000002 n 0000 | massive mammals with shaggy coats; "a bear"
00000004 14 n 01 genus_Ursus 0 001 @ 00000009 n 0000 | type genus of the bears
00000005 15 n 01 country 0 001 @ 00000001 n 0000 | the territory occupied by a nation
00000006 15 n 01 Turkey 0 001 @i 00000005 n 0000 | a republic in western Asia Minor
00000007 05 n 01 turkey 0 001 @ 00000002 n 0000 | large gallinaceous bird with fan-shaped tail
00000008 08 n 01 head 0 001 @ 00000001 n 0000 | the upper part of the human body
00000009 14 n 01 taxonomic_group 0 000 | a group of organisms
00000010 05 n 01 head 0 001 @ 00000002 n 0000 | a single domestic animal
00000011 13 n 01 decaffeinated_coffee 0 001 @ 00000001 n 0000 | coffee with the caffeine removed
00000012 18 n 01 coon 0 001 ;u 06718862 n 0000 | a word used as an insult
00000013 05 n 01 coon 0 001 @ 00000002 n 0000 | an omnivorous nocturnal mammal
00000014 06 n 01 tool 0 001 @ 00000002 n 0000 | an implement used in a craft
00000015 06 n 01 tool 0 000 | a faucet for drawing water
00000016 08 n 01 tool 0 000 | obscene terms for penis
"""
DATA_VERB = """\
00000101 42 v 01 bear 0 000 | have or carry
"""
INDEX_NOUN = """\
  1 licence header line
animal n 1 1 @ 1 0 00000002
bear n 1 1 @ 1 0 00000003
tool n 3 1 @ 3 0 00000014 00000015 00000016
coon n 2 1 @ 2 0 00000012 00000013
country n 1 1 @ 1 0 00000005
decaffeinated_coffee n 1 1 @ 1 0 00000011
entity n 1 0 1 0 00000001
genus_ursus n 1 1 @ 1 0 00000004
head n 2 1 @ 2 1 00000008 00000010
turkey n 2 1 @ 2 1 00000007 00000006
ursus_arctos n 1 1 @ 1 0 00000003
"""
INDEX_VERB = "bear v 1 0 1 1 00000101\n"
CNTLIST = """\
bear%1:05:00:: 1 5
bear%2:42:00:: 1 90
head%1:08:00:: 1 40
turkey%1:05:00:: 1 3
"""


def fake_wordnet(folder):
    files = {"data.noun": DATA_NOUN, "data.verb": DATA_VERB, "data.adj": "", "data.adv": "",
             "index.noun": INDEX_NOUN, "index.verb": INDEX_VERB, "index.adj": "", "index.adv": "",
             "cntlist.rev": CNTLIST}
    for name, text in files.items():
        with open(os.path.join(folder, name), "w") as f:
            f.write(text)
    return iw.WordNet(folder, anchors={"Country": ("00000005",), "Species": ("00000002",)})


class TextRules(unittest.TestCase):
    def test_normalise(self):
        for lemma, word in [("domestic_dog", "domestic dog"), ("jack-in-the-box", "jack in the box"),
                            ("Achilles'_heel", "Achilles heel"), ("o'clock", "oclock"),
                            ("Turkey", "Turkey"), ("World_War_II", "World War II"),
                            ("3-D", None), ("St._Louis", None), ("caf\u00e9", None), ("_", None)]:
            self.assertEqual(iw.normalise(lemma), word, lemma)

    def test_scowl_size(self):
        size50, size70 = {"coffee", "o'clock"}, {"coffee", "o'clock", "decaffeinated"}
        self.assertEqual(iw.scowl_size("coffee", size50, size70), 50)
        self.assertEqual(iw.scowl_size("o'clock", size50, size70), 50)
        self.assertEqual(iw.scowl_size("decaffeinated_coffee", size50, size70), 70)
        self.assertIsNone(iw.scowl_size("instant_coffee", size50, size70))

    def test_cut_gloss(self):
        self.assertEqual(iw.cut_gloss('a sweet fruit; grows on trees; "an apple a day"'), "a sweet fruit")
        self.assertEqual(iw.cut_gloss('move fast "he ran"'), "move fast")
        long_aside = "a word " + "(" + "x" * 120 + ") with an aside"
        self.assertEqual(iw.cut_gloss(long_aside), "a word with an aside")
        self.assertIsNone(iw.cut_gloss("y" * 120))
        long_text = "a method of examining body organs by scanning them with X rays and using a computer " \
                    "to construct a series of cross-sectional scans along a single axis"
        self.assertEqual(iw.cut_gloss(long_text), "a method of examining body organs by scanning them with X rays "
                                                   "and using a computer to construct a series...")
        self.assertEqual(len(iw.cut_gloss("y" * 119)), 119)
        self.assertIsNone(iw.cut_gloss('; "only an example"'))

    def test_blank_answer(self):
        cases = [
            ("coffee with the caffeine removed", "decaffeinated coffee", "___ with the caffeine removed"),
            ("Coffees and teas", "coffee", "___ and teas"),
            ("a party of ladies", "lady", "a party of ___"),
            ("dogma about dogs", "dog", "dogma about ___"),
            ("the man of the world", "man of the world", "the ___ of the ___"),
            ("a box with a lid", "box in the box", "a ___ with a lid"),
            ("self-service shop", "self service", "___-___ shop"),
        ]
        for gloss, word, hint in cases:
            self.assertEqual(iw.blank_answer(gloss, word), hint, word)

    def test_hint_is_useful(self):
        self.assertTrue(iw.hint_is_useful("___ with the caffeine removed"))
        self.assertFalse(iw.hint_is_useful("a ___"))
        self.assertFalse(iw.hint_is_useful("___ of ___ to ___ field"))
        self.assertTrue(iw.hint_is_useful("___ of ___ in the field"))

    def test_letter_list(self):
        self.assertEqual(iw.letter_list([4, 5, 6, 7, 20]), "4 to 7 and 20")
        self.assertEqual(iw.letter_list([4, 5, 6, 7, 9, 10, 20]), "4 to 7, 9, 10 and 20")
        self.assertEqual(iw.letter_list([4, 5, 9]), "4, 5 and 9")
        self.assertEqual(iw.letter_list([25]), "25")

    def test_tsv_escapes(self):
        self.assertEqual(iw.escape("a\\b\tc\nd\re"), "a\\\\b\\tc\\nd\\re")


class Balance(unittest.TestCase):
    def test_shortage_chance_matches_the_draw(self):
        # The game's loop, simulated: uniform draws with replacement among n
        # entries, m of the wanted length, until `words` distinct ones are found.
        m, n, words, draws = 60, 600, 45, 800
        rng = random.Random(7)
        failures, trials = 0, 3000
        for _ in range(trials):
            seen = set()
            for _ in range(draws):
                i = rng.randrange(n)
                if i < m:
                    seen.add(i)
                    if len(seen) == words:
                        break
            failures += len(seen) < words
        exact = iw.shortage_chance(m, n, words, draws)
        self.assertGreater(exact, 0.1)
        self.assertLess(exact, 0.9)
        self.assertAlmostEqual(failures / trials, exact, delta=0.03)

    def test_shortage_chance_edges(self):
        self.assertEqual(iw.shortage_chance(44, 100), 1.0)
        self.assertLess(iw.shortage_chance(150, 150), 1e-12)
        self.assertLess(iw.shortage_chance(200, 10000), iw.shortage_chance(200, 12000))

    def candidates(self, per_length):
        result = []
        for length, count in per_length.items():
            for i in range(count):
                c = iw.Candidate()
                c.word = ("%0*d" % (length, i)).replace("0", "a")
                result.append(c)
        return result

    def test_balance_caps_to_serve_the_scarcest_length(self):
        kept = iw.balance(self.candidates({4: 8000, 9: 8000, 25: 200, 20: 40}), cap=10000)
        counts = iw.length_table(kept)
        self.assertEqual(counts[25], 200)
        self.assertEqual(counts[20], 40)  # too few to serve: kept, but not waited for
        self.assertEqual(counts[4], counts[9])
        self.assertLess(counts[4], 8000)
        self.assertIn(25, iw.served_lengths(counts, len(kept)))
        # One more entry of each other length and 25 letters would no longer be served.
        self.assertGreater(iw.shortage_chance(200, len(kept) + 2), iw.SERVE_LIMIT)

    def test_balance_keeps_the_cap_when_nothing_is_scarce(self):
        kept = iw.balance(self.candidates({4: 900, 5: 500}), cap=600)
        self.assertEqual(iw.length_table(kept)[4], 600)
        self.assertEqual(iw.length_table(kept)[5], 500)


class Senses(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.folder = tempfile.TemporaryDirectory()
        cls.wn = fake_wordnet(cls.folder.name)
        words = {"animal", "bear", "country", "turkey", "head", "coffee", "entity", "ursus", "arctos",
                 "coon", "tool"}
        cls.senses = iw.sense_records(cls.wn, words, words | {"decaffeinated"})

    @classmethod
    def tearDownClass(cls):
        cls.folder.cleanup()

    def entries(self, lexfiles, themed, scowl=70):
        d = iw.Dictionary("x", "", lexfiles=lexfiles, themed=themed, scowl=scowl)
        found = iw.collect_candidates(self.wn, self.senses, d.allows, d.scowl, d.themed)
        return {c.word: c for c in found}

    def test_taxa_and_the_top_category_stay_out(self):
        words = self.entries(None, themed=False)
        self.assertNotIn("entity", words)          # noun.Tops
        self.assertNotIn("genus Ursus", words)     # under a taxonomic group
        self.assertNotIn("Ursus arctos", words)    # binomial of a genus

    def test_slurs_and_obscenities_stay_out(self):
        words = self.entries(None, themed=False)
        self.assertNotIn("coon", words)  # half its senses are a slur: the word goes
        self.assertEqual(words["tool"].definition, "an implement used in a craft")  # its other senses stay
        self.assertNotIn("tool", self.entries(("noun.body",), themed=False))

    def test_the_most_tagged_sense_wins(self):
        words = self.entries(None, themed=False)
        self.assertEqual(words["bear"].definition, "have or carry")  # 90 tags against 5
        self.assertEqual(words["head"].definition, "the upper part of the human body")
        self.assertEqual(words["decaffeinated coffee"].definition, "___ with the caffeine removed")
        self.assertEqual(words["decaffeinated coffee"].size, 70)
        self.assertNotIn("decaffeinated coffee", self.entries(None, themed=False, scowl=50))

    def test_themes_take_only_the_usual_noun_sense(self):
        nature = self.entries(("noun.animal",), themed=True)
        self.assertEqual(nature["bear"].definition, "massive mammals with shaggy coats")
        self.assertEqual(nature["turkey"].definition, "large gallinaceous bird with fan-shaped tail")
        self.assertNotIn("head", nature)  # a head of cattle is not what "head" means
        places = self.entries(("noun.location",), themed=True)
        self.assertEqual(places["Turkey"].definition, "a republic in western Asia Minor")

    def test_attributes_by_hypernyms_not_for_the_anchor_itself(self):
        self.assertEqual(self.wn.attributes(("n", "00000006")), {"Country"})
        self.assertEqual(self.wn.attributes(("n", "00000005")), set())
        self.assertEqual(self.wn.attributes(("n", "00000003")), {"Species"})
        self.assertEqual(self.wn.attributes(("n", "00000008")), {"BodyPart"})
        self.assertEqual(self.wn.attributes(("n", "00000011")), {"Food"})

    def test_tsv_line_carries_the_source_fields(self):
        c = self.entries(("noun.animal",), themed=True)["bear"]
        fields = iw.tsv_line(c, self.wn).split("\t")
        self.assertEqual(fields, ["bear", "massive mammals with shaggy coats", "noun", "noun.animal",
                                  "Ursus arctos", "SCOWL 50", "animal", "WordNet 3.0 00000003-n", "Species"])


if __name__ == "__main__":
    unittest.main()
