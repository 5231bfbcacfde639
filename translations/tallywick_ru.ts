<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
<context>
    <name>ShowMessage</name>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>No problem shown</source>
        <translation>Пример не показан</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A part of the problem and what it shows, as a screen reader says it: &quot;Operator: times&quot;.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Настройка</translation>
    </message>
    <message>
        <source>New Problem</source>
        <translation>Ещё пример</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Выход</translation>
    </message>
    <message>
        <source>Operator</source>
        <translation>Знак действия</translation>
    </message>
    <message>
        <source>Top term</source>
        <translation>Верхнее число</translation>
    </message>
    <message>
        <source>Bottom term</source>
        <translation>Нижнее число</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Ответ</translation>
    </message>
    <message>
        <source>%1 equals %2</source>
        <extracomment>The problem as a screen reader says it, then its result: &quot;7 plus 5 equals 12&quot;.</extracomment>
        <translation>%1 равно %2</translation>
    </message>
    <message>
        <source>No problem fits the current settings.

Open Setup and allow more kinds of result for the included operations, or change the term limits.</source>
        <translation>Ни один пример не подходит под текущие настройки.

Откройте настройку и разрешите больше видов ответа для выбранных действий или измените диапазоны чисел.</translation>
    </message>
</context>
</TS>
