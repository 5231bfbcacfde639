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
        <extracomment>The problem as a screen reader says it, then its result: &quot;7 plus 5 equals 12&quot;.</extracomment>
        <translation>%1 är lika med %2</translation>
    </message>
    <message>
        <source>No problem fits the current settings.

Open Setup and allow more kinds of result for the included operations, or change the term limits.</source>
        <translation>Inget tal passar de nuvarande inställningarna.

Öppna Ställ in och tillåt fler sorters svar för de valda räknesätten, eller ändra talområdet.</translation>
    </message>
</context>
</TS>
