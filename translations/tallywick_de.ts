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
        <extracomment>The problem as a screen reader says it, then its result: &quot;7 plus 5 equals 12&quot;.</extracomment>
        <translation>%1 gleich %2</translation>
    </message>
    <message>
        <source>No problem fits the current settings.

Open Setup and allow more kinds of result for the included operations, or change the term limits.</source>
        <translation>Keine Aufgabe passt zu den aktuellen Einstellungen.

Öffnen Sie die Optionen und erlauben Sie für die gewählten Rechenarten mehr Arten von Ergebnissen, oder ändern Sie den Zahlenbereich.</translation>
    </message>
</context>
</TS>
