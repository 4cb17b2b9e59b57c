<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>Banner</name>
    <message>
        <source>Press &lt;F7&gt; for Options or &lt;F2&gt; to start a New Round</source>
        <translation>&lt;F7&gt; für Optionen oder &lt;F2&gt; für eine neue Runde</translation>
    </message>
    <message>
        <source>Each horizontal row must hold a correct word or phrase.</source>
        <translation>Jede Zeile muss ein richtiges Wort oder eine Wendung bilden.</translation>
    </message>
    <message>
        <source>Each row is composed of multiple cells, each containing part of a word or phrase.</source>
        <translation>Jede Zeile besteht aus mehreren Feldern, jedes mit einem Teil eines Wortes oder einer Wendung.</translation>
    </message>
    <message>
        <source>Red cells in each row must be moved to correct spot in correct row to form each correct word or phrase.</source>
        <translation>Rote Felder müssen an den richtigen Platz der richtigen Zeile, damit jedes Wort oder jede Wendung stimmt.</translation>
    </message>
    <message>
        <source>Using a &lt;Clue&gt; will cost you points.</source>
        <translation>Ein &lt;Tipp&gt; kostet Sie Punkte.</translation>
    </message>
    <message>
        <source>Drag and drop RED cell onto another red cell to try to match definitions.</source>
        <translation>Ziehen Sie ein ROTES Feld auf ein anderes rotes Feld, um die Wörter zu finden.</translation>
    </message>
    <message>
        <source>GREEN letters show a cell in the CORRECT position; green cells cannot be moved.</source>
        <translation>GRÜNE Buchstaben zeigen ein Feld am RICHTIGEN Platz; grüne Felder lassen sich nicht bewegen.</translation>
    </message>
    <message>
        <source>RED letters show a cell is in the WRONG position - drag it to the correct position.</source>
        <translation>ROTE Buchstaben zeigen ein Feld am FALSCHEN Platz - ziehen Sie es an den richtigen.</translation>
    </message>
    <message>
        <source>Change cell colors via the Options menu.</source>
        <translation>Ändern Sie die Feldfarben im Menü Optionen.</translation>
    </message>
    <message>
        <source>With Definitions ON, your cursor over a cell gives you a clue to the word.</source>
        <translation>Mit Definitionen zeigt die Maus über einem Feld einen Hinweis auf das Wort.</translation>
    </message>
    <message>
        <source>Change letter fonts via the Options menu.</source>
        <translation>Ändern Sie die Schrift im Menü Optionen.</translation>
    </message>
    <message>
        <source>Press &lt;F8&gt; to view and change cell styles.</source>
        <translation>&lt;F8&gt; zeigt und ändert die Feldstile.</translation>
    </message>
    <message>
        <source>Click Options &gt; Banner to turn off this banner.</source>
        <translation>Optionen &gt; Laufschrift schaltet diese Laufschrift aus.</translation>
    </message>
    <message>
        <source>Set a handicap to increase or decrease difficulty.</source>
        <translation>Mit einem Handicap ändern Sie die Schwierigkeit.</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>Cannot open file %1</source>
        <translation>Die Datei %1 lässt sich nicht öffnen</translation>
    </message>
    <message>
        <source>Cannot create file %1</source>
        <translation>Die Datei %1 lässt sich nicht anlegen</translation>
    </message>
    <message>
        <source>Cannot open folder %1</source>
        <translation>Der Ordner %1 lässt sich nicht öffnen</translation>
    </message>
    <message>
        <source>Unable to write to %1</source>
        <translation>In %1 kann nicht geschrieben werden</translation>
    </message>
</context>
<context>
    <name>HelpLinks</name>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>Check our website via the internet for new announcements?</source>
        <translation>Auf unserer Website im Internet nach Neuigkeiten suchen?</translation>
    </message>
</context>
<context>
    <name>HoverHints</name>
    <message>
        <source>This is your rating. The closer to 100, the better the score.</source>
        <translation>Das ist Ihre Wertung. Je näher an 100, desto besser.</translation>
    </message>
</context>
<context>
    <name>KnowledgeBase</name>
    <message>
        <source>Unable to create stream</source>
        <translation>Der Datenstrom lässt sich nicht anlegen</translation>
    </message>
    <message>
        <source>Unable to load the Knowledge Base</source>
        <translation>Das Wörterbuch lässt sich nicht laden</translation>
    </message>
</context>
<context>
    <name>LanguageBox</name>
    <message>
        <source>Desktop's language</source>
        <translation>Sprache des Desktops</translation>
    </message>
    <message>
        <source>The game speaks the chosen language from its next start.</source>
        <translation>Das Spiel spricht die gewählte Sprache ab dem nächsten Start.</translation>
    </message>
</context>
<context>
    <name>MainMenus</name>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Spiel</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
</context>
<context>
    <name>OptionsModel</name>
    <message>
        <source>Background Music</source>
        <translation>Hintergrundmusik</translation>
    </message>
    <message>
        <source>Correct Match:</source>
        <translation>Richtiger Platz:</translation>
    </message>
    <message>
        <source>Incorrect:</source>
        <translation>Fehler:</translation>
    </message>
    <message>
        <source>Word Complete:</source>
        <translation>Wort vollständig:</translation>
    </message>
    <message>
        <source>Time Penalty:</source>
        <translation>Zeitstrafe:</translation>
    </message>
    <message>
        <source>Game Over:</source>
        <translation>Spiel verloren:</translation>
    </message>
    <message>
        <source>Game Won:</source>
        <translation>Spiel gewonnen:</translation>
    </message>
    <message>
        <source>New Game:</source>
        <translation>Neues Spiel:</translation>
    </message>
    <message>
        <source>Countdown Starts:</source>
        <translation>Countdown beginnt:</translation>
    </message>
</context>
<context>
    <name>RoundEngine</name>
    <message>
        <source>Insufficient words in dictionary matching your criteria.
Please change your options.</source>
        <translation>Zu wenige passende Wörter im Wörterbuch.
Bitte ändern Sie Ihre Optionen.</translation>
    </message>
    <message>
        <source>Sorry, please try again.</source>
        <translation>Leider verloren, bitte versuchen Sie es noch einmal.</translation>
    </message>
    <message>
        <source>Clue (No more)</source>
        <translation>Tipp (keine mehr)</translation>
    </message>
    <message>
        <source>Solving</source>
        <translation>Auflösung</translation>
    </message>
    <message>
        <source>Try again.</source>
        <translation>Versuchen Sie es noch einmal.</translation>
    </message>
    <message>
        <source>Success !</source>
        <translation>Geschafft!</translation>
    </message>
    <message>
        <source>Complete !</source>
        <translation>Vollständig!</translation>
    </message>
    <message>
        <source>Done !</source>
        <translation>Erledigt!</translation>
    </message>
    <message>
        <source>Finished !</source>
        <translation>Fertig!</translation>
    </message>
    <message>
        <source>Clue (%1)</source>
        <translation>Tipp (%1)</translation>
    </message>
    <message>
        <source>Clue</source>
        <translation>Tipp</translation>
    </message>
    <message>
        <source>%1 words to find, level: %2, dictionary: %3</source>
        <translation>%1 Wörter zu finden, Stufe: %2, Wörterbuch: %3</translation>
    </message>
</context>
<context>
    <name>RoundNumberDialog</name>
    <message>
        <source>Round Number</source>
        <translation>Rundennummer</translation>
    </message>
    <message>
        <source>This round's number is %1.</source>
        <translation>Diese Runde hat die Nummer %1.</translation>
    </message>
    <message>
        <source>Type a round's number to deal that round again (with the same dictionary and options):</source>
        <translation>Geben Sie die Nummer einer Runde ein, um sie erneut zu geben (mit demselben Wörterbuch und denselben Optionen):</translation>
    </message>
    <message>
        <source>Round number</source>
        <translation>Rundennummer</translation>
    </message>
    <message>
        <source>Deal</source>
        <translation>Geben</translation>
    </message>
    <message>
        <source>A round number is a whole number from 0 to 4294967295.</source>
        <translation>Eine Rundennummer ist eine ganze Zahl von 0 bis 4294967295.</translation>
    </message>
</context>
<context>
    <name>ScoreChart</name>
    <message>
        <source>2 Splits</source>
        <translation>2 Teile</translation>
    </message>
    <message>
        <source>3 Splits</source>
        <translation>3 Teile</translation>
    </message>
    <message>
        <source>4 Splits</source>
        <translation>4 Teile</translation>
    </message>
    <message>
        <source>5 Splits</source>
        <translation>5 Teile</translation>
    </message>
</context>
<context>
    <name>ScoreTable</name>
    <message>
        <source>Easy</source>
        <translation>Leicht</translation>
    </message>
    <message>
        <source>Moderate</source>
        <translation>Mittel</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Schwer</translation>
    </message>
    <message>
        <source>Intense</source>
        <translation>Extrem</translation>
    </message>
</context>
<context>
    <name>StatusPanel</name>
    <message>
        <source>Rating </source>
        <translation>Wertung </translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Status: </source>
        <translation>Status: </translation>
    </message>
</context>
<context>
    <name>Tfo</name>
    <message>
        <source>Check our website via the internet for music and sound?</source>
        <translation>Auf unserer Website im Internet nach Musik und Klängen suchen?</translation>
    </message>
    <message>
        <source>Splitwick Options</source>
        <translation>Splitwick-Optionen</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Sounds &amp;&amp; Music</source>
        <translation>Klänge und Musik</translation>
    </message>
    <message>
        <source>Help Hints</source>
        <translation>Hilfehinweise</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>New Cells</source>
        <translation>Neue Felder</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>Sprache:</translation>
    </message>
    <message>
        <source>Dictionary:</source>
        <translation>Wörterbuch:</translation>
    </message>
    <message>
        <source>Number of Words:</source>
        <translation>Anzahl der Wörter:</translation>
    </message>
    <message>
        <source>Initial Fixed Cell:</source>
        <translation>Festes Feld zu Beginn:</translation>
    </message>
    <message>
        <source>First</source>
        <translation>Erstes</translation>
    </message>
    <message>
        <source>Middle</source>
        <translation>Mittleres</translation>
    </message>
    <message>
        <source>Last</source>
        <translation>Letztes</translation>
    </message>
    <message>
        <source>Random</source>
        <translation>Zufällig</translation>
    </message>
    <message>
        <source>Not First</source>
        <translation>Nicht das erste</translation>
    </message>
    <message>
        <source>Show Definitions</source>
        <translation>Definitionen zeigen</translation>
    </message>
    <message>
        <source>Proximity</source>
        <translation>Nähe</translation>
    </message>
    <message>
        <source>Vowels</source>
        <translation>Vokale</translation>
    </message>
    <message>
        <source>Handicap Level:</source>
        <translation>Handicap:</translation>
    </message>
    <message>
        <source>Easier to play</source>
        <translation>Leichter</translation>
    </message>
    <message>
        <source>Neutral</source>
        <translation>Neutral</translation>
    </message>
    <message>
        <source>Greater challenge</source>
        <translation>Schwerer</translation>
    </message>
    <message>
        <source>Split Word Format:</source>
        <translation>Wortaufteilung:</translation>
    </message>
    <message>
        <source>Sound Effects ...</source>
        <translation>Soundeffekte ...</translation>
    </message>
    <message>
        <source>Louder</source>
        <translation>Lauter</translation>
    </message>
    <message>
        <source>Sound &amp; Music Volume</source>
        <translation>Lautstärke von Klängen und Musik</translation>
    </message>
    <message>
        <source>Quieter</source>
        <translation>Leiser</translation>
    </message>
    <message>
        <source>Download More Sounds &amp;&amp; Music</source>
        <translation>Weitere Klänge und Musik laden</translation>
    </message>
</context>
<context>
    <name>TfrmAbout</name>
    <message>
        <source>About Splitwick</source>
        <translation>Über Splitwick</translation>
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
        <translation>Hintergrund</translation>
    </message>
    <message>
        <source>Stretch</source>
        <translation>Strecken</translation>
    </message>
    <message>
        <source>%1 is not a picture that can be shown.</source>
        <translation>%1 ist kein Bild, das sich zeigen lässt.</translation>
    </message>
</context>
<context>
    <name>TfrmScore</name>
    <message>
        <source>Completed Game Statistics</source>
        <translation>Statistik der gewonnenen Spiele</translation>
    </message>
    <message>
        <source>Efficiency</source>
        <translation>Effizienz</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Stufe</translation>
    </message>
</context>
<context>
    <name>TfrmStyle</name>
    <message>
        <source>Styles</source>
        <translation>Stile</translation>
    </message>
    <message>
        <source>Hint Color</source>
        <translation>Hinweisfarbe</translation>
    </message>
    <message>
        <source>Tile Font</source>
        <translation>Feldschrift</translation>
    </message>
    <message>
        <source>Tile Color</source>
        <translation>Feldfarbe</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Hintergrund</translation>
    </message>
</context>
<context>
    <name>TileDescription</name>
    <message>
        <source>movable</source>
        <translation>beweglich</translation>
    </message>
    <message>
        <source>placed</source>
        <translation>gesetzt</translation>
    </message>
    <message>
        <source>row complete</source>
        <translation>Zeile vollständig</translation>
    </message>
    <message>
        <source>, row %1</source>
        <translation>, Zeile %1</translation>
    </message>
</context>
</TS>
