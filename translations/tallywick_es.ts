<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>ShowMessage</name>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>No problem shown</source>
        <translation>Ninguna cuenta en pantalla</translation>
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
        <translation>Nueva cuenta</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Operator</source>
        <translation>Signo</translation>
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
        <translation>%1 es igual a %2</translation>
    </message>
    <message>
        <source>No problem fits the current settings.

Open Setup and allow more kinds of result for the included operations, or change the term limits.</source>
        <translation>Ninguna cuenta cumple los ajustes actuales.

Abre los ajustes y permite más tipos de resultado para las operaciones incluidas, o cambia el rango de los números.</translation>
    </message>
</context>
</TS>
