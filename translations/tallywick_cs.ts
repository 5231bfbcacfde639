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
        <extracomment>The problem as a screen reader says it, then its result: &quot;7 plus 5 equals 12&quot;.</extracomment>
        <translation>%1 se rovná %2</translation>
    </message>
    <message>
        <source>No problem fits the current settings.

Open Setup and allow more kinds of result for the included operations, or change the term limits.</source>
        <translation>Současnému nastavení neodpovídá žádný příklad.

Otevřete nastavení a povolte u zahrnutých operací více druhů výsledků, nebo změňte rozsah čísel.</translation>
    </message>
</context>
</TS>
