<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl">
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
        <translation>Geen som getoond</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A part of the problem and what it shows, as a screen reader says it: &quot;Operator: times&quot;.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Instellen</translation>
    </message>
    <message>
        <source>New Problem</source>
        <translation>Nieuwe som</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Stoppen</translation>
    </message>
    <message>
        <source>Operator</source>
        <translation>Rekenteken</translation>
    </message>
    <message>
        <source>Top term</source>
        <translation>Bovenste getal</translation>
    </message>
    <message>
        <source>Bottom term</source>
        <translation>Onderste getal</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Uitkomst</translation>
    </message>
    <message>
        <source>%1 equals %2</source>
        <extracomment>The problem as a screen reader says it, then its result: &quot;7 plus 5 equals 12&quot;, &quot;7 divided by 2 equals 3 and one half&quot;.</extracomment>
        <translation>%1 is %2</translation>
    </message>
    <message>
        <source>No problem fits the current settings.

Open Setup and allow more kinds of result for the included operations, or change the term limits.</source>
        <translation>Geen som past bij de huidige instellingen.

Open Instellen en sta meer soorten uitkomsten toe voor de gekozen bewerkingen, of verander het getallenbereik.</translation>
    </message>
    <message>
        <source>plus</source>
        <translation>plus</translation>
    </message>
    <message>
        <source>minus</source>
        <translation>min</translation>
    </message>
    <message>
        <source>times</source>
        <translation>keer</translation>
    </message>
    <message>
        <source>divided by</source>
        <translation>gedeeld door</translation>
    </message>
    <message>
        <source>one half</source>
        <translation>een half</translation>
    </message>
    <message>
        <source>one third</source>
        <translation>een derde</translation>
    </message>
    <message numerus="yes">
        <source>%n thirds</source>
        <translation>
            <numerusform>%n derde</numerusform>
            <numerusform>%n derde</numerusform>
        </translation>
    </message>
    <message>
        <source>one quarter</source>
        <translation>een vierde</translation>
    </message>
    <message numerus="yes">
        <source>%n quarters</source>
        <translation>
            <numerusform>%n vierde</numerusform>
            <numerusform>%n vierde</numerusform>
        </translation>
    </message>
    <message>
        <source>one fifth</source>
        <translation>een vijfde</translation>
    </message>
    <message numerus="yes">
        <source>%n fifths</source>
        <translation>
            <numerusform>%n vijfde</numerusform>
            <numerusform>%n vijfde</numerusform>
        </translation>
    </message>
    <message>
        <source>one sixth</source>
        <translation>een zesde</translation>
    </message>
    <message numerus="yes">
        <source>%n sixths</source>
        <translation>
            <numerusform>%n zesde</numerusform>
            <numerusform>%n zesde</numerusform>
        </translation>
    </message>
    <message>
        <source>one seventh</source>
        <translation>een zevende</translation>
    </message>
    <message numerus="yes">
        <source>%n sevenths</source>
        <translation>
            <numerusform>%n zevende</numerusform>
            <numerusform>%n zevende</numerusform>
        </translation>
    </message>
    <message>
        <source>one eighth</source>
        <translation>een achtste</translation>
    </message>
    <message numerus="yes">
        <source>%n eighths</source>
        <translation>
            <numerusform>%n achtste</numerusform>
            <numerusform>%n achtste</numerusform>
        </translation>
    </message>
    <message>
        <source>one ninth</source>
        <translation>een negende</translation>
    </message>
    <message numerus="yes">
        <source>%n ninths</source>
        <translation>
            <numerusform>%n negende</numerusform>
            <numerusform>%n negende</numerusform>
        </translation>
    </message>
    <message>
        <source>one tenth</source>
        <translation>een tiende</translation>
    </message>
    <message numerus="yes">
        <source>%n tenths</source>
        <translation>
            <numerusform>%n tiende</numerusform>
            <numerusform>%n tiende</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 over %2</source>
        <extracomment>A fraction whose denominator has no name of its own, said as a formula is read: &quot;15 over 17&quot;.</extracomment>
        <translation>%1 gedeeld door %2</translation>
    </message>
    <message numerus="yes">
        <source>%n and %1</source>
        <extracomment>A whole number and a fraction, as a mixed number is said: &quot;3 and one half&quot;.</extracomment>
        <translation>
            <numerusform>%n en %1</numerusform>
            <numerusform>%n en %1</numerusform>
        </translation>
    </message>
    <message>
        <source>minus %1</source>
        <extracomment>A negative mixed number or fraction: &quot;minus 3 and one half&quot;.</extracomment>
        <translation>min %1</translation>
    </message>
</context>
<context>
    <name>frmSetup</name>
    <message>
        <source>Addition: positive results</source>
        <translation>Optellen: positieve uitkomsten</translation>
    </message>
    <message>
        <source>Addition: zero results</source>
        <translation>Optellen: uitkomst nul</translation>
    </message>
    <message>
        <source>Addition: negative results</source>
        <translation>Optellen: negatieve uitkomsten</translation>
    </message>
    <message>
        <source>Subtraction: positive results</source>
        <translation>Aftrekken: positieve uitkomsten</translation>
    </message>
    <message>
        <source>Subtraction: zero results</source>
        <translation>Aftrekken: uitkomst nul</translation>
    </message>
    <message>
        <source>Subtraction: negative results</source>
        <translation>Aftrekken: negatieve uitkomsten</translation>
    </message>
    <message>
        <source>Multiplication: positive results</source>
        <translation>Vermenigvuldigen: positieve uitkomsten</translation>
    </message>
    <message>
        <source>Multiplication: negative results</source>
        <translation>Vermenigvuldigen: negatieve uitkomsten</translation>
    </message>
    <message>
        <source>Division: positive results</source>
        <translation>Delen: positieve uitkomsten</translation>
    </message>
    <message>
        <source>Division: negative results</source>
        <translation>Delen: negatieve uitkomsten</translation>
    </message>
    <message>
        <source>Division: whole results</source>
        <translation>Delen: uitkomsten zonder rest</translation>
    </message>
    <message>
        <source>Division: fraction results</source>
        <translation>Delen: uitkomsten met rest</translation>
    </message>
    <message>
        <source>Addition</source>
        <translation>Optellen</translation>
    </message>
    <message>
        <source>Include addition</source>
        <translation>optellen kiezen</translation>
    </message>
    <message>
        <source>Subtraction</source>
        <translation>Aftrekken</translation>
    </message>
    <message>
        <source>Include subtraction</source>
        <translation>aftrekken kiezen</translation>
    </message>
    <message>
        <source>Multiplication</source>
        <translation>Vermenigvuldigen</translation>
    </message>
    <message>
        <source>Include multiplication</source>
        <translation>vermenigvuldigen kiezen</translation>
    </message>
    <message>
        <source>Division</source>
        <translation>Delen</translation>
    </message>
    <message>
        <source>Include division</source>
        <translation>delen kiezen</translation>
    </message>
    <message>
        <source>Tallywick - Setup</source>
        <translation>Tallywick - Instellingen</translation>
    </message>
    <message>
        <source>Second</source>
        <translation>seconde</translation>
    </message>
    <message numerus="yes">
        <source>Seconds</source>
        <comment>after a whole number of seconds</comment>
        <translation>
            <numerusform>seconde</numerusform>
            <numerusform>seconden</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Seconds</source>
        <comment>after a wait with tenths of a second</comment>
        <translation>
            <numerusform>seconden</numerusform>
            <numerusform>seconden</numerusform>
        </translation>
    </message>
    <message>
        <source>to</source>
        <translation>tot</translation>
    </message>
    <message>
        <source>Bottom Term</source>
        <translation>Onderste getal</translation>
    </message>
    <message>
        <source>Top Term</source>
        <translation>Bovenste getal</translation>
    </message>
    <message>
        <source>Term Limits</source>
        <translation>Getallenbereik</translation>
    </message>
    <message>
        <source>Show Answer</source>
        <translation>Uitkomst tonen</translation>
    </message>
    <message>
        <source>Operations and Results</source>
        <translation>Bewerkingen en uitkomsten</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>seconden</translation>
    </message>
    <message>
        <source>Top term, lower limit</source>
        <translation>Bovenste getal, ondergrens</translation>
    </message>
    <message>
        <source>Top term, upper limit</source>
        <translation>Bovenste getal, bovengrens</translation>
    </message>
    <message>
        <source>Bottom term, lower limit</source>
        <translation>Onderste getal, ondergrens</translation>
    </message>
    <message>
        <source>Bottom term, upper limit</source>
        <translation>Onderste getal, bovengrens</translation>
    </message>
    <message>
        <source>S W A P</source>
        <translation>W I S S E L E N</translation>
    </message>
    <message>
        <source>Swap the top and bottom term limits</source>
        <translation>De grenzen van het bovenste en onderste getal wisselen</translation>
    </message>
    <message>
        <source>Don&apos;t show it</source>
        <translation>Niet tonen</translation>
    </message>
    <message>
        <source>Don&apos;t show the result</source>
        <translation>Uitkomst niet tonen</translation>
    </message>
    <message>
        <source>Show after</source>
        <translation>Tonen na</translation>
    </message>
    <message>
        <source>Show the result after the wait</source>
        <translation>Uitkomst na de wachttijd tonen</translation>
    </message>
    <message>
        <source>Wait in seconds</source>
        <translation>Wachttijd in seconden</translation>
    </message>
    <message>
        <source>Wait</source>
        <translation>Wachttijd</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <source>Include</source>
        <translation>Kiezen</translation>
    </message>
    <message>
        <source>Positive</source>
        <translation>Positief</translation>
    </message>
    <message>
        <source>Negative</source>
        <translation>Negatief</translation>
    </message>
    <message>
        <source>Zero</source>
        <translation>Nul</translation>
    </message>
    <message>
        <source>Whole</source>
        <translation>Restloos</translation>
    </message>
    <message>
        <source>Fraction</source>
        <translation>Met rest</translation>
    </message>
    <message>
        <source>Included</source>
        <translation>Gekozen</translation>
    </message>
</context>
</TS>
