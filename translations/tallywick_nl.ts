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
        <extracomment>The problem as a screen reader says it, then its result: &quot;7 plus 5 equals 12&quot;.</extracomment>
        <translation>%1 is %2</translation>
    </message>
    <message>
        <source>No problem fits the current settings.

Open Setup and allow more kinds of result for the included operations, or change the term limits.</source>
        <translation>Geen som past bij de huidige instellingen.

Open Instellen en sta meer soorten uitkomsten toe voor de gekozen bewerkingen, of verander het getallenbereik.</translation>
    </message>
</context>
</TS>
