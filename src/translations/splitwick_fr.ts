<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>AddressWindow</name>
    <message>
        <source>E-mail Address</source>
        <translation>Adresse e-mail</translation>
    </message>
    <message>
        <source>Web Address</source>
        <translation>Adresse web</translation>
    </message>
    <message>
        <source>No e-mail program could be started. Write to this address:</source>
        <translation>Aucun logiciel de messagerie n&apos;a pu être lancé. Écrivez à cette adresse :</translation>
    </message>
    <message>
        <source>No web browser could be started. Open this address in one:</source>
        <translation>Aucun navigateur web n&apos;a pu être lancé. Ouvrez cette adresse dans un navigateur :</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copier</translation>
    </message>
</context>
<context>
    <name>Announcer</name>
    <message>
        <source>Board</source>
        <translation>Plateau</translation>
    </message>
</context>
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
        <translation>Chaque ligne est faite de plusieurs cases, chacune avec une partie d&apos;un mot ou d&apos;une expression.</translation>
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
    <name>CodeDeal</name>
    <message>
        <source>A round number is a whole number from 0 to 4294967295.</source>
        <translation>Un numéro de partie est un nombre entier de 0 à 4294967295.</translation>
    </message>
    <message>
        <source>This round needs a dictionary that this game does not have. Ask for the code with the dictionary&apos;s name after it, as the game copies it.</source>
        <translation>Cette partie demande un dictionnaire que ce jeu n&apos;a pas. Demandez le code suivi du nom du dictionnaire, tel que le jeu le copie.</translation>
    </message>
    <message>
        <source>This round needs another version of the dictionary &quot;%1&quot; than the one here.</source>
        <translation>Cette partie demande une autre version du dictionnaire « %1 » que celle présente ici.</translation>
    </message>
    <message>
        <source>This round needs the dictionary &quot;%1&quot;, which this game does not have.</source>
        <translation>Cette partie demande le dictionnaire « %1 », que ce jeu n&apos;a pas.</translation>
    </message>
    <message>
        <source>Found the round code %1 in the text.</source>
        <translation>Code de partie %1 trouvé dans le texte.</translation>
    </message>
</context>
<context>
    <name>EarlierDaysWindow</name>
    <message>
        <source>Not played</source>
        <translation>Pas jouée</translation>
    </message>
    <message>
        <source>Won</source>
        <translation>Gagnée</translation>
    </message>
    <message>
        <source>Not solved</source>
        <translation>Pas résolue</translation>
    </message>
    <message>
        <source>Not finished</source>
        <translation>Pas terminée</translation>
    </message>
    <message>
        <source>Earlier Days</source>
        <translation>Jours précédents</translation>
    </message>
    <message>
        <source>Play an earlier day&apos;s round as practice. Practice never changes your record.</source>
        <translation>Jouez la partie d&apos;un jour précédent pour vous entraîner. L&apos;entraînement ne change jamais votre bilan.</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Jour</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Résultat</translation>
    </message>
    <message>
        <source>Words</source>
        <translation>Mots</translation>
    </message>
    <message>
        <source>Rating</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>Moves</source>
        <translation>Coups</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Temps</translation>
    </message>
    <message>
        <source>Earlier days</source>
        <translation>Jours précédents</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 sur %2</translation>
    </message>
    <message>
        <source>&amp;Play as Practice</source>
        <translation>&amp;Jouer pour s&apos;entraîner</translation>
    </message>
</context>
<context>
    <name>ColourName</name>
    <message>
        <source>red</source>
        <translation>rouge</translation>
    </message>
    <message>
        <source>orange</source>
        <translation>orange</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>jaune</translation>
    </message>
    <message>
        <source>green</source>
        <translation>vert</translation>
    </message>
    <message>
        <source>cyan</source>
        <translation>cyan</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>bleu</translation>
    </message>
    <message>
        <source>purple</source>
        <translation>violet</translation>
    </message>
    <message>
        <source>pink</source>
        <translation>rose</translation>
    </message>
    <message>
        <source>black</source>
        <translation>noir</translation>
    </message>
    <message>
        <source>white</source>
        <translation>blanc</translation>
    </message>
    <message>
        <source>dark grey</source>
        <translation>gris foncé</translation>
    </message>
    <message>
        <source>light grey</source>
        <translation>gris clair</translation>
    </message>
    <message>
        <source>grey</source>
        <translation>gris</translation>
    </message>
    <message>
        <source>dark %1</source>
        <translation>%1 foncé</translation>
    </message>
    <message>
        <source>pale %1</source>
        <translation>%1 pâle</translation>
    </message>
    <message>
        <source>light %1</source>
        <translation>%1 clair</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>Cannot open file %1</source>
        <translation>Impossible d&apos;ouvrir le fichier %1</translation>
    </message>
    <message>
        <source>Cannot create file %1</source>
        <translation>Impossible de créer le fichier %1</translation>
    </message>
    <message>
        <source>Cannot open folder %1</source>
        <translation>Impossible d&apos;ouvrir le dossier %1</translation>
    </message>
    <message>
        <source>Unable to write to %1</source>
        <translation>Impossible d&apos;écrire dans %1</translation>
    </message>
    <message>
        <source>Cannot read the settings file %1. The game starts with its default settings and leaves that file as it is.</source>
        <translation>Impossible de lire le fichier de réglages %1. Le jeu démarre avec ses réglages par défaut et laisse ce fichier tel qu&apos;il est.</translation>
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
    <name>HelpWindow</name>
    <message>
        <source>How to Play</source>
        <translation>Comment jouer</translation>
    </message>
</context>
<context>
    <name>HoverHints</name>
    <message>
        <source>This is your rating. The closer to 100, the better the score.</source>
        <translation>Voici votre score. Plus il est proche de 100, mieux c&apos;est.</translation>
    </message>
</context>
<context>
    <name>KeyboardPlay</name>
    <message>
        <source>Rating %1. Words left: %2.</source>
        <translation>Score %1. Mots restants : %2.</translation>
    </message>
    <message>
        <source>Paused.</source>
        <translation>En pause.</translation>
    </message>
    <message>
        <source>Next tick in %1 seconds.</source>
        <translation>Prochain tic dans %1 secondes.</translation>
    </message>
    <message>
        <source>Picked up %1.</source>
        <translation>Vous prenez %1.</translation>
    </message>
    <message>
        <source>%1 cannot go there; still holding it.</source>
        <translation>%1 ne peut pas aller là ; vous la gardez en main.</translation>
    </message>
    <message>
        <source>Dropping %1 on %2.</source>
        <translation>Vous posez %1 sur %2.</translation>
    </message>
    <message>
        <source>Put back %1.</source>
        <translation>Vous reposez %1.</translation>
    </message>
    <message>
        <source>No definition shown for %1.</source>
        <translation>Aucune définition affichée pour %1.</translation>
    </message>
    <message>
        <source>Definition: %1</source>
        <translation>Définition : %1</translation>
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
        <source>Desktop&apos;s language</source>
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
        <source>&amp;Pause</source>
        <translation>Suspendre &amp;la partie</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>Zoom a&amp;vant</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>&amp;Zoom arrière</translation>
    </message>
    <message>
        <source>&amp;Actual Size</source>
        <translation>Taille d&apos;ori&amp;gine</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Partie</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;Statistics</source>
        <translation>S&amp;tatistiques</translation>
    </message>
    <message>
        <source>Honor Roll</source>
        <translation>Tableau d&apos;honneur</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>&amp;Nouvelle partie</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Nouvelle partie</translation>
    </message>
    <message>
        <source>&amp;Clue</source>
        <translation>&amp;Indice</translation>
    </message>
    <message>
        <source>Clue</source>
        <translation>Indice</translation>
    </message>
    <message>
        <source>&amp;Solve</source>
        <translation>&amp;Résoudre</translation>
    </message>
    <message>
        <source>Solve</source>
        <translation>Résoudre</translation>
    </message>
    <message>
        <source>&amp;Round Number...</source>
        <translation>Numéro &amp;de partie...</translation>
    </message>
    <message>
        <source>Copy Round Code</source>
        <translation>Copier le code de partie</translation>
    </message>
    <message>
        <source>&amp;Settings</source>
        <translation>&amp;Réglages</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Réglages</translation>
    </message>
    <message>
        <source>St&amp;yles</source>
        <translation>St&amp;yles</translation>
    </message>
    <message>
        <source>&amp;Banner</source>
        <translation>&amp;Bandeau</translation>
    </message>
    <message>
        <source>Hover &amp;Hints</source>
        <translation>Bulles d&apos;&amp;aide</translation>
    </message>
    <message>
        <source>Colour-blind C&amp;ues</source>
        <translation>Repères po&amp;ur daltoniens</translation>
    </message>
    <message>
        <source>Sound &amp;Effects</source>
        <translation>&amp;Effets sonores</translation>
    </message>
    <message>
        <source>&amp;Music</source>
        <translation>&amp;Musique</translation>
    </message>
    <message>
        <source>&amp;How to Play</source>
        <translation>&amp;Comment jouer</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>E-mail Su&amp;pport</source>
        <translation>Assistance par e-mai&amp;l</translation>
    </message>
    <message>
        <source>&amp;News and New Games</source>
        <translation>Actualités et &amp;nouveaux jeux</translation>
    </message>
    <message>
        <source>&amp;Web Site</source>
        <translation>Site &amp;web</translation>
    </message>
    <message>
        <source>Maker Website</source>
        <translation>Site web de l&apos;éditeur</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>À propo&amp;s</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Word Game</source>
        <translation>Partie de mots</translation>
    </message>
    <message>
        <source>Phrase Game</source>
        <translation>Partie d&apos;expressions</translation>
    </message>
    <message>
        <source>C&amp;opy Round Code</source>
        <translation>C&amp;opier le code de partie</translation>
    </message>
    <message>
        <source>Tod&amp;ay&apos;s Round</source>
        <translation>Partie du &amp;jour</translation>
    </message>
    <message>
        <source>&amp;Earlier Days...</source>
        <translation>Jours pr&amp;écédents...</translation>
    </message>
    <message>
        <source>Copy Res&amp;ult</source>
        <translation>Copier le rés&amp;ultat</translation>
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
    <message>
        <source>Not saved, a line break in the value: %1</source>
        <translation>Non enregistré, la valeur contient un saut de ligne : %1</translation>
    </message>
</context>
<context>
    <name>RoundCode</name>
    <message>
        <source>A round code has 13 letters and digits, such as 7K3M-9QXP-R2TD5.</source>
        <translation>Un code de partie compte 13 lettres et chiffres, comme 7K3M-9QXP-R2TD5.</translation>
    </message>
    <message>
        <source>A round code holds only digits and the letters A to Z without U.</source>
        <translation>Un code de partie ne contient que des chiffres et les lettres de A à Z sauf le U.</translation>
    </message>
    <message>
        <source>This round code has a typing mistake: please check every character.</source>
        <translation>Ce code de partie contient une faute de frappe : vérifiez chaque caractère.</translation>
    </message>
    <message>
        <source>This round code comes from a newer version of the game.</source>
        <translation>Ce code de partie vient d&apos;une version plus récente du jeu.</translation>
    </message>
</context>
<context>
    <name>RoundEngine</name>
    <message>
        <source>Paused</source>
        <translation>En pause</translation>
    </message>
    <message>
        <source>Resumed</source>
        <translation>Reprise</translation>
    </message>
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
        <translation>Indice (plus aucun)</translation>
    </message>
    <message>
        <source>Solving</source>
        <translation>Résolution</translation>
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
    <message>
        <source>, round: %1</source>
        <translation>, partie : %1</translation>
    </message>
    <message>
        <source>, Today&apos;s Round: %1</source>
        <translation>, Partie du jour : %1</translation>
    </message>
    <message>
        <source>, Today&apos;s Round (practice): %1</source>
        <translation>, Partie du jour (entraînement) : %1</translation>
    </message>
</context>
<context>
    <name>RoundNews</name>
    <message>
        <source>Solved by the game. Every word is shown.</source>
        <translation>Résolue par le jeu. Tous les mots sont affichés.</translation>
    </message>
    <message>
        <source>Clue used: %1 placed.</source>
        <translation>Indice utilisé : %1 placé.</translation>
    </message>
    <message>
        <source>Hurry: the clock is near 0.</source>
        <translation>Vite : l&apos;horloge approche de 0.</translation>
    </message>
    <message>
        <source>Rating %1.</source>
        <translation>Score %1.</translation>
    </message>
    <message>
        <source>Clue used.</source>
        <translation>Indice utilisé.</translation>
    </message>
    <message>
        <source>Correct.</source>
        <translation>Bonne place.</translation>
    </message>
    <message>
        <source>%1 cells correct.</source>
        <translation>%1 cases à la bonne place.</translation>
    </message>
    <message>
        <source>Wrong place.</source>
        <translation>Mauvaise place.</translation>
    </message>
    <message>
        <source>Word complete: %1.</source>
        <translation>Mot complet : %1.</translation>
    </message>
    <message>
        <source>Every word is shown.</source>
        <translation>Tous les mots sont affichés.</translation>
    </message>
</context>
<context>
    <name>RoundNumberDialog</name>
    <message>
        <source>Round Number</source>
        <translation>Numéro de la partie</translation>
    </message>
    <message>
        <source>This round&apos;s number is %1.</source>
        <translation>Le numéro de cette partie est %1.</translation>
    </message>
    <message>
        <source>Type a round&apos;s number to deal that round again (with the same dictionary and options):</source>
        <translation>Tapez le numéro d&apos;une partie pour la redistribuer (avec le même dictionnaire et les mêmes options) :</translation>
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
    <message>
        <source>This round&apos;s code is %1.</source>
        <translation>Le code de cette partie est %1.</translation>
    </message>
    <message>
        <source>Type a round&apos;s code to deal that round with its own dictionary and options, or a round&apos;s number to deal it with yours:</source>
        <translation>Tapez le code d&apos;une partie pour la distribuer avec son propre dictionnaire et ses options, ou son numéro pour la distribuer avec les vôtres :</translation>
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
    <name>SplitFormats</name>
    <message>
        <source>%1 letters: %2</source>
        <translation>%1 lettres : %2</translation>
    </message>
</context>
<context>
    <name>StatusPanel</name>
    <message>
        <source>Rating </source>
        <translation>Score </translation>
    </message>
    <message>
        <source>Rating %1</source>
        <translation>Score %1</translation>
    </message>
    <message>
        <source>Help and messages</source>
        <translation>Aide et messages</translation>
    </message>
</context>
<context>
    <name>StylePanel</name>
    <message>
        <source>current style</source>
        <translation>style actuel</translation>
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
        <translation>Bulles d&apos;aide</translation>
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
        <translation>Télécharger d&apos;autres sons et musiques</translation>
    </message>
    <message>
        <source>Sound &amp;&amp; Music Volume</source>
        <translation>Volume des sons et de la musique</translation>
    </message>
    <message>
        <source>Handicap Level</source>
        <translation>Niveau de handicap</translation>
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
        <source>None</source>
        <translation>Aucun</translation>
    </message>
    <message>
        <source>High Contrast</source>
        <translation>Contraste élevé</translation>
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
    <message>
        <source>Copyright © 2026 The Splitwick developers</source>
        <translation>Copyright © 2026 Les développeurs de Splitwick</translation>
    </message>
    <message>
        <source>Splitwick is free software: you can redistribute it and/or modify it under the terms of the GNU General Public License, version 3 or (at your option) any later version. It comes with NO WARRANTY.</source>
        <translation>Splitwick est un logiciel libre : vous pouvez le redistribuer et/ou le modifier selon les termes de la Licence publique générale GNU, version 3 ou (à votre choix) toute version ultérieure. Il est fourni SANS AUCUNE GARANTIE.</translation>
    </message>
    <message>
        <source>The English dictionaries come from WordNet 3.0 (Copyright 2006 Princeton University, WordNet licence), filtered with Kevin Atkinson&apos;s SCOWL word lists; their French, German and Spanish hints from FreeDict (GNU GPL). The French, German and Spanish dictionaries come from the thesauri of Kevin Hendricks, Frédéric Labbé and Laurent Godard, Daniel Naber (OpenThesaurus) and Marcelo Garrone (GNU LGPL), filtered with Debian&apos;s word lists. Letters are drawn with the DejaVu and Liberation fonts and Wine&apos;s Tahoma look-alike.</source>
        <translation>Les dictionnaires anglais viennent de WordNet 3.0 (Copyright 2006 Princeton University, licence WordNet), filtrés avec les listes de mots SCOWL de Kevin Atkinson ; leurs indices en français, en allemand et en espagnol viennent de FreeDict (GNU GPL). Les dictionnaires français, allemand et espagnol viennent des dictionnaires de synonymes de Kevin Hendricks, Frédéric Labbé et Laurent Godard, de Daniel Naber (OpenThesaurus) et de Marcelo Garrone (GNU LGPL), filtrés avec les listes de mots de Debian. Les lettres sont dessinées avec les polices DejaVu et Liberation et le sosie de Tahoma de Wine.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
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
        <translation>%1 n&apos;est pas une image affichable.</translation>
    </message>
    <message>
        <source>Browse from</source>
        <translation>Parcourir depuis</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>Dossiers</translation>
    </message>
    <message>
        <source>Pictures</source>
        <translation>Images</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>TfrmMain</name>
    <message>
        <source>Result copied</source>
        <translation>Résultat copié</translation>
    </message>
    <message>
        <source>Round code copied</source>
        <translation>Code de partie copié</translation>
    </message>
    <message>
        <source>Copy Round Code %1</source>
        <translation>Copier le code de partie %1</translation>
    </message>
    <message>
        <source>Copy Round Code</source>
        <translation>Copier le code de partie</translation>
    </message>
    <message>
        <source>Ctrl+Shift+C copies your result to share.</source>
        <translation>Ctrl+Maj+C copie votre résultat à partager.</translation>
    </message>
    <message>
        <source>The round in progress could not be read and was set aside as %1.</source>
        <translation>La partie en cours n&apos;a pas pu être lue ; elle a été mise de côté sous %1.</translation>
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
    <message>
        <source>Next Today&apos;s Round in %1</source>
        <translation>Prochaine partie du jour dans %1</translation>
    </message>
    <message numerus="yes">
        <source>Today&apos;s Round: %n day(s) played, %1 won (%2%)</source>
        <translation>
            <numerusform>Partie du jour : %n jour joué, %1 gagné (%2 %)</numerusform>
            <numerusform>Partie du jour : %n jours joués, %1 gagnés (%2 %)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Won %n day(s) in a row (best: %1)</source>
        <translation>
            <numerusform>Gagnée %n jour de suite (record : %1)</numerusform>
            <numerusform>Gagnée %n jours de suite (record : %1)</numerusform>
        </translation>
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
    <message>
        <source>Border style %1</source>
        <translation>Style de bordure %1</translation>
    </message>
    <message>
        <source>%1, %2 pt</source>
        <translation>%1, %2 pt</translation>
    </message>
    <message>
        <source>%1, bold</source>
        <translation>%1, gras</translation>
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
        <source>revealed</source>
        <translation>révélée</translation>
    </message>
    <message>
        <source>block %1, row %2</source>
        <translation>bloc %1, ligne %2</translation>
    </message>
    <message>
        <source>row %1</source>
        <translation>ligne %1</translation>
    </message>
    <message>
        <source>cell %1 of %2</source>
        <translation>case %1 sur %2</translation>
    </message>
    <message>
        <source>Hint: %1</source>
        <translation>Définition : %1</translation>
    </message>
</context>
<context>
    <name>TodaysRound</name>
    <message>
        <source>Today&apos;s Round needs the dictionary &quot;%1&quot; that comes with the game.</source>
        <translation>La partie du jour demande le dictionnaire « %1 » fourni avec le jeu.</translation>
    </message>
    <message>
        <source>Splitwick, Today&apos;s Round of %1</source>
        <translation>Splitwick, partie du jour du %1</translation>
    </message>
    <message>
        <source>Won: %1 of %2 words, rating %3</source>
        <translation>Gagnée : %1 mots sur %2, note %3</translation>
    </message>
    <message>
        <source>Not solved: %1 of %2 words</source>
        <translation>Pas résolue : %1 mots sur %2</translation>
    </message>
    <message numerus="yes">
        <source>%n move(s) in %1</source>
        <translation>
            <numerusform>%n coup en %1</numerusform>
            <numerusform>%n coups en %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Run: %n day(s) in a row</source>
        <translation>
            <numerusform>Série : %n jour de suite</numerusform>
            <numerusform>Série : %n jours de suite</numerusform>
        </translation>
    </message>
    <message>
        <source>Play the same board: %1</source>
        <translation>Jouez la même grille : %1</translation>
    </message>
</context>
<context>
    <name>RoundCards</name>
    <message>
        <source>F2: new round. Ctrl+Shift+C: copy result</source>
        <translation>F2 : nouvelle partie. Ctrl+Maj+C : copier le résultat</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>En pause</translation>
    </message>
    <message>
        <source>Resumed</source>
        <translation>Reprise</translation>
    </message>
    <message>
        <source>The clock stands still and the board is hidden.</source>
        <translation>L&apos;horloge est arrêtée et le plateau est caché.</translation>
    </message>
    <message>
        <source>Any key or a click: go on</source>
        <translation>Une touche ou un clic : reprendre</translation>
    </message>
    <message>
        <source>Welcome to Splitwick</source>
        <translation>Bienvenue dans Splitwick</translation>
    </message>
    <message>
        <source>Put every row&apos;s cells in order so that each row spells its word.</source>
        <translation>Remettez les cases de chaque ligne dans l&apos;ordre pour que chaque ligne forme son mot.</translation>
    </message>
    <message>
        <source>Drag a red cell onto another red cell to swap them, or move with the arrow keys and press Space on each.</source>
        <translation>Faites glisser une case rouge sur une autre case rouge pour les échanger, ou déplacez-vous avec les flèches et appuyez sur Espace sur chacune.</translation>
    </message>
    <message>
        <source>F2 or a click: deal a round</source>
        <translation>F2 ou un clic : distribuer une partie</translation>
    </message>
    <message>
        <source>Round lost</source>
        <translation>Partie perdue</translation>
    </message>
    <message>
        <source>Solved by the game</source>
        <translation>Résolue par le jeu</translation>
    </message>
    <message>
        <source>Round won</source>
        <translation>Partie gagnée</translation>
    </message>
    <message>
        <source>Rating: %1</source>
        <translation>Score : %1</translation>
    </message>
    <message>
        <source>Moves: %1</source>
        <translation>Coups : %1</translation>
    </message>
    <message>
        <source>Clues used: %1</source>
        <translation>Indices utilisés : %1</translation>
    </message>
    <message>
        <source>Time: %1</source>
        <translation>Temps : %1</translation>
    </message>
    <message>
        <source>F2: new round</source>
        <translation>F2 : nouvelle partie</translation>
    </message>
</context>
</TS>
