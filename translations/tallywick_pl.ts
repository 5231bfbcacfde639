<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
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
        <translation>Brak zadania</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A part of the problem and what it shows, as a screen reader says it: &quot;Operator: times&quot;.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Opcje</translation>
    </message>
    <message>
        <source>New Problem</source>
        <translation>Następny</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Zakończ</translation>
    </message>
    <message>
        <source>Operator</source>
        <translation>Znak działania</translation>
    </message>
    <message>
        <source>Top term</source>
        <translation>Górna liczba</translation>
    </message>
    <message>
        <source>Bottom term</source>
        <translation>Dolna liczba</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Wynik</translation>
    </message>
    <message>
        <source>%1 equals %2</source>
        <extracomment>The problem as a screen reader says it, then its result: &quot;7 plus 5 equals 12&quot;, &quot;7 divided by 2 equals 3 and one half&quot;.</extracomment>
        <translation>%1 równa się %2</translation>
    </message>
    <message>
        <source>No problem fits the current settings.

Open Setup and allow more kinds of result for the included operations, or change the term limits.</source>
        <translation>Żadne zadanie nie pasuje do obecnych ustawień.

Otwórz ustawienia i dopuść więcej rodzajów wyników dla włączonych działań albo zmień zakres liczb.</translation>
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
        <translation>razy</translation>
    </message>
    <message>
        <source>divided by</source>
        <translation>podzielić przez</translation>
    </message>
    <message>
        <source>one half</source>
        <translation>jedna druga</translation>
    </message>
    <message>
        <source>one third</source>
        <translation>jedna trzecia</translation>
    </message>
    <message numerus="yes">
        <source>%n thirds</source>
        <translation>
            <numerusform>%n trzecia</numerusform>
            <numerusform>%n trzecie</numerusform>
            <numerusform>%n trzecich</numerusform>
        </translation>
    </message>
    <message>
        <source>one quarter</source>
        <translation>jedna czwarta</translation>
    </message>
    <message numerus="yes">
        <source>%n quarters</source>
        <translation>
            <numerusform>%n czwarta</numerusform>
            <numerusform>%n czwarte</numerusform>
            <numerusform>%n czwartych</numerusform>
        </translation>
    </message>
    <message>
        <source>one fifth</source>
        <translation>jedna piąta</translation>
    </message>
    <message numerus="yes">
        <source>%n fifths</source>
        <translation>
            <numerusform>%n piąta</numerusform>
            <numerusform>%n piąte</numerusform>
            <numerusform>%n piątych</numerusform>
        </translation>
    </message>
    <message>
        <source>one sixth</source>
        <translation>jedna szósta</translation>
    </message>
    <message numerus="yes">
        <source>%n sixths</source>
        <translation>
            <numerusform>%n szósta</numerusform>
            <numerusform>%n szóste</numerusform>
            <numerusform>%n szóstych</numerusform>
        </translation>
    </message>
    <message>
        <source>one seventh</source>
        <translation>jedna siódma</translation>
    </message>
    <message numerus="yes">
        <source>%n sevenths</source>
        <translation>
            <numerusform>%n siódma</numerusform>
            <numerusform>%n siódme</numerusform>
            <numerusform>%n siódmych</numerusform>
        </translation>
    </message>
    <message>
        <source>one eighth</source>
        <translation>jedna ósma</translation>
    </message>
    <message numerus="yes">
        <source>%n eighths</source>
        <translation>
            <numerusform>%n ósma</numerusform>
            <numerusform>%n ósme</numerusform>
            <numerusform>%n ósmych</numerusform>
        </translation>
    </message>
    <message>
        <source>one ninth</source>
        <translation>jedna dziewiąta</translation>
    </message>
    <message numerus="yes">
        <source>%n ninths</source>
        <translation>
            <numerusform>%n dziewiąta</numerusform>
            <numerusform>%n dziewiąte</numerusform>
            <numerusform>%n dziewiątych</numerusform>
        </translation>
    </message>
    <message>
        <source>one tenth</source>
        <translation>jedna dziesiąta</translation>
    </message>
    <message numerus="yes">
        <source>%n tenths</source>
        <translation>
            <numerusform>%n dziesiąta</numerusform>
            <numerusform>%n dziesiąte</numerusform>
            <numerusform>%n dziesiątych</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 over %2</source>
        <extracomment>A fraction whose denominator has no name of its own, said as a formula is read: &quot;15 over 17&quot;.</extracomment>
        <translation>%1 przez %2</translation>
    </message>
    <message numerus="yes">
        <source>%n and %1</source>
        <extracomment>A whole number and a fraction, as a mixed number is said: &quot;3 and one half&quot;.</extracomment>
        <translation>
            <numerusform>%n i %1</numerusform>
            <numerusform>%n i %1</numerusform>
            <numerusform>%n i %1</numerusform>
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
        <translation>Dodawanie: wyniki dodatnie</translation>
    </message>
    <message>
        <source>Addition: zero results</source>
        <translation>Dodawanie: wynik zero</translation>
    </message>
    <message>
        <source>Addition: negative results</source>
        <translation>Dodawanie: wyniki ujemne</translation>
    </message>
    <message>
        <source>Subtraction: positive results</source>
        <translation>Odejmowanie: wyniki dodatnie</translation>
    </message>
    <message>
        <source>Subtraction: zero results</source>
        <translation>Odejmowanie: wynik zero</translation>
    </message>
    <message>
        <source>Subtraction: negative results</source>
        <translation>Odejmowanie: wyniki ujemne</translation>
    </message>
    <message>
        <source>Multiplication: positive results</source>
        <translation>Mnożenie: wyniki dodatnie</translation>
    </message>
    <message>
        <source>Multiplication: negative results</source>
        <translation>Mnożenie: wyniki ujemne</translation>
    </message>
    <message>
        <source>Division: positive results</source>
        <translation>Dzielenie: wyniki dodatnie</translation>
    </message>
    <message>
        <source>Division: negative results</source>
        <translation>Dzielenie: wyniki ujemne</translation>
    </message>
    <message>
        <source>Division: whole results</source>
        <translation>Dzielenie: wyniki całkowite</translation>
    </message>
    <message>
        <source>Division: fraction results</source>
        <translation>Dzielenie: wyniki z resztą</translation>
    </message>
    <message>
        <source>Addition</source>
        <translation>Dodawanie</translation>
    </message>
    <message>
        <source>Include addition</source>
        <translation>Włącz dodawanie</translation>
    </message>
    <message>
        <source>Subtraction</source>
        <translation>Odejmowanie</translation>
    </message>
    <message>
        <source>Include subtraction</source>
        <translation>Włącz odejmowanie</translation>
    </message>
    <message>
        <source>Multiplication</source>
        <translation>Mnożenie</translation>
    </message>
    <message>
        <source>Include multiplication</source>
        <translation>Włącz mnożenie</translation>
    </message>
    <message>
        <source>Division</source>
        <translation>Dzielenie</translation>
    </message>
    <message>
        <source>Include division</source>
        <translation>Włącz dzielenie</translation>
    </message>
    <message>
        <source>Tallywick - Setup</source>
        <translation>Tallywick - Opcje</translation>
    </message>
    <message>
        <source>Second</source>
        <translation>sekundę</translation>
    </message>
    <message numerus="yes">
        <source>Seconds</source>
        <comment>after a whole number of seconds</comment>
        <translation>
            <numerusform>sekundę</numerusform>
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
        <translation>do</translation>
    </message>
    <message>
        <source>Bottom Term</source>
        <translation>Dolna liczba</translation>
    </message>
    <message>
        <source>Top Term</source>
        <translation>Górna liczba</translation>
    </message>
    <message>
        <source>Term Limits</source>
        <translation>Zakres liczb</translation>
    </message>
    <message>
        <source>Show Answer</source>
        <translation>Pokaż wynik</translation>
    </message>
    <message>
        <source>Operations and Results</source>
        <translation>Działania i wyniki</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>sekund</translation>
    </message>
    <message>
        <source>Top term, lower limit</source>
        <translation>Górna liczba, dolna granica</translation>
    </message>
    <message>
        <source>Top term, upper limit</source>
        <translation>Górna liczba, górna granica</translation>
    </message>
    <message>
        <source>Bottom term, lower limit</source>
        <translation>Dolna liczba, dolna granica</translation>
    </message>
    <message>
        <source>Bottom term, upper limit</source>
        <translation>Dolna liczba, górna granica</translation>
    </message>
    <message>
        <source>S W A P</source>
        <translation>Z A M I E Ń</translation>
    </message>
    <message>
        <source>Swap the top and bottom term limits</source>
        <translation>Zamień zakresy górnej i dolnej liczby</translation>
    </message>
    <message>
        <source>Don&apos;t show it</source>
        <translation>Nie pokazuj</translation>
    </message>
    <message>
        <source>Don&apos;t show the result</source>
        <translation>Nie pokazuj wyniku</translation>
    </message>
    <message>
        <source>Show after</source>
        <translation>Pokaż za</translation>
    </message>
    <message>
        <source>Show the result after the wait</source>
        <translation>Pokaż wynik po czasie oczekiwania</translation>
    </message>
    <message>
        <source>Wait in seconds</source>
        <translation>Czas oczekiwania w sekundach</translation>
    </message>
    <message>
        <source>Wait</source>
        <translation>Czas oczekiwania</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>Include</source>
        <translation>Włącz</translation>
    </message>
    <message>
        <source>Positive</source>
        <translation>Dodatni</translation>
    </message>
    <message>
        <source>Negative</source>
        <translation>Ujemny</translation>
    </message>
    <message>
        <source>Zero</source>
        <translation>Zero</translation>
    </message>
    <message>
        <source>Whole</source>
        <translation>Całkowity</translation>
    </message>
    <message>
        <source>Fraction</source>
        <translation>Z resztą</translation>
    </message>
    <message>
        <source>Included</source>
        <translation>Włączone</translation>
    </message>
</context>
</TS>
