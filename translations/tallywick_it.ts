<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>ShowMessage</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>No problem shown</source>
        <translation>Nessun calcolo mostrato</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A part of the problem and what it shows, as a screen reader says it: &quot;Operator: times&quot;.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Opzioni</translation>
    </message>
    <message>
        <source>New Problem</source>
        <translation>Altro calcolo</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>Operator</source>
        <translation>Segno</translation>
    </message>
    <message>
        <source>Top term</source>
        <translation>Numero sopra</translation>
    </message>
    <message>
        <source>Bottom term</source>
        <translation>Numero sotto</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Risultato</translation>
    </message>
    <message>
        <source>%1 equals %2</source>
        <extracomment>The problem as a screen reader says it, then its result: &quot;7 plus 5 equals 12&quot;, &quot;7 divided by 2 equals 3 and one half&quot;.</extracomment>
        <translation>%1 uguale %2</translation>
    </message>
    <message>
        <source>No problem fits the current settings.

Open Setup and allow more kinds of result for the included operations, or change the term limits.</source>
        <translation>Nessun calcolo rispetta le impostazioni attuali.

Apri le opzioni e consenti più tipi di risultato per le operazioni incluse, oppure cambia i limiti dei numeri.</translation>
    </message>
    <message>
        <source>plus</source>
        <translation>più</translation>
    </message>
    <message>
        <source>minus</source>
        <translation>meno</translation>
    </message>
    <message>
        <source>times</source>
        <translation>per</translation>
    </message>
    <message>
        <source>divided by</source>
        <translation>diviso</translation>
    </message>
    <message>
        <source>one half</source>
        <translation>un mezzo</translation>
    </message>
    <message>
        <source>one third</source>
        <translation>un terzo</translation>
    </message>
    <message numerus="yes">
        <source>%n thirds</source>
        <translation>
            <numerusform>%n terzo</numerusform>
            <numerusform>%n terzi</numerusform>
        </translation>
    </message>
    <message>
        <source>one quarter</source>
        <translation>un quarto</translation>
    </message>
    <message numerus="yes">
        <source>%n quarters</source>
        <translation>
            <numerusform>%n quarto</numerusform>
            <numerusform>%n quarti</numerusform>
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
            <numerusform>%n quinti</numerusform>
        </translation>
    </message>
    <message>
        <source>one sixth</source>
        <translation>un sesto</translation>
    </message>
    <message numerus="yes">
        <source>%n sixths</source>
        <translation>
            <numerusform>%n sesto</numerusform>
            <numerusform>%n sesti</numerusform>
        </translation>
    </message>
    <message>
        <source>one seventh</source>
        <translation>un settimo</translation>
    </message>
    <message numerus="yes">
        <source>%n sevenths</source>
        <translation>
            <numerusform>%n settimo</numerusform>
            <numerusform>%n settimi</numerusform>
        </translation>
    </message>
    <message>
        <source>one eighth</source>
        <translation>un ottavo</translation>
    </message>
    <message numerus="yes">
        <source>%n eighths</source>
        <translation>
            <numerusform>%n ottavo</numerusform>
            <numerusform>%n ottavi</numerusform>
        </translation>
    </message>
    <message>
        <source>one ninth</source>
        <translation>un nono</translation>
    </message>
    <message numerus="yes">
        <source>%n ninths</source>
        <translation>
            <numerusform>%n nono</numerusform>
            <numerusform>%n noni</numerusform>
        </translation>
    </message>
    <message>
        <source>one tenth</source>
        <translation>un decimo</translation>
    </message>
    <message numerus="yes">
        <source>%n tenths</source>
        <translation>
            <numerusform>%n decimo</numerusform>
            <numerusform>%n decimi</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 over %2</source>
        <extracomment>A fraction whose denominator has no name of its own, said as a formula is read: &quot;15 over 17&quot;.</extracomment>
        <translation>%1 fratto %2</translation>
    </message>
    <message numerus="yes">
        <source>%n and %1</source>
        <extracomment>A whole number and a fraction, as a mixed number is said: &quot;3 and one half&quot;.</extracomment>
        <translation>
            <numerusform>%n e %1</numerusform>
            <numerusform>%n e %1</numerusform>
        </translation>
    </message>
    <message>
        <source>minus %1</source>
        <extracomment>A negative mixed number or fraction: &quot;minus 3 and one half&quot;.</extracomment>
        <translation>meno %1</translation>
    </message>
</context>
<context>
    <name>frmSetup</name>
    <message>
        <source>Addition: positive results</source>
        <translation>Addizione: risultati positivi</translation>
    </message>
    <message>
        <source>Addition: zero results</source>
        <translation>Addizione: risultato zero</translation>
    </message>
    <message>
        <source>Addition: negative results</source>
        <translation>Addizione: risultati negativi</translation>
    </message>
    <message>
        <source>Subtraction: positive results</source>
        <translation>Sottrazione: risultati positivi</translation>
    </message>
    <message>
        <source>Subtraction: zero results</source>
        <translation>Sottrazione: risultato zero</translation>
    </message>
    <message>
        <source>Subtraction: negative results</source>
        <translation>Sottrazione: risultati negativi</translation>
    </message>
    <message>
        <source>Multiplication: positive results</source>
        <translation>Moltiplicazione: risultati positivi</translation>
    </message>
    <message>
        <source>Multiplication: negative results</source>
        <translation>Moltiplicazione: risultati negativi</translation>
    </message>
    <message>
        <source>Division: positive results</source>
        <translation>Divisione: risultati positivi</translation>
    </message>
    <message>
        <source>Division: negative results</source>
        <translation>Divisione: risultati negativi</translation>
    </message>
    <message>
        <source>Division: whole results</source>
        <translation>Divisione: risultati esatti</translation>
    </message>
    <message>
        <source>Division: fraction results</source>
        <translation>Divisione: risultati con resto</translation>
    </message>
    <message>
        <source>Addition</source>
        <translation>Addizione</translation>
    </message>
    <message>
        <source>Include addition</source>
        <translation>Includi l&apos;addizione</translation>
    </message>
    <message>
        <source>Subtraction</source>
        <translation>Sottrazione</translation>
    </message>
    <message>
        <source>Include subtraction</source>
        <translation>Includi la sottrazione</translation>
    </message>
    <message>
        <source>Multiplication</source>
        <translation>Moltiplicazione</translation>
    </message>
    <message>
        <source>Include multiplication</source>
        <translation>Includi la moltiplicazione</translation>
    </message>
    <message>
        <source>Division</source>
        <translation>Divisione</translation>
    </message>
    <message>
        <source>Include division</source>
        <translation>Includi la divisione</translation>
    </message>
    <message>
        <source>Tallywick - Setup</source>
        <translation>Tallywick - Opzioni</translation>
    </message>
    <message>
        <source>Second</source>
        <translation>secondo</translation>
    </message>
    <message numerus="yes">
        <source>Seconds</source>
        <comment>after a whole number of seconds</comment>
        <translation>
            <numerusform>secondo</numerusform>
            <numerusform>secondi</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Seconds</source>
        <comment>after a wait with tenths of a second</comment>
        <translation>
            <numerusform>secondi</numerusform>
            <numerusform>secondi</numerusform>
        </translation>
    </message>
    <message>
        <source>to</source>
        <translation>a</translation>
    </message>
    <message>
        <source>Bottom Term</source>
        <translation>Numero sotto</translation>
    </message>
    <message>
        <source>Top Term</source>
        <translation>Numero sopra</translation>
    </message>
    <message>
        <source>Term Limits</source>
        <translation>Limiti dei numeri</translation>
    </message>
    <message>
        <source>Show Answer</source>
        <translation>Mostra risultato</translation>
    </message>
    <message>
        <source>Operations and Results</source>
        <translation>Operazioni e risultati</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>secondi</translation>
    </message>
    <message>
        <source>Top term, lower limit</source>
        <translation>Numero sopra, limite inferiore</translation>
    </message>
    <message>
        <source>Top term, upper limit</source>
        <translation>Numero sopra, limite superiore</translation>
    </message>
    <message>
        <source>Bottom term, lower limit</source>
        <translation>Numero sotto, limite inferiore</translation>
    </message>
    <message>
        <source>Bottom term, upper limit</source>
        <translation>Numero sotto, limite superiore</translation>
    </message>
    <message>
        <source>S W A P</source>
        <translation>S C A M B I A</translation>
    </message>
    <message>
        <source>Swap the top and bottom term limits</source>
        <translation>Scambia i limiti del numero sopra e del numero sotto</translation>
    </message>
    <message>
        <source>Don&apos;t show it</source>
        <translation>Non mostrare</translation>
    </message>
    <message>
        <source>Don&apos;t show the result</source>
        <translation>Non mostrare il risultato</translation>
    </message>
    <message>
        <source>Show after</source>
        <translation>Dopo</translation>
    </message>
    <message>
        <source>Show the result after the wait</source>
        <translation>Mostra il risultato dopo l&apos;attesa</translation>
    </message>
    <message>
        <source>Wait in seconds</source>
        <translation>Attesa in secondi</translation>
    </message>
    <message>
        <source>Wait</source>
        <translation>Attesa</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Include</source>
        <translation>Includi</translation>
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
        <translation>Zero</translation>
    </message>
    <message>
        <source>Whole</source>
        <translation>Esatta</translation>
    </message>
    <message>
        <source>Fraction</source>
        <translation>Con resto</translation>
    </message>
    <message>
        <source>Included</source>
        <translation>Inclusa</translation>
    </message>
</context>
</TS>
