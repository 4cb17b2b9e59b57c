<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
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
        <source>Desktop's language</source>
        <translation>Idioma del escritorio</translation>
    </message>
    <message>
        <source>The game speaks the chosen language from its next start.</source>
        <translation>El juego habla el idioma elegido a partir del próximo inicio.</translation>
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
        <translation>Nuevo juego:</translation>
    </message>
    <message>
        <source>Countdown Starts:</source>
        <translation>Empieza la cuenta atrás:</translation>
    </message>
</context>
<context>
    <name>RoundEngine</name>
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
        <translation>Moderada</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Difícil</translation>
    </message>
    <message>
        <source>Intense</source>
        <translation>Intensa</translation>
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
</context>
<context>
    <name>TfrmStyle</name>
    <message>
        <source>Styles</source>
        <translation>Estilos</translation>
    </message>
    <message>
        <source>Hint Color</source>
        <translation>Color de pistas</translation>
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
</context>
</TS>
