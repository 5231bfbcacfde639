<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
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
        <translation>Keine Aufgabe angezeigt</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A part of the problem and what it shows, as a screen reader says it: &quot;Operator: times&quot;.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>New Problem</source>
        <translation>Neue Übung</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Operator</source>
        <translation>Rechenzeichen</translation>
    </message>
    <message>
        <source>Top term</source>
        <translation>Obere Zahl</translation>
    </message>
    <message>
        <source>Bottom term</source>
        <translation>Untere Zahl</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>%1 equals %2</source>
        <extracomment>The problem as a screen reader says it, then its result: &quot;7 plus 5 equals 12&quot;, &quot;7 divided by 2 equals 3 and one half&quot;.</extracomment>
        <translation>%1 gleich %2</translation>
    </message>
    <message>
        <source>No problem fits the current settings.

Open Setup and allow more kinds of result for the included operations, or change the term limits.</source>
        <translation>Keine Aufgabe passt zu den aktuellen Einstellungen.

Öffnen Sie die Optionen und erlauben Sie für die gewählten Rechenarten mehr Arten von Ergebnissen, oder ändern Sie den Zahlenbereich.</translation>
    </message>
    <message>
        <source>plus</source>
        <translation>plus</translation>
    </message>
    <message>
        <source>minus</source>
        <translation>minus</translation>
    </message>
    <message>
        <source>times</source>
        <translation>mal</translation>
    </message>
    <message>
        <source>divided by</source>
        <translation>geteilt durch</translation>
    </message>
    <message>
        <source>one half</source>
        <translation>ein Halb</translation>
    </message>
    <message>
        <source>one third</source>
        <translation>ein Drittel</translation>
    </message>
    <message numerus="yes">
        <source>%n thirds</source>
        <translation>
            <numerusform>%n Drittel</numerusform>
            <numerusform>%n Drittel</numerusform>
        </translation>
    </message>
    <message>
        <source>one quarter</source>
        <translation>ein Viertel</translation>
    </message>
    <message numerus="yes">
        <source>%n quarters</source>
        <translation>
            <numerusform>%n Viertel</numerusform>
            <numerusform>%n Viertel</numerusform>
        </translation>
    </message>
    <message>
        <source>one fifth</source>
        <translation>ein Fünftel</translation>
    </message>
    <message numerus="yes">
        <source>%n fifths</source>
        <translation>
            <numerusform>%n Fünftel</numerusform>
            <numerusform>%n Fünftel</numerusform>
        </translation>
    </message>
    <message>
        <source>one sixth</source>
        <translation>ein Sechstel</translation>
    </message>
    <message numerus="yes">
        <source>%n sixths</source>
        <translation>
            <numerusform>%n Sechstel</numerusform>
            <numerusform>%n Sechstel</numerusform>
        </translation>
    </message>
    <message>
        <source>one seventh</source>
        <translation>ein Siebtel</translation>
    </message>
    <message numerus="yes">
        <source>%n sevenths</source>
        <translation>
            <numerusform>%n Siebtel</numerusform>
            <numerusform>%n Siebtel</numerusform>
        </translation>
    </message>
    <message>
        <source>one eighth</source>
        <translation>ein Achtel</translation>
    </message>
    <message numerus="yes">
        <source>%n eighths</source>
        <translation>
            <numerusform>%n Achtel</numerusform>
            <numerusform>%n Achtel</numerusform>
        </translation>
    </message>
    <message>
        <source>one ninth</source>
        <translation>ein Neuntel</translation>
    </message>
    <message numerus="yes">
        <source>%n ninths</source>
        <translation>
            <numerusform>%n Neuntel</numerusform>
            <numerusform>%n Neuntel</numerusform>
        </translation>
    </message>
    <message>
        <source>one tenth</source>
        <translation>ein Zehntel</translation>
    </message>
    <message numerus="yes">
        <source>%n tenths</source>
        <translation>
            <numerusform>%n Zehntel</numerusform>
            <numerusform>%n Zehntel</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 over %2</source>
        <extracomment>A fraction whose denominator has no name of its own, said as a formula is read: &quot;15 over 17&quot;.</extracomment>
        <translation>%1 durch %2</translation>
    </message>
    <message numerus="yes">
        <source>%n and %1</source>
        <extracomment>A whole number and a fraction, as a mixed number is said: &quot;3 and one half&quot;.</extracomment>
        <translation>
            <numerusform>%n und %1</numerusform>
            <numerusform>%n und %1</numerusform>
        </translation>
    </message>
    <message>
        <source>minus %1</source>
        <extracomment>A negative mixed number or fraction: &quot;minus 3 and one half&quot;.</extracomment>
        <translation>minus %1</translation>
    </message>
</context>
<context>
    <name>frmSetup</name>
    <message>
        <source>Addition: positive results</source>
        <translation>Addition: positive Ergebnisse</translation>
    </message>
    <message>
        <source>Addition: zero results</source>
        <translation>Addition: Ergebnis null</translation>
    </message>
    <message>
        <source>Addition: negative results</source>
        <translation>Addition: negative Ergebnisse</translation>
    </message>
    <message>
        <source>Subtraction: positive results</source>
        <translation>Subtraktion: positive Ergebnisse</translation>
    </message>
    <message>
        <source>Subtraction: zero results</source>
        <translation>Subtraktion: Ergebnis null</translation>
    </message>
    <message>
        <source>Subtraction: negative results</source>
        <translation>Subtraktion: negative Ergebnisse</translation>
    </message>
    <message>
        <source>Multiplication: positive results</source>
        <translation>Multiplikation: positive Ergebnisse</translation>
    </message>
    <message>
        <source>Multiplication: negative results</source>
        <translation>Multiplikation: negative Ergebnisse</translation>
    </message>
    <message>
        <source>Division: positive results</source>
        <translation>Division: positive Ergebnisse</translation>
    </message>
    <message>
        <source>Division: negative results</source>
        <translation>Division: negative Ergebnisse</translation>
    </message>
    <message>
        <source>Division: whole results</source>
        <translation>Division: Ergebnisse ohne Rest</translation>
    </message>
    <message>
        <source>Division: fraction results</source>
        <translation>Division: Ergebnisse mit Rest</translation>
    </message>
    <message>
        <source>Addition</source>
        <translation>Addition</translation>
    </message>
    <message>
        <source>Include addition</source>
        <translation>Addition wählen</translation>
    </message>
    <message>
        <source>Subtraction</source>
        <translation>Subtraktion</translation>
    </message>
    <message>
        <source>Include subtraction</source>
        <translation>Subtraktion wählen</translation>
    </message>
    <message>
        <source>Multiplication</source>
        <translation>Multiplikation</translation>
    </message>
    <message>
        <source>Include multiplication</source>
        <translation>Multiplikation wählen</translation>
    </message>
    <message>
        <source>Division</source>
        <translation>Division</translation>
    </message>
    <message>
        <source>Include division</source>
        <translation>Division wählen</translation>
    </message>
    <message>
        <source>Tallywick - Setup</source>
        <translation>Tallywick - Optionen</translation>
    </message>
    <message>
        <source>Second</source>
        <translation>Sekunde</translation>
    </message>
    <message numerus="yes">
        <source>Seconds</source>
        <comment>after a whole number of seconds</comment>
        <translation>
            <numerusform>Sekunde</numerusform>
            <numerusform>Sekunden</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Seconds</source>
        <comment>after a wait with tenths of a second</comment>
        <translation>
            <numerusform>Sekunden</numerusform>
            <numerusform>Sekunden</numerusform>
        </translation>
    </message>
    <message>
        <source>to</source>
        <translation>bis</translation>
    </message>
    <message>
        <source>Bottom Term</source>
        <translation>Untere Zahl</translation>
    </message>
    <message>
        <source>Top Term</source>
        <translation>Obere Zahl</translation>
    </message>
    <message>
        <source>Term Limits</source>
        <translation>Zahlenbereich</translation>
    </message>
    <message>
        <source>Show Answer</source>
        <translation>Ergebnis zeigen</translation>
    </message>
    <message>
        <source>Operations and Results</source>
        <translation>Rechenarten und Ergebnisse</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>Sekunden</translation>
    </message>
    <message>
        <source>Top term, lower limit</source>
        <translation>Obere Zahl, untere Grenze</translation>
    </message>
    <message>
        <source>Top term, upper limit</source>
        <translation>Obere Zahl, obere Grenze</translation>
    </message>
    <message>
        <source>Bottom term, lower limit</source>
        <translation>Untere Zahl, untere Grenze</translation>
    </message>
    <message>
        <source>Bottom term, upper limit</source>
        <translation>Untere Zahl, obere Grenze</translation>
    </message>
    <message>
        <source>S W A P</source>
        <translation>T A U S C H E N</translation>
    </message>
    <message>
        <source>Swap the top and bottom term limits</source>
        <translation>Bereiche der oberen und unteren Zahl tauschen</translation>
    </message>
    <message>
        <source>Don&apos;t show it</source>
        <translation>Nicht zeigen</translation>
    </message>
    <message>
        <source>Don&apos;t show the result</source>
        <translation>Ergebnis nicht zeigen</translation>
    </message>
    <message>
        <source>Show after</source>
        <translation>Nach</translation>
    </message>
    <message>
        <source>Show the result after the wait</source>
        <translation>Ergebnis nach der Wartezeit zeigen</translation>
    </message>
    <message>
        <source>Wait in seconds</source>
        <translation>Wartezeit in Sekunden</translation>
    </message>
    <message>
        <source>Wait</source>
        <translation>Wartezeit</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Include</source>
        <translation>Wählen</translation>
    </message>
    <message>
        <source>Positive</source>
        <translation>Positiv</translation>
    </message>
    <message>
        <source>Negative</source>
        <translation>Negativ</translation>
    </message>
    <message>
        <source>Zero</source>
        <translation>Null</translation>
    </message>
    <message>
        <source>Whole</source>
        <translation>Restlos</translation>
    </message>
    <message>
        <source>Fraction</source>
        <translation>Mit Rest</translation>
    </message>
    <message>
        <source>Included</source>
        <translation>Gewählt</translation>
    </message>
</context>
</TS>
