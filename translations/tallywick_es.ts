<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>ShowMessage</name>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>No problem shown</source>
        <translation>Ninguna cuenta en pantalla</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A part of the problem and what it shows, as a screen reader says it: &quot;Operator: times&quot;.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Ajustes</translation>
    </message>
    <message>
        <source>New Problem</source>
        <translation>Nueva cuenta</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Operator</source>
        <translation>Signo</translation>
    </message>
    <message>
        <source>Top term</source>
        <translation>Número superior</translation>
    </message>
    <message>
        <source>Bottom term</source>
        <translation>Número inferior</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Resultado</translation>
    </message>
    <message>
        <source>%1 equals %2</source>
        <extracomment>The problem as a screen reader says it, then its result: &quot;7 plus 5 equals 12&quot;, &quot;7 divided by 2 equals 3 and one half&quot;.</extracomment>
        <translation>%1 es igual a %2</translation>
    </message>
    <message>
        <source>No problem fits the current settings.

Open Setup and allow more kinds of result for the included operations, or change the term limits.</source>
        <translation>Ninguna cuenta cumple los ajustes actuales.

Abre los ajustes y permite más tipos de resultado para las operaciones incluidas, o cambia el rango de los números.</translation>
    </message>
    <message>
        <source>plus</source>
        <translation>más</translation>
    </message>
    <message>
        <source>minus</source>
        <translation>menos</translation>
    </message>
    <message>
        <source>times</source>
        <translation>por</translation>
    </message>
    <message>
        <source>divided by</source>
        <translation>entre</translation>
    </message>
    <message>
        <source>one half</source>
        <translation>un medio</translation>
    </message>
    <message>
        <source>one third</source>
        <translation>un tercio</translation>
    </message>
    <message numerus="yes">
        <source>%n thirds</source>
        <translation>
            <numerusform>%n tercio</numerusform>
            <numerusform>%n tercios</numerusform>
        </translation>
    </message>
    <message>
        <source>one quarter</source>
        <translation>un cuarto</translation>
    </message>
    <message numerus="yes">
        <source>%n quarters</source>
        <translation>
            <numerusform>%n cuarto</numerusform>
            <numerusform>%n cuartos</numerusform>
        </translation>
    </message>
    <message>
        <source>one fifth</source>
        <translation>un quinto</translation>
    </message>
    <message numerus="yes">
        <source>%n fifths</source>
        <translation>
            <numerusform>%n quinto</numerusform>
            <numerusform>%n quintos</numerusform>
        </translation>
    </message>
    <message>
        <source>one sixth</source>
        <translation>un sexto</translation>
    </message>
    <message numerus="yes">
        <source>%n sixths</source>
        <translation>
            <numerusform>%n sexto</numerusform>
            <numerusform>%n sextos</numerusform>
        </translation>
    </message>
    <message>
        <source>one seventh</source>
        <translation>un séptimo</translation>
    </message>
    <message numerus="yes">
        <source>%n sevenths</source>
        <translation>
            <numerusform>%n séptimo</numerusform>
            <numerusform>%n séptimos</numerusform>
        </translation>
    </message>
    <message>
        <source>one eighth</source>
        <translation>un octavo</translation>
    </message>
    <message numerus="yes">
        <source>%n eighths</source>
        <translation>
            <numerusform>%n octavo</numerusform>
            <numerusform>%n octavos</numerusform>
        </translation>
    </message>
    <message>
        <source>one ninth</source>
        <translation>un noveno</translation>
    </message>
    <message numerus="yes">
        <source>%n ninths</source>
        <translation>
            <numerusform>%n noveno</numerusform>
            <numerusform>%n novenos</numerusform>
        </translation>
    </message>
    <message>
        <source>one tenth</source>
        <translation>un décimo</translation>
    </message>
    <message numerus="yes">
        <source>%n tenths</source>
        <translation>
            <numerusform>%n décimo</numerusform>
            <numerusform>%n décimos</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 over %2</source>
        <extracomment>A fraction whose denominator has no name of its own, said as a formula is read: &quot;15 over 17&quot;.</extracomment>
        <translation>%1 sobre %2</translation>
    </message>
    <message numerus="yes">
        <source>%n and %1</source>
        <extracomment>A whole number and a fraction, as a mixed number is said: &quot;3 and one half&quot;.</extracomment>
        <translation>
            <numerusform>%n y %1</numerusform>
            <numerusform>%n y %1</numerusform>
        </translation>
    </message>
    <message>
        <source>minus %1</source>
        <extracomment>A negative mixed number or fraction: &quot;minus 3 and one half&quot;.</extracomment>
        <translation>menos %1</translation>
    </message>
</context>
<context>
    <name>frmSetup</name>
    <message>
        <source>Addition: positive results</source>
        <translation>Suma: resultados positivos</translation>
    </message>
    <message>
        <source>Addition: zero results</source>
        <translation>Suma: resultado cero</translation>
    </message>
    <message>
        <source>Addition: negative results</source>
        <translation>Suma: resultados negativos</translation>
    </message>
    <message>
        <source>Subtraction: positive results</source>
        <translation>Resta: resultados positivos</translation>
    </message>
    <message>
        <source>Subtraction: zero results</source>
        <translation>Resta: resultado cero</translation>
    </message>
    <message>
        <source>Subtraction: negative results</source>
        <translation>Resta: resultados negativos</translation>
    </message>
    <message>
        <source>Multiplication: positive results</source>
        <translation>Multiplicación: resultados positivos</translation>
    </message>
    <message>
        <source>Multiplication: negative results</source>
        <translation>Multiplicación: resultados negativos</translation>
    </message>
    <message>
        <source>Division: positive results</source>
        <translation>División: resultados positivos</translation>
    </message>
    <message>
        <source>Division: negative results</source>
        <translation>División: resultados negativos</translation>
    </message>
    <message>
        <source>Division: whole results</source>
        <translation>División: exacta (sin resto)</translation>
    </message>
    <message>
        <source>Division: fraction results</source>
        <translation>División: inexacta (con resto)</translation>
    </message>
    <message>
        <source>Addition</source>
        <translation>Suma</translation>
    </message>
    <message>
        <source>Include addition</source>
        <translation>Incluir la suma</translation>
    </message>
    <message>
        <source>Subtraction</source>
        <translation>Resta</translation>
    </message>
    <message>
        <source>Include subtraction</source>
        <translation>Incluir la resta</translation>
    </message>
    <message>
        <source>Multiplication</source>
        <translation>Multiplicación</translation>
    </message>
    <message>
        <source>Include multiplication</source>
        <translation>Incluir la multiplicación</translation>
    </message>
    <message>
        <source>Division</source>
        <translation>División</translation>
    </message>
    <message>
        <source>Include division</source>
        <translation>Incluir la división</translation>
    </message>
    <message>
        <source>Tallywick - Setup</source>
        <translation>Tallywick - Ajustes</translation>
    </message>
    <message>
        <source>Second</source>
        <translation>segundo</translation>
    </message>
    <message numerus="yes">
        <source>Seconds</source>
        <comment>after a whole number of seconds</comment>
        <translation>
            <numerusform>segundo</numerusform>
            <numerusform>segundos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Seconds</source>
        <comment>after a wait with tenths of a second</comment>
        <translation>
            <numerusform>segundos</numerusform>
            <numerusform>segundos</numerusform>
        </translation>
    </message>
    <message>
        <source>to</source>
        <translation>a</translation>
    </message>
    <message>
        <source>Bottom Term</source>
        <translation>Número inferior</translation>
    </message>
    <message>
        <source>Top Term</source>
        <translation>Número superior</translation>
    </message>
    <message>
        <source>Term Limits</source>
        <translation>Rango de números</translation>
    </message>
    <message>
        <source>Show Answer</source>
        <translation>Mostrar resultado</translation>
    </message>
    <message>
        <source>Operations and Results</source>
        <translation>Operaciones y resultados</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>segundos</translation>
    </message>
    <message>
        <source>Top term, lower limit</source>
        <translation>Número superior, límite inferior</translation>
    </message>
    <message>
        <source>Top term, upper limit</source>
        <translation>Número superior, límite superior</translation>
    </message>
    <message>
        <source>Bottom term, lower limit</source>
        <translation>Número inferior, límite inferior</translation>
    </message>
    <message>
        <source>Bottom term, upper limit</source>
        <translation>Número inferior, límite superior</translation>
    </message>
    <message>
        <source>S W A P</source>
        <translation>C A M B I A R</translation>
    </message>
    <message>
        <source>Swap the top and bottom term limits</source>
        <translation>Intercambiar los límites del número superior y del inferior</translation>
    </message>
    <message>
        <source>Don&apos;t show it</source>
        <translation>No mostrar</translation>
    </message>
    <message>
        <source>Don&apos;t show the result</source>
        <translation>No mostrar el resultado</translation>
    </message>
    <message>
        <source>Show after</source>
        <translation>Tras</translation>
    </message>
    <message>
        <source>Show the result after the wait</source>
        <translation>Mostrar el resultado tras la espera</translation>
    </message>
    <message>
        <source>Wait in seconds</source>
        <translation>Espera en segundos</translation>
    </message>
    <message>
        <source>Wait</source>
        <translation>Espera</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Include</source>
        <translation>Incluir</translation>
    </message>
    <message>
        <source>Positive</source>
        <translation>Positivo</translation>
    </message>
    <message>
        <source>Negative</source>
        <translation>Negativo</translation>
    </message>
    <message>
        <source>Zero</source>
        <translation>Cero</translation>
    </message>
    <message>
        <source>Whole</source>
        <translation>Exacta</translation>
    </message>
    <message>
        <source>Fraction</source>
        <translation>Inexacta</translation>
    </message>
    <message>
        <source>Included</source>
        <translation>Incluida</translation>
    </message>
</context>
</TS>
