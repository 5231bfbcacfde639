<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
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
        <translation>Nenhuma conta mostrada</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A part of the problem and what it shows, as a screen reader says it: &quot;Operator: times&quot;.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Ajustes</translation>
    </message>
    <message>
        <source>New Problem</source>
        <translation>Nova conta</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>Operator</source>
        <translation>Sinal</translation>
    </message>
    <message>
        <source>Top term</source>
        <translation>Número superior</translation>
    </message>
    <message>
        <source>Bottom term</source>
        <translation>Número inferior</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Resultado</translation>
    </message>
    <message>
        <source>%1 equals %2</source>
        <extracomment>The problem as a screen reader says it, then its result: &quot;7 plus 5 equals 12&quot;.</extracomment>
        <translation>%1 igual a %2</translation>
    </message>
    <message>
        <source>No problem fits the current settings.

Open Setup and allow more kinds of result for the included operations, or change the term limits.</source>
        <translation>Nenhuma conta atende aos ajustes atuais.

Abra os ajustes e permita mais tipos de resultado para as operações incluídas, ou mude a faixa dos números.</translation>
    </message>
</context>
</TS>
