<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sv">
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
        <translation>Inget tal visas</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A part of the problem and what it shows, as a screen reader says it: &quot;Operator: times&quot;.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Ställ in</translation>
    </message>
    <message>
        <source>New Problem</source>
        <translation>Nytt tal</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Avsluta</translation>
    </message>
    <message>
        <source>Operator</source>
        <translation>Räknetecken</translation>
    </message>
    <message>
        <source>Top term</source>
        <translation>Övre tal</translation>
    </message>
    <message>
        <source>Bottom term</source>
        <translation>Nedre tal</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Svar</translation>
    </message>
    <message>
        <source>%1 equals %2</source>
        <extracomment>The problem as a screen reader says it, then its result: &quot;7 plus 5 equals 12&quot;, &quot;7 divided by 2 equals 3 and one half&quot;.</extracomment>
        <translation>%1 är lika med %2</translation>
    </message>
    <message>
        <source>No problem fits the current settings.

Open Setup and allow more kinds of result for the included operations, or change the term limits.</source>
        <translation>Inget tal passar de nuvarande inställningarna.

Öppna Ställ in och tillåt fler sorters svar för de valda räknesätten, eller ändra talområdet.</translation>
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
        <translation>gånger</translation>
    </message>
    <message>
        <source>divided by</source>
        <translation>delat med</translation>
    </message>
    <message>
        <source>one half</source>
        <translation>en halv</translation>
    </message>
    <message>
        <source>one third</source>
        <translation>en tredjedel</translation>
    </message>
    <message numerus="yes">
        <source>%n thirds</source>
        <translation>
            <numerusform>%n tredjedel</numerusform>
            <numerusform>%n tredjedelar</numerusform>
        </translation>
    </message>
    <message>
        <source>one quarter</source>
        <translation>en fjärdedel</translation>
    </message>
    <message numerus="yes">
        <source>%n quarters</source>
        <translation>
            <numerusform>%n fjärdedel</numerusform>
            <numerusform>%n fjärdedelar</numerusform>
        </translation>
    </message>
    <message>
        <source>one fifth</source>
        <translation>en femtedel</translation>
    </message>
    <message numerus="yes">
        <source>%n fifths</source>
        <translation>
            <numerusform>%n femtedel</numerusform>
            <numerusform>%n femtedelar</numerusform>
        </translation>
    </message>
    <message>
        <source>one sixth</source>
        <translation>en sjättedel</translation>
    </message>
    <message numerus="yes">
        <source>%n sixths</source>
        <translation>
            <numerusform>%n sjättedel</numerusform>
            <numerusform>%n sjättedelar</numerusform>
        </translation>
    </message>
    <message>
        <source>one seventh</source>
        <translation>en sjundedel</translation>
    </message>
    <message numerus="yes">
        <source>%n sevenths</source>
        <translation>
            <numerusform>%n sjundedel</numerusform>
            <numerusform>%n sjundedelar</numerusform>
        </translation>
    </message>
    <message>
        <source>one eighth</source>
        <translation>en åttondel</translation>
    </message>
    <message numerus="yes">
        <source>%n eighths</source>
        <translation>
            <numerusform>%n åttondel</numerusform>
            <numerusform>%n åttondelar</numerusform>
        </translation>
    </message>
    <message>
        <source>one ninth</source>
        <translation>en niondel</translation>
    </message>
    <message numerus="yes">
        <source>%n ninths</source>
        <translation>
            <numerusform>%n niondel</numerusform>
            <numerusform>%n niondelar</numerusform>
        </translation>
    </message>
    <message>
        <source>one tenth</source>
        <translation>en tiondel</translation>
    </message>
    <message numerus="yes">
        <source>%n tenths</source>
        <translation>
            <numerusform>%n tiondel</numerusform>
            <numerusform>%n tiondelar</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 over %2</source>
        <extracomment>A fraction whose denominator has no name of its own, said as a formula is read: &quot;15 over 17&quot;.</extracomment>
        <translation>%1 genom %2</translation>
    </message>
    <message numerus="yes">
        <source>%n and %1</source>
        <extracomment>A whole number and a fraction, as a mixed number is said: &quot;3 and one half&quot;.</extracomment>
        <translation>
            <numerusform>%n och %1</numerusform>
            <numerusform>%n och %1</numerusform>
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
        <translation>Addition: positiva svar</translation>
    </message>
    <message>
        <source>Addition: zero results</source>
        <translation>Addition: svaret noll</translation>
    </message>
    <message>
        <source>Addition: negative results</source>
        <translation>Addition: negativa svar</translation>
    </message>
    <message>
        <source>Subtraction: positive results</source>
        <translation>Subtraktion: positiva svar</translation>
    </message>
    <message>
        <source>Subtraction: zero results</source>
        <translation>Subtraktion: svaret noll</translation>
    </message>
    <message>
        <source>Subtraction: negative results</source>
        <translation>Subtraktion: negativa svar</translation>
    </message>
    <message>
        <source>Multiplication: positive results</source>
        <translation>Multiplikation: positiva svar</translation>
    </message>
    <message>
        <source>Multiplication: negative results</source>
        <translation>Multiplikation: negativa svar</translation>
    </message>
    <message>
        <source>Division: positive results</source>
        <translation>Division: positiva svar</translation>
    </message>
    <message>
        <source>Division: negative results</source>
        <translation>Division: negativa svar</translation>
    </message>
    <message>
        <source>Division: whole results</source>
        <translation>Division: svar utan rest</translation>
    </message>
    <message>
        <source>Division: fraction results</source>
        <translation>Division: svar med rest</translation>
    </message>
    <message>
        <source>Addition</source>
        <translation>Addition</translation>
    </message>
    <message>
        <source>Include addition</source>
        <translation>Ta med addition</translation>
    </message>
    <message>
        <source>Subtraction</source>
        <translation>Subtraktion</translation>
    </message>
    <message>
        <source>Include subtraction</source>
        <translation>Ta med subtraktion</translation>
    </message>
    <message>
        <source>Multiplication</source>
        <translation>Multiplikation</translation>
    </message>
    <message>
        <source>Include multiplication</source>
        <translation>Ta med multiplikation</translation>
    </message>
    <message>
        <source>Division</source>
        <translation>Division</translation>
    </message>
    <message>
        <source>Include division</source>
        <translation>Ta med division</translation>
    </message>
    <message>
        <source>Tallywick - Setup</source>
        <translation>Tallywick - Inställningar</translation>
    </message>
    <message>
        <source>Second</source>
        <translation>sekund</translation>
    </message>
    <message numerus="yes">
        <source>Seconds</source>
        <comment>after a whole number of seconds</comment>
        <translation>
            <numerusform>sekund</numerusform>
            <numerusform>sekunder</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Seconds</source>
        <comment>after a wait with tenths of a second</comment>
        <translation>
            <numerusform>sekunder</numerusform>
            <numerusform>sekunder</numerusform>
        </translation>
    </message>
    <message>
        <source>to</source>
        <translation>till</translation>
    </message>
    <message>
        <source>Bottom Term</source>
        <translation>Nedre tal</translation>
    </message>
    <message>
        <source>Top Term</source>
        <translation>Övre tal</translation>
    </message>
    <message>
        <source>Term Limits</source>
        <translation>Talområde</translation>
    </message>
    <message>
        <source>Show Answer</source>
        <translation>Visa svaret</translation>
    </message>
    <message>
        <source>Operations and Results</source>
        <translation>Räknesätt och svar</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>sekunder</translation>
    </message>
    <message>
        <source>Top term, lower limit</source>
        <translation>Övre tal, lägsta värde</translation>
    </message>
    <message>
        <source>Top term, upper limit</source>
        <translation>Övre tal, högsta värde</translation>
    </message>
    <message>
        <source>Bottom term, lower limit</source>
        <translation>Nedre tal, lägsta värde</translation>
    </message>
    <message>
        <source>Bottom term, upper limit</source>
        <translation>Nedre tal, högsta värde</translation>
    </message>
    <message>
        <source>S W A P</source>
        <translation>B Y T A</translation>
    </message>
    <message>
        <source>Swap the top and bottom term limits</source>
        <translation>Byt talområde mellan övre och nedre tal</translation>
    </message>
    <message>
        <source>Don&apos;t show it</source>
        <translation>Visa inte</translation>
    </message>
    <message>
        <source>Don&apos;t show the result</source>
        <translation>Visa inte svaret</translation>
    </message>
    <message>
        <source>Show after</source>
        <translation>Visa efter</translation>
    </message>
    <message>
        <source>Show the result after the wait</source>
        <translation>Visa svaret efter väntetiden</translation>
    </message>
    <message>
        <source>Wait in seconds</source>
        <translation>Väntetid i sekunder</translation>
    </message>
    <message>
        <source>Wait</source>
        <translation>Väntetid</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Stäng</translation>
    </message>
    <message>
        <source>Include</source>
        <translation>Ta med</translation>
    </message>
    <message>
        <source>Positive</source>
        <translation>Positivt</translation>
    </message>
    <message>
        <source>Negative</source>
        <translation>Negativt</translation>
    </message>
    <message>
        <source>Zero</source>
        <translation>Noll</translation>
    </message>
    <message>
        <source>Whole</source>
        <translation>Utan rest</translation>
    </message>
    <message>
        <source>Fraction</source>
        <translation>Med rest</translation>
    </message>
    <message>
        <source>Included</source>
        <translation>Med</translation>
    </message>
</context>
</TS>
