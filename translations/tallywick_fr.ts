<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
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
        <translation>Aucun calcul affiché</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A part of the problem and what it shows, as a screen reader says it: &quot;Operator: times&quot;.</extracomment>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Réglages</translation>
    </message>
    <message>
        <source>New Problem</source>
        <translation>Autre calcul</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Operator</source>
        <translation>Signe opératoire</translation>
    </message>
    <message>
        <source>Top term</source>
        <translation>Nombre du haut</translation>
    </message>
    <message>
        <source>Bottom term</source>
        <translation>Nombre du bas</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Résultat</translation>
    </message>
    <message>
        <source>%1 equals %2</source>
        <extracomment>The problem as a screen reader says it, then its result: &quot;7 plus 5 equals 12&quot;, &quot;7 divided by 2 equals 3 and one half&quot;.</extracomment>
        <translation>%1 égale %2</translation>
    </message>
    <message>
        <source>No problem fits the current settings.

Open Setup and allow more kinds of result for the included operations, or change the term limits.</source>
        <translation>Aucun calcul ne correspond aux réglages actuels.

Ouvrez les réglages et autorisez plus de sortes de résultats pour les opérations incluses, ou modifiez les bornes des nombres.</translation>
    </message>
    <message>
        <source>plus</source>
        <translation>plus</translation>
    </message>
    <message>
        <source>minus</source>
        <translation>moins</translation>
    </message>
    <message>
        <source>times</source>
        <translation>fois</translation>
    </message>
    <message>
        <source>divided by</source>
        <translation>divisé par</translation>
    </message>
    <message>
        <source>one half</source>
        <translation>un demi</translation>
    </message>
    <message>
        <source>one third</source>
        <translation>un tiers</translation>
    </message>
    <message numerus="yes">
        <source>%n thirds</source>
        <translation>
            <numerusform>%n tiers</numerusform>
            <numerusform>%n tiers</numerusform>
        </translation>
    </message>
    <message>
        <source>one quarter</source>
        <translation>un quart</translation>
    </message>
    <message numerus="yes">
        <source>%n quarters</source>
        <translation>
            <numerusform>%n quart</numerusform>
            <numerusform>%n quarts</numerusform>
        </translation>
    </message>
    <message>
        <source>one fifth</source>
        <translation>un cinquième</translation>
    </message>
    <message numerus="yes">
        <source>%n fifths</source>
        <translation>
            <numerusform>%n cinquième</numerusform>
            <numerusform>%n cinquièmes</numerusform>
        </translation>
    </message>
    <message>
        <source>one sixth</source>
        <translation>un sixième</translation>
    </message>
    <message numerus="yes">
        <source>%n sixths</source>
        <translation>
            <numerusform>%n sixième</numerusform>
            <numerusform>%n sixièmes</numerusform>
        </translation>
    </message>
    <message>
        <source>one seventh</source>
        <translation>un septième</translation>
    </message>
    <message numerus="yes">
        <source>%n sevenths</source>
        <translation>
            <numerusform>%n septième</numerusform>
            <numerusform>%n septièmes</numerusform>
        </translation>
    </message>
    <message>
        <source>one eighth</source>
        <translation>un huitième</translation>
    </message>
    <message numerus="yes">
        <source>%n eighths</source>
        <translation>
            <numerusform>%n huitième</numerusform>
            <numerusform>%n huitièmes</numerusform>
        </translation>
    </message>
    <message>
        <source>one ninth</source>
        <translation>un neuvième</translation>
    </message>
    <message numerus="yes">
        <source>%n ninths</source>
        <translation>
            <numerusform>%n neuvième</numerusform>
            <numerusform>%n neuvièmes</numerusform>
        </translation>
    </message>
    <message>
        <source>one tenth</source>
        <translation>un dixième</translation>
    </message>
    <message numerus="yes">
        <source>%n tenths</source>
        <translation>
            <numerusform>%n dixième</numerusform>
            <numerusform>%n dixièmes</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 over %2</source>
        <extracomment>A fraction whose denominator has no name of its own, said as a formula is read: &quot;15 over 17&quot;.</extracomment>
        <translation>%1 sur %2</translation>
    </message>
    <message numerus="yes">
        <source>%n and %1</source>
        <extracomment>A whole number and a fraction, as a mixed number is said: &quot;3 and one half&quot;.</extracomment>
        <translation>
            <numerusform>%n et %1</numerusform>
            <numerusform>%n et %1</numerusform>
        </translation>
    </message>
    <message>
        <source>minus %1</source>
        <extracomment>A negative mixed number or fraction: &quot;minus 3 and one half&quot;.</extracomment>
        <translation>moins %1</translation>
    </message>
</context>
<context>
    <name>frmSetup</name>
    <message>
        <source>Addition: positive results</source>
        <translation>Addition : résultats positifs</translation>
    </message>
    <message>
        <source>Addition: zero results</source>
        <translation>Addition : résultat zéro</translation>
    </message>
    <message>
        <source>Addition: negative results</source>
        <translation>Addition : résultats négatifs</translation>
    </message>
    <message>
        <source>Subtraction: positive results</source>
        <translation>Soustraction : résultats positifs</translation>
    </message>
    <message>
        <source>Subtraction: zero results</source>
        <translation>Soustraction : résultat zéro</translation>
    </message>
    <message>
        <source>Subtraction: negative results</source>
        <translation>Soustraction : résultats négatifs</translation>
    </message>
    <message>
        <source>Multiplication: positive results</source>
        <translation>Multiplication : résultats positifs</translation>
    </message>
    <message>
        <source>Multiplication: negative results</source>
        <translation>Multiplication : résultats négatifs</translation>
    </message>
    <message>
        <source>Division: positive results</source>
        <translation>Division : résultats positifs</translation>
    </message>
    <message>
        <source>Division: negative results</source>
        <translation>Division : résultats négatifs</translation>
    </message>
    <message>
        <source>Division: whole results</source>
        <translation>Division : résultats entiers</translation>
    </message>
    <message>
        <source>Division: fraction results</source>
        <translation>Division : résultats fractionnaires</translation>
    </message>
    <message>
        <source>Addition</source>
        <translation>Addition</translation>
    </message>
    <message>
        <source>Include addition</source>
        <translation>Inclure l&apos;addition</translation>
    </message>
    <message>
        <source>Subtraction</source>
        <translation>Soustraction</translation>
    </message>
    <message>
        <source>Include subtraction</source>
        <translation>Inclure la soustraction</translation>
    </message>
    <message>
        <source>Multiplication</source>
        <translation>Multiplication</translation>
    </message>
    <message>
        <source>Include multiplication</source>
        <translation>Inclure la multiplication</translation>
    </message>
    <message>
        <source>Division</source>
        <translation>Division</translation>
    </message>
    <message>
        <source>Include division</source>
        <translation>Inclure la division</translation>
    </message>
    <message>
        <source>Tallywick - Setup</source>
        <translation>Tallywick - Réglages</translation>
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
            <numerusform>secondes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Seconds</source>
        <comment>after a wait with tenths of a second</comment>
        <translation>
            <numerusform>seconde</numerusform>
            <numerusform>secondes</numerusform>
        </translation>
    </message>
    <message>
        <source>to</source>
        <translation>à</translation>
    </message>
    <message>
        <source>Bottom Term</source>
        <translation>Nombre du bas</translation>
    </message>
    <message>
        <source>Top Term</source>
        <translation>Nombre du haut</translation>
    </message>
    <message>
        <source>Term Limits</source>
        <translation>Bornes des nombres</translation>
    </message>
    <message>
        <source>Show Answer</source>
        <translation>Afficher le résultat</translation>
    </message>
    <message>
        <source>Operations and Results</source>
        <translation>Opérations et résultats</translation>
    </message>
    <message>
        <source>Seconds</source>
        <translation>secondes</translation>
    </message>
    <message>
        <source>Top term, lower limit</source>
        <translation>Nombre du haut, borne inférieure</translation>
    </message>
    <message>
        <source>Top term, upper limit</source>
        <translation>Nombre du haut, borne supérieure</translation>
    </message>
    <message>
        <source>Bottom term, lower limit</source>
        <translation>Nombre du bas, borne inférieure</translation>
    </message>
    <message>
        <source>Bottom term, upper limit</source>
        <translation>Nombre du bas, borne supérieure</translation>
    </message>
    <message>
        <source>S W A P</source>
        <translation>É C H A N G E R</translation>
    </message>
    <message>
        <source>Swap the top and bottom term limits</source>
        <translation>Échanger les bornes du nombre du haut et du nombre du bas</translation>
    </message>
    <message>
        <source>Don&apos;t show it</source>
        <translation>Ne pas afficher</translation>
    </message>
    <message>
        <source>Don&apos;t show the result</source>
        <translation>Ne pas afficher le résultat</translation>
    </message>
    <message>
        <source>Show after</source>
        <translation>Après</translation>
    </message>
    <message>
        <source>Show the result after the wait</source>
        <translation>Afficher le résultat après l&apos;attente</translation>
    </message>
    <message>
        <source>Wait in seconds</source>
        <translation>Attente en secondes</translation>
    </message>
    <message>
        <source>Wait</source>
        <translation>Attente</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Include</source>
        <translation>Inclure</translation>
    </message>
    <message>
        <source>Positive</source>
        <translation>Positif</translation>
    </message>
    <message>
        <source>Negative</source>
        <translation>Négatif</translation>
    </message>
    <message>
        <source>Zero</source>
        <translation>Zéro</translation>
    </message>
    <message>
        <source>Whole</source>
        <translation>Entier</translation>
    </message>
    <message>
        <source>Fraction</source>
        <translation>Fraction</translation>
    </message>
    <message>
        <source>Included</source>
        <translation>Incluse</translation>
    </message>
</context>
</TS>
