<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>Banner</name>
    <message>
        <source>Press &lt;F7&gt; for Options or &lt;F2&gt; to start a New Round</source>
        <translation>&lt;F7&gt; pour les options ou &lt;F2&gt; pour une nouvelle partie</translation>
    </message>
    <message>
        <source>Each horizontal row must hold a correct word or phrase.</source>
        <translation>Chaque ligne doit former un mot ou une expression juste.</translation>
    </message>
    <message>
        <source>Each row is composed of multiple cells, each containing part of a word or phrase.</source>
        <translation>Chaque ligne est faite de plusieurs cases, chacune avec une partie d'un mot ou d'une expression.</translation>
    </message>
    <message>
        <source>Red cells in each row must be moved to correct spot in correct row to form each correct word or phrase.</source>
        <translation>Les cases rouges doivent aller à la bonne place de la bonne ligne pour former chaque mot ou expression.</translation>
    </message>
    <message>
        <source>Using a &lt;Clue&gt; will cost you points.</source>
        <translation>Utiliser un &lt;Indice&gt; vous coûte des points.</translation>
    </message>
    <message>
        <source>Drag and drop RED cell onto another red cell to try to match definitions.</source>
        <translation>Glissez une case ROUGE sur une autre case rouge pour retrouver les mots.</translation>
    </message>
    <message>
        <source>GREEN letters show a cell in the CORRECT position; green cells cannot be moved.</source>
        <translation>Les lettres VERTES montrent une case à la BONNE place ; les cases vertes ne bougent plus.</translation>
    </message>
    <message>
        <source>RED letters show a cell is in the WRONG position - drag it to the correct position.</source>
        <translation>Les lettres ROUGES montrent une case à la MAUVAISE place : glissez-la à la bonne place.</translation>
    </message>
    <message>
        <source>Change cell colors via the Options menu.</source>
        <translation>Changez la couleur des cases dans le menu Options.</translation>
    </message>
    <message>
        <source>With Definitions ON, your cursor over a cell gives you a clue to the word.</source>
        <translation>Avec les définitions, la souris sur une case donne un indice sur le mot.</translation>
    </message>
    <message>
        <source>Change letter fonts via the Options menu.</source>
        <translation>Changez la police des lettres dans le menu Options.</translation>
    </message>
    <message>
        <source>Press &lt;F8&gt; to view and change cell styles.</source>
        <translation>&lt;F8&gt; pour voir et changer le style des cases.</translation>
    </message>
    <message>
        <source>Click Options &gt; Banner to turn off this banner.</source>
        <translation>Options &gt; Bandeau arrête ce bandeau.</translation>
    </message>
    <message>
        <source>Set a handicap to increase or decrease difficulty.</source>
        <translation>Réglez un handicap pour changer la difficulté.</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>Cannot open file %1</source>
        <translation>Impossible d'ouvrir le fichier %1</translation>
    </message>
    <message>
        <source>Cannot create file %1</source>
        <translation>Impossible de créer le fichier %1</translation>
    </message>
    <message>
        <source>Cannot open folder %1</source>
        <translation>Impossible d'ouvrir le dossier %1</translation>
    </message>
    <message>
        <source>Unable to write to %1</source>
        <translation>Impossible d'écrire dans %1</translation>
    </message>
</context>
<context>
    <name>HelpLinks</name>
    <message>
        <source>Warning</source>
        <translation>Avertissement</translation>
    </message>
    <message>
        <source>Check our website via the internet for new announcements?</source>
        <translation>Chercher les nouvelles sur notre site Internet ?</translation>
    </message>
</context>
<context>
    <name>HoverHints</name>
    <message>
        <source>This is your rating. The closer to 100, the better the score.</source>
        <translation>Voici votre score. Plus il est proche de 100, mieux c'est.</translation>
    </message>
</context>
<context>
    <name>KnowledgeBase</name>
    <message>
        <source>Unable to create stream</source>
        <translation>Impossible de créer le flux</translation>
    </message>
    <message>
        <source>Unable to load the Knowledge Base</source>
        <translation>Impossible de charger le dictionnaire</translation>
    </message>
</context>
<context>
    <name>LanguageBox</name>
    <message>
        <source>Desktop's language</source>
        <translation>Langue du bureau</translation>
    </message>
    <message>
        <source>The game speaks the chosen language from its next start.</source>
        <translation>Le jeu parle la langue choisie dès son prochain démarrage.</translation>
    </message>
</context>
<context>
    <name>MainMenus</name>
    <message>
        <source>File</source>
        <translation>Fichier</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Partie</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
</context>
<context>
    <name>OptionsModel</name>
    <message>
        <source>Background Music</source>
        <translation>Musique de fond</translation>
    </message>
    <message>
        <source>Correct Match:</source>
        <translation>Bonne place :</translation>
    </message>
    <message>
        <source>Incorrect:</source>
        <translation>Erreur :</translation>
    </message>
    <message>
        <source>Word Complete:</source>
        <translation>Mot complet :</translation>
    </message>
    <message>
        <source>Time Penalty:</source>
        <translation>Pénalité de temps :</translation>
    </message>
    <message>
        <source>Game Over:</source>
        <translation>Partie perdue :</translation>
    </message>
    <message>
        <source>Game Won:</source>
        <translation>Partie gagnée :</translation>
    </message>
    <message>
        <source>New Game:</source>
        <translation>Nouvelle partie :</translation>
    </message>
    <message>
        <source>Countdown Starts:</source>
        <translation>Début du compte à rebours :</translation>
    </message>
</context>
<context>
    <name>RoundEngine</name>
    <message>
        <source>Insufficient words in dictionary matching your criteria.
Please change your options.</source>
        <translation>Pas assez de mots dans le dictionnaire pour vos critères.
Veuillez modifier vos options.</translation>
    </message>
    <message>
        <source>Sorry, please try again.</source>
        <translation>Désolé, veuillez réessayer.</translation>
    </message>
    <message>
        <source>Clue (No more)</source>
        <translation>Indice (épuisés)</translation>
    </message>
    <message>
        <source>Solving</source>
        <translation>Solution</translation>
    </message>
    <message>
        <source>Try again.</source>
        <translation>Réessayez.</translation>
    </message>
    <message>
        <source>Success !</source>
        <translation>Réussi !</translation>
    </message>
    <message>
        <source>Complete !</source>
        <translation>Complet !</translation>
    </message>
    <message>
        <source>Done !</source>
        <translation>Terminé !</translation>
    </message>
    <message>
        <source>Finished !</source>
        <translation>Fini !</translation>
    </message>
    <message>
        <source>Clue (%1)</source>
        <translation>Indice (%1)</translation>
    </message>
    <message>
        <source>Clue</source>
        <translation>Indice</translation>
    </message>
    <message>
        <source>%1 words to find, level: %2, dictionary: %3</source>
        <translation>%1 mots à trouver, niveau : %2, dictionnaire : %3</translation>
    </message>
</context>
<context>
    <name>RoundNumberDialog</name>
    <message>
        <source>Round Number</source>
        <translation>Numéro de la partie</translation>
    </message>
    <message>
        <source>This round's number is %1.</source>
        <translation>Le numéro de cette partie est %1.</translation>
    </message>
    <message>
        <source>Type a round's number to deal that round again (with the same dictionary and options):</source>
        <translation>Tapez le numéro d'une partie pour la redistribuer (avec le même dictionnaire et les mêmes options) :</translation>
    </message>
    <message>
        <source>Round number</source>
        <translation>Numéro de la partie</translation>
    </message>
    <message>
        <source>Deal</source>
        <translation>Distribuer</translation>
    </message>
    <message>
        <source>A round number is a whole number from 0 to 4294967295.</source>
        <translation>Un numéro de partie est un nombre entier de 0 à 4294967295.</translation>
    </message>
</context>
<context>
    <name>ScoreChart</name>
    <message>
        <source>2 Splits</source>
        <translation>2 coupes</translation>
    </message>
    <message>
        <source>3 Splits</source>
        <translation>3 coupes</translation>
    </message>
    <message>
        <source>4 Splits</source>
        <translation>4 coupes</translation>
    </message>
    <message>
        <source>5 Splits</source>
        <translation>5 coupes</translation>
    </message>
</context>
<context>
    <name>ScoreTable</name>
    <message>
        <source>Easy</source>
        <translation>Facile</translation>
    </message>
    <message>
        <source>Moderate</source>
        <translation>Moyen</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Difficile</translation>
    </message>
    <message>
        <source>Intense</source>
        <translation>Intense</translation>
    </message>
</context>
<context>
    <name>StatusPanel</name>
    <message>
        <source>Rating </source>
        <translation>Score </translation>
    </message>
    <message>
        <source>Status</source>
        <translation>État</translation>
    </message>
    <message>
        <source>Status: </source>
        <translation>État : </translation>
    </message>
</context>
<context>
    <name>Tfo</name>
    <message>
        <source>Check our website via the internet for music and sound?</source>
        <translation>Chercher de la musique et des sons sur notre site Internet ?</translation>
    </message>
    <message>
        <source>Splitwick Options</source>
        <translation>Options de Splitwick</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Réglages</translation>
    </message>
    <message>
        <source>Sounds &amp;&amp; Music</source>
        <translation>Sons et musique</translation>
    </message>
    <message>
        <source>Help Hints</source>
        <translation>Bulles d'aide</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>New Cells</source>
        <translation>Nouvelles cases</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>Langue :</translation>
    </message>
    <message>
        <source>Dictionary:</source>
        <translation>Dictionnaire :</translation>
    </message>
    <message>
        <source>Number of Words:</source>
        <translation>Nombre de mots :</translation>
    </message>
    <message>
        <source>Initial Fixed Cell:</source>
        <translation>Case fixe au départ :</translation>
    </message>
    <message>
        <source>First</source>
        <translation>Première</translation>
    </message>
    <message>
        <source>Middle</source>
        <translation>Milieu</translation>
    </message>
    <message>
        <source>Last</source>
        <translation>Dernière</translation>
    </message>
    <message>
        <source>Random</source>
        <translation>Au hasard</translation>
    </message>
    <message>
        <source>Not First</source>
        <translation>Pas la première</translation>
    </message>
    <message>
        <source>Show Definitions</source>
        <translation>Afficher les définitions</translation>
    </message>
    <message>
        <source>Proximity</source>
        <translation>Proximité</translation>
    </message>
    <message>
        <source>Vowels</source>
        <translation>Voyelles</translation>
    </message>
    <message>
        <source>Handicap Level:</source>
        <translation>Handicap :</translation>
    </message>
    <message>
        <source>Easier to play</source>
        <translation>Plus facile</translation>
    </message>
    <message>
        <source>Neutral</source>
        <translation>Neutre</translation>
    </message>
    <message>
        <source>Greater challenge</source>
        <translation>Plus difficile</translation>
    </message>
    <message>
        <source>Split Word Format:</source>
        <translation>Découpage des mots :</translation>
    </message>
    <message>
        <source>Sound Effects ...</source>
        <translation>Effets sonores...</translation>
    </message>
    <message>
        <source>Louder</source>
        <translation>Plus fort</translation>
    </message>
    <message>
        <source>Sound &amp; Music Volume</source>
        <translation>Volume des sons et de la musique</translation>
    </message>
    <message>
        <source>Quieter</source>
        <translation>Moins fort</translation>
    </message>
    <message>
        <source>Download More Sounds &amp;&amp; Music</source>
        <translation>Télécharger d'autres sons et musiques</translation>
    </message>
</context>
<context>
    <name>TfrmAbout</name>
    <message>
        <source>About Splitwick</source>
        <translation>À propos de Splitwick</translation>
    </message>
    <message>
        <source>Version 1.1</source>
        <translation>Version 1.1</translation>
    </message>
</context>
<context>
    <name>TfrmBG</name>
    <message>
        <source>Background</source>
        <translation>Fond</translation>
    </message>
    <message>
        <source>Stretch</source>
        <translation>Étirer</translation>
    </message>
    <message>
        <source>%1 is not a picture that can be shown.</source>
        <translation>%1 n'est pas une image affichable.</translation>
    </message>
</context>
<context>
    <name>TfrmScore</name>
    <message>
        <source>Completed Game Statistics</source>
        <translation>Statistiques des parties gagnées</translation>
    </message>
    <message>
        <source>Efficiency</source>
        <translation>Efficacité</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Niveau</translation>
    </message>
</context>
<context>
    <name>TfrmStyle</name>
    <message>
        <source>Styles</source>
        <translation>Styles</translation>
    </message>
    <message>
        <source>Hint Color</source>
        <translation>Couleur des bulles</translation>
    </message>
    <message>
        <source>Tile Font</source>
        <translation>Police des cases</translation>
    </message>
    <message>
        <source>Tile Color</source>
        <translation>Couleur des cases</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Fond</translation>
    </message>
</context>
<context>
    <name>TileDescription</name>
    <message>
        <source>movable</source>
        <translation>mobile</translation>
    </message>
    <message>
        <source>placed</source>
        <translation>placée</translation>
    </message>
    <message>
        <source>row complete</source>
        <translation>ligne complète</translation>
    </message>
    <message>
        <source>, row %1</source>
        <translation>, ligne %1</translation>
    </message>
</context>
</TS>
