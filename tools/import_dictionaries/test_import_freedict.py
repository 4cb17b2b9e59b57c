# SPDX-License-Identifier: GPL-3.0-or-later
"""The rules of the FreeDict import on hand-made entries."""

import unittest

import freedict
import import_freedict as imp


def sense(headword, items, pos="", labels=(), plural=False):
    return freedict.Sense(headword, list(items), pos, "", set(labels), plural, (0, 0))


class BoardWords(unittest.TestCase):
    def test_letters_the_board_cannot_show_leave_the_word_out(self):
        cases = [("café", "café"), ("Straße", "Straße"), ("pomme de terre", "pomme de terre"),
                 ("porte-monnaie", "porte monnaie"), ("niño", "niño"),
                 ("cœur", None), ("œuf", None), ("Aÿ", None), ("aujourd'hui", None), ("4x4", None)]
        for text, expected in cases:
            self.assertEqual(imp.board_word(text), expected, text)


class Entries(unittest.TestCase):
    def test_dictd_entry_gives_its_senses_without_annotations(self):
        text = ("Haus /hˈaʊs/ <neut, n, sg>\n1. house <n>, home [coll.]\n"
                "      \"ein Haus bauen\"  - build a house\n2. (royal) dynasty\n")
        senses = freedict.parse_entry(text, 0)
        self.assertEqual([s.items for s in senses], [["house", "home"], ["dynasty"]])
        self.assertEqual((senses[0].headword, senses[0].pos, senses[0].gender), ("Haus", "noun", "neuter"))
        self.assertEqual(senses[0].labels, {"coll."})

    def test_hint_leaves_out_the_answer_and_crude_words_and_stays_short(self):
        english = {"animal", "beast", "house", "home", "dwelling", "building", "residence", "shelter",
                   "abode", "to", "kiss", "bitch"}
        pairs = [
            (sense("animal", ["animal", "beast"]), "animal", ["animal", "beast"], "src"),
            (sense("maison", ["house", "home", "dwelling", "building", "residence", "abode"]), "maison",
             ["house", "home", "dwelling", "building", "residence", "abode"], "src"),
            (sense("besar", ["kiss"], pos="verb"), "besar", ["kiss"], "src"),
            (sense("chienne", ["bitch"]), "chienne", ["bitch"], "src"),
            (sense("bête", ["animal"]), "bête", ["animal"], "src"),
            (sense("bete", ["beast"]), "bete", ["beast"], "src"),  # one entry per word, case and accents apart
        ]
        entries = imp.gather(pairs, lambda w: True, lambda i: imp.known(i, english), {}, rank_by_item=True)
        hints = {e.word: e.hint for e in entries}
        self.assertEqual(hints["animal"], "beast")
        self.assertLessEqual(len(hints["maison"]), imp.MAX_HINT)
        self.assertTrue(hints["maison"].startswith("house, home"))
        self.assertEqual(hints["besar"], "to kiss")
        self.assertNotIn("chienne", hints)
        self.assertEqual((hints["bête"], hints["bete"]), ("animal", "beast"))

    def test_unwanted_senses_stay_out(self):
        de = imp.LANGUAGES[1]
        self.assertFalse(imp.acceptable(sense("Arsch", ["ass"], labels={"vulg."}), de))
        self.assertFalse(imp.acceptable(sense("Häuser", ["houses"], plural=True), de))
        untagged = sense("wurde", ["was"])
        untagged.tagged = False
        self.assertFalse(imp.acceptable(untagged, de))
        self.assertTrue(imp.acceptable(untagged, imp.LANGUAGES[0]))


if __name__ == "__main__":
    unittest.main()
