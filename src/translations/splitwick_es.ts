<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>AddressWindow</name>
    <message>
        <source>E-mail Address</source>
        <translation>Dirección de correo electrónico</translation>
    </message>
    <message>
        <source>Web Address</source>
        <translation>Dirección web</translation>
    </message>
    <message>
        <source>No e-mail program could be started. Write to this address:</source>
        <translation>No se pudo abrir ningún programa de correo. Escriba a esta dirección:</translation>
    </message>
    <message>
        <source>No web browser could be started. Open this address in one:</source>
        <translation>No se pudo abrir ningún navegador web. Abra esta dirección en un navegador:</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>Co&amp;piar</translation>
    </message>
</context>
<context>
    <name>Announcer</name>
    <message>
        <source>Board</source>
        <translation>Tablero</translation>
    </message>
</context>
<context>
    <name>Banner</name>
    <message>
        <source>Press &lt;F7&gt; for Options or &lt;F2&gt; to start a New Round</source>
        <translation>Pulse &lt;F7&gt; para opciones o &lt;F2&gt; para una nueva partida</translation>
    </message>
    <message>
        <source>Each horizontal row must hold a correct word or phrase.</source>
        <translation>Cada fila debe formar una palabra o expresión correcta.</translation>
    </message>
    <message>
        <source>Each row is composed of multiple cells, each containing part of a word or phrase.</source>
        <translation>Cada fila consta de varias casillas, cada una con parte de una palabra o expresión.</translation>
    </message>
    <message>
        <source>Red cells in each row must be moved to correct spot in correct row to form each correct word or phrase.</source>
        <translation>Las casillas rojas deben ir al sitio correcto de la fila correcta para formar cada palabra o expresión.</translation>
    </message>
    <message>
        <source>Using a &lt;Clue&gt; will cost you points.</source>
        <translation>Usar una &lt;Pista&gt; le costará puntos.</translation>
    </message>
    <message>
        <source>Drag and drop RED cell onto another red cell to try to match definitions.</source>
        <translation>Arrastre una casilla ROJA sobre otra roja para intentar formar las palabras.</translation>
    </message>
    <message>
        <source>GREEN letters show a cell in the CORRECT position; green cells cannot be moved.</source>
        <translation>Las letras VERDES muestran una casilla en el sitio CORRECTO; las casillas verdes no se mueven.</translation>
    </message>
    <message>
        <source>RED letters show a cell is in the WRONG position - drag it to the correct position.</source>
        <translation>Las letras ROJAS muestran una casilla en el sitio EQUIVOCADO: arrástrela al correcto.</translation>
    </message>
    <message>
        <source>Change cell colors via the Options menu.</source>
        <translation>Cambie el color de las casillas en el menú Opciones.</translation>
    </message>
    <message>
        <source>With Definitions ON, your cursor over a cell gives you a clue to the word.</source>
        <translation>Con las definiciones activas, el ratón sobre una casilla muestra una sugerencia sobre la palabra.</translation>
    </message>
    <message>
        <source>Change letter fonts via the Options menu.</source>
        <translation>Cambie la fuente de las letras en el menú Opciones.</translation>
    </message>
    <message>
        <source>Press &lt;F8&gt; to view and change cell styles.</source>
        <translation>Pulse &lt;F8&gt; para ver y cambiar el estilo de las casillas.</translation>
    </message>
    <message>
        <source>Click Options &gt; Banner to turn off this banner.</source>
        <translation>Opciones &gt; Cartel desactiva este cartel.</translation>
    </message>
    <message>
        <source>Set a handicap to increase or decrease difficulty.</source>
        <translation>Fije un hándicap para subir o bajar la dificultad.</translation>
    </message>
</context>
<context>
    <name>CodeDeal</name>
    <message>
        <source>A round number is a whole number from 0 to 4294967295.</source>
        <translation>Un número de partida es un número entero de 0 a 4294967295.</translation>
    </message>
    <message>
        <source>This round needs a dictionary that this game does not have. Ask for the code with the dictionary&apos;s name after it, as the game copies it.</source>
        <translation>Esta partida necesita un diccionario que este juego no tiene. Pida el código seguido del nombre del diccionario, tal como lo copia el juego.</translation>
    </message>
    <message>
        <source>This round needs another version of the dictionary &quot;%1&quot; than the one here.</source>
        <translation>Esta partida necesita otra versión del diccionario «%1», distinta de la que hay aquí.</translation>
    </message>
    <message>
        <source>This round needs the dictionary &quot;%1&quot;, which this game does not have.</source>
        <translation>Esta partida necesita el diccionario «%1», que este juego no tiene.</translation>
    </message>
    <message>
        <source>Found the round code %1 in the text.</source>
        <translation>Se encontró el código de partida %1 en el texto.</translation>
    </message>
</context>
<context>
    <name>EarlierDaysWindow</name>
    <message>
        <source>Not played</source>
        <translation>No jugada</translation>
    </message>
    <message>
        <source>Won</source>
        <translation>Ganada</translation>
    </message>
    <message>
        <source>Not solved</source>
        <translation>No resuelta</translation>
    </message>
    <message>
        <source>Not finished</source>
        <translation>Sin terminar</translation>
    </message>
    <message>
        <source>Earlier Days</source>
        <translation>Días anteriores</translation>
    </message>
    <message>
        <source>Play an earlier day&apos;s round as practice. Practice never changes your record.</source>
        <translation>Juegue la partida de un día anterior como práctica. La práctica nunca cambia su historial.</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Día</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Resultado</translation>
    </message>
    <message>
        <source>Words</source>
        <translation>Palabras</translation>
    </message>
    <message>
        <source>Rating</source>
        <translation>Puntuación</translation>
    </message>
    <message>
        <source>Moves</source>
        <translation>Movimientos</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Tiempo</translation>
    </message>
    <message>
        <source>Earlier days</source>
        <translation>Días anteriores</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 de %2</translation>
    </message>
    <message>
        <source>&amp;Play as Practice</source>
        <translation>&amp;Jugar como práctica</translation>
    </message>
</context>
<context>
    <name>ColourName</name>
    <message>
        <source>red</source>
        <translation>rojo</translation>
    </message>
    <message>
        <source>orange</source>
        <translation>naranja</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>amarillo</translation>
    </message>
    <message>
        <source>green</source>
        <translation>verde</translation>
    </message>
    <message>
        <source>cyan</source>
        <translation>cian</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>azul</translation>
    </message>
    <message>
        <source>purple</source>
        <translation>morado</translation>
    </message>
    <message>
        <source>pink</source>
        <translation>rosa</translation>
    </message>
    <message>
        <source>black</source>
        <translation>negro</translation>
    </message>
    <message>
        <source>white</source>
        <translation>blanco</translation>
    </message>
    <message>
        <source>dark grey</source>
        <translation>gris oscuro</translation>
    </message>
    <message>
        <source>light grey</source>
        <translation>gris claro</translation>
    </message>
    <message>
        <source>grey</source>
        <translation>gris</translation>
    </message>
    <message>
        <source>dark %1</source>
        <translation>%1 oscuro</translation>
    </message>
    <message>
        <source>pale %1</source>
        <translation>%1 pálido</translation>
    </message>
    <message>
        <source>light %1</source>
        <translation>%1 claro</translation>
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
        <translation>No se puede abrir el archivo %1</translation>
    </message>
    <message>
        <source>Cannot create file %1</source>
        <translation>No se puede crear el archivo %1</translation>
    </message>
    <message>
        <source>Cannot open folder %1</source>
        <translation>No se puede abrir la carpeta %1</translation>
    </message>
    <message>
        <source>Unable to write to %1</source>
        <translation>No se puede escribir en %1</translation>
    </message>
    <message>
        <source>Cannot read the settings file %1. The game starts with its default settings and leaves that file as it is.</source>
        <translation>No se puede leer el archivo de ajustes %1. El juego empieza con sus ajustes predeterminados y deja ese archivo como está.</translation>
    </message>
</context>
<context>
    <name>HelpLinks</name>
    <message>
        <source>Warning</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>Check our website via the internet for new announcements?</source>
        <translation>¿Buscar novedades en nuestro sitio web?</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>How to Play</source>
        <translation>Cómo jugar</translation>
    </message>
</context>
<context>
    <name>HoverHints</name>
    <message>
        <source>This is your rating. The closer to 100, the better the score.</source>
        <translation>Esta es su puntuación. Cuanto más cerca de 100, mejor.</translation>
    </message>
</context>
<context>
    <name>KeyboardPlay</name>
    <message>
        <source>Rating %1. Words left: %2.</source>
        <translation>Puntuación %1. Palabras restantes: %2.</translation>
    </message>
    <message>
        <source>Paused.</source>
        <translation>En pausa.</translation>
    </message>
    <message>
        <source>Next tick in %1 seconds.</source>
        <translation>Próximo tic en %1 segundos.</translation>
    </message>
    <message>
        <source>Picked up %1.</source>
        <translation>Ha tomado %1.</translation>
    </message>
    <message>
        <source>%1 cannot go there; still holding it.</source>
        <translation>%1 no puede ir ahí; sigue en su mano.</translation>
    </message>
    <message>
        <source>Dropping %1 on %2.</source>
        <translation>Suelta %1 sobre %2.</translation>
    </message>
    <message>
        <source>Put back %1.</source>
        <translation>Ha devuelto %1 a su sitio.</translation>
    </message>
    <message>
        <source>No definition shown for %1.</source>
        <translation>No se muestra ninguna definición para %1.</translation>
    </message>
    <message>
        <source>Definition: %1</source>
        <translation>Definición: %1</translation>
    </message>
</context>
<context>
    <name>KnowledgeBase</name>
    <message>
        <source>Unable to create stream</source>
        <translation>No se puede crear el flujo</translation>
    </message>
    <message>
        <source>Unable to load the Knowledge Base</source>
        <translation>No se puede cargar el diccionario</translation>
    </message>
</context>
<context>
    <name>LanguageBox</name>
    <message>
        <source>Desktop&apos;s language</source>
        <translation>Idioma del escritorio</translation>
    </message>
    <message>
        <source>The game speaks the chosen language from its next start.</source>
        <translation>El juego habla el idioma elegido a partir del próximo inicio.</translation>
    </message>
</context>
<context>
    <name>MainMenus</name>
    <message>
        <source>&amp;Pause</source>
        <translation>Pausar &amp;la partida</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>Ampliar &amp;vista</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>Reducir &amp;zoom</translation>
    </message>
    <message>
        <source>&amp;Actual Size</source>
        <translation>Tamaño pre&amp;determinado</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Juego</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opciones</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>&amp;Statistics</source>
        <translation>&amp;Estadísticas</translation>
    </message>
    <message>
        <source>Honor Roll</source>
        <translation>Cuadro de honor</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>&amp;Nueva partida</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Nueva partida</translation>
    </message>
    <message>
        <source>&amp;Clue</source>
        <translation>&amp;Pista</translation>
    </message>
    <message>
        <source>Clue</source>
        <translation>Pista</translation>
    </message>
    <message>
        <source>&amp;Solve</source>
        <translation>&amp;Resolver</translation>
    </message>
    <message>
        <source>Solve</source>
        <translation>Resolver</translation>
    </message>
    <message>
        <source>&amp;Round Number...</source>
        <translation>Número de par&amp;tida...</translation>
    </message>
    <message>
        <source>Copy Round Code</source>
        <translation>Copiar el código de partida</translation>
    </message>
    <message>
        <source>&amp;Settings</source>
        <translation>Ajust&amp;es</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Ajustes</translation>
    </message>
    <message>
        <source>St&amp;yles</source>
        <translation>Est&amp;ilos</translation>
    </message>
    <message>
        <source>&amp;Banner</source>
        <translation>&amp;Cartel</translation>
    </message>
    <message>
        <source>Hover &amp;Hints</source>
        <translation>Su&amp;gerencias emergentes</translation>
    </message>
    <message>
        <source>Colour-blind C&amp;ues</source>
        <translation>Ay&amp;udas para daltónicos</translation>
    </message>
    <message>
        <source>Sound &amp;Effects</source>
        <translation>E&amp;fectos de sonido</translation>
    </message>
    <message>
        <source>&amp;Music</source>
        <translation>&amp;Música</translation>
    </message>
    <message>
        <source>&amp;How to Play</source>
        <translation>Cómo ju&amp;gar</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>E-mail Su&amp;pport</source>
        <translation>Soporte por correo e&amp;lectrónico</translation>
    </message>
    <message>
        <source>&amp;News and New Games</source>
        <translation>&amp;Novedades y nuevos juegos</translation>
    </message>
    <message>
        <source>&amp;Web Site</source>
        <translation>Sitio &amp;web</translation>
    </message>
    <message>
        <source>Maker Website</source>
        <translation>Sitio web del creador</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>Acerca &amp;de</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Word Game</source>
        <translation>Partida de palabras</translation>
    </message>
    <message>
        <source>Phrase Game</source>
        <translation>Partida de expresiones</translation>
    </message>
    <message>
        <source>C&amp;opy Round Code</source>
        <translation>C&amp;opiar el código de partida</translation>
    </message>
    <message>
        <source>Tod&amp;ay&apos;s Round</source>
        <translation>Partida &amp;del día</translation>
    </message>
    <message>
        <source>&amp;Earlier Days...</source>
        <translation>D&amp;ías anteriores...</translation>
    </message>
    <message>
        <source>Copy Res&amp;ult</source>
        <translation>Copiar res&amp;ultado</translation>
    </message>
</context>
<context>
    <name>OptionsModel</name>
    <message>
        <source>Background Music</source>
        <translation>Música de fondo</translation>
    </message>
    <message>
        <source>Correct Match:</source>
        <translation>Acierto:</translation>
    </message>
    <message>
        <source>Incorrect:</source>
        <translation>Fallo:</translation>
    </message>
    <message>
        <source>Word Complete:</source>
        <translation>Palabra completa:</translation>
    </message>
    <message>
        <source>Time Penalty:</source>
        <translation>Penalización de tiempo:</translation>
    </message>
    <message>
        <source>Game Over:</source>
        <translation>Fin de la partida:</translation>
    </message>
    <message>
        <source>Game Won:</source>
        <translation>Partida ganada:</translation>
    </message>
    <message>
        <source>New Game:</source>
        <translation>Nueva partida:</translation>
    </message>
    <message>
        <source>Countdown Starts:</source>
        <translation>Empieza la cuenta atrás:</translation>
    </message>
    <message>
        <source>Not saved, a line break in the value: %1</source>
        <translation>No se ha guardado: hay un salto de línea en el valor: %1</translation>
    </message>
</context>
<context>
    <name>RoundCode</name>
    <message>
        <source>A round code has 13 letters and digits, such as 7K3M-9QXP-R2TD5.</source>
        <translation>Un código de partida tiene 13 letras y cifras, como 7K3M-9QXP-R2TD5.</translation>
    </message>
    <message>
        <source>A round code holds only digits and the letters A to Z without U.</source>
        <translation>Un código de partida solo contiene cifras y las letras de la A a la Z sin la U.</translation>
    </message>
    <message>
        <source>This round code has a typing mistake: please check every character.</source>
        <translation>Este código de partida tiene un error de escritura: revise cada carácter.</translation>
    </message>
    <message>
        <source>This round code comes from a newer version of the game.</source>
        <translation>Este código de partida procede de una versión más reciente del juego.</translation>
    </message>
</context>
<context>
    <name>RoundEngine</name>
    <message>
        <source>Paused</source>
        <translation>En pausa</translation>
    </message>
    <message>
        <source>Resumed</source>
        <translation>Reanudada</translation>
    </message>
    <message>
        <source>Insufficient words in dictionary matching your criteria.
Please change your options.</source>
        <translation>No hay suficientes palabras en el diccionario que cumplan sus criterios.
Cambie sus opciones.</translation>
    </message>
    <message>
        <source>Sorry, please try again.</source>
        <translation>Lo sentimos, inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>Clue (No more)</source>
        <translation>Pista (no quedan)</translation>
    </message>
    <message>
        <source>Solving</source>
        <translation>Resolviendo</translation>
    </message>
    <message>
        <source>Try again.</source>
        <translation>Inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>Success !</source>
        <translation>¡Éxito!</translation>
    </message>
    <message>
        <source>Complete !</source>
        <translation>¡Completo!</translation>
    </message>
    <message>
        <source>Done !</source>
        <translation>¡Hecho!</translation>
    </message>
    <message>
        <source>Finished !</source>
        <translation>¡Terminado!</translation>
    </message>
    <message>
        <source>Clue (%1)</source>
        <translation>Pista (%1)</translation>
    </message>
    <message>
        <source>Clue</source>
        <translation>Pista</translation>
    </message>
    <message>
        <source>%1 words to find, level: %2, dictionary: %3</source>
        <translation>%1 palabras por encontrar, nivel: %2, diccionario: %3</translation>
    </message>
    <message>
        <source>, round: %1</source>
        <translation>, partida: %1</translation>
    </message>
    <message>
        <source>, Today&apos;s Round: %1</source>
        <translation>, Partida del día: %1</translation>
    </message>
    <message>
        <source>, Today&apos;s Round (practice): %1</source>
        <translation>, Partida del día (práctica): %1</translation>
    </message>
</context>
<context>
    <name>RoundNews</name>
    <message>
        <source>Solved by the game. Every word is shown.</source>
        <translation>Resuelta por el juego. Se muestran todas las palabras.</translation>
    </message>
    <message>
        <source>Clue used: %1 placed.</source>
        <translation>Pista usada: %1 colocada.</translation>
    </message>
    <message>
        <source>Hurry: the clock is near 0.</source>
        <translation>Deprisa: el reloj está cerca de 0.</translation>
    </message>
    <message>
        <source>Rating %1.</source>
        <translation>Puntuación %1.</translation>
    </message>
    <message>
        <source>Clue used.</source>
        <translation>Pista usada.</translation>
    </message>
    <message>
        <source>Correct.</source>
        <translation>Correcto.</translation>
    </message>
    <message>
        <source>%1 cells correct.</source>
        <translation>%1 casillas correctas.</translation>
    </message>
    <message>
        <source>Wrong place.</source>
        <translation>Sitio equivocado.</translation>
    </message>
    <message>
        <source>Word complete: %1.</source>
        <translation>Palabra completa: %1.</translation>
    </message>
    <message>
        <source>Every word is shown.</source>
        <translation>Se muestran todas las palabras.</translation>
    </message>
</context>
<context>
    <name>RoundNumberDialog</name>
    <message>
        <source>Round Number</source>
        <translation>Número de partida</translation>
    </message>
    <message>
        <source>This round&apos;s number is %1.</source>
        <translation>El número de esta partida es %1.</translation>
    </message>
    <message>
        <source>Type a round&apos;s number to deal that round again (with the same dictionary and options):</source>
        <translation>Escriba el número de una partida para repartirla de nuevo (con el mismo diccionario y las mismas opciones):</translation>
    </message>
    <message>
        <source>Round number</source>
        <translation>Número de partida</translation>
    </message>
    <message>
        <source>Deal</source>
        <translation>Repartir</translation>
    </message>
    <message>
        <source>A round number is a whole number from 0 to 4294967295.</source>
        <translation>Un número de partida es un número entero de 0 a 4294967295.</translation>
    </message>
    <message>
        <source>This round&apos;s code is %1.</source>
        <translation>El código de esta partida es %1.</translation>
    </message>
    <message>
        <source>Type a round&apos;s code to deal that round with its own dictionary and options, or a round&apos;s number to deal it with yours:</source>
        <translation>Escriba el código de una partida para repartirla con su propio diccionario y opciones, o su número para repartirla con los de usted:</translation>
    </message>
</context>
<context>
    <name>ScoreChart</name>
    <message>
        <source>2 Splits</source>
        <translation>2 cortes</translation>
    </message>
    <message>
        <source>3 Splits</source>
        <translation>3 cortes</translation>
    </message>
    <message>
        <source>4 Splits</source>
        <translation>4 cortes</translation>
    </message>
    <message>
        <source>5 Splits</source>
        <translation>5 cortes</translation>
    </message>
</context>
<context>
    <name>ScoreTable</name>
    <message>
        <source>Easy</source>
        <translation>Fácil</translation>
    </message>
    <message>
        <source>Moderate</source>
        <translation>Moderado</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Difícil</translation>
    </message>
    <message>
        <source>Intense</source>
        <translation>Intenso</translation>
    </message>
</context>
<context>
    <name>SplitFormats</name>
    <message>
        <source>%1 letters: %2</source>
        <translation>%1 letras: %2</translation>
    </message>
</context>
<context>
    <name>StatusPanel</name>
    <message>
        <source>Rating </source>
        <translation>Puntuación </translation>
    </message>
    <message>
        <source>Rating %1</source>
        <translation>Puntuación %1</translation>
    </message>
    <message>
        <source>Help and messages</source>
        <translation>Ayuda y mensajes</translation>
    </message>
</context>
<context>
    <name>StylePanel</name>
    <message>
        <source>current style</source>
        <translation>estilo actual</translation>
    </message>
</context>
<context>
    <name>Tfo</name>
    <message>
        <source>Check our website via the internet for music and sound?</source>
        <translation>¿Buscar música y sonidos en nuestro sitio web?</translation>
    </message>
    <message>
        <source>Splitwick Options</source>
        <translation>Opciones de Splitwick</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Ajustes</translation>
    </message>
    <message>
        <source>Sounds &amp;&amp; Music</source>
        <translation>Sonidos y música</translation>
    </message>
    <message>
        <source>Help Hints</source>
        <translation>Sugerencias de ayuda</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>New Cells</source>
        <translation>Nuevas casillas</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>Idioma:</translation>
    </message>
    <message>
        <source>Dictionary:</source>
        <translation>Diccionario:</translation>
    </message>
    <message>
        <source>Number of Words:</source>
        <translation>Número de palabras:</translation>
    </message>
    <message>
        <source>Initial Fixed Cell:</source>
        <translation>Casilla fija inicial:</translation>
    </message>
    <message>
        <source>First</source>
        <translation>Primera</translation>
    </message>
    <message>
        <source>Middle</source>
        <translation>Central</translation>
    </message>
    <message>
        <source>Last</source>
        <translation>Última</translation>
    </message>
    <message>
        <source>Random</source>
        <translation>Al azar</translation>
    </message>
    <message>
        <source>Not First</source>
        <translation>No la primera</translation>
    </message>
    <message>
        <source>Show Definitions</source>
        <translation>Mostrar definiciones</translation>
    </message>
    <message>
        <source>Proximity</source>
        <translation>Proximidad</translation>
    </message>
    <message>
        <source>Vowels</source>
        <translation>Vocales</translation>
    </message>
    <message>
        <source>Handicap Level:</source>
        <translation>Hándicap:</translation>
    </message>
    <message>
        <source>Split Word Format:</source>
        <translation>Formato de corte:</translation>
    </message>
    <message>
        <source>Sound Effects ...</source>
        <translation>Efectos de sonido...</translation>
    </message>
    <message>
        <source>Louder</source>
        <translation>Más alto</translation>
    </message>
    <message>
        <source>Sound &amp; Music Volume</source>
        <translation>Volumen de sonidos y música</translation>
    </message>
    <message>
        <source>Quieter</source>
        <translation>Más bajo</translation>
    </message>
    <message>
        <source>Download More Sounds &amp;&amp; Music</source>
        <translation>Descargar más sonidos y música</translation>
    </message>
    <message>
        <source>Sound &amp;&amp; Music Volume</source>
        <translation>Volumen de sonidos y música</translation>
    </message>
    <message>
        <source>Handicap Level</source>
        <translation>Nivel de hándicap</translation>
    </message>
    <message>
        <source>Easier to play</source>
        <translation>Más fácil</translation>
    </message>
    <message>
        <source>Neutral</source>
        <translation>Neutral</translation>
    </message>
    <message>
        <source>Greater challenge</source>
        <translation>Más difícil</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Ninguno</translation>
    </message>
    <message>
        <source>High Contrast</source>
        <translation>Alto contraste</translation>
    </message>
</context>
<context>
    <name>TfrmAbout</name>
    <message>
        <source>About Splitwick</source>
        <translation>Acerca de Splitwick</translation>
    </message>
    <message>
        <source>Version 1.1</source>
        <translation>Versión 1.1</translation>
    </message>
    <message>
        <source>Copyright © 2026 The Splitwick developers</source>
        <translation>Copyright © 2026 Los desarrolladores de Splitwick</translation>
    </message>
    <message>
        <source>Splitwick is free software: you can redistribute it and/or modify it under the terms of the GNU General Public License, version 3 or (at your option) any later version. It comes with NO WARRANTY.</source>
        <translation>Splitwick es software libre: puede redistribuirlo y/o modificarlo según los términos de la Licencia Pública General de GNU, versión 3 o (a su elección) cualquier versión posterior. Se ofrece SIN NINGUNA GARANTÍA.</translation>
    </message>
    <message>
        <source>The English dictionaries come from WordNet 3.0 (Copyright 2006 Princeton University, WordNet licence), filtered with Kevin Atkinson&apos;s SCOWL word lists; their French, German and Spanish hints from FreeDict (GNU GPL). The French, German and Spanish dictionaries come from the thesauri of Kevin Hendricks, Frédéric Labbé and Laurent Godard, Daniel Naber (OpenThesaurus) and Marcelo Garrone (GNU LGPL), filtered with Debian&apos;s word lists. Letters are drawn with the DejaVu and Liberation fonts and Wine&apos;s Tahoma look-alike.</source>
        <translation>Los diccionarios ingleses proceden de WordNet 3.0 (Copyright 2006 Princeton University, licencia WordNet), filtrados con las listas de palabras SCOWL de Kevin Atkinson; sus sugerencias en francés, alemán y español, de FreeDict (GNU GPL). Los diccionarios francés, alemán y español proceden de los tesauros de Kevin Hendricks, Frédéric Labbé y Laurent Godard, Daniel Naber (OpenThesaurus) y Marcelo Garrone (GNU LGPL), filtrados con las listas de palabras de Debian. Las letras se dibujan con las fuentes DejaVu y Liberation y el clon de Tahoma de Wine.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>TfrmBG</name>
    <message>
        <source>Background</source>
        <translation>Fondo</translation>
    </message>
    <message>
        <source>Stretch</source>
        <translation>Estirar</translation>
    </message>
    <message>
        <source>%1 is not a picture that can be shown.</source>
        <translation>%1 no es una imagen que se pueda mostrar.</translation>
    </message>
    <message>
        <source>Browse from</source>
        <translation>Explorar desde</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>Carpetas</translation>
    </message>
    <message>
        <source>Pictures</source>
        <translation>Imágenes</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>TfrmMain</name>
    <message>
        <source>Result copied</source>
        <translation>Resultado copiado</translation>
    </message>
    <message>
        <source>Round code copied</source>
        <translation>Código de partida copiado</translation>
    </message>
    <message>
        <source>Copy Round Code %1</source>
        <translation>Copiar el código de partida %1</translation>
    </message>
    <message>
        <source>Copy Round Code</source>
        <translation>Copiar el código de partida</translation>
    </message>
    <message>
        <source>Ctrl+Shift+C copies your result to share.</source>
        <translation>Ctrl+Mayús+C copia su resultado para compartir.</translation>
    </message>
    <message>
        <source>The round in progress could not be read and was set aside as %1.</source>
        <translation>No se pudo leer la partida en curso; se apartó como %1.</translation>
    </message>
</context>
<context>
    <name>TfrmScore</name>
    <message>
        <source>Completed Game Statistics</source>
        <translation>Estadísticas de partidas ganadas</translation>
    </message>
    <message>
        <source>Efficiency</source>
        <translation>Eficacia</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Nivel</translation>
    </message>
    <message>
        <source>Next Today&apos;s Round in %1</source>
        <translation>Próxima partida del día en %1</translation>
    </message>
    <message numerus="yes">
        <source>Today&apos;s Round: %n day(s) played, %1 won (%2%)</source>
        <translation>
            <numerusform>Partida del día: %n día jugado, %1 ganados (%2 %)</numerusform>
            <numerusform>Partida del día: %n días jugados, %1 ganados (%2 %)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Won %n day(s) in a row (best: %1)</source>
        <translation>
            <numerusform>Ganada %n día seguido (récord: %1)</numerusform>
            <numerusform>Ganada %n días seguidos (récord: %1)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TfrmStyle</name>
    <message>
        <source>Styles</source>
        <translation>Estilos</translation>
    </message>
    <message>
        <source>Hint Color</source>
        <translation>Color de sugerencias</translation>
    </message>
    <message>
        <source>Tile Font</source>
        <translation>Fuente de casilla</translation>
    </message>
    <message>
        <source>Tile Color</source>
        <translation>Color de casilla</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Fondo</translation>
    </message>
    <message>
        <source>Border style %1</source>
        <translation>Estilo de borde %1</translation>
    </message>
    <message>
        <source>%1, %2 pt</source>
        <translation>%1, %2 pt</translation>
    </message>
    <message>
        <source>%1, bold</source>
        <translation>%1, negrita</translation>
    </message>
</context>
<context>
    <name>TileDescription</name>
    <message>
        <source>movable</source>
        <translation>movible</translation>
    </message>
    <message>
        <source>placed</source>
        <translation>colocada</translation>
    </message>
    <message>
        <source>row complete</source>
        <translation>fila completa</translation>
    </message>
    <message>
        <source>revealed</source>
        <translation>revelada</translation>
    </message>
    <message>
        <source>block %1, row %2</source>
        <translation>bloque %1, fila %2</translation>
    </message>
    <message>
        <source>row %1</source>
        <translation>fila %1</translation>
    </message>
    <message>
        <source>cell %1 of %2</source>
        <translation>casilla %1 de %2</translation>
    </message>
    <message>
        <source>Hint: %1</source>
        <translation>Sugerencia: %1</translation>
    </message>
</context>
<context>
    <name>TodaysRound</name>
    <message>
        <source>Today&apos;s Round needs the dictionary &quot;%1&quot; that comes with the game.</source>
        <translation>La partida del día necesita el diccionario «%1» que viene con el juego.</translation>
    </message>
    <message>
        <source>Splitwick, Today&apos;s Round of %1</source>
        <translation>Splitwick, partida del día %1</translation>
    </message>
    <message>
        <source>Won: %1 of %2 words, rating %3</source>
        <translation>Ganada: %1 de %2 palabras, puntuación %3</translation>
    </message>
    <message>
        <source>Not solved: %1 of %2 words</source>
        <translation>No resuelta: %1 de %2 palabras</translation>
    </message>
    <message numerus="yes">
        <source>%n move(s) in %1</source>
        <translation>
            <numerusform>%n movimiento en %1</numerusform>
            <numerusform>%n movimientos en %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Run: %n day(s) in a row</source>
        <translation>
            <numerusform>Racha: %n día seguido</numerusform>
            <numerusform>Racha: %n días seguidos</numerusform>
        </translation>
    </message>
    <message>
        <source>Play the same board: %1</source>
        <translation>Juegue el mismo tablero: %1</translation>
    </message>
</context>
<context>
    <name>RoundCards</name>
    <message>
        <source>F2: new round. Ctrl+Shift+C: copy result</source>
        <translation>F2: nueva partida. Ctrl+Mayús+C: copiar el resultado</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>En pausa</translation>
    </message>
    <message>
        <source>Resumed</source>
        <translation>Reanudada</translation>
    </message>
    <message>
        <source>The clock stands still and the board is hidden.</source>
        <translation>El reloj se detiene y el tablero queda oculto.</translation>
    </message>
    <message>
        <source>Any key or a click: go on</source>
        <translation>Cualquier tecla o un clic: continuar</translation>
    </message>
    <message>
        <source>Welcome to Splitwick</source>
        <translation>Bienvenido a Splitwick</translation>
    </message>
    <message>
        <source>Put every row&apos;s cells in order so that each row spells its word.</source>
        <translation>Ordena las casillas de cada fila para que cada fila forme su palabra.</translation>
    </message>
    <message>
        <source>Drag a red cell onto another red cell to swap them, or move with the arrow keys and press Space on each.</source>
        <translation>Arrastra una casilla roja sobre otra casilla roja para intercambiarlas, o muévete con las flechas y pulsa Espacio en cada una.</translation>
    </message>
    <message>
        <source>F2 or a click: deal a round</source>
        <translation>F2 o un clic: repartir una partida</translation>
    </message>
    <message>
        <source>Round lost</source>
        <translation>Partida perdida</translation>
    </message>
    <message>
        <source>Solved by the game</source>
        <translation>Resuelta por el juego</translation>
    </message>
    <message>
        <source>Round won</source>
        <translation>Partida ganada</translation>
    </message>
    <message>
        <source>Rating: %1</source>
        <translation>Puntuación: %1</translation>
    </message>
    <message>
        <source>Moves: %1</source>
        <translation>Movimientos: %1</translation>
    </message>
    <message>
        <source>Clues used: %1</source>
        <translation>Pistas usadas: %1</translation>
    </message>
    <message>
        <source>Time: %1</source>
        <translation>Tiempo: %1</translation>
    </message>
    <message>
        <source>F2: new round</source>
        <translation>F2: nueva partida</translation>
    </message>
</context>
</TS>
