# SPDX-License-Identifier: GPL-3.0-or-later
"""The rules of the thesaurus import and of every hint, on hand-made entries."""

import os
import tempfile
import unittest

import hints
import import_thesaurus as imp


class Hints(unittest.TestCase):
    def test_what_gives_the_answer_away(self):
        cases = [("zebra", "zèbre", True),             # near-copy, accents aside
                 ("Fahrräder", "Fahrrad", True),        # the answer inside it
                 ("maison de ville", "maison", True),   # a word of the answer
                 ("chemindefer", "chemin de fer", True),
                 ("habitation, logis", "maison", False),
                 ("Strasse", "Straße", True),
                 ("rue", "Straße", False)]
        for item, word, expected in cases:
            self.assertEqual(hints.gives_away(item, word), expected, (item, word))

    def test_reviewed_list_catches_words_in_any_case_and_accent(self):
        listed = hints.read_offensive()
        self.assertTrue(hints.offensive("Schwuchtel", listed["de"]))
        self.assertTrue(hints.offensive("hijo de puta", listed["es"]))
        self.assertTrue(hints.offensive("ENCULE", listed["fr"]))
        self.assertFalse(hints.offensive("computadora", listed["es"]))


class Thesauri(unittest.TestCase):
    def write(self, text, encoding="utf-8"):
        f = tempfile.NamedTemporaryFile("wb", delete=False, suffix=".dat")
        f.write(text.encode(encoding))
        f.close()
        self.addCleanup(os.unlink, f.name)
        return f.name

    def test_mythes_senses_keep_marks_and_drop_optional_words(self):
        path = self.write("ISO8859-1\naplastar|2\n-|hundir|chafar|apachurrar (vulg.)\n"
                          "(fig.)|abatir|humillar\n(se) ir|1\n-|marcharse\n", "latin-1")
        senses = imp.read_mythes(path)
        self.assertEqual(senses["aplastar"][0][1][2], ("apachurrar", {"vulg."}))
        self.assertEqual(senses["aplastar"][1][0], {"fig."})
        self.assertNotIn("ir", senses)  # "(se) ir" is a part of a phrase

    def test_openthesaurus_gives_each_member_the_others(self):
        path = self.write("# comment\nFahrrad;Rad;Drahtesel (ugs.);(das) Velo\nArsch (derb);Hintern;Po\n")
        senses = imp.read_openthesaurus(path)
        self.assertEqual([i for i, _ in senses["Fahrrad"][0][1]], ["Rad", "Drahtesel", "Velo"])
        self.assertNotIn("Velo", senses)
        self.assertEqual(senses["Arsch"][0][0], {"derb"})

    def test_words_the_board_may_deal(self):
        fr = {"maison", "de", "ville", "par", "moins", "paris", "sage", "femme"}
        de = {"Haus", "Tür", "Fahrrad", "etwas", "geben", "UNO"}
        cases = [("maison de ville", fr, "fr", "maison de ville"),
                 ("Paris", fr, "fr", None),              # a name: the French list spells it in capitals
                 ("par moins", fr, "fr", None),          # dangles
                 ("sage-femme", fr, "fr", "sage femme"),
                 ("Fahrrad", de, "de", "Fahrrad"),
                 ("UNO", de, "de", None),                # abbreviation
                 ("etwas geben", de, "de", None),        # leans on a placeholder
                 ("Haustür", de, "de", None)]            # not in the list
        for text, words, lang, expected in cases:
            self.assertEqual(imp.good_word(text, words, lang, 4), expected, text)

    def test_hint_takes_a_synonym_of_each_sense_and_leaves_out_what_gives_away(self):
        words = {"demeure", "logis", "maisonnette", "famille", "lignée", "bordel", "foyer", "entreprise"}
        senses = [(set(), [("maisonnette", set()), ("demeure", set()), ("bordel", set()), ("logis", set())]),
                  (set(), [("lignée", set()), ("famille", set())]),
                  (set(), [("entreprise", {"vulg."})])]
        items = imp.hint_items("maison", senses, words, "fr", hints.read_offensive()["fr"])
        self.assertEqual(items, ["demeure", "lignée", "logis", "famille"])


if __name__ == "__main__":
    unittest.main()
