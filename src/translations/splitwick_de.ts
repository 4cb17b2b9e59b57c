<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>AddressWindow</name>
    <message>
        <source>E-mail Address</source>
        <translation>E-Mail-Adresse</translation>
    </message>
    <message>
        <source>Web Address</source>
        <translation>Webadresse</translation>
    </message>
    <message>
        <source>No e-mail program could be started. Write to this address:</source>
        <translation>Es ließ sich kein E-Mail-Programm starten. Schreiben Sie an diese Adresse:</translation>
    </message>
    <message>
        <source>No web browser could be started. Open this address in one:</source>
        <translation>Es ließ sich kein Webbrowser starten. Öffnen Sie diese Adresse in einem Browser:</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
</context>
<context>
    <name>Announcer</name>
    <message>
        <source>Board</source>
        <translation>Spielfeld</translation>
    </message>
</context>
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
    <name>CodeDeal</name>
    <message>
        <source>A round number is a whole number from 0 to 4294967295.</source>
        <translation>Eine Rundennummer ist eine ganze Zahl von 0 bis 4294967295.</translation>
    </message>
    <message>
        <source>This round needs a dictionary that this game does not have. Ask for the code with the dictionary&apos;s name after it, as the game copies it.</source>
        <translation>Diese Runde braucht ein Wörterbuch, das dieses Spiel nicht hat. Fragen Sie nach dem Code mit dem Namen des Wörterbuchs dahinter, so wie das Spiel ihn kopiert.</translation>
    </message>
    <message>
        <source>This round needs another version of the dictionary &quot;%1&quot; than the one here.</source>
        <translation>Diese Runde braucht eine andere Version des Wörterbuchs „%1“ als die hier vorhandene.</translation>
    </message>
    <message>
        <source>This round needs the dictionary &quot;%1&quot;, which this game does not have.</source>
        <translation>Diese Runde braucht das Wörterbuch „%1“, das dieses Spiel nicht hat.</translation>
    </message>
    <message>
        <source>Found the round code %1 in the text.</source>
        <translation>Rundencode %1 im Text gefunden.</translation>
    </message>
</context>
<context>
    <name>EarlierDaysWindow</name>
    <message>
        <source>Not played</source>
        <translation>Nicht gespielt</translation>
    </message>
    <message>
        <source>Won</source>
        <translation>Gewonnen</translation>
    </message>
    <message>
        <source>Not solved</source>
        <translation>Nicht gelöst</translation>
    </message>
    <message>
        <source>Not finished</source>
        <translation>Nicht beendet</translation>
    </message>
    <message>
        <source>Earlier Days</source>
        <translation>Frühere Tage</translation>
    </message>
    <message>
        <source>Play an earlier day&apos;s round as practice. Practice never changes your record.</source>
        <translation>Spielen Sie die Runde eines früheren Tages als Übung. Übungen ändern Ihre Bilanz nie.</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Tag</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>Words</source>
        <translation>Wörter</translation>
    </message>
    <message>
        <source>Rating</source>
        <translation>Wertung</translation>
    </message>
    <message>
        <source>Moves</source>
        <translation>Züge</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>Earlier days</source>
        <translation>Frühere Tage</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 von %2</translation>
    </message>
    <message>
        <source>&amp;Play as Practice</source>
        <translation>Als Übung &amp;spielen</translation>
    </message>
</context>
<context>
    <name>ColourName</name>
    <message>
        <source>red</source>
        <translation>Rot</translation>
    </message>
    <message>
        <source>orange</source>
        <translation>Orange</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>Gelb</translation>
    </message>
    <message>
        <source>green</source>
        <translation>Grün</translation>
    </message>
    <message>
        <source>cyan</source>
        <translation>Cyan</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>Blau</translation>
    </message>
    <message>
        <source>purple</source>
        <translation>Violett</translation>
    </message>
    <message>
        <source>pink</source>
        <translation>Rosa</translation>
    </message>
    <message>
        <source>black</source>
        <translation>Schwarz</translation>
    </message>
    <message>
        <source>white</source>
        <translation>Weiß</translation>
    </message>
    <message>
        <source>dark grey</source>
        <translation>Dunkelgrau</translation>
    </message>
    <message>
        <source>light grey</source>
        <translation>Hellgrau</translation>
    </message>
    <message>
        <source>grey</source>
        <translation>Grau</translation>
    </message>
    <message>
        <source>dark %1</source>
        <translation>dunkles %1</translation>
    </message>
    <message>
        <source>pale %1</source>
        <translation>blasses %1</translation>
    </message>
    <message>
        <source>light %1</source>
        <translation>helles %1</translation>
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
    <message>
        <source>Cannot read the settings file %1. The game starts with its default settings and leaves that file as it is.</source>
        <translation>Die Einstellungsdatei %1 kann nicht gelesen werden. Das Spiel startet mit seinen Standardeinstellungen und lässt diese Datei, wie sie ist.</translation>
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
    <name>HelpWindow</name>
    <message>
        <source>How to Play</source>
        <translation>Spielanleitung</translation>
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
    <name>KeyboardPlay</name>
    <message>
        <source>Rating %1. Words left: %2.</source>
        <translation>Wertung %1. Verbleibende Wörter: %2.</translation>
    </message>
    <message>
        <source>Paused.</source>
        <translation>Pausiert.</translation>
    </message>
    <message>
        <source>Next tick in %1 seconds.</source>
        <translation>Nächster Takt in %1 Sekunden.</translation>
    </message>
    <message>
        <source>Picked up %1.</source>
        <translation>%1 aufgenommen.</translation>
    </message>
    <message>
        <source>%1 cannot go there; still holding it.</source>
        <translation>%1 kann nicht dorthin; Sie halten es weiter.</translation>
    </message>
    <message>
        <source>Dropping %1 on %2.</source>
        <translation>%1 wird auf %2 gelegt.</translation>
    </message>
    <message>
        <source>Put back %1.</source>
        <translation>%1 zurückgelegt.</translation>
    </message>
    <message>
        <source>No definition shown for %1.</source>
        <translation>Keine Definition für %1 angezeigt.</translation>
    </message>
    <message>
        <source>Definition: %1</source>
        <translation>Definition: %1</translation>
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
        <source>Desktop&apos;s language</source>
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
        <source>&amp;Pause</source>
        <translation>&amp;Pausieren</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>Ansicht &amp;vergrößern</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>Ansi&amp;cht verkleinern</translation>
    </message>
    <message>
        <source>&amp;Actual Size</source>
        <translation>Originalgröß&amp;e</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Spiel</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Statistics</source>
        <translation>St&amp;atistik</translation>
    </message>
    <message>
        <source>Honor Roll</source>
        <translation>Ehrentafel</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>&amp;Neue Runde</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Neue Runde</translation>
    </message>
    <message>
        <source>&amp;Clue</source>
        <translation>&amp;Tipp</translation>
    </message>
    <message>
        <source>Clue</source>
        <translation>Tipp</translation>
    </message>
    <message>
        <source>&amp;Solve</source>
        <translation>&amp;Auflösen</translation>
    </message>
    <message>
        <source>Solve</source>
        <translation>Auflösen</translation>
    </message>
    <message>
        <source>&amp;Round Number...</source>
        <translation>&amp;Rundennummer...</translation>
    </message>
    <message>
        <source>Copy Round Code</source>
        <translation>Rundencode kopieren</translation>
    </message>
    <message>
        <source>&amp;Settings</source>
        <translation>Einstell&amp;ungen</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>St&amp;yles</source>
        <translation>St&amp;ile</translation>
    </message>
    <message>
        <source>&amp;Banner</source>
        <translation>&amp;Laufschrift</translation>
    </message>
    <message>
        <source>Hover &amp;Hints</source>
        <translation>Maus&amp;hinweise</translation>
    </message>
    <message>
        <source>Colour-blind C&amp;ues</source>
        <translation>Hilfen bei &amp;Farbenblindheit</translation>
    </message>
    <message>
        <source>Sound &amp;Effects</source>
        <translation>Soundeffe&amp;kte</translation>
    </message>
    <message>
        <source>&amp;Music</source>
        <translation>&amp;Musik</translation>
    </message>
    <message>
        <source>&amp;How to Play</source>
        <translation>Spielanleitun&amp;g</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>E-mail Su&amp;pport</source>
        <translation>E-Mail-Su&amp;pport</translation>
    </message>
    <message>
        <source>&amp;News and New Games</source>
        <translation>&amp;Neuigkeiten und neue Spiele</translation>
    </message>
    <message>
        <source>&amp;Web Site</source>
        <translation>&amp;Website</translation>
    </message>
    <message>
        <source>Maker Website</source>
        <translation>Website des Herstellers</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>Üb&amp;er</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>Word Game</source>
        <translation>Spiel mit Wörtern</translation>
    </message>
    <message>
        <source>Phrase Game</source>
        <translation>Spiel mit Wendungen</translation>
    </message>
    <message>
        <source>C&amp;opy Round Code</source>
        <translation>Rundencode k&amp;opieren</translation>
    </message>
    <message>
        <source>Tod&amp;ay&apos;s Round</source>
        <translation>Runde des Tag&amp;es</translation>
    </message>
    <message>
        <source>&amp;Earlier Days...</source>
        <translation>Fr&amp;ühere Tage...</translation>
    </message>
    <message>
        <source>Copy Res&amp;ult</source>
        <translation>Ergebnis &amp;zum Teilen kopieren</translation>
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
        <translation>Runde verloren:</translation>
    </message>
    <message>
        <source>Game Won:</source>
        <translation>Runde gewonnen:</translation>
    </message>
    <message>
        <source>New Game:</source>
        <translation>Neue Runde:</translation>
    </message>
    <message>
        <source>Countdown Starts:</source>
        <translation>Countdown beginnt:</translation>
    </message>
    <message>
        <source>Not saved, a line break in the value: %1</source>
        <translation>Nicht gespeichert, ein Zeilenumbruch im Wert: %1</translation>
    </message>
</context>
<context>
    <name>RoundCode</name>
    <message>
        <source>A round code has 13 letters and digits, such as 7K3M-9QXP-R2TD5.</source>
        <translation>Ein Rundencode hat 13 Buchstaben und Ziffern, etwa 7K3M-9QXP-R2TD5.</translation>
    </message>
    <message>
        <source>A round code holds only digits and the letters A to Z without U.</source>
        <translation>Ein Rundencode enthält nur Ziffern und die Buchstaben A bis Z ohne U.</translation>
    </message>
    <message>
        <source>This round code has a typing mistake: please check every character.</source>
        <translation>Dieser Rundencode enthält einen Tippfehler: Bitte prüfen Sie jedes Zeichen.</translation>
    </message>
    <message>
        <source>This round code comes from a newer version of the game.</source>
        <translation>Dieser Rundencode stammt aus einer neueren Version des Spiels.</translation>
    </message>
</context>
<context>
    <name>RoundEngine</name>
    <message>
        <source>Paused</source>
        <translation>Pausiert</translation>
    </message>
    <message>
        <source>Resumed</source>
        <translation>Fortgesetzt</translation>
    </message>
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
    <message>
        <source>, round: %1</source>
        <translation>, Runde: %1</translation>
    </message>
    <message>
        <source>, Today&apos;s Round: %1</source>
        <translation>, Runde des Tages: %1</translation>
    </message>
    <message>
        <source>, Today&apos;s Round (practice): %1</source>
        <translation>, Runde des Tages (Übung): %1</translation>
    </message>
</context>
<context>
    <name>RoundNews</name>
    <message>
        <source>Solved by the game. Every word is shown.</source>
        <translation>Vom Spiel gelöst. Alle Wörter werden gezeigt.</translation>
    </message>
    <message>
        <source>Clue used: %1 placed.</source>
        <translation>Tipp benutzt: %1 gesetzt.</translation>
    </message>
    <message>
        <source>Hurry: the clock is near 0.</source>
        <translation>Schnell: die Uhr ist fast bei 0.</translation>
    </message>
    <message>
        <source>Rating %1.</source>
        <translation>Wertung %1.</translation>
    </message>
    <message>
        <source>Clue used.</source>
        <translation>Tipp genutzt.</translation>
    </message>
    <message>
        <source>Correct.</source>
        <translation>Richtig.</translation>
    </message>
    <message>
        <source>%1 cells correct.</source>
        <translation>%1 Felder richtig.</translation>
    </message>
    <message>
        <source>Wrong place.</source>
        <translation>Falscher Platz.</translation>
    </message>
    <message>
        <source>Word complete: %1.</source>
        <translation>Wort vollständig: %1.</translation>
    </message>
    <message>
        <source>Every word is shown.</source>
        <translation>Alle Wörter werden gezeigt.</translation>
    </message>
</context>
<context>
    <name>RoundNumberDialog</name>
    <message>
        <source>Round Number</source>
        <translation>Rundennummer</translation>
    </message>
    <message>
        <source>This round&apos;s number is %1.</source>
        <translation>Diese Runde hat die Nummer %1.</translation>
    </message>
    <message>
        <source>Type a round&apos;s number to deal that round again (with the same dictionary and options):</source>
        <translation>Geben Sie die Nummer einer Runde ein, um sie erneut auszuteilen (mit demselben Wörterbuch und denselben Optionen):</translation>
    </message>
    <message>
        <source>Round number</source>
        <translation>Rundennummer</translation>
    </message>
    <message>
        <source>Deal</source>
        <translation>Austeilen</translation>
    </message>
    <message>
        <source>A round number is a whole number from 0 to 4294967295.</source>
        <translation>Eine Rundennummer ist eine ganze Zahl von 0 bis 4294967295.</translation>
    </message>
    <message>
        <source>This round&apos;s code is %1.</source>
        <translation>Diese Runde hat den Code %1.</translation>
    </message>
    <message>
        <source>Type a round&apos;s code to deal that round with its own dictionary and options, or a round&apos;s number to deal it with yours:</source>
        <translation>Geben Sie den Code einer Runde ein, um sie mit ihrem eigenen Wörterbuch und ihren Optionen auszuteilen, oder ihre Nummer, um sie mit Ihren auszuteilen:</translation>
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
    <name>SplitFormats</name>
    <message>
        <source>%1 letters: %2</source>
        <translation>%1 Buchstaben: %2</translation>
    </message>
</context>
<context>
    <name>StatusPanel</name>
    <message>
        <source>Rating </source>
        <translation>Wertung </translation>
    </message>
    <message>
        <source>Rating %1</source>
        <translation>Wertung %1</translation>
    </message>
    <message>
        <source>Help and messages</source>
        <translation>Hilfe und Meldungen</translation>
    </message>
</context>
<context>
    <name>StylePanel</name>
    <message>
        <source>current style</source>
        <translation>aktueller Stil</translation>
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
    <message>
        <source>Sound &amp;&amp; Music Volume</source>
        <translation>Lautstärke von Klängen und Musik</translation>
    </message>
    <message>
        <source>Handicap Level</source>
        <translation>Handicap-Stufe</translation>
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
        <source>None</source>
        <translation>Keine</translation>
    </message>
    <message>
        <source>High Contrast</source>
        <translation>Hoher Kontrast</translation>
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
    <message>
        <source>Copyright © 2026 The Splitwick developers</source>
        <translation>Copyright © 2026 Die Entwickler von Splitwick</translation>
    </message>
    <message>
        <source>Splitwick is free software: you can redistribute it and/or modify it under the terms of the GNU General Public License, version 3 or (at your option) any later version. It comes with NO WARRANTY.</source>
        <translation>Splitwick ist freie Software: Sie können es unter den Bedingungen der GNU General Public License, Version 3 oder (nach Ihrer Wahl) jeder späteren Version, weitergeben und/oder verändern. Splitwick wird OHNE JEDE GEWÄHRLEISTUNG bereitgestellt.</translation>
    </message>
    <message>
        <source>The English dictionaries come from WordNet 3.0 (Copyright 2006 Princeton University, WordNet licence), filtered with Kevin Atkinson&apos;s SCOWL word lists; their French, German and Spanish hints from FreeDict (GNU GPL). The French, German and Spanish dictionaries come from the thesauri of Kevin Hendricks, Frédéric Labbé and Laurent Godard, Daniel Naber (OpenThesaurus) and Marcelo Garrone (GNU LGPL), filtered with Debian&apos;s word lists. Letters are drawn with the DejaVu and Liberation fonts and Wine&apos;s Tahoma look-alike.</source>
        <translation>Die englischen Wörterbücher stammen aus WordNet 3.0 (Copyright 2006 Princeton University, WordNet-Lizenz), gefiltert mit den SCOWL-Wortlisten von Kevin Atkinson; ihre französischen, deutschen und spanischen Hinweise aus FreeDict (GNU GPL). Die französischen, deutschen und spanischen Wörterbücher stammen aus den Thesauri von Kevin Hendricks, Frédéric Labbé und Laurent Godard, Daniel Naber (OpenThesaurus) und Marcelo Garrone (GNU LGPL), gefiltert mit den Wortlisten von Debian. Die Buchstaben werden mit den Schriften DejaVu und Liberation sowie dem Tahoma-Nachbau von Wine gezeichnet.</translation>
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
    <message>
        <source>Browse from</source>
        <translation>Durchsuchen ab</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>Ordner</translation>
    </message>
    <message>
        <source>Pictures</source>
        <translation>Bilder</translation>
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
        <translation>Ergebnis kopiert</translation>
    </message>
    <message>
        <source>Round code copied</source>
        <translation>Rundencode kopiert</translation>
    </message>
    <message>
        <source>Copy Round Code %1</source>
        <translation>Rundencode %1 kopieren</translation>
    </message>
    <message>
        <source>Copy Round Code</source>
        <translation>Rundencode kopieren</translation>
    </message>
    <message>
        <source>Ctrl+Shift+C copies your result to share.</source>
        <translation>Strg+Umschalt+C kopiert Ihr Ergebnis zum Teilen.</translation>
    </message>
    <message>
        <source>The round in progress could not be read and was set aside as %1.</source>
        <translation>Die laufende Runde konnte nicht gelesen werden und wurde als %1 beiseitegelegt.</translation>
    </message>
</context>
<context>
    <name>TfrmScore</name>
    <message>
        <source>Completed Game Statistics</source>
        <translation>Statistik der gewonnenen Runden</translation>
    </message>
    <message>
        <source>Efficiency</source>
        <translation>Effizienz</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Stufe</translation>
    </message>
    <message>
        <source>Next Today&apos;s Round in %1</source>
        <translation>Nächste Runde des Tages in %1</translation>
    </message>
    <message numerus="yes">
        <source>Today&apos;s Round: %n day(s) played, %1 won (%2%)</source>
        <translation>
            <numerusform>Runde des Tages: %n Tag gespielt, %1 gewonnen (%2 %)</numerusform>
            <numerusform>Runde des Tages: %n Tage gespielt, %1 gewonnen (%2 %)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Won %n day(s) in a row (best: %1)</source>
        <translation>
            <numerusform>%n Tag in Folge gewonnen (Bestwert: %1)</numerusform>
            <numerusform>%n Tage in Folge gewonnen (Bestwert: %1)</numerusform>
        </translation>
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
        <translation>Farbe der Hinweise</translation>
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
    <message>
        <source>Border style %1</source>
        <translation>Rahmenstil %1</translation>
    </message>
    <message>
        <source>%1, %2 pt</source>
        <translation>%1, %2 pt</translation>
    </message>
    <message>
        <source>%1, bold</source>
        <translation>%1, fett</translation>
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
        <source>revealed</source>
        <translation>aufgedeckt</translation>
    </message>
    <message>
        <source>block %1, row %2</source>
        <translation>Block %1, Zeile %2</translation>
    </message>
    <message>
        <source>row %1</source>
        <translation>Zeile %1</translation>
    </message>
    <message>
        <source>cell %1 of %2</source>
        <translation>Feld %1 von %2</translation>
    </message>
    <message>
        <source>Hint: %1</source>
        <translation>Hinweis: %1</translation>
    </message>
</context>
<context>
    <name>TodaysRound</name>
    <message>
        <source>Today&apos;s Round needs the dictionary &quot;%1&quot; that comes with the game.</source>
        <translation>Die Runde des Tages braucht das Wörterbuch „%1“, das mit dem Spiel kommt.</translation>
    </message>
    <message>
        <source>Splitwick, Today&apos;s Round of %1</source>
        <translation>Splitwick, Runde des Tages vom %1</translation>
    </message>
    <message>
        <source>Won: %1 of %2 words, rating %3</source>
        <translation>Gewonnen: %1 von %2 Wörtern, Wertung %3</translation>
    </message>
    <message>
        <source>Not solved: %1 of %2 words</source>
        <translation>Nicht gelöst: %1 von %2 Wörtern</translation>
    </message>
    <message numerus="yes">
        <source>%n move(s) in %1</source>
        <translation>
            <numerusform>%n Zug in %1</numerusform>
            <numerusform>%n Züge in %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Run: %n day(s) in a row</source>
        <translation>
            <numerusform>Serie: %n Tag in Folge</numerusform>
            <numerusform>Serie: %n Tage in Folge</numerusform>
        </translation>
    </message>
    <message>
        <source>Play the same board: %1</source>
        <translation>Dasselbe Brett spielen: %1</translation>
    </message>
</context>
<context>
    <name>RoundCards</name>
    <message>
        <source>F2: new round. Ctrl+Shift+C: copy result</source>
        <translation>F2: neue Runde. Strg+Umschalt+C: Ergebnis kopieren</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Pausiert</translation>
    </message>
    <message>
        <source>Resumed</source>
        <translation>Fortgesetzt</translation>
    </message>
    <message>
        <source>The clock stands still and the board is hidden.</source>
        <translation>Die Uhr steht still, das Spielfeld ist verdeckt.</translation>
    </message>
    <message>
        <source>Any key or a click: go on</source>
        <translation>Beliebige Taste oder Klick: weiter</translation>
    </message>
    <message>
        <source>Welcome to Splitwick</source>
        <translation>Willkommen bei Splitwick</translation>
    </message>
    <message>
        <source>Put every row&apos;s cells in order so that each row spells its word.</source>
        <translation>Bringen Sie die Felder jeder Zeile in die richtige Reihenfolge, bis jede Zeile ihr Wort ergibt.</translation>
    </message>
    <message>
        <source>Drag a red cell onto another red cell to swap them, or move with the arrow keys and press Space on each.</source>
        <translation>Ziehen Sie ein rotes Feld auf ein anderes rotes Feld, um sie zu tauschen, oder gehen Sie mit den Pfeiltasten hin und drücken Sie auf beiden die Leertaste.</translation>
    </message>
    <message>
        <source>F2 or a click: deal a round</source>
        <translation>F2 oder Klick: eine Runde austeilen</translation>
    </message>
    <message>
        <source>Round lost</source>
        <translation>Runde verloren</translation>
    </message>
    <message>
        <source>Solved by the game</source>
        <translation>Vom Spiel gelöst</translation>
    </message>
    <message>
        <source>Round won</source>
        <translation>Runde gewonnen</translation>
    </message>
    <message>
        <source>Rating: %1</source>
        <translation>Wertung: %1</translation>
    </message>
    <message>
        <source>Moves: %1</source>
        <translation>Züge: %1</translation>
    </message>
    <message>
        <source>Clues used: %1</source>
        <translation>Benutzte Tipps: %1</translation>
    </message>
    <message>
        <source>Time: %1</source>
        <translation>Zeit: %1</translation>
    </message>
    <message>
        <source>F2: new round</source>
        <translation>F2: neue Runde</translation>
    </message>
</context>
</TS>
