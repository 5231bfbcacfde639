<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk">
<context>
    <name>ShowMessage</name>
    <message>
        <source>OK</source>
        <translation>Гаразд</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>No problem shown</source>
        <translation>Приклад не показано</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A part of the problem and what it shows, as a screen reader says it: &quot;Operator: times&quot;.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Опції</translation>
    </message>
    <message>
        <source>New Problem</source>
        <translation>Ще приклад</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Вихід</translation>
    </message>
    <message>
        <source>Operator</source>
        <translation>Знак дії</translation>
    </message>
    <message>
        <source>Top term</source>
        <translation>Верхнє число</translation>
    </message>
    <message>
        <source>Bottom term</source>
        <translation>Нижнє число</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Відповідь</translation>
    </message>
    <message>
        <source>%1 equals %2</source>
        <extracomment>The problem as a screen reader says it, then its result: &quot;7 plus 5 equals 12&quot;.</extracomment>
        <translation>%1 дорівнює %2</translation>
    </message>
    <message>
        <source>No problem fits the current settings.

Open Setup and allow more kinds of result for the included operations, or change the term limits.</source>
        <translation>Жоден приклад не відповідає поточним параметрам.

Відкрийте опції та дозвольте більше видів відповіді для обраних дій або змініть діапазони чисел.</translation>
    </message>
</context>
</TS>
