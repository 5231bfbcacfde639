<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="cs">
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
        <translation>Žádný příklad</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A part of the problem and what it shows, as a screen reader says it: &quot;Operator: times&quot;.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Nastavení</translation>
    </message>
    <message>
        <source>New Problem</source>
        <translation>Nový příklad</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Konec</translation>
    </message>
    <message>
        <source>Operator</source>
        <translation>Znaménko</translation>
    </message>
    <message>
        <source>Top term</source>
        <translation>Horní číslo</translation>
    </message>
    <message>
        <source>Bottom term</source>
        <translation>Dolní číslo</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Výsledek</translation>
    </message>
    <message>
        <source>%1 equals %2</source>
        <extracomment>The problem as a screen reader says it, then its result: &quot;7 plus 5 equals 12&quot;, &quot;7 divided by 2 equals 3 and one half&quot;.</extracomment>
        <translation>%1 se rovná %2</translation>
    </message>
    <message>
        <source>No problem fits the current settings.

Open Setup and allow more kinds of result for the included operations, or change the term limits.</source>
        <translation>Současnému nastavení neodpovídá žádný příklad.

Otevřete nastavení a povolte u zahrnutých operací více druhů výsledků, nebo změňte rozsah čísel.</translation>
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
        <translation>krát</translation>
    </message>
    <message>
        <source>divided by</source>
        <translation>děleno</translation>
    </message>
    <message>
        <source>one half</source>
        <translation>jedna polovina</translation>
    </message>
    <message>
        <source>one third</source>
        <translation>jedna třetina</translation>
    </message>
    <message numerus="yes">
        <source>%n thirds</source>
        <translation>
            <numerusform>%n třetina</numerusform>
            <numerusform>%n třetiny</numerusform>
            <numerusform>%n třetin</numerusform>
        </translation>
    </message>
    <message>
        <source>one quarter</source>
        <translation>jedna čtvrtina</translation>
    </message>
    <message numerus="yes">
        <source>%n quarters</source>
        <translation>
            <numerusform>%n čtvrtina</numerusform>
            <numerusform>%n čtvrtiny</numerusform>
            <numerusform>%n čtvrtin</numerusform>
        </translation>
    </message>
    <message>
        <source>one fifth</source>
        <translation>jedna pětina</translation>
    </message>
    <message numerus="yes">
        <source>%n fifths</source>
        <translation>
            <numerusform>%n pětina</numerusform>
            <numerusform>%n pětiny</numerusform>
            <numerusform>%n pětin</numerusform>
        </translation>
    </message>
    <message>
        <source>one sixth</source>
        <translation>jedna šestina</translation>
    </message>
    <message numerus="yes">
        <source>%n sixths</source>
        <translation>
            <numerusform>%n šestina</numerusform>
            <numerusform>%n šestiny</numerusform>
            <numerusform>%n šestin</numerusform>
        </translation>
    </message>
    <message>
        <source>one seventh</source>
        <translation>jedna sedmina</translation>
    </message>
    <message numerus="yes">
        <source>%n sevenths</source>
        <translation>
            <numerusform>%n sedmina</numerusform>
            <numerusform>%n sedminy</numerusform>
            <numerusform>%n sedmin</numerusform>
        </translation>
    </message>
    <message>
        <source>one eighth</source>
        <translation>jedna osmina</translation>
    </message>
    <message numerus="yes">
        <source>%n eighths</source>
        <translation>
            <numerusform>%n osmina</numerusform>
            <numerusform>%n osminy</numerusform>
            <numerusform>%n osmin</numerusform>
        </translation>
    </message>
    <message>
        <source>one ninth</source>
        <translation>jedna devítina</translation>
    </message>
    <message numerus="yes">
        <source>%n ninths</source>
        <translation>
            <numerusform>%n devítina</numerusform>
            <numerusform>%n devítiny</numerusform>
            <numerusform>%n devítin</numerusform>
        </translation>
    </message>
    <message>
        <source>one tenth</source>
        <translation>jedna desetina</translation>
    </message>
    <message numerus="yes">
        <source>%n tenths</source>
        <translation>
            <numerusform>%n desetina</numerusform>
            <numerusform>%n desetiny</numerusform>
            <numerusform>%n desetin</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 over %2</source>
        <extracomment>A fraction whose denominator has no name of its own, said as a formula is read: &quot;15 over 17&quot;.</extracomment>
        <translation>%1 lomeno %2</translation>
    </message>
    <message numerus="yes">
        <source>%n and %1</source>
        <extracomment>A whole number and a fraction, as a mixed number is said: &quot;3 and one half&quot;.</extracomment>
        <translation>
            <numerusform>%n celá %1</numerusform>
            <numerusform>%n celé %1</numerusform>
            <numerusform>%n celých %1</numerusform>
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
        <translation>Sčítání: kladné výsledky</translation>
    </message>
    <message>
        <source>Addition: zero results</source>
        <translation>Sčítání: výsledek nula</translation>
    </message>
    <message>
        <source>Addition: negative results</source>
        <translation>Sčítání: záporné výsledky</translation>
    </message>
    <message>
        <source>Subtraction: positive results</source>
        <translation>Odčítání: kladné výsledky</translation>
    </message>
    <message>
        <source>Subtraction: zero results</source>
        <translation>Odčítání: výsledek nula</translation>
    </message>
    <message>
        <source>Subtraction: negative results</source>
        <translation>Odčítání: záporné výsledky</translation>
    </message>
    <message>
        <source>Multiplication: positive results</source>
        <translation>Násobení: kladné výsledky</translation>
    </message>
    <message>
        <source>Multiplication: negative results</source>
        <translation>Násobení: záporné výsledky</translation>
    </message>
    <message>
        <source>Division: positive results</source>
        <translation>Dělení: kladné výsledky</translation>
    </message>
    <message>
        <source>Division: negative results</source>
        <translation>Dělení: záporné výsledky</translation>
    </message>
    <message>
        <source>Division: whole results</source>
        <translation>Dělení: celé výsledky</translation>
    </message>
    <message>
        <source>Division: fraction results</source>
        <translation>Dělení: výsledek zlomek</translation>
    </message>
    <message>
        <source>Addition</source>
        <translation>Sčítání</translation>
    </message>
    <message>
        <source>Include addition</source>
        <translation>Zahrnout sčítání</translation>
    </message>
    <message>
        <source>Subtraction</source>
        <translation>Odčítání</translation>
    </message>
    <message>
        <source>Include subtraction</source>
        <translation>Zahrnout odčítání</translation>
    </message>
    <message>
        <source>Multiplication</source>
        <translation>Násobení</translation>
    </message>
    <message>
        <source>Include multiplication</source>
        <translation>Zahrnout násobení</translation>
    </message>
    <message>
        <source>Division</source>
        <translation>Dělení</translation>
    </message>
    <message>
        <source>Include division</source>
        <translation>Zahrnout dělení</translation>
    </message>
    <message>
        <source>Tallywick - Setup</source>
        <translation>Tallywick - Nastavení</translation>
    </message>
    <message>
        <source>Second</source>
        <translation>sekundu</translation>
    </message>
    <message numerus="yes">
        <source>Seconds</source>
        <comment>after a whole number of seconds</comment>
        <translation>
            <numerusform>sekundu</numerusform>
            <numerusform>sekundy</numerusform>
            <numerusform>sekund</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Seconds</source>
        <comment>after a wait with tenths of a second</comment>
        <translation>
            <numerusform>sekundy</numerusform>
            <numerusform>sekundy</numerusform>
            <numerusform>sekundy</numerusform>
        </translation>
    </message>
    <message>
        <source>to</source>
        <translation>až</translation>
    </message>
    <message>
        <source>Bottom Term</source>
        <translation>Dolní číslo</translation>
    </message>
    <message>
        <source>Top Term</source>
        <translation>Horní číslo</translation>
    </message>
    <message>
        <source>Term Limits</source>
        <translation>Rozsah čísel</translation>
    </message>
    <message>
        <source>Show Answer</source>
        <translation>Zobrazit výsledek</translation>
    </message>
    <message>
        <source>Operations and Results</source>
        <translation>Operace a výsledky</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>sekund</translation>
    </message>
    <message>
        <source>Top term, lower limit</source>
        <translation>Horní číslo, dolní mez</translation>
    </message>
    <message>
        <source>Top term, upper limit</source>
        <translation>Horní číslo, horní mez</translation>
    </message>
    <message>
        <source>Bottom term, lower limit</source>
        <translation>Dolní číslo, dolní mez</translation>
    </message>
    <message>
        <source>Bottom term, upper limit</source>
        <translation>Dolní číslo, horní mez</translation>
    </message>
    <message>
        <source>S W A P</source>
        <translation>P R O H O D I T</translation>
    </message>
    <message>
        <source>Swap the top and bottom term limits</source>
        <translation>Prohodit rozsahy horního a dolního čísla</translation>
    </message>
    <message>
        <source>Don&apos;t show it</source>
        <translation>Nezobrazovat</translation>
    </message>
    <message>
        <source>Don&apos;t show the result</source>
        <translation>Nezobrazovat výsledek</translation>
    </message>
    <message>
        <source>Show after</source>
        <translation>Ukázat za</translation>
    </message>
    <message>
        <source>Show the result after the wait</source>
        <translation>Zobrazit výsledek po čekání</translation>
    </message>
    <message>
        <source>Wait in seconds</source>
        <translation>Čekání v sekundách</translation>
    </message>
    <message>
        <source>Wait</source>
        <translation>Čekání</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zavřít</translation>
    </message>
    <message>
        <source>Include</source>
        <translation>Zahrnout</translation>
    </message>
    <message>
        <source>Positive</source>
        <translation>Kladný</translation>
    </message>
    <message>
        <source>Negative</source>
        <translation>Záporný</translation>
    </message>
    <message>
        <source>Zero</source>
        <translation>Nula</translation>
    </message>
    <message>
        <source>Whole</source>
        <translation>Celý</translation>
    </message>
    <message>
        <source>Fraction</source>
        <translation>Zlomek</translation>
    </message>
    <message>
        <source>Included</source>
        <translation>Zahrnuto</translation>
    </message>
</context>
</TS>
