<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
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
        <translation>Nessun calcolo mostrato</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A part of the problem and what it shows, as a screen reader says it: &quot;Operator: times&quot;.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Opzioni</translation>
    </message>
    <message>
        <source>New Problem</source>
        <translation>Altro calcolo</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>Operator</source>
        <translation>Segno</translation>
    </message>
    <message>
        <source>Top term</source>
        <translation>Numero sopra</translation>
    </message>
    <message>
        <source>Bottom term</source>
        <translation>Numero sotto</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Risultato</translation>
    </message>
    <message>
        <source>%1 equals %2</source>
        <extracomment>The problem as a screen reader says it, then its result: &quot;7 plus 5 equals 12&quot;.</extracomment>
        <translation>%1 uguale %2</translation>
    </message>
    <message>
        <source>No problem fits the current settings.

Open Setup and allow more kinds of result for the included operations, or change the term limits.</source>
        <translation>Nessun calcolo rispetta le impostazioni attuali.

Apri le opzioni e consenti più tipi di risultato per le operazioni incluse, oppure cambia i limiti dei numeri.</translation>
    </message>
</context>
</TS>
